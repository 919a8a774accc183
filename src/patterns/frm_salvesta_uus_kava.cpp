// The save dialog: working copy, name proposal, AutoName, browsing and the save itself.
#include "patterns/frm_salvesta_uus_kava.h"

#include "app/application.h"
#include "localisation/dialog_captions.h"
#include "localisation/message_language.h"
#include "mainwindow/frm_main.h"
#include "patterns/pattern_transfer.h"
#include "patterns/patterns_folder.h"
#include "platform/path_names.h"
#include "platform/text.h"
#include "platform/vb_error.h"

namespace lumbrix {

namespace {
constexpr const char* kAutoName = "AutoName";
}  // namespace

bool autoNameTicked(const std::string& stored) {
    const std::string text = Trim(stored);
    std::size_t digits = text.starts_with('-') || text.starts_with('+') ? 1 : 0;
    if (digits == text.size()) return true;  // no number at all
    bool zero = true;
    for (; digits < text.size(); ++digits) {
        const char c = text[digits];
        if (c < '0' || c > '9') return true;  // not a whole number
        if (c != '0') zero = false;
    }
    return !zero;
}

frmSalvestaUusKava::frmSalvestaUusKava(Application& app) : Form("frmSalvestaUusKava"), app_(app) {
    setCaption("Uue kava salvestamine");
    // The right column is wide enough for a whole proposed name.
    move(0, 0, 6600 + kFrameTwips, 4170 + kTitleBarTwips);
    setFixedSize(true);

    Dir1.move(120, 120, 2895, 3915);
    File1.move(3120, 120, 3375, 2625);
    File1.setPattern("*.kava");
    lblSalvestaUuekavanimi.move(3120, 2835, 1455, 255);
    lblSalvestaUuekavanimi.setCaption("Saekava &nimi:");
    txtfailinimi.move(3120, 3060, 3375, 285);
    cmdSave.move(3120, 3450, 1335, 375);
    cmdSave.setCaption("&Salvesta");
    cmdSave.setDefault(true);
    cmdTagasi.move(5160, 3450, 1335, 375);
    cmdTagasi.setCaption("&Tühista");
    chkAutoName.move(3120, 3840, 3375, 255);
    chkAutoName.setCaption("Give automatic pattern name");
    chkAutoName.setValue(checkstate::kChecked);

    Load.connect([this] { Form_Load(); });
    Dir1.Change.connect([this] { Dir1_Change(); });
    File1.Click.connect([this] { File1_Click(); });
    cmdSave.Click.connect([this] { cmdSave_Click(); });
    cmdTagasi.Click.connect([this] { cmdTagasi_Click(); });
}

frmMain& frmSalvestaUusKava::main() const {
    return app_.window<frmMain>();
}

void frmSalvestaUusKava::Form_Load() {
    const std::string folder = patternsFolder(app_).string();
    try {
        Dir1.setPath(folder);
        File1.setPath(Dir1.path());
    } catch (const VbError&) {
        // A missing folder: on No the lists stay where they started.
        if (offerToCreatePatternsFolder(main(), kCreateFolderQuestionOnLoad)) {
            Dir1.refresh();
            Dir1.setPath(folder);
            File1.setPath(folder);
        }
    }
    kava_andmed();
    Lae_keel();
    chkAutoName.setValue(autoNameTicked(app_.userSettings().get(kAutoName, "1"))
                             ? checkstate::kChecked
                             : checkstate::kUnchecked);
    if (chkAutoName.value() == checkstate::kChecked && main().lstSyda.listCount() > 0) {
        txtfailinimi.setText(proposedName());
    }
}

void frmSalvestaUusKava::kava_andmed() {
    try {
        kava = takePattern(main());
    } catch (const VbError& e) {
        runtime::showErrorBox(e.number(), e.description(), "LUMBRIX: SUB - kava_andmed");
    }
}

void frmSalvestaUusKava::Lae_keel() {
    loadDialogCaptions(app_, *this, dialogcaptions::kSalvestaUusKava);
}

std::string frmSalvestaUusKava::proposedName() {
    frmMain& m = main();
    m.lstSyda.setListIndex(0);
    // The proposal always saves: nothing typed into the diameter makes it an unusable file
    // name, and a name too long for the folder's file system loses the end of its profile
    // name first.
    const std::size_t longest = longestFileName(File1.path()) - std::string_view(".kava").size();
    const std::string rest =
        fileNamePrefix(asFileName("_" + m.txtPalk.text() + "_" + Left(m.lstSyda.list(0), 14) + "_" +
                                  std::to_string(m.lstSyda.listCount()) + "ex"),
                       longest);
    return fileNamePrefix(asFileName(m.lblValitudProfiil.caption()), longest - rest.size()) + rest;
}

void frmSalvestaUusKava::cmdSave_Click() {
    frmMain& m = main();
    const std::string name = txtfailinimi.text();
    if (name.empty()) {
        runtime::msgBox(
            bilingual(m, "Palun sisestage saekava nimi!", "Please insert pattern name!"),
            mb::kCritical, bilingual(m, "Viga!", "Error!"));
        return;
    }
    const FileResult written = savePatternPair(File1.path(), name, kava);
    if (!written) {
        reportFailedSave(written.number, fileFailureText(m, written));
        return;
    }
    saved_ = true;
    m.lblSaekavanimi.setCaption(name);
    storeAutoName();
    unload();
}

void frmSalvestaUusKava::reportFailedSave(int number, const std::string& description) const {
    runtime::showErrorBox(number, description, "LUMBRIX: SUB - cmdSave_Click");
}

void frmSalvestaUusKava::cmdTagasi_Click() {
    storeAutoName();
    unload();
}

void frmSalvestaUusKava::storeAutoName() {
    const std::string value = chkAutoName.value() == checkstate::kChecked ? "1" : "0";
    UserSettings& settings = app_.userSettings();
    if (settings.get(kAutoName, "") == value) return;  // stored already: no write
    const FileResult stored = settings.save(kAutoName, value);
    if (!stored) {
        const frmMain& m = main();
        runtime::msgBox(bilingual(m, "Automaatse nime valikut ei saanud meelde jätta: ",
                                  "The automatic name choice could not be remembered: ") +
                            fileFailureText(m, stored),
                        mb::kExclamation, kAutoName);
    }
}

void frmSalvestaUusKava::Dir1_Change() {
    File1.setPath(Dir1.path());
}

void frmSalvestaUusKava::File1_Click() {
    const std::string file = File1.fileName();
    txtfailinimi.setText(Right(file, 5) == ".kava" ? Left(file, Len(file) - 5) : file);
}

}  // namespace lumbrix
