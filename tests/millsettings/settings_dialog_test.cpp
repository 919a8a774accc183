// The settings dialog: what it loads, what Save writes where, what it refuses, and the input
// rules of its fields.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "millsettings/frm_palgi_hinnad.h"
#include "millsettings/frm_seaded.h"
#include "millsettings/settings_input_rules.h"
#include "platform/ini_file.h"
#include "settings_dialog_fixture.h"
#include "test_files.h"

namespace lumbrix {
namespace {

using test::kBarkHint;
using test::kCostsHelp;
using test::kSettingsFile;
using test::kTypicalCosts;

class SettingsDialog : public test::SettingsDialogTest {
  protected:
    ProfileEntries stored() { return readProfileSection(folder / kSettingsFile, "SEADED"); }
    // The focus leaves `from` for `to` (by Tab, or a click on a field); the box a check asked
    // for shows once it settled.
    void leave(TextBox& from, Control& to) {
        from.LostFocus.raise();
        to.setFocus();
        desktop.advanceClock(10);
    }
    // The mouse takes the focus from `from` to `button`: pressed, the focus settles, then
    // released on the button (a click) or off it (no click).
    void clickAway(TextBox& from, CommandButton& button, bool releasedOnIt = true) {
        from.LostFocus.raise();
        button.setFocus();
        button.MouseDown.raise(mouse::kLeft, 0, 0, 0);
        desktop.advanceClock(10);
        button.MouseUp.raise(mouse::kLeft, 0, 0, 0);
        if (releasedOnIt) button.press();
        desktop.advanceClock(10);
    }
};

TEST_F(SettingsDialog, OpeningShowsTheFileAsNumbersAndLiftsZeroCosts) {
    writeSettings(
        "CE=0\r\nPalgimahukoefitsent=0,95\r\nKuisedPysikuludKokku=30000\r\n"
        "YhikuMuutuvkulud=7.5\r\nKuisedAmordikuludKokku=6000\r\nKetas1saag=05\r\n"
        "Hakehind=abc\r\nKetas2saag=40000\r\nArvutaTaiskant=1\r\nSalvestatud=1.03.2026 "
        "9:05:00\r\n");
    frmSeaded& d = dialog();
    EXPECT_EQ(d.txtCE.text(), "0.1");
    EXPECT_EQ(d.txtPalgimahukoefitsent.text(), "0.95");
    EXPECT_EQ(d.txtKuineTootmismaht.text(), "0.1");
    EXPECT_EQ(d.txtKuluTootmine.text(), "300007.5");
    EXPECT_EQ(d.txtKuluAmort.text(), "60000");
    EXPECT_EQ(d.txtKetas1saag.text(), "5");
    EXPECT_EQ(d.txtHakehind.text(), "0");
    EXPECT_EQ(d.txtKoefitsentKoor.text(), "0");  // missing key
    EXPECT_EQ(d.lblSalvestatud.caption(), "1.03.2026 9:05:00");
    EXPECT_EQ(d.chkArvutaTaiskant.value(), checkstate::kChecked);
    EXPECT_FALSE(d.txtKappimineLauad.enabled());
    // Each spinner starts at its field, held to its range; the field keeps its text.
    EXPECT_EQ(d.vs1saag.value(), 5);
    EXPECT_EQ(d.vs2saag.value(), 32767);
    EXPECT_EQ(d.txtKetas2saag.text(), "40000");
    EXPECT_EQ(d.caption(), "LUMBRIX - 0");  // no language file: the caption loader's "0"
    EXPECT_TRUE(desktop.messages().empty());
}

TEST_F(SettingsDialog, StoredValuesThatWouldMisleadAreShownSoundly) {
    const struct {
        const char *lines, *coefficient;
        int fullEdge;
        const char* showLanguageBox;  // nullptr: never saved
        int offerLanguage;
    } cases[] = {
        {"Palgimahukoefitsent=0\r\n", "1", checkstate::kUnchecked, nullptr, checkstate::kChecked},
        {"ArvutaTaiskant=x\r\n", "1", checkstate::kUnchecked, "1", checkstate::kUnchecked},
        {"ArvutaTaiskant=1x\r\nPalgimahukoefitsent=1.2", "1.2", checkstate::kUnchecked, "0",
         checkstate::kChecked},
        {"ArvutaTaiskant=1\r\n", "1", checkstate::kChecked, "2", checkstate::kChecked},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lines);
        writeSettings(c.lines);
        if (c.showLanguageBox) app->userSettings().save("ShowLanguageBox", c.showLanguageBox);
        frmSeaded& d = dialog();
        EXPECT_EQ(d.txtPalgimahukoefitsent.text(), c.coefficient);
        EXPECT_EQ(d.chkArvutaTaiskant.value(), c.fullEdge);
        EXPECT_EQ(d.txtKappimineLauad.enabled(), c.fullEdge != checkstate::kChecked);
        EXPECT_EQ(d.chkNaitaKeeleValikut.value(), c.offerLanguage);
        d.cmdOK.press();
        EXPECT_FALSE(app->isLoaded<frmSeaded>());
    }
}

TEST_F(SettingsDialog, SaveWritesTheKeysInOrderThenTheStoreAndThePreference) {
    desktop.setNow({2026, 3, 4, 9, 5, 0});
    frmSeaded& d = dialog();  // no file yet: every field "0" or "0.1"
    const std::vector<std::pair<TextBox*, const char*>> typed = {
        {&d.txtKappimineSydmat, "80"},
        {&d.txtKuisedPysikuludKokku, "1000"},
        {&d.txtKuisedAmordikuludKokku, "500"},
        {&d.txtYhikuMuutuvkulud, "20"},
        {&d.txtKuineTootmismaht, "100"},
        {&d.txtCE, "2500.5"},
        {&d.txtHakehind, "12"},
    };
    for (const auto& [field, text] : typed) {
        retype(*field, text);
    }
    d.vs1saag.stepSmall(+1);
    d.cmdHakePluss.press();
    d.chkArvutaTaiskant.setValue(checkstate::kChecked);
    d.chkNaitaKeeleValikut.setValue(checkstate::kChecked);
    d.cmdSalvesta.press();

    const ProfileEntries expected = {
        {"KappimineSydMat", "80"},
        {"KappimineLauad", "0"},
        {"PalgiMoodul", "0"},
        {"Palgimahukoefitsent", "1"},
        {"KuisedPysikuludKokku", "1000"},
        {"KuisedAmordikuludKokku", "500"},
        {"CE", "2500.5"},
        {"YhikuMuutuvkulud", "20"},
        {"KuineTootmismaht", "100"},
        {"Ketas1saag", "1"},
        {"Ketas2saag", "0"},
        {"KetasSeimer", "0"},
        {"KetasTrimmer", "0"},
        {"KoefitsentHake", "0.01"},
        {"KoefitsentPuru", "0"},
        {"KoefitsentKoor", "0"},
        {"KoefitsentKoorPalgist", "0"},
        {"Hakehind", "12"},
        {"saepuruHind", "0"},
        {"KoorHind", "0"},
        {"Salvestatud", "4.03.2026 9:05:00"},
        {"ArvutaTaiskant", "1"},
    };
    EXPECT_EQ(stored(), expected);
    EXPECT_EQ(store().txtKuluTootmine, "30");
    EXPECT_EQ(store().txtKuluAmort, "5");
    EXPECT_EQ(store().txtCE, "2500.5");
    EXPECT_EQ(store().txtKetas1saag, "1");
    EXPECT_EQ(store().lblArvutaTaiskant, "1");
    EXPECT_EQ(app->userSettings().get("ShowLanguageBox", "none"), "0");  // offer the choice
    EXPECT_FALSE(app->isLoaded<frmSeaded>());
    EXPECT_TRUE(desktop.messages().empty());

    frmSeaded& again = dialog();
    EXPECT_EQ(again.lblSalvestatud.caption(), "4.03.2026 9:05:00");
    again.chkNaitaKeeleValikut.setValue(checkstate::kUnchecked);
    again.cmdSalvesta.press();
    EXPECT_EQ(app->userSettings().get("ShowLanguageBox", "none"), "1");  // start without it
}

TEST_F(SettingsDialog, SaveRefusesACostThatIsZeroOrNoNumberAndWritesNothing) {
    writeSettings(kTypicalCosts);
    app->userSettings().save("ShowLanguageBox", "1");
    const ProfileEntries before = stored();
    const struct {
        TextBox frmSeaded::*field;
        const char* text;
    } cases[] = {
        {&frmSeaded::txtCE, "0"},
        {&frmSeaded::txtCE, ""},
        {&frmSeaded::txtCE, "."},
        {&frmSeaded::txtYhikuMuutuvkulud, "1.2.3"},
        {&frmSeaded::txtKuineTootmismaht, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        frmSeaded& d = dialog();
        TextBox& field = d.*c.field;
        retype(field, c.text);
        d.chkNaitaKeeleValikut.setValue(checkstate::kChecked);
        desktop.expectMessage(MsgResult::Ok);
        d.cmdSalvesta.press();
        EXPECT_EQ(desktop.lastMessage().text, kCostsHelp);
        EXPECT_EQ(field.text(), c.text);
        EXPECT_TRUE(app->isLoaded<frmSeaded>());
        d.cmdOK.press();
    }
    EXPECT_EQ(stored(), before);
    EXPECT_EQ(store().txtCE, "2000");
    EXPECT_EQ(app->userSettings().get("ShowLanguageBox", "none"), "1");
}

TEST_F(SettingsDialog, AFailedWriteKeepsTheDialogTheStoreAndThePreference) {
    writeSettings(kTypicalCosts);
    test::FullDisk failing;
    frmSeaded& d = dialog();
    retype(d.txtCE, "9000");
    {
        ScopedFileSink sink(failing);
        desktop.expectMessage(MsgResult::Ok);
        d.cmdSalvesta.press();
    }
    EXPECT_TRUE(desktop.lastMessage().text.starts_with("The settings could not be saved: "));
    EXPECT_EQ(desktop.lastMessage().style, mb::kCritical);
    EXPECT_EQ(readProfileString(folder / kSettingsFile, "SEADED", "CE", "none"), "2000");
    EXPECT_EQ(store().txtCE, "2000");
    EXPECT_EQ(app->userSettings().get("ShowLanguageBox", "none"), "none");
    ASSERT_TRUE(app->isLoaded<frmSeaded>());
    EXPECT_EQ(d.txtCE.text(), "9000");
}

TEST_F(SettingsDialog, SavedSettingsReachTheShownPatternOnly) {
    writeSettings(kTypicalCosts);
    const std::string empty = main().lblMuudkuludHind.caption();
    frmSeaded& first = dialog();
    retype(first.txtKuisedPysikuludKokku, "2000");
    first.cmdSalvesta.press();
    EXPECT_EQ(main().lblMuudkuludHind.caption(), empty);  // no pattern: nothing recomputed

    main().lstSyda.addItem(boardRow(47, 145, 50, 150, 5100, 0.035));
    main().uuenda_materjalid();
    const std::string costsBefore = main().lblMuudkuludHind.caption();
    frmSeaded& second = dialog();
    retype(second.txtKuisedPysikuludKokku, "4000");
    second.cmdSalvesta.press();
    EXPECT_NE(main().lblMuudkuludHind.caption(), costsBefore);
    EXPECT_EQ(main().lstSyda.listCount(), 1);
}

TEST_F(SettingsDialog, BackAndTheCloseBoxSaveNothing) {
    writeSettings(kTypicalCosts);
    const ProfileEntries before = stored();
    for (bool closeBox : {false, true}) {
        frmSeaded& d = dialog();
        retype(d.txtCE, "1");
        if (closeBox) {
            d.unload();
        } else {
            d.cmdOK.press();
        }
        EXPECT_FALSE(app->isLoaded<frmSeaded>());
    }
    EXPECT_EQ(stored(), before);
    EXPECT_EQ(store().txtCE, "2000");
}

TEST_F(SettingsDialog, StepsStayWithinTheirBounds) {
    const struct {
        CommandButton frmSeaded::*button;
        TextBox frmSeaded::*field;
        const char *from, *once, *twice;
    } cases[] = {
        {&frmSeaded::cmdHakePluss, &frmSeaded::txtKoefitsentHake, "2.4", "2.41", "2.42"},
        {&frmSeaded::cmdHakeMiinus, &frmSeaded::txtKoefitsentHake, "0.01", "0.00", "0.00"},
        {&frmSeaded::cmdPuruPluss, &frmSeaded::txtKoefitsentPuru, "9.99", "10.00", "10.00"},
        {&frmSeaded::cmdKoorMiinus, &frmSeaded::txtKoefitsentKoor, "2.41", "2.40", "2.39"},
        {&frmSeaded::cmdPalgikoefmiinus, &frmSeaded::txtPalgimahukoefitsent, "0.02", "0.01",
         "0.01"},
        {&frmSeaded::cmdPalgikoefpluss, &frmSeaded::txtPalgimahukoefitsent, "1.99", "2.00", "2.00"},
        {&frmSeaded::cmdPalgikoefpluss, &frmSeaded::txtPalgimahukoefitsent, "2.5", "2.5", "2.5"},
        // Values off the hundredths grid stop at the bound instead of stepping past it.
        {&frmSeaded::cmdHakeMiinus, &frmSeaded::txtKoefitsentHake, "0.005", "0.00", "0.00"},
        {&frmSeaded::cmdKoorMiinus, &frmSeaded::txtKoefitsentKoor, "0.009", "0.00", "0.00"},
        {&frmSeaded::cmdPuruPluss, &frmSeaded::txtKoefitsentPuru, "9.996", "10.00", "10.00"},
        {&frmSeaded::cmdPalgikoefmiinus, &frmSeaded::txtPalgimahukoefitsent, "0.014", "0.01",
         "0.01"},
        {&frmSeaded::cmdPalgikoefpluss, &frmSeaded::txtPalgimahukoefitsent, "1.996", "2.00",
         "2.00"},
    };
    frmSeaded& d = dialog();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.from);
        TextBox& field = d.*c.field;
        field.setText(c.from);
        (d.*c.button).press();
        EXPECT_EQ(field.text(), c.once);
        (d.*c.button).press();
        EXPECT_EQ(field.text(), c.twice);
    }
}

TEST_F(SettingsDialog, SpinnersStartAtTheirFieldAndWriteWholeNumbers) {
    writeSettings(
        "Ketas1saag=5\r\nPalgiMoodul=100\r\nKetasTrimmer=0\r\nKetas2saag=4.6\r\n"
        "KetasSeimer=4.4\r\n");
    frmSeaded& d = dialog();
    d.vs1saag.stepSmall(+1);
    EXPECT_EQ(d.txtKetas1saag.text(), "6");
    d.vsPalgiMoodul.stepSmall(-1);
    EXPECT_EQ(d.txtPalgiMoodul.text(), "99");
    d.vstrimmer.stepSmall(-1);  // at Min: nothing moves
    EXPECT_EQ(d.txtKetasTrimmer.text(), "0");
    // A fraction steps to the next whole number in the step's direction, then on by one.
    d.vs2saag.stepSmall(-1);
    EXPECT_EQ(d.txtKetas2saag.text(), "4");
    d.vsServamisliin.stepSmall(+1);
    EXPECT_EQ(d.txtKetasSeimer.text(), "5");
    d.vsServamisliin.stepSmall(+1);
    EXPECT_EQ(d.txtKetasSeimer.text(), "6");
    EXPECT_EQ(spinnerStart("4,6"), 5);
    EXPECT_EQ(spinnerStart("-3"), 0);
}

TEST_F(SettingsDialog, TypedAndPastedCharactersPassTheirFieldsFilter) {
    frmSeaded& d = dialog();
    const struct {
        TextBox frmSeaded::*field;
        int key;
        bool passes;
    } keys[] = {
        {&frmSeaded::txtKappimineSydmat, '7', true},
        {&frmSeaded::txtKappimineSydmat, '.', false},
        {&frmSeaded::txtKuineTootmismaht, '.', false},
        {&frmSeaded::txtKuisedPysikuludKokku, 3, false},
        {&frmSeaded::txtYhikuMuutuvkulud, '.', true},
        {&frmSeaded::txtYhikuMuutuvkulud, 3, true},
        {&frmSeaded::txtCE, '.', true},
        {&frmSeaded::txtCE, ',', false},
        {&frmSeaded::txtCE, 'a', false},
        {&frmSeaded::txtKoefitsentKoorPalgist, '-', false},
        {&frmSeaded::txtkoorhind, 8, true},
        {&frmSeaded::txtKuluTootmine, '.', false},
    };
    for (const auto& k : keys) {
        SCOPED_TRACE(std::string((d.*k.field).name()) + " " + std::to_string(k.key));
        const int beeps = desktop.beeps();
        int key = k.key;
        (d.*k.field).KeyPress.raise(key);
        EXPECT_EQ(key != 0, k.passes);
        EXPECT_EQ(desktop.beeps(), beeps + (k.passes ? 0 : 1));
    }
    const struct {
        TextBox frmSeaded::*field;
        const char *pasted, *shown;
    } pastes[] = {
        {&frmSeaded::txtCE, "12.5", "12.5"},
        {&frmSeaded::txtCE, "12,5", "12.5"},  // refused whole
        {&frmSeaded::txtKappimineSydmat, "1.5", "0"},
        {&frmSeaded::txtKappimineSydmat, "15", "15"},
        {&frmSeaded::txtKappimineSydmat, "", ""},
        {&frmSeaded::txtHakehind, "-3", "0"},
    };
    for (const auto& p : pastes) {
        SCOPED_TRACE(p.pasted);
        (d.*p.field).setText(p.pasted);
        EXPECT_EQ((d.*p.field).text(), p.shown);
    }
}

TEST_F(SettingsDialog, LeavingAMonthlyCostLiftsZeroAndRecomputes) {
    writeSettings(
        "KuisedPysikuludKokku=1000\r\nKuisedAmordikuludKokku=100\r\nYhikuMuutuvkulud=5\r\n"
        "KuineTootmismaht=100\r\n");
    frmSeaded& d = dialog();
    d.txtKuineTootmismaht.setText("0");
    leave(d.txtKuineTootmismaht, d.txtCE);
    EXPECT_EQ(d.txtKuineTootmismaht.text(), "0.1");
    EXPECT_EQ(d.txtKuluTootmine.text(), "10005");
    EXPECT_EQ(d.txtKuluAmort.text(), "1000");
    EXPECT_TRUE(desktop.messages().empty());

    d.txtKuineTootmismaht.setText("");
    d.txtKuisedPysikuludKokku.setText("0");
    d.txtKuisedAmordikuludKokku.setText("0");
    desktop.expectMessage(MsgResult::Ok);
    leave(d.txtKuineTootmismaht, d.txtCE);
    EXPECT_EQ(desktop.lastMessage().text, kCostsHelp);
    EXPECT_EQ(d.txtKuineTootmismaht.text(), "");
    // Lifting runs in its order and stops at the failing field (fixed, volume, depreciation).
    EXPECT_EQ(d.txtKuisedPysikuludKokku.text(), "0.1");
    EXPECT_EQ(d.txtKuisedAmordikuludKokku.text(), "0");
    EXPECT_EQ(d.txtKuluTootmine.text(), "10005");
}

TEST_F(SettingsDialog, AFocusLossBoxWaitsForTheButtonThatTookTheFocus) {
    writeSettings(kTypicalCosts);
    frmSeaded& d = dialog();
    d.txtKoefitsentKoorPalgist.setText("1");
    leave(d.txtKoefitsentKoorPalgist, d.txtHakehind);
    EXPECT_TRUE(desktop.messages().empty());  // exactly 1 is no hint

    d.txtKoefitsentKoorPalgist.setText("1.5");
    desktop.expectMessage(MsgResult::Ok);
    leave(d.txtKoefitsentKoorPalgist, d.txtHakehind);
    EXPECT_EQ(desktop.lastMessage().text, kBarkHint);

    // A click on a help button: its box first, then the hint.
    desktop.clearMessages();
    desktop.expectMessage(MsgResult::Ok);
    desktop.expectMessage(MsgResult::Ok);
    clickAway(d.txtKoefitsentKoorPalgist, d.Command1);
    ASSERT_EQ(desktop.messages().size(), 2U);
    EXPECT_TRUE(desktop.messages()[0].text.starts_with("Please insert converting factors"));
    EXPECT_EQ(desktop.messages()[1].text, kBarkHint);

    // Save takes its click and checks the costs again; the empty field is refused once.
    desktop.clearMessages();
    d.txtKoefitsentKoorPalgist.setText("0.15");
    d.txtYhikuMuutuvkulud.setText("");
    desktop.expectMessage(MsgResult::Ok);
    clickAway(d.txtYhikuMuutuvkulud, d.cmdSalvesta);
    ASSERT_EQ(desktop.messages().size(), 1U);
    EXPECT_EQ(desktop.lastMessage().text, kCostsHelp);

    // A typed 0 is lifted on the way to Save, which then goes through.
    d.txtYhikuMuutuvkulud.setText("0");
    clickAway(d.txtYhikuMuutuvkulud, d.cmdSalvesta);
    EXPECT_FALSE(app->isLoaded<frmSeaded>());
    EXPECT_EQ(readProfileString(folder / kSettingsFile, "SEADED", "YhikuMuutuvkulud", ""), "0.1");
    EXPECT_EQ(readProfileString(folder / kSettingsFile, "SEADED", "KoefitsentKoorPalgist", ""),
              "0.15");
}

TEST_F(SettingsDialog, AFocusLossBoxShowsWhereNoClickClosesTheDialog) {
    writeSettings(kTypicalCosts);
    enum class Way { Click, ClickReleasedOff, Tab, LogPriceNo };
    const struct {
        const char* what;
        CommandButton frmSeaded::*button;
        Way way;
        bool barkShare;  // the hint on the bark share, else the costs box
        std::vector<std::string> boxes;
    } cases[] = {
        {"a stepper", &frmSeaded::cmdHakePluss, Way::Click, false, {kCostsHelp}},
        {"a stepper, bark share", &frmSeaded::cmdPalgikoefpluss, Way::Click, true, {kBarkHint}},
        {"Tab onto a help button", &frmSeaded::Command1, Way::Tab, true, {kBarkHint}},
        {"Tab onto the costs help", &frmSeaded::Command4, Way::Tab, false, {kCostsHelp}},
        {"Tab onto Save", &frmSeaded::cmdSalvesta, Way::Tab, false, {kCostsHelp}},
        {"released off Back", &frmSeaded::cmdOK, Way::ClickReleasedOff, true, {kBarkHint}},
        {"the log price door, No",
         &frmSeaded::cmdLogPrice,
         Way::LogPriceNo,
         false,
         {"All changed settings will not be saved! Open logprices?", kCostsHelp}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        desktop.clearMessages();
        frmSeaded& d = dialog();
        TextBox& field = c.barkShare ? d.txtKoefitsentKoorPalgist : d.txtKuineTootmismaht;
        field.setText(c.barkShare ? "8" : "");
        CommandButton& button = d.*c.button;
        if (c.way == Way::LogPriceNo) desktop.expectMessage(MsgResult::No);
        desktop.expectMessage(MsgResult::Ok);
        if (c.way == Way::Tab) {
            leave(field, button);
        } else {
            clickAway(field, button, c.way != Way::ClickReleasedOff);
        }
        std::vector<std::string> shown;
        for (const auto& box : desktop.messages())
            shown.push_back(box.text);
        EXPECT_EQ(shown, c.boxes);
        ASSERT_TRUE(app->isLoaded<frmSeaded>());
        EXPECT_EQ(field.text(), c.barkShare ? "8" : "");
        if (c.button == &frmSeaded::cmdHakePluss) {
            EXPECT_EQ(d.txtKoefitsentHake.text(), "0.01");  // the step is done first
        }
        d.cmdOK.press();
    }
}

TEST_F(SettingsDialog, TheLogPriceDoorAsksInTheCurrentLanguage) {
    const struct {
        const char *language, *question, *title;
    } cases[] = {
        {"english.keel", "All changed settings will not be saved! Open logprices?", "Logprices"},
        {"eesti.keel", "Kõik tehtud muutused seadetes jäävad salvestamata! Kas avame palgihinnad?",
         "Palgihinnad"},
    };
    writeSettings(kTypicalCosts);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.language);
        main().lblValitudKeel.setCaption(c.language);
        frmSeaded& d = dialog();
        retype(d.txtCE, "77");
        desktop.expectMessage(MsgResult::No);
        d.cmdLogPrice.press();
        EXPECT_EQ(desktop.lastMessage().text, c.question);
        EXPECT_EQ(desktop.lastMessage().title, c.title);
        EXPECT_EQ(desktop.lastMessage().style & mb::kButtonMask, mb::kYesNo);
        ASSERT_TRUE(app->isLoaded<frmSeaded>());
        EXPECT_EQ(d.txtCE.text(), "77");

        desktop.expectMessage(MsgResult::Yes);
        desktop.onNextModal([](Form& editor) { editor.unload(); });
        d.cmdLogPrice.press();
        EXPECT_EQ(desktop.modalWindowsShown().back(), "frmPalgiHinnad");
        EXPECT_FALSE(app->isLoaded<frmSeaded>());
        EXPECT_EQ(store().txtCE, "2000");
    }
}

TEST_F(SettingsDialog, TheMenuAndTheByProductRevenuesOpenIt) {
    for (auto open : {+[](frmMain& m) { m.mnuProgramSeaded.Click.raise(); },
                      +[](frmMain& m) { m.lblMarginHake.Click.raise(); },
                      +[](frmMain& m) { m.lblMarginPuru.Click.raise(); }}) {
        desktop.onNextModal([](Form& f) { static_cast<frmSeaded&>(f).cmdOK.press(); });
        open(main());
        EXPECT_EQ(desktop.modalWindowsShown().back(), "frmSeaded");
        EXPECT_FALSE(app->isLoaded<frmSeaded>());
    }
    EXPECT_EQ(desktop.modalWindowsShown().size(), 3U);
}

}  // namespace
}  // namespace lumbrix
