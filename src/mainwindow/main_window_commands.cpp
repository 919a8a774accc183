// The main window's commands: new pattern, suggestion, close and exit, help, automatic fit,
// the pattern header, the fit button's menu and the menus that open other windows.
#include "app/application.h"
#include "localisation/message_language.h"
#include "mainwindow/frm_main.h"
#include "mainwindow/header_text.h"
#include "millsettings/frm_palgi_hinnad.h"
#include "millsettings/frm_seaded.h"
#include "millsettings/user_preferences.h"
#include "platform/vb_error.h"
#include "view3d/frm_3d_show.h"

namespace lumbrix {

namespace {
constexpr int kBackspace = 8;
constexpr int kPoint = 46;
}  // namespace

bool frmMain::startNewPattern() {
    if (!patternIsUnnamed()) {
        Uus_kava();
        Lae_palgihinnad(lstPalgiHinnad);
        lblSaekavanimi.setCaption(" ");
        return true;
    }
    if (lstSyda.listCount() == 0) return true;
    const MsgResult answer =
        runtime::msgBox(bilingual(*this, "Kas salvestame loodud kava?", "Will save this pattern?"),
                        mb::kYesNoCancel, bilingual(*this, "Salvestame?", "Save?"));
    if (answer == MsgResult::Cancel) return false;
    if (answer == MsgResult::Yes) {
        cmdSalvestaUusKava_Click();
        // Only a pattern that was really saved (it has a name now) may be cleared.
        if (patternIsUnnamed()) return false;
    }
    Uus_kava();
    lblSaekavanimi.setCaption(" ");
    return true;
}

void frmMain::cmdUusKava_Click() {
    try {
        startNewPattern();
    } catch (const VbError& e) {
        runtime::showErrorBox(e.number(), e.description(), "LUMBRIX: SUB - cmdUusKava_Click");
    }
}

void frmMain::Form_Unload(int& cancel) {
    if (lstSyda.listCount() > 0) {
        const MsgResult answer =
            runtime::msgBox(bilingual(*this, "On alustatud uue kava koostamist. Kas väljute?",
                                      "There is unsaved pattern in editor. Still exit?"),
                            mb::kYesNo, bilingual(*this, "Välju?", "Exit?"));
        if (answer != MsgResult::Yes) {
            cancel = 1;
            return;
        }
        cmdClearCompare_Click();
    }
    app_.desktop().endProgram();
}

void frmMain::mnuProgramExit_Click() {
    try {
        if (!startNewPattern()) return;  // the planner kept the pattern: the program stays
    } catch (const VbError& e) {
        runtime::showErrorBox(e.number(), e.description(), "LUMBRIX: SUB - cmdUusKava_Click");
        return;
    }
    app_.desktop().endProgram();
}

void frmMain::mnuHelp_Click() {
    if (!app_.desktop().openDocument(app_.installFolder() / "abi.PDF")) {
        runtime::msgBox(bilingual(*this, "Probleem abifaili leidimisega!", "Can't find HELP file!"),
                        mb::kCritical, "LUMBRIX");
    }
}

void frmMain::mnuAutoFit_Click() {
    const bool on = !mnuAutoFit.checked();
    mnuAutoFit.setChecked(on);
    UserSettings& settings = app_.userSettings();
    const FileResult saved = settings.save(preference::kAutofit, on ? "1" : "0");
    if (!saved) {
        // The tick shows what the next start will use: the value that is still stored.
        mnuAutoFit.setChecked(settings.get(preference::kAutofit, preference::kAutofitDefault) ==
                              "1");
        runtime::msgBox(bilingual(*this, "Automaatse sobitamise seadet ei saanud salvestada: ",
                                  "The automatic fit setting could not be saved: ") +
                            fileFailureText(*this, saved),
                        mb::kExclamation, preference::kAutofit);
    }
}

void frmMain::cmdPalgiHinnad_Click() {
    showLogPriceEditor(app_, *this);
}

void frmMain::cmdKavaLisainfoShow_Click() {
    if (frmLisaInfo.visible()) {
        frmLisaInfo.setVisible(false);
        return;
    }
    frmLisaInfo.setVisible(true);
    txtKavaKuupaev.setText(todayForHeader(app_.desktop()));
    if (txtKavaKoostaja.text().empty()) {
        txtKavaKoostaja.setText(authorFromEnvironment(app_.desktop()));
    }
    txtKavaNotes.setFocus();
}

void frmMain::txtKavaKuupaev_KeyPress(int& keyAscii) {
    const bool digit = keyAscii >= '0' && keyAscii <= '9';
    if (digit || keyAscii == kBackspace || keyAscii == kPoint) return;
    app_.desktop().beep();
    keyAscii = 0;
}

void frmMain::cmdSobita_MouseDown(int button, int, double, double) {
    if (button == mouse::kRight) popupMenuBelow(mnuArvutused, cmdSobita);
}

void frmMain::cmdSobita_MouseMove(int, int, double, double) {
    cmdSobita.setToolTipText(
        bilingual(*this, "Parema nupuga avaneb menüü", "Right click for menu"));
}

// The mill's settings, over this window until the planner leaves them.
void frmMain::mnuProgramSeaded_Click() {
    app_.window<frmSeaded>().showModal(this);
}

// The 3D view of the pattern: the corners written afresh, then the view shown over this
// window until the planner closes it. With no centre board the view shows its axes only.
void frmMain::mnupalk3Denable_Click() {
    Arvuta_3d();
    app_.window<frm3dShow>().showModal(this);
}

}  // namespace lumbrix
