#include "localisation/frm_keele_valik.h"

#include "app/application.h"
#include "localisation/language_file.h"
#include "localisation/main_caption_table.h"
#include "localisation/message_language.h"
#include "mainwindow/frm_main.h"
#include "millsettings/user_preferences.h"
#include "platform/event_runtime.h"
#include "platform/vb_error.h"

namespace lumbrix {

namespace {

constexpr const char* kStartupErrorTitle = "Start-up error";

struct DialogTexts {
    const char* caption;
    const char* prompt;
    const char* skip;
    const char* exit;
};
constexpr DialogTexts kEstonianTexts{"Tere tulemast", "Palun valige keel",
                                     "Ära seda akent enam näita", "Välju"};
constexpr DialogTexts kEnglishTexts{"Welcome", "Please select language",
                                    "Skip this windows on next startup", "Exit"};

}  // namespace

frmKeeleValik::frmKeeleValik(Application& app) : Form("frmKeeleValik"), app_(app) {
    setCaption("Palun valige keel");
    move(0, 0, 4500 + kFrameTwips, 3840 + kTitleBarTwips);
    setFixedSize(true);

    Label1.move(240, 180, 4020, 255);
    Label1.setCaption("Please select language:");
    File1.move(240, 480, 4020, 1950);
    File1.setPattern(kLanguageFilePattern);
    chkSkipNextTime.move(240, 2550, 4020, 315);
    chkSkipNextTime.setEnabled(false);
    cmdOK.move(240, 3120, 1920, 405);
    cmdOK.setCaption("OK");
    cmdOK.setEnabled(false);
    cmdCancel.move(2340, 3120, 1920, 405);
    cmdCancel.setCaption("Cancel");
    lblVaikimisiKeelePath.move(240, 3600, 4020, 195);
    lblVaikimisiKeelePath.setVisible(false);

    Load.connect([this] { Form_Load(); });
    QueryUnload.connect([this](int& cancel, int mode) { Form_QueryUnload(cancel, mode); });
    File1.Click.connect([this] { File1_Click(); });
    cmdOK.Click.connect([this] { cmdOK_Click(); });
    cmdCancel.Click.connect([this] { cmdCancel_Click(); });
}

void frmKeeleValik::Form_Load() {
    try {
        File1.setPath((app_.installFolder() / kLanguageFolder).string());
        UserSettings& settings = app_.userSettings();
        const bool skip =
            startsWithoutLanguageBox(settings.get(languagechoice::kShowLanguageBox, "0"));
        chkSkipNextTime.setValue(skip ? checkstate::kChecked : checkstate::kUnchecked);
        lblVaikimisiKeelePath.setCaption(settings.get(languagechoice::kDefaultLanguage,
                                                      languagechoice::kDefaultLanguageAtStart));
        if (!skip) return;
        const std::string& remembered = lblVaikimisiKeelePath.caption();
        // A name with wildcards would change the list's pattern: it names no file.
        if (remembered.find_first_of("*?") == std::string::npos) File1.setFileName(remembered);
        // The remembered file is gone: the dialog is shown and the planner chooses again.
        if (File1.listIndex() < 0) return;
        startMainWindow();
    } catch (const VbError& e) {
        runtime::showErrorBox(e.number(), e.description(), kStartupErrorTitle);
        app_.desktop().endProgram();
        unload();
    }
}

void frmKeeleValik::Form_QueryUnload(int& /*cancel*/, int mode) {
    // Closing the dialog's window leaves the program, as Exit does; nothing is written.
    if (mode == unloadmode::kControlMenu) app_.desktop().endProgram();
}

void frmKeeleValik::File1_Click() {
    chkSkipNextTime.setEnabled(true);
    // Exact comparison: only "eesti.keel" gives the Estonian texts.
    const DialogTexts& texts =
        File1.fileName() == languagechoice::kEstonianFile ? kEstonianTexts : kEnglishTexts;
    setCaption(texts.caption);
    Label1.setCaption(texts.prompt);
    chkSkipNextTime.setCaption(texts.skip);
    cmdOK.setCaption("START");
    cmdCancel.setCaption(texts.exit);
    cmdOK.setEnabled(true);
}

void frmKeeleValik::cmdOK_Click() {
    if (File1.listIndex() < 0) return;
    FileResult saved = FileResult::success({});
    if (chkSkipNextTime.value() == checkstate::kChecked) {
        saved = rememberStartLanguage(app_.userSettings(), File1.fileName());
    }
    startMainWindow();
    if (!saved) {
        const frmMain& m = app_.window<frmMain>();
        runtime::msgBox(
            bilingual(m,
                      "Keelevalikut ei saanud meelde jätta (" + fileFailureText(m, saved) +
                          "). Järgmisel käivitamisel küsitakse keelt uuesti.",
                      "The language choice could not be remembered (" + fileFailureText(m, saved) +
                          "). The next start asks again."),
            mb::kExclamation);
    }
}

void frmKeeleValik::cmdCancel_Click() {
    unload();
    app_.desktop().endProgram();
}

void frmKeeleValik::Lae_keelefail() {
    applyLanguageFile(app_, File1.path(), File1.fileName());
}

void frmKeeleValik::startMainWindow() {
    Lae_keelefail();
    unload();
    app_.window<frmMain>().show();
}

void startProgram(Application& app) {
    frmKeeleValik& dialog = app.window<frmKeeleValik>();
    if (dialog.isLoaded()) dialog.show();
}

}  // namespace lumbrix
