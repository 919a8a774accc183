// What runs when the main window loads, and the start-up timer that loads the profile.
#include <string>

#include "app/application.h"
#include "mainwindow/frm_main.h"
#include "mainwindow/header_text.h"
#include "platform/vb_error.h"
#include "project_version.h"

namespace lumbrix {

void frmMain::Form_Load() {
    try {
        Joonista_palk();
        mnuArvutusedSydamematerjal.setChecked(true);
        Lae_registriseaded();
        uuenda_materjalid();
        txtKavaKuupaev.setText(todayForHeader(app_.desktop()));
        txtKavaKoostaja.setText(authorFromEnvironment(app_.desktop()));
        tmr_Startup.setEnabled(true);
        setCaption("LUMBRIX - v" + std::to_string(kVersionMajor) + "." +
                   std::to_string(kVersionMinor));
        scrDiameeter.setMax(600);
    } catch (const VbError& e) {
        runtime::showErrorBox(e.number(), e.description(), "Form_Load");
    }
}

void frmMain::tmr_Startup_Timer() {
    // Disabled first: a message shown while the profile loads never lets it fire again.
    tmr_Startup.setEnabled(false);
    // The catalogue's and the picker's family handlers as plain calls, edger then centre; the
    // last one loads the current profile. The options' values do not change.
    optTootedSeimrilaud_Click();
    optTootedSydmat_Click();
    optSeimrilaud_Click();
    optSydmat_Click();
}

}  // namespace lumbrix
