// The profile a new installation ships with: it loads without a message and holds what a
// planner expects to start from.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "app/application.h"
#include "catalogue/product_row.h"
#include "mainwindow/frm_main.h"
#include "millsettings/log_price_row.h"
#include "platform/ini_file.h"
#include "platform/text.h"
#include "store/frm_main_sub.h"
#include "store/numbers.h"
#include "store/saved_list.h"
#include "temp_install.h"
#include "test_desktop.h"

namespace lumbrix {
namespace {

namespace fs = std::filesystem;

// A fresh installation: the shipped content, no preferences stored, the main window loaded and
// the current profile loaded once after it.
class ShippedProfile : public ::testing::Test {
  protected:
    void SetUp() override {
        folder.copyShippedData();
        desktop.setUserSettingsPath(folder / "user-settings.ini");
        app = std::make_unique<Application>(desktop, folder.path());
        main().tmr_Startup_Timer();
    }
    frmMain& main() { return app->window<frmMain>(); }
    frmMainSub& store() { return app->window<frmMainSub>(); }
    fs::path profile() const { return folder / "database/LUMBRIX"; }

    test::TempInstallFolder folder;
    test::TestDesktop desktop;  // any message box fails the test
    std::unique_ptr<Application> app;
};

TEST_F(ShippedProfile, FreshInstallationStartsWithTheProfileLoaded) {
    frmMain& m = main();
    EXPECT_EQ(m.lblValitudProfiil.caption(), "LUMBRIX");
    EXPECT_EQ(readProfileString(folder / "database/LUMBRIX.set", "PROFIIL", "NIMI", "0"),
              "LUMBRIX");
    EXPECT_TRUE(desktop.messages().empty());

    const frmMainSub& s = store();
    struct Field {
        const std::string& value;
        const char* expected;
    };
    const Field fields[] = {
        {s.txtKappimineSydmat, "100"},
        {s.txtKappimineLauad, "150"},
        {s.txtPalgiMoodul, "300"},
        {s.txtPalgimahukoefitsent, "0.95"},
        {s.txtKetas1saag, "4.6"},
        {s.txtKetas2saag, "3.8"},
        {s.txtKetasSeimer, "4.2"},
        {s.txtKetasTrimmer, "5"},
        {s.txtKoefitsentHake, "2.6"},
        {s.txtKoefitsentPuru, "3.2"},
        {s.txtKoefitsentKoor, "3"},
        {s.txtKoefitsentKoorPalgist, "0.1"},
        {s.txtHakehind, "15.5"},
        {s.txtsaepuruHind, "8.5"},
        {s.txtkoorhind, "6"},
        {s.txtKuisedPysikuludKokku, "85000"},
        {s.txtKuisedAmordikuludKokku, "40000"},
        {s.txtYhikuMuutuvkulud, "28"},
        {s.txtKuineTootmismaht, "6000"},
        {s.txtCE, "4500000"},
        {s.lblArvutaTaiskant, "0"},
        {s.txtKuluTootmine, "42.17"},
        {s.txtKuluAmort, "6.67"},
    };
    for (const Field& f : fields)
        EXPECT_EQ(f.value, f.expected);

    ASSERT_EQ(m.lstPalgiHinnad.listCount(), 12);
    EXPECT_EQ(m.lstPalgiHinnad.list(0), "100 - 129  42.00  1");
    EXPECT_EQ(m.lstPalgiHinnad.list(11), "500 - 600  65.00  12");
    EXPECT_EQ(m.lstDim.listCount(), 13) << "the picker starts on centre material";
}

TEST_F(ShippedProfile, LogPriceClassesCoverOneHundredToSixHundredWithoutGaps) {
    const ListBox& prices = main().lstPalgiHinnad;
    int expectedMinimum = 100;
    for (const std::string& row : prices.rows()) {
        SCOPED_TRACE(row);
        const LogPriceColumns c = logPriceColumns(row);
        EXPECT_EQ(Val(c.minimum), expectedMinimum);
        EXPECT_LT(Val(c.minimum), Val(c.maximum));
        EXPECT_EQ(logPriceText(c.price), c.price) << "the price keeps its five characters";
        expectedMinimum = static_cast<int>(Val(c.maximum)) + 1;
    }
    EXPECT_EQ(expectedMinimum, 601);
}

TEST_F(ShippedProfile, EveryFamilyHasItsProductsInExactColumns) {
    struct Family {
        const char* type;
        const char* file;
        int rows;
    };
    for (const Family& f : {Family{"Syda", "center", 13}, Family{"Seimrilaud", "edger", 8},
                            Family{"Kyljelaud", "side", 8}}) {
        SCOPED_TRACE(f.type);
        frmMain& m = main();
        m.Lauatyyp = f.type;
        m.lstDim.clear();
        m.Lae_dim(m.lstDim);
        ASSERT_EQ(m.lstDim.listCount(), f.rows);
        for (const std::string& row : m.lstDim.rows()) {
            SCOPED_TRACE(row);
            // Reading the columns back and building the row again gives the same row.
            const ProductColumns c = productColumns(row);
            ProductFields fields{c.nominalThickness, c.nominalWidth, c.sawingThickness,
                                 c.sawingWidth,      c.price,        c.shares,
                                 c.prices,           c.moisture,     c.comment};
            EXPECT_EQ(buildProductRow(fields).row, row);
            EXPECT_GT(Val(c.price), 150);
            EXPECT_LT(Val(c.price), 400);
            EXPECT_EQ(c.moisture, "18");
        }
        // The file holds the sorted list exactly as the writer writes it.
        EXPECT_EQ(folder.readFile("database/LUMBRIX/" + std::string(f.file)),
                  serializeSavedList(m.lstDim.rows()).bytes);
    }
    EXPECT_TRUE(desktop.messages().empty());
}

}  // namespace
}  // namespace lumbrix
