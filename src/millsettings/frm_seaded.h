#pragma once

#include <functional>
#include <string>

#include "millsettings/settings_input_rules.h"
#include "platform/atomic_file.h"
#include "platform/controls.h"

namespace lumbrix {

class Application;
class frmMain;

// The settings dialog: the current profile's trims, kerfs, log length module and volume
// coefficient, by-product factors and prices, bark share, monthly costs with the costs per
// m3 they give, capital employed and the full-edge switch, plus the start-up language
// preference. Save writes the profile's settings file, the store and the preference; Back
// and the log price door leave without saving. Shown modally over the main window.
class frmSeaded : public Form {
  public:
    explicit frmSeaded(Application& app);

    // ---- trims
    Frame frmSeadedKappimised{*this, "frmSeadedKappimised"};
    Label lblSeadedLabelSisestage{*this, "lblSeadedLabelSisestage"};
    Label lblSeadedLabelSydmat{*this, "lblSeadedLabelSydmat"};
    TextBox txtKappimineSydmat{*this, "txtKappimineSydmat"};
    Label lblSeadedLabelLauad{*this, "lblSeadedLabelLauad"};
    TextBox txtKappimineLauad{*this, "txtKappimineLauad"};
    CheckBox chkArvutaTaiskant{*this, "chkArvutaTaiskant"};
    CommandButton cmdHelp_Trimmings_Settings{*this, "cmdHelp_Trimmings_Settings"};

    // ---- kerfs, each changed by its spinner only
    Frame frmSeadedKettad{*this, "frmSeadedKettad"};
    Label lblSeadedLabelEsimeneSaag{*this, "lblSeadedLabelEsimeneSaag"};
    TextBox txtKetas1saag{*this, "txtKetas1saag"};
    VScrollBar vs1saag{*this, "vs1saag"};
    Label lblSeadedLabelTeineSaag{*this, "lblSeadedLabelTeineSaag"};
    TextBox txtKetas2saag{*this, "txtKetas2saag"};
    VScrollBar vs2saag{*this, "vs2saag"};
    Label lblSeadedLabelServaja{*this, "lblSeadedLabelServaja"};
    TextBox txtKetasSeimer{*this, "txtKetasSeimer"};
    VScrollBar vsServamisliin{*this, "vsServamisliin"};
    Label lblSeadedLabelTrimmer{*this, "lblSeadedLabelTrimmer"};
    TextBox txtKetasTrimmer{*this, "txtKetasTrimmer"};
    VScrollBar vstrimmer{*this, "vstrimmer"};
    CommandButton cmdHelp_blades_settings{*this, "cmdHelp_blades_settings"};

    // ---- log length module and volume coefficient, and the door to the log prices
    Frame frmSeadedPikkusMoodul{*this, "frmSeadedPikkusMoodul"};
    Label lblSeadedLabelPikkusmoodul{*this, "lblSeadedLabelPikkusmoodul"};
    TextBox txtPalgiMoodul{*this, "txtPalgiMoodul"};
    VScrollBar vsPalgiMoodul{*this, "vsPalgiMoodul"};
    Label lblSeadedLabelpalgikoefitsent{*this, "lblSeadedLabelpalgikoefitsent"};
    CommandButton cmdPalgikoefmiinus{*this, "cmdPalgikoefmiinus"};
    TextBox txtPalgimahukoefitsent{*this, "txtPalgimahukoefitsent"};
    CommandButton cmdPalgikoefpluss{*this, "cmdPalgikoefpluss"};
    CommandButton cmdLogPrice{*this, "cmdLogPrice"};
    CommandButton cmdHelp_Log_Settings{*this, "cmdHelp_Log_Settings"};

    // ---- by-products: loose-volume factors (steppers only), prices, bark share
    Frame frmPuistekoefitsent{*this, "frmPuistekoefitsent"};
    Label lblSeadedPuisteKoefitsent{*this, "lblSeadedPuisteKoefitsent"};
    Label lblSeadedPuisteHind{*this, "lblSeadedPuisteHind"};
    Label lblSeadedLabelHake{*this, "lblSeadedLabelHake"};
    CommandButton cmdHakeMiinus{*this, "cmdHakeMiinus"};
    TextBox txtKoefitsentHake{*this, "txtKoefitsentHake"};
    CommandButton cmdHakePluss{*this, "cmdHakePluss"};
    TextBox txtHakehind{*this, "txtHakehind"};
    Label lblSeadedLabelSaepuru{*this, "lblSeadedLabelSaepuru"};
    CommandButton cmdPuruMiinus{*this, "cmdPuruMiinus"};
    TextBox txtKoefitsentPuru{*this, "txtKoefitsentPuru"};
    CommandButton cmdPuruPluss{*this, "cmdPuruPluss"};
    TextBox txtsaepuruHind{*this, "txtsaepuruHind"};
    Label lblSeadedLabelKoor{*this, "lblSeadedLabelKoor"};
    CommandButton cmdKoorMiinus{*this, "cmdKoorMiinus"};
    TextBox txtKoefitsentKoor{*this, "txtKoefitsentKoor"};
    CommandButton cmdKoorPluss{*this, "cmdKoorPluss"};
    TextBox txtkoorhind{*this, "txtkoorhind"};
    Label lblSeadedLabelKoorKoefitsent{*this, "lblSeadedLabelKoorKoefitsent"};
    TextBox txtKoefitsentKoorPalgist{*this, "txtKoefitsentKoorPalgist"};
    Label lblSeadedLabelKoorKoefitsent2{*this, "lblSeadedLabelKoorKoefitsent2"};
    CommandButton Command1{*this, "Command1"};

    // ---- monthly costs, the costs per m3 they give, capital employed
    Frame frmSaematKulud{*this, "frmSaematKulud"};
    Label lblKuisedPysikuludKokkuCaption{*this, "lblKuisedPysikuludKokkuCaption"};
    TextBox txtKuisedPysikuludKokku{*this, "txtKuisedPysikuludKokku"};
    Label lblKuisedAmordikuludKokkuCaption{*this, "lblKuisedAmordikuludKokkuCaption"};
    TextBox txtKuisedAmordikuludKokku{*this, "txtKuisedAmordikuludKokku"};
    Label lblYhikuMuutuvkuludCaption{*this, "lblYhikuMuutuvkuludCaption"};
    TextBox txtYhikuMuutuvkulud{*this, "txtYhikuMuutuvkulud"};
    Label lblKuineTootmismahtCaption{*this, "lblKuineTootmismahtCaption"};
    TextBox txtKuineTootmismaht{*this, "txtKuineTootmismaht"};
    Label lblSeadedLabelTootmiskulu{*this, "lblSeadedLabelTootmiskulu"};
    TextBox txtKuluTootmine{*this, "txtKuluTootmine"};
    Label lblSeadedLabelAmordikulu{*this, "lblSeadedLabelAmordikulu"};
    TextBox txtKuluAmort{*this, "txtKuluAmort"};
    Label lblSeadedLabelCE{*this, "lblSeadedLabelCE"};
    TextBox txtCE{*this, "txtCE"};
    CommandButton Command4{*this, "Command4"};

    // ---- bottom row
    CheckBox chkNaitaKeeleValikut{*this, "chkNaitaKeeleValikut"};  // offer the language choice
    CommandButton cmdSalvesta{*this, "cmdSalvesta"};
    CommandButton cmdOK{*this, "cmdOK"};
    Label lblSalvestatud{*this, "lblSalvestatud"};  // the file's last save stamp
    TextBox txtaeg{*this, "txtaeg"};                // hidden: the stamp Save writes

    // Shows a focus-loss box once the focus has settled (see LostFocus below).
    Timer tmrFieldBox{*this, "tmrFieldBox"};

    void Form_Load();
    void cmdSalvesta_Click();
    void cmdOK_Click();
    void cmdLogPrice_Click();
    void chkArvutaTaiskant_Click();
    void cmdHelp_Trimmings_Settings_Click();
    void cmdHelp_blades_settings_Click();
    void cmdHelp_Log_Settings_Click();
    void Command1_Click();
    void Command4_Click();

    // Lifts zero monthly figures to "0.1" and recomputes the two costs per m3 from the
    // dialog's fields. False (nothing after the failing step done) when a monthly field holds
    // no number.
    bool Arvuta_kulud();

    // ---- input rules
    void stepFactor(TextBox& field, const FactorStepper& stepper);
    void spinnerChanged(VScrollBar& spinner, TextBox& field);
    void filterKey(KeyRule rule, int& keyAscii);
    void monthlyCost_LostFocus();
    void txtKoefitsentKoorPalgist_LostFocus();
    void tmrFieldBox_Timer();

  private:
    enum class FieldBox { None, Costs, BarkShareHint };

    frmMain& main() const;
    void layOut();
    void layOutCosts();
    void connectInputRules();
    // Connects a button's click; a box a focus loss asked for shows once the click has done
    // its work (Save, Back and the log price door drop it themselves when they close).
    void onClick(CommandButton& button, std::function<void()> handler);
    void fillFromSettingsFile();
    void startSpinners();
    // The whole number a spinner step writes into its field.
    int spinnerStep(VScrollBar& spinner, const TextBox& field);
    void showDerivedCosts();
    bool costFieldsAreNumbers() const;
    // Whether the store's costs per m3 can be computed from the monthly figures as Save
    // would store them.
    bool storeCostsComputable() const;
    // Stores the language offer: ticked, the start shows the language dialog; cleared, the
    // start applies the language in use without asking.
    FileResult saveLanguageOffer();
    void close();
    // A box that a focus loss asked for waits until the focus has settled: when the mouse
    // holds down one of the dialog's buttons, its click runs first (it may close the dialog,
    // and Save checks again); a release without a click, or focus that came any other way,
    // shows it at once.
    void askForFieldBox(FieldBox box);
    void showFieldBox();
    void dropFieldBox();
    void showBarkShareHint();

    Application& app_;
    bool programWrites_ = false;  // texts the dialog itself puts in pass no key filter
    FieldBox pendingBox_ = FieldBox::None;
    // The button the mouse holds down: the focus is on it and its click comes on release.
    const CommandButton* heldButton_ = nullptr;
};

}  // namespace lumbrix
