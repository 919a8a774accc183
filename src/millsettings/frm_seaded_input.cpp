// The settings dialog's input rules: steppers, spinners, key filters (typed and pasted), and
// the checks when the focus leaves a monthly cost field or the bark share.
#include <cmath>
#include <utility>

#include "app/application.h"
#include "localisation/message_language.h"
#include "mainwindow/frm_main.h"
#include "millsettings/frm_seaded.h"
#include "millsettings/paste_guard.h"
#include "platform/text.h"
#include "store/numbers.h"

namespace lumbrix {

void frmSeaded::connectInputRules() {
    using namespace steppers;
    const struct {
        CommandButton& button;
        TextBox& field;
        FactorStepper stepper;
    } stepperButtons[] = {
        {cmdHakeMiinus, txtKoefitsentHake, kByProductMinus},
        {cmdHakePluss, txtKoefitsentHake, kByProductPlus},
        {cmdPuruMiinus, txtKoefitsentPuru, kByProductMinus},
        {cmdPuruPluss, txtKoefitsentPuru, kByProductPlus},
        {cmdKoorMiinus, txtKoefitsentKoor, kByProductMinus},
        {cmdKoorPluss, txtKoefitsentKoor, kByProductPlus},
        {cmdPalgikoefmiinus, txtPalgimahukoefitsent, kLogCoefficientMinus},
        {cmdPalgikoefpluss, txtPalgimahukoefitsent, kLogCoefficientPlus},
    };
    for (const auto& s : stepperButtons) {
        onClick(s.button,
                [this, &field = s.field, stepper = s.stepper] { stepFactor(field, stepper); });
    }
    const struct {
        VScrollBar& spinner;
        TextBox& field;
    } spinners[] = {
        {vs1saag, txtKetas1saag},         {vs2saag, txtKetas2saag},
        {vsServamisliin, txtKetasSeimer}, {vstrimmer, txtKetasTrimmer},
        {vsPalgiMoodul, txtPalgiMoodul},
    };
    for (const auto& s : spinners) {
        s.spinner.Change.connect(
            [this, &spinner = s.spinner, &field = s.field] { spinnerChanged(spinner, field); });
    }
    const struct {
        TextBox& field;
        KeyRule rule;
    } typed[] = {
        {txtKappimineSydmat, KeyRule::Digits},
        {txtKappimineLauad, KeyRule::Digits},
        {txtKuisedPysikuludKokku, KeyRule::Digits},
        {txtKuisedAmordikuludKokku, KeyRule::Digits},
        {txtKuineTootmismaht, KeyRule::Digits},
        {txtYhikuMuutuvkulud, KeyRule::DigitsPointAndCopy},
        {txtCE, KeyRule::DigitsPoint},
        {txtHakehind, KeyRule::DigitsPoint},
        {txtsaepuruHind, KeyRule::DigitsPoint},
        {txtkoorhind, KeyRule::DigitsPoint},
        {txtKoefitsentKoorPalgist, KeyRule::DigitsPoint},
    };
    for (const auto& t : typed) {
        t.field.KeyPress.connect([this, rule = t.rule](int& key) { filterKey(rule, key); });
        guardAgainstPaste(t.field, t.rule, programWrites_, app_.desktop());
    }
    // The two costs per m3 are computed only; their filter matters if they are ever typed in.
    for (TextBox* derived : {&txtKuluTootmine, &txtKuluAmort}) {
        derived->KeyPress.connect([this](int& key) { filterKey(KeyRule::Digits, key); });
    }
    for (TextBox* cost : {&txtKuisedPysikuludKokku, &txtKuisedAmordikuludKokku,
                          &txtYhikuMuutuvkulud, &txtKuineTootmismaht}) {
        cost->LostFocus.connect([this] { monthlyCost_LostFocus(); });
    }
    txtKoefitsentKoorPalgist.LostFocus.connect([this] { txtKoefitsentKoorPalgist_LostFocus(); });
    tmrFieldBox.TimerEvent.connect([this] { tmrFieldBox_Timer(); });
}

void frmSeaded::onClick(CommandButton& button, std::function<void()> handler) {
    button.Click.connect([this, handler = std::move(handler)] {
        tmrFieldBox.setEnabled(false);  // the click comes first, whatever armed the timer
        handler();
        showFieldBox();
    });
    button.MouseDown.connect([this, &button](int /*button*/, int /*shift*/, double /*x*/,
                                             double /*y*/) { heldButton_ = &button; });
    // A press whose release never reached the button (the window lost the mouse) holds it no
    // longer once the focus has left it.
    button.LostFocus.connect([this, &button] {
        if (heldButton_ == &button) heldButton_ = nullptr;
    });
    button.MouseUp.connect([this](int /*button*/, int /*shift*/, double /*x*/, double /*y*/) {
        heldButton_ = nullptr;
        // Released off the button no click follows: the box then shows once the focus settles.
        if (pendingBox_ != FieldBox::None) tmrFieldBox.setEnabled(true);
    });
}

void frmSeaded::stepFactor(TextBox& field, const FactorStepper& stepper) {
    if (const std::optional<std::string> stepped = steppedFactor(stepper, field.text())) {
        field.setText(*stepped);
    }
}

void frmSeaded::startSpinners() {
    // Each spinner starts at its field's value; the field keeps its text as loaded.
    programWrites_ = true;
    vs1saag.setValue(spinnerStart(txtKetas1saag.text()));
    vs2saag.setValue(spinnerStart(txtKetas2saag.text()));
    vsServamisliin.setValue(spinnerStart(txtKetasSeimer.text()));
    vstrimmer.setValue(spinnerStart(txtKetasTrimmer.text()));
    vsPalgiMoodul.setValue(spinnerStart(txtPalgiMoodul.text()));
    programWrites_ = false;
}

void frmSeaded::spinnerChanged(VScrollBar& spinner, TextBox& field) {
    if (programWrites_) return;
    field.setText(std::to_string(spinnerStep(spinner, field)));
}

int frmSeaded::spinnerStep(VScrollBar& spinner, const TextBox& field) {
    const int value = spinner.value();
    const double shown = RegionCompVal(field.text());
    // A kerf of 4.6 steps to 5 or 4, the next whole number in the step's direction.
    if (shown <= kSpinnerMin || shown >= kSpinnerMax || shown == std::floor(shown)) return value;
    const int whole = static_cast<int>(value > shown ? std::ceil(shown) : std::floor(shown));
    programWrites_ = true;
    spinner.setValue(whole);
    programWrites_ = false;
    return whole;
}

void frmSeaded::filterKey(KeyRule rule, int& keyAscii) {
    if (keyPasses(rule, keyAscii)) return;
    app_.desktop().beep();
    keyAscii = 0;
}

void frmSeaded::monthlyCost_LostFocus() {
    if (!Arvuta_kulud()) askForFieldBox(FieldBox::Costs);
}

void frmSeaded::txtKoefitsentKoorPalgist_LostFocus() {
    if (barkShareNeedsHint(txtKoefitsentKoorPalgist.text())) {
        askForFieldBox(FieldBox::BarkShareHint);
    }
}

void frmSeaded::askForFieldBox(FieldBox box) {
    pendingBox_ = box;
    tmrFieldBox.setEnabled(true);
}

void frmSeaded::tmrFieldBox_Timer() {
    tmrFieldBox.setEnabled(false);
    // The mouse holds down the button that took the focus: its click comes first and shows
    // the box after its work. Focus that came by Tab, or went to any other control, shows it.
    if (heldButton_ != nullptr && activeControl() == heldButton_) return;
    showFieldBox();
}

void frmSeaded::showFieldBox() {
    const FieldBox box = pendingBox_;
    dropFieldBox();
    switch (box) {
        case FieldBox::None:
            return;
        case FieldBox::Costs:
            Command4_Click();
            return;
        case FieldBox::BarkShareHint:
            showBarkShareHint();
            return;
    }
}

void frmSeaded::showBarkShareHint() {
    runtime::msgBox(bilingual(main(),
                              "Koore % määramiseks kasutage formaati 0.00:\r\n"
                              "Näiteks: 10% = 0.10 ja 8% = 0.08",
                              "To insert bark yield % please use format 0.00:\r\n"
                              "Example: 10% = 0.10 and 8% = 0.08"));
}

void frmSeaded::dropFieldBox() {
    pendingBox_ = FieldBox::None;
    tmrFieldBox.setEnabled(false);
}

}  // namespace lumbrix
