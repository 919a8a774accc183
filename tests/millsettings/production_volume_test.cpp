// The monthly production volume dialog and the main window's doors to the three dialogs of
// the mill settings.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "main_window_fixture.h"
#include "millsettings/frm_kulude_muutmine.h"
#include "millsettings/frm_palgi_hinnad.h"
#include "millsettings/frm_profiil.h"
#include "platform/ini_file.h"
#include "test_files.h"

namespace lumbrix {
namespace {

class ProductionVolume : public test::MainWindowTest {
  protected:
    void SetUp() override {
        folder.writeFile("database/LUMBRIX/settings", "[SEADED]\r\nKuineTootmismaht=100\r\n");
        main().cmdSobita.Click.connect([this] { ++fits; });
    }
    frmKuludeMuutmine& dialog() { return app->window<frmKuludeMuutmine>(); }
    std::string storedVolume() {
        return readProfileString(folder / "database/LUMBRIX/settings", "SEADED", "KuineTootmismaht",
                                 "missing");
    }
    int fits = 0;
};

TEST_F(ProductionVolume, OkStoresTheVolumeRecomputesTheCostsAndFitsTheLog) {
    const struct {
        const char *fixed, *depreciation, *variable, *typed, *production, *perM3;
    } cases[] = {
        {"16250", "6000", "20", "1100", "34.77", "5.45"},
        {"25", "25", "0.5", "200", "0.62", "0.12"},  // halves go to the even cent
        {"1000", "500", "20", "12,5", "100", "40"},  // a pasted comma is a decimal point
        {"1000", "500", "20", "007", "162.86", "71.43"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        store().txtKuisedPysikuludKokku = c.fixed;
        store().txtKuisedAmordikuludKokku = c.depreciation;
        store().txtYhikuMuutuvkulud = c.variable;
        const int fitsBefore = fits;
        frmKuludeMuutmine& d = dialog();
        EXPECT_EQ(d.txtKuineTootmismaht.text(), "100");
        d.txtKuineTootmismaht.setText(c.typed);
        d.cmdOK.press();
        EXPECT_EQ(storedVolume(), c.typed);
        EXPECT_EQ(store().txtKuineTootmismaht, c.typed);
        EXPECT_EQ(store().txtKuluTootmine, c.production);
        EXPECT_EQ(store().txtKuluAmort, c.perM3);
        EXPECT_EQ(fits, fitsBefore + 1);
        EXPECT_FALSE(app->isLoaded<frmKuludeMuutmine>());
        folder.writeFile("database/LUMBRIX/settings", "[SEADED]\r\nKuineTootmismaht=100\r\n");
    }
    EXPECT_TRUE(desktop.messages().empty());
}

TEST_F(ProductionVolume, NoVolumeIsRefusedAndChangesNothing) {
    for (const char* typed : {"", "0", "000", "-5"}) {
        SCOPED_TRACE(typed);
        for (const char* language : {"english.keel", "eesti.keel"}) {
            main().lblValitudKeel.setCaption(language);
            frmKuludeMuutmine& d = dialog();
            d.txtKuineTootmismaht.setText(typed);
            desktop.expectMessage(MsgResult::Ok);
            d.cmdOK.press();
            EXPECT_EQ(desktop.lastMessage().title, "LUMBRIX");
            EXPECT_EQ(desktop.lastMessage().style, mb::kCritical);
            EXPECT_TRUE(app->isLoaded<frmKuludeMuutmine>());
            EXPECT_EQ(d.activeControl(), &d.txtKuineTootmismaht);
        }
        EXPECT_EQ(desktop.lastMessage().text,
                  "Arvutusteks peab kuine tootmismaht peab olema vähemalt 1m3");
        EXPECT_EQ(desktop.messages()[desktop.messages().size() - 2].text,
                  "For calculations the monthly production volume must be atleast 1m3");
    }
    EXPECT_EQ(storedVolume(), "100");
    EXPECT_EQ(store().txtKuineTootmismaht, "100");
    EXPECT_EQ(fits, 0);
}

TEST_F(ProductionVolume, AFailedWriteLeavesTheStoreTheCostsAndTheDialog) {
    test::FullDisk failing;
    frmKuludeMuutmine& d = dialog();
    d.txtKuineTootmismaht.setText("800");
    {
        ScopedFileSink sink(failing);
        desktop.expectMessage(MsgResult::Ok);
        d.cmdOK.press();
    }
    EXPECT_TRUE(desktop.lastMessage().text.starts_with(
        "The monthly production volume could not be saved: "));
    EXPECT_EQ(desktop.lastMessage().style, mb::kCritical);
    EXPECT_EQ(storedVolume(), "100");
    EXPECT_EQ(store().txtKuineTootmismaht, "100");
    EXPECT_EQ(store().txtKuluTootmine, "30");
    EXPECT_EQ(fits, 0);
    EXPECT_TRUE(app->isLoaded<frmKuludeMuutmine>());
}

TEST_F(ProductionVolume, LoadPlacesTheDialogShowsTheFileAndFiltersKeys) {
    folder.writeFile("database/LUMBRIX/settings", "[SEADED]\r\n");
    main().move(300, 450);
    frmKuludeMuutmine& d = dialog();
    EXPECT_EQ(d.left(), 2300);
    EXPECT_EQ(d.top(), 8450);
    EXPECT_EQ(d.txtKuineTootmismaht.text(), "0");
    EXPECT_EQ(d.caption(), "Change monthly production volume");
    d.txtKuineTootmismaht.setText("");
    for (char key : std::string("1a2,3.\b4"))
        d.txtKuineTootmismaht.typeKey(key);
    EXPECT_EQ(d.txtKuineTootmismaht.text(), "124");
    EXPECT_EQ(desktop.beeps(), 3);

    desktop.expectMessage(MsgResult::Ok);
    d.cmdHelp_ProductionVolume.press();
    EXPECT_EQ(desktop.lastMessage().title, "Production costs formula");
    EXPECT_EQ(desktop.lastMessage().style, mb::kInformation);
    EXPECT_TRUE(desktop.lastMessage().text.ends_with(
        "Variable costs for 1m3.\r\n \r\nPRODUCTION COSTS 1m3 = Fixed costs 1m3 + Variable "
        "costs 1m3 + Amortization 1m3"));
}

TEST_F(ProductionVolume, TheMainWindowOpensEachDialogModally) {
    frmMain& m = main();
    const struct {
        std::function<void()> open;
        const char* window;
    } cases[] = {
        {[&] { m.cmdPalgiHinnad.press(); }, "frmPalgiHinnad"},
        {[&] { m.lblPalgikuluHind.Click.raise(); }, "frmPalgiHinnad"},
        {[&] { m.lblMuudkuludHind.Click.raise(); }, "frmKuludeMuutmine"},
        {[&] { m.lblValitudProfiil.MouseDown.raise(mouse::kLeft, 0, 1, 1); }, "frmProfiil"},
        {[&] { m.mnusalvestaprofiilkui.click(); }, "frmProfiil"},
    };
    std::vector<std::string> expected;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.window);
        desktop.onNextModal([&m](Form& form) {
            EXPECT_TRUE(form.isModal());
            EXPECT_EQ(form.owner(), &m);
            form.unload();
        });
        c.open();
        expected.push_back(c.window);
    }
    EXPECT_EQ(desktop.modalWindowsShown(), expected);

    // The profile label's right button opens the profile menu; the middle one nothing.
    desktop.choosePopupItem("");
    m.lblValitudProfiil.MouseDown.raise(mouse::kRight, 0, 1, 1);
    m.lblValitudProfiil.MouseDown.raise(mouse::kMiddle, 0, 1, 1);
    ASSERT_EQ(desktop.popupsShown().size(), 1u);
    EXPECT_EQ(desktop.popupsShown()[0].menuName, "mnuprofiil");
}

}  // namespace
}  // namespace lumbrix
