#pragma once

#include "platform/controls.h"

namespace lumbrix {

class Application;
class frmMain;

// The calculations report: how the pattern's result per m3 of lumber comes about. It copies
// the main window's and the store's figures when it loads, works out the cost and income
// totals and the results from the figures as shown, and can be printed. Nothing typed into
// its fields is used.
class frmArvutused : public Form {
  public:
    explicit frmArvutused(Application& app);

    // ---- top: program name, buttons, pattern name
    Label lblProgramNameVer{*this, "lblProgramNameVer"};
    CommandButton cmdExit{*this, "cmdExit"};
    CommandButton cmd_print{*this, "cmd_print"};
    Label lblArvutusedlblSaekavanimi{*this, "lblArvutusedlblSaekavanimi"};
    Label lblSaekavanimi{*this, "lblSaekavanimi"};

    // ---- left column: the log, the lumber and by-product balance
    Label lblArvutusedlblPalgidiameeter{*this, "lblArvutusedlblPalgidiameeter"};
    TextBox txtPalgidiameeter{*this, "txtPalgidiameeter"};
    Label lblArvutusedlblPalgihindEUR{*this, "lblArvutusedlblPalgihindEUR"};
    TextBox txtPalgihindEUR{*this, "txtPalgihindEUR"};
    Label lblArvutusedlblTootmismaht{*this, "lblArvutusedlblTootmismaht"};
    TextBox txtTootmismaht{*this, "txtTootmismaht"};
    Label lblArvutusedlblSaematerjalmaht{*this, "lblArvutusedlblSaematerjalmaht"};
    TextBox txtArvutusedtxtSaematerjalmaht{*this, "txtArvutusedtxtSaematerjalmaht"};
    Label lblArvutusedSaematerjalProtsent{*this, "lblArvutusedSaematerjalProtsent"};
    Label lblArvutusedlblPurumaht{*this, "lblArvutusedlblPurumaht"};
    TextBox txtArvutusedtxtPurumaht{*this, "txtArvutusedtxtPurumaht"};
    Label lblArvutusedPuruProtsent{*this, "lblArvutusedPuruProtsent"};
    Label lblArvutusedlblHakemaht{*this, "lblArvutusedlblHakemaht"};
    TextBox txtArvutusedtxtHakemaht{*this, "txtArvutusedtxtHakemaht"};
    Label lblArvutusedHakeProtsent{*this, "lblArvutusedHakeProtsent"};
    Label lblArvutusedlblKoormaht{*this, "lblArvutusedlblKoormaht"};
    TextBox txtArvutusedtxtKoormaht{*this, "txtArvutusedtxtKoormaht"};
    Label lblArvutusedKoorProtsent{*this, "lblArvutusedKoorProtsent"};
    Label lblArvutusedlblPuistekoefitsentPuru{*this, "lblArvutusedlblPuistekoefitsentPuru"};
    TextBox txtPuisteKoefitsentPuru{*this, "txtPuisteKoefitsentPuru"};
    Label lblArvutusedlblPuistekoefitsentHake{*this, "lblArvutusedlblPuistekoefitsentHake"};
    TextBox txtPuisteKoefitsentHake{*this, "txtPuisteKoefitsentHake"};
    Label lblArvutusedlblPuistekoefitsentKoor{*this, "lblArvutusedlblPuistekoefitsentKoor"};
    TextBox txtPuisteKoefitsentKoor{*this, "txtPuisteKoefitsentKoor"};
    Label lblArvutusedlblPuruPuistemaht{*this, "lblArvutusedlblPuruPuistemaht"};
    TextBox txtArvutusedtxtPuruPuistemaht{*this, "txtArvutusedtxtPuruPuistemaht"};
    Label lblArvutusedlblHakePuistemaht{*this, "lblArvutusedlblHakePuistemaht"};
    TextBox txtArvutusedtxtHakePuistemaht{*this, "txtArvutusedtxtHakePuistemaht"};
    Label lblArvutusedlblKoorPuistemaht{*this, "lblArvutusedlblKoorPuistemaht"};
    TextBox txtArvutusedtxtKoorPuistemaht{*this, "txtArvutusedtxtKoorPuistemaht"};
    TextBox txtPuisteKoefitsentKoorPalgist{*this, "txtPuisteKoefitsentKoorPalgist"};  // hidden

    // ---- right column: costs (pink), income (green), results and raw-material prices
    Label lblArvutusedlblPalgikasutusTM{*this, "lblArvutusedlblPalgikasutusTM"};
    TextBox txtPalgikasutusTM{*this, "txtPalgikasutusTM"};
    Label lblArvutusedlblPalgikasutusEUR{*this, "lblArvutusedlblPalgikasutusEUR"};
    TextBox txtPalgikasutusEUR{*this, "txtPalgikasutusEUR"};
    Label lblArvutusedlblTootmisekulu{*this, "lblArvutusedlblTootmisekulu"};
    TextBox txtTootmisekulu{*this, "txtTootmisekulu"};
    Label lblArvutusedlblAmortkulu{*this, "lblArvutusedlblAmortkulu"};
    TextBox txtAmortkulu{*this, "txtAmortkulu"};
    TextBox txtKuluTotal{*this, "txtKuluTotal"};
    Label lblArvutusedlblSaekavahindEUR{*this, "lblArvutusedlblSaekavahindEUR"};
    TextBox txtArvutusedtxtSaekavahindEUR{*this, "txtArvutusedtxtSaekavahindEUR"};
    Label lblArvutusedlblPuruHindEur{*this, "lblArvutusedlblPuruHindEur"};
    TextBox txtArvutusedtxtPuruHindEur{*this, "txtArvutusedtxtPuruHindEur"};
    Label lblArvutusedlblHakeHindEur{*this, "lblArvutusedlblHakeHindEur"};
    TextBox txtArvutusedtxtHakeHindEur{*this, "txtArvutusedtxtHakeHindEur"};
    Label lblArvutusedlblKoorHindEur{*this, "lblArvutusedlblKoorHindEur"};
    TextBox txtArvutusedtxtKoorHindEur{*this, "txtArvutusedtxtKoorHindEur"};
    Label lblArvutusedlblPuruMargin{*this, "lblArvutusedlblPuruMargin"};
    TextBox txtMarginPuruEUR{*this, "txtMarginPuruEUR"};
    Label lblArvutusedlblHakeMargin{*this, "lblArvutusedlblHakeMargin"};
    TextBox txtMarginHakeEUR{*this, "txtMarginHakeEUR"};
    Label lblArvutusedlblKoorMargin{*this, "lblArvutusedlblKoorMargin"};
    TextBox txtMarginKoorEUR{*this, "txtMarginKoorEUR"};
    TextBox txtTuluTotal{*this, "txtTuluTotal"};
    Label lblArvutusedlblTulemKokkuEBITDA{*this, "lblArvutusedlblTulemKokkuEBITDA"};
    TextBox txtTulemTotalEBITDA{*this, "txtTulemTotalEBITDA"};
    Label lblArvutusedlblTulemKokku{*this, "lblArvutusedlblTulemKokku"};
    TextBox txtTulemTotal{*this, "txtTulemTotal"};
    Label lblArvutusedlblRawmaterialATPEBITDA{*this, "lblArvutusedlblRawmaterialATPEBITDA"};
    TextBox txtrawmaterialATPEBITDA{*this, "txtrawmaterialATPEBITDA"};
    Label lblArvutusedlblRawmaterialATPEBIT{*this, "lblArvutusedlblRawmaterialATPEBIT"};
    TextBox txtrawmaterialATP{*this, "txtrawmaterialATP"};
    Label lblArvutusedlblNETRawmaterial{*this, "lblArvutusedlblNETRawmaterial"};
    TextBox txtNETrawmaterial{*this, "txtNETrawmaterial"};
    Label lbldate{*this, "lbldate"};
    Label lbltime{*this, "lbltime"};

    // ---- the four rules that divide the sheet
    LineControl Line1{*this, "Line1"};
    LineControl Line2{*this, "Line2"};
    LineControl Line3{*this, "Line3"};
    LineControl Line4{*this, "Line4"};

    void Form_Load();
    void Lae_keel();
    void cmd_print_Click();
    void cmdExit_Click();

    // The report's own totals, money per m3 of lumber, as the load worked them out.
    double costTotal() const { return kuluTotal_; }
    double incomeTotal() const { return tuluTotal_; }
    double result() const { return tulem_; }
    double resultEbitda() const { return tulemEbitda_; }

  private:
    void layOutControls();
    frmMain& main() const;

    Application& app_;
    double kuluTotal_ = 0;
    double tuluTotal_ = 0;
    double tulem_ = 0;
    double tulemEbitda_ = 0;
};

}  // namespace lumbrix
