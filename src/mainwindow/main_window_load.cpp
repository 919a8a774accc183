// What runs when the main window loads.
#include <string>

#include "mainwindow/frm_main.h"
#include "project_version.h"

namespace lumbrix {

void frmMain::Form_Load() {
    Joonista_palk();
    mnuArvutusedSydamematerjal.setChecked(true);
    Lae_registriseaded();
    uuenda_materjalid();
    setCaption("LUMBRIX - v" + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor));
    scrDiameeter.setMax(600);
}

}  // namespace lumbrix
