// The results panel: labels that explain themselves, show the log volume formula and open
// the window in which the planner changes what stands behind a figure.
#include "app/application.h"
#include "localisation/message_language.h"
#include "mainwindow/frm_main.h"
#include "millsettings/frm_kulude_muutmine.h"
#include "millsettings/frm_palgi_hinnad.h"
#include "millsettings/frm_profiil.h"
#include "store/numbers.h"

namespace lumbrix {

void frmMain::lblPalgimaht_MouseMove() {
    lblPalgimaht.setBackColor(colors::kLightOrange);
    lblPalgimaht.setToolTipText(
        bilingual(*this, "Valemi nägemiseks tehke klik", "Click to see the formula"));
}

void frmMain::lblPalgimaht_Click() {
    const std::string d = txtPalk.text();
    // The length in metres, as the formula takes it, so that the formula with these values
    // gives the volume the label shows.
    const std::string l = NumberText(CLng(RegionCompVal(txtPikkus.text())) / 1000.0);
    const std::string k = store().txtPalgimahukoefitsent;
    const std::string formula = d + "/ 10) * (" + d + " / 10) * " + l + ") * (0.797 + 0.0153 * " +
                                l + ") + 3.74 * " + l + " * " + l + ") / 10000) * " + k;
    const std::string text =
        bilingual(*this, "Palgimahu arvestamiseks kasutatav valem (aluseks EESTI MAHUTABEL):",
                  "Formula used for log volume calculations (based on ESTONIAN VOLUMETABLE):") +
        "\r\n" + bilingual(*this, "palgimaht = ((((", "log volume = ((((") + formula;
    runtime::msgBox(text, mb::kInformation,
                    bilingual(*this, "Palgimahu valem", "Log volume formula"));
}

void frmMain::lblPalgiHinnaInfo_DblClick() {
    if (lstSyda.listCount() > 0 && RegionCompVal(lblPalgikuluHind.caption()) == 0) {
        showLogPriceEditor(app_, *this);
    }
}

void frmMain::lblMuudkuludHind_Click() {
    app_.window<frmKuludeMuutmine>().showModal(this);
}

void frmMain::lblValitudProfiil_MouseDown(int button) {
    if (button == mouse::kLeft) {
        app_.window<frmProfiil>().showModal(this);
    } else if (button == mouse::kRight) {
        popupMenuBelow(mnuprofiil, lblValitudProfiil);
    }
}

void frmMain::mnusalvestaprofiil_Click() {
    // Saves the current profile through the profiles dialog without showing it; the dialog is
    // loaded afresh for the save and let go afterwards.
    frmProfiil& profiles = app_.window<frmProfiil>();
    profiles.cmdSalvesta.press();
    profiles.unload();
}

void frmMain::mnusalvestaprofiilkui_Click() {
    frmProfiil& profiles = app_.window<frmProfiil>();
    profiles.cmdUus.press();
    profiles.fraUusProfiil.setVisible(true);
    profiles.txtUueProfiiliNimi.setText("");
    profiles.showModal(this);
}

}  // namespace lumbrix
