// The open dialog: browsing, opening a pattern pair into the main window, deleting a pattern.
#include "patterns/frm_ava_kava.h"

#include <filesystem>
#include <initializer_list>
#include <system_error>

#include "app/application.h"
#include "localisation/dialog_captions.h"
#include "localisation/message_language.h"
#include "mainwindow/frm_main.h"
#include "patterns/pattern_file.h"
#include "patterns/pattern_opening.h"
#include "patterns/pattern_transfer.h"
#include "patterns/patterns_folder.h"
#include "platform/text.h"
#include "platform/vb_error.h"

namespace lumbrix {

namespace fs = std::filesystem;

namespace {

const Font kArial{"Arial", 8.25};

// A listed file's pattern name: without ".kava" when it ends so (letter case counts).
std::string patternNameOf(const std::string& file) {
    return Right(file, 5) == ".kava" ? Left(file, Len(file) - 5) : file;
}

}  // namespace

frmAvaKava::frmAvaKava(Application& app) : Form("frmAvaKava"), app_(app) {
    setCaption("Salvestatud kava avamine");
    move(0, 0, 7560 + kFrameTwips, 3675 + kTitleBarTwips);
    setFixedSize(true);

    Drive1.move(120, 120, 2535, 330);
    Dir1.move(120, 600, 2535, 2970);
    File1.move(2760, 120, 2760, 2820);
    File1.setPattern("*.kava");
    lblAvaKavaSaekavaNimi.move(2760, 3060, 1455, 255);
    lblAvaKavaSaekavaNimi.setCaption("Saekava &nimi:");
    txtfailinimi.move(2760, 3285, 2775, 285);
    cmdAvaKava.move(5640, 120, 1815, 375);
    cmdAvaKava.setCaption("Ava kava");
    cmdAvaKava.setDefault(true);
    cmdKavadeKaust.move(5640, 600, 1815, 375);
    cmdKavadeKaust.setCaption("Ava kavade kaust");
    cmdKustutaKava.move(5640, 2655, 1815, 375);
    cmdKustutaKava.setCaption("Kustuta kava");
    cmdTyhista.move(5640, 3210, 1815, 375);
    cmdTyhista.setCaption("Tühista");
    for (Control* c : std::initializer_list<Control*>{&Drive1, &Dir1, &File1, &cmdAvaKava,
                                                      &cmdKavadeKaust, &cmdKustutaKava}) {
        c->setFont(kArial);
    }
    // Two lines set the Cancel button apart: a white one over a dark one.
    Line1.setPoints(5640, 3105, 7440, 3105);
    Line1.setBorderColor(colors::kWhite);
    Line2.setPoints(5640, 3120, 7440, 3120);

    Load.connect([this] { Form_Load(); });
    Drive1.Change.connect([this] { Drive1_Change(); });
    Dir1.Change.connect([this] { Dir1_Change(); });
    File1.Click.connect([this] { File1_Click(); });
    File1.DblClick.connect([this] { File1_DblClick(); });
    cmdKavadeKaust.Click.connect([this] { cmdKavadeKaust_Click(); });
    cmdAvaKava.Click.connect([this] { cmdAvaKava_Click(); });
    cmdKustutaKava.Click.connect([this] { cmdKustutaKava_Click(); });
    cmdTyhista.Click.connect([this] { cmdTyhista_Click(); });
}

frmMain& frmAvaKava::main() const {
    return app_.window<frmMain>();
}

bool frmAvaKava::goToPatternsFolder() {
    const fs::path folder = patternsFolder(app_);
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) return false;
    Dir1.setPath(folder.string());
    File1.setPath(Dir1.path());
    Drive1.setDrive(folder.string());
    return true;
}

void frmAvaKava::Form_Load() {
    Drive1.setDrive(app_.installFolder().string());
    if (!goToPatternsFolder() && offerToCreatePatternsFolder(main(), kCreateFolderQuestionOnLoad)) {
        Dir1.refresh();
        goToPatternsFolder();
        Dir1.refresh();
    }
    Lae_keel();
}

void frmAvaKava::Lae_keel() {
    loadDialogCaptions(app_, *this, dialogcaptions::kAvaKava);
}

void frmAvaKava::Drive1_Change() {
    Dir1.setPath(Drive1.drive());
}

void frmAvaKava::Dir1_Change() {
    File1.setPath(Dir1.path());
}

void frmAvaKava::File1_Click() {
    txtfailinimi.setText(patternNameOf(File1.fileName()));
}

void frmAvaKava::File1_DblClick() {
    cmdAvaKava_Click();
}

void frmAvaKava::cmdKavadeKaust_Click() {
    Dir1.refresh();
    if (!goToPatternsFolder()) offerToCreatePatternsFolder(main(), kCreateFolderQuestionOnButton);
}

void frmAvaKava::cmdTyhista_Click() {
    unload();
}

std::string frmAvaKava::chosenFile() const {
    const std::string file = File1.fileName();
    std::error_code ec;
    if (file.empty() || !fs::is_regular_file(fs::path(File1.path()) / file, ec)) return "";
    return file;
}

void frmAvaKava::cmdAvaKava_Click() {
    frmMain& m = main();
    const std::string chosen = File1.fileName();
    if (txtfailinimi.text().empty() || chosen.empty()) {
        runtime::msgBox(bilingual(m, "Esmalt valige kava!", "Please select pattern!"),
                        mb::kCritical, bilingual(m, "Viga!", "Error!"));
        return;
    }
    if (m.patternIsUnnamed() && m.lstSyda.listCount() > 0) {
        const MsgResult answer = runtime::msgBox(
            bilingual(m, "On alustatud uue kava koostamist. Kas salvestame enne järgmise avamist?",
                      "There is unsaved pattern in editor. Save it before opening other?"),
            mb::kYesNo, bilingual(m, "Salvestame?", "Save new pattern?"));
        if (answer == MsgResult::Yes) {
            hide();
            unload();
            m.cmdSalvestaUusKava.press();
            return;
        }
    }
    // The whole pair is read and checked before anything of the main window changes.
    const fs::path folder = File1.path();
    const fs::path notesPath = notesFilePath(folder, patternNameOf(chosen));
    PatternOpening opening = readPatternForOpening(m, folder / chosen, notesPath);
    const std::string notesMessage = keepDamagedNotes(m, opening, notesPath);
    if (opening.refused()) {
        showOpeningRefusal(m, opening.refusal);
        return;
    }
    putPattern(m, opening.read.pattern);
    m.lblSaekavanimi.setCaption(chosen);
    m.tmr_update.setEnabled(true);
    m.cmdShowCalculations.setEnabled(true);
    opened_ = true;
    if (!notesMessage.empty()) {
        runtime::msgBox(notesMessage, mb::kExclamation, bilingual(m, "Märkmed", "Notes"));
    }
    unload();
}

void frmAvaKava::cmdKustutaKava_Click() {
    frmMain& m = main();
    const std::string chosen = File1.fileName();
    const MsgResult answer =
        runtime::msgBox(bilingual(m, "Tahate kustutada kava: " + chosen + " ?",
                                  "Do you want to delete pattern: " + chosen + " ?"),
                        mb::kYesNo, bilingual(m, "Kustutame?", "Delete?"));
    if (answer != MsgResult::Yes) return;
    // Only the chosen pattern file goes, and only a file: never a folder, never the notes.
    std::error_code ec;
    const bool removed = !chosenFile().empty() && fs::remove(fs::path(File1.path()) / chosen, ec);
    if (!removed) {
        runtime::msgBox(bilingual(m, "Esmalt valige kava, mida soovite kustutada!",
                                  "Please select pattern you want to delete!"),
                        mb::kInformation, bilingual(m, "Kustuta", "Delete"));
        return;
    }
    File1.refresh();
    txtfailinimi.setText("");
}

}  // namespace lumbrix
