// Handlers of the catalogue editor and the dimension picker on the main window.
#include "mainwindow/frm_main.h"

namespace lumbrix {

void frmMain::connectCatalogueHandlers() {
    // ---- dimension picker
    optSydmat.Click.connect([this] { optSydmat_Click(); });
    optSeimrilaud.Click.connect([this] { optSeimrilaud_Click(); });
    optKyljelaud.Click.connect([this] { optKyljelaud_Click(); });
    lstDim.Click.connect([this] { lstDim_Click(); });
    lstDim.MouseDown.connect([this](int button, int shift, double x, double y) {
        lstDim_MouseDown(button, shift, x, y);
    });
    lstDim.MouseMove.connect([this](int button, int shift, double x, double y) {
        lstDim_MouseMove(button, shift, x, y);
    });
    mnuautoscroll.Click.connect([this] { mnuautoscroll_Click(); });

    // ---- catalogue editor: type, list, deleting
    optTootedSydmat.Click.connect([this] { optTootedSydmat_Click(); });
    optTootedSeimrilaud.Click.connect([this] { optTootedSeimrilaud_Click(); });
    optTootedKyljelaud.Click.connect([this] { optTootedKyljelaud_Click(); });
    lstTootedDim.Click.connect([this] { lstTootedDim_Click(); });
    lstTootedDim.KeyPress.connect([this](int& keyAscii) { lstTootedDim_KeyPress(keyAscii); });
    lstTootedDim.KeyDown.connect(
        [this](int& keyCode, int shift) { lstTootedDim_KeyDown(keyCode, shift); });
    cmdKustutaDim.Click.connect([this] { cmdKustutaDim_Click(); });
    mnuKustutaValitud.Click.connect([this] { mnuKustutaValitud_Click(); });
    mnuKustutaKoik.Click.connect([this] { mnuKustutaKoik_Click(); });

    // ---- catalogue editor: fields
    txtDimPaksus.KeyPress.connect([this](int& keyAscii) { txtDimPaksus_KeyPress(keyAscii); });
    txtDimLaius.KeyPress.connect([this](int& keyAscii) { txtDimLaius_KeyPress(keyAscii); });
    txtDimLaius.Change.connect([this] { txtDimLaius_Change(); });
    txtDimNiiskus.KeyPress.connect([this](int& keyAscii) { txtDimNiiskus_KeyPress(keyAscii); });
    txtSaagPaksus.KeyPress.connect([this](int& keyAscii) { decimalField_KeyPress(keyAscii); });
    txtSaagLaius.KeyPress.connect([this](int& keyAscii) { decimalField_KeyPress(keyAscii); });
    txtYlemoot.Change.connect([this] { txtYlemoot_Change(); });
    VScroll1.Change.connect([this] { VScroll1_Change(); });
    for (int k = 1; k <= 6; ++k) {
        TextBox& share = txtQualShare(k);
        TextBox& price = txtQualPrice(k);
        share.KeyPress.connect([this](int& keyAscii) { decimalField_KeyPress(keyAscii); });
        price.KeyPress.connect([this](int& keyAscii) { decimalField_KeyPress(keyAscii); });
        share.LostFocus.connect([this] { Arvuta_kvaliteedijagunemine(); });
        price.LostFocus.connect([this] { Arvuta_kvaliteedijagunemine(); });
        price.GotFocus.connect([this, &price] { txtQualPrice_GotFocus(price); });
    }

    // ---- product commands
    cmdArvuta.Click.connect([this] { cmdArvuta_Click(); });
    cmdNew.Click.connect([this] { cmdNew_Click(); });
    cmdLisaDim.Click.connect([this] { cmdLisaDim_Click(); });
    cmdMuudaDim.Click.connect([this] { cmdMuudaDim_Click(); });
}

}  // namespace lumbrix
