// Loading a profile: its folder, its settings into the store with their fixes and derived
// costs, its log price and product lists, and what the planner is told when it fails.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "main_window_fixture.h"
#include "millsettings/profile_settings.h"
#include "store/saved_list.h"

namespace lumbrix {
namespace {

namespace fs = std::filesystem;

class ProfileLoad : public test::MainWindowTest {
  protected:
    void SetUp() override {
        fs::create_directories(folder / "database");
        main().lblValitudProfiil.setCaption("Mill1");
        main().Lauatyyp = "Syda";  // the picker's type, as after start-up
    }
    void writeSettings(const std::string& lines) {
        folder.writeFile("database/Mill1/settings", "[SEADED]\r\n" + lines);
    }
    void load() { main().cmdLaeprofiil.press(); }
};

TEST_F(ProfileLoad, NewProfileGetsAFolderZerosAndTheLiftedDivisors) {
    load();
    EXPECT_TRUE(fs::is_directory(folder / "database/Mill1"));
    const frmMainSub& s = store();
    for (const std::string* zero :
         {&s.txtKappimineSydmat, &s.txtKappimineLauad, &s.txtPalgiMoodul, &s.txtCE,
          &s.txtKetas1saag, &s.txtKetas2saag, &s.txtKetasSeimer, &s.txtKetasTrimmer,
          &s.txtKoefitsentHake, &s.txtKoefitsentPuru, &s.txtKoefitsentKoor,
          &s.txtKoefitsentKoorPalgist, &s.txtHakehind, &s.txtsaepuruHind, &s.txtkoorhind,
          &s.lblArvutaTaiskant, &s.lblSalvestatud}) {
        EXPECT_EQ(*zero, "0");
    }
    EXPECT_EQ(s.txtPalgimahukoefitsent, "1");
    for (const std::string* lifted : {&s.txtKuisedPysikuludKokku, &s.txtKuineTootmismaht,
                                      &s.txtKuisedAmordikuludKokku, &s.txtYhikuMuutuvkulud}) {
        EXPECT_EQ(*lifted, "0.1");
    }
    EXPECT_EQ(s.txtKuluTootmine, "1.1");  // 0.1 / 0.1 + 0.1
    EXPECT_EQ(s.txtKuluAmort, "1");
    EXPECT_EQ(main().lstPalgiHinnad.listCount(), 0);
    EXPECT_EQ(main().lstDim.listCount(), 0);
    EXPECT_TRUE(desktop.messages().empty());
}

TEST_F(ProfileLoad, ValuesAreNormalisedAndZeroDivisorsLifted) {
    struct Case {
        const char* key;
        std::string value;
        std::string frmMainSub::*field;
        const char* expected;
    };
    const Case cases[] = {
        {"Ketas1saag", "05", &frmMainSub::txtKetas1saag, "5"},
        {"Palgimahukoefitsent", "0,95", &frmMainSub::txtPalgimahukoefitsent, "0.95"},
        {"Palgimahukoefitsent", "0", &frmMainSub::txtPalgimahukoefitsent, "1"},
        {"Palgimahukoefitsent", "0.0", &frmMainSub::txtPalgimahukoefitsent, "1"},
        {"KuisedPysikuludKokku", "0,0", &frmMainSub::txtKuisedPysikuludKokku, "0.1"},
        {"KuineTootmismaht", "abc", &frmMainSub::txtKuineTootmismaht, "0.1"},
        {"YhikuMuutuvkulud", "", &frmMainSub::txtYhikuMuutuvkulud, "0.1"},
        {"KuisedAmordikuludKokku", "-0", &frmMainSub::txtKuisedAmordikuludKokku, "0.1"},
        {"Hakehind", "abc", &frmMainSub::txtHakehind, "0"},
        {"KoorHind", "12.50 kr", &frmMainSub::txtkoorhind, "12.5"},
        {"PalgiMoodul", "\"300\"", &frmMainSub::txtPalgiMoodul, "300"},
        {"CE", "0", &frmMainSub::txtCE, "0"},              // capital employed is not lifted
        {"CE", "4500000", &frmMainSub::txtCE, "4500000"},  // written "CE", asked "ce"
        {"ce", "1,5E6", &frmMainSub::txtCE, "1500000"},
        {"KappimineSydMat", "7" + std::string(254, '0'), &frmMainSub::txtKappimineSydmat,
         "7E+253"},  // cut to 254 characters before it is read
        {"ArvutaTaiskant", "jah", &frmMainSub::lblArvutaTaiskant, "jah"},
        {"Salvestatud", "14.03.2026 10:20:30", &frmMainSub::lblSalvestatud, "14.03.2026 10:20:30"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.key) + "=" + c.value);
        writeSettings(std::string(c.key) + "=" + c.value + "\r\n");
        load();
        EXPECT_EQ(store().*c.field, c.expected);
    }
}

TEST_F(ProfileLoad, ValueBeyondTheNumberRangeCountsAsZero) {
    writeSettings("Ketas2saag=1E999\r\nKuineTootmismaht=1E999\r\n");
    desktop.expectMessage(MsgResult::Ok);  // the number reader's overflow notice, once per value
    desktop.expectMessage(MsgResult::Ok);
    load();
    EXPECT_EQ(store().txtKetas2saag, "0");
    EXPECT_EQ(store().txtKuineTootmismaht, "0.1");
}

TEST_F(ProfileLoad, DerivedCostsRoundHalvesToTheEvenCent) {
    struct Case {
        const char *fixed, *depreciation, *variable, *volume;
        const char *production, *perM3;
    };
    const Case cases[] = {
        {"25", "25", "0.5", "200", "0.62", "0.12"},  // 0.625 and 0.125: down to even
        {"27", "27", "0.5", "200", "0.64", "0.14"},  // 0.635 and 0.135: up to even
        {"85000", "40000", "28", "6000", "42.17", "6.67"},
        {"0", "0", "0", "0", "1.1", "1"},  // every divisor lifted to 0.1
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.fixed) + " / " + c.volume);
        writeSettings(std::string("KuisedPysikuludKokku=") + c.fixed +
                      "\r\nKuisedAmordikuludKokku=" + c.depreciation + "\r\nYhikuMuutuvkulud=" +
                      c.variable + "\r\nKuineTootmismaht=" + c.volume + "\r\n");
        load();
        EXPECT_EQ(store().txtKuluTootmine, c.production);
        EXPECT_EQ(store().txtKuluAmort, c.perM3);
    }
}

TEST_F(ProfileLoad, SettingsWrittenBackReadBackAsTheSameNumbers) {
    writeSettings(
        "KappimineSydMat=100\r\nPalgimahukoefitsent=0,93\r\nKetas1saag=4.6\r\nCE=250000\r\n"
        "KuineTootmismaht=5000\r\nHakehind=15.5\r\nArvutaTaiskant=1\r\n");
    load();
    std::vector<std::string> values;
    for (const SettingsKey& key : settingsKeysInSaveOrder())
        values.push_back(store().*key.field);

    ASSERT_TRUE(
        writeSettingsFile(folder / "database/Mill1/settings", settingsEntries(store(), "stamp")));
    load();
    std::size_t i = 0;
    for (const SettingsKey& key : settingsKeysInSaveOrder()) {
        SCOPED_TRACE(key.key);
        const std::string& now = store().*key.field;
        EXPECT_EQ(now, std::string(key.key) == "Salvestatud" ? "stamp" : values[i]);
        ++i;
    }
    const std::string text = folder.readFile("database/Mill1/settings");
    EXPECT_NE(text.find("CE=250000\r\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("ce="), std::string::npos) << "the key keeps the file's spelling";
}

TEST_F(ProfileLoad, FillsTheLogPriceAndProductListsOfTheProfile) {
    folder.writeFile("database/Mill1/logprices",
                     serializeSavedList({"100 - 129  42.00  1", "130 - 159  52.00  2"}).bytes);
    folder.writeFile("database/Mill1/center",
                     serializeSavedList({"50.000x150.00 b", "22.000x100.00 a"}).bytes);
    frmMain& m = main();
    m.lstPalgiHinnad.addItem("old row");
    m.lstDim.addItem("old product");
    m.Lauatyyp = "Syda";
    load();
    EXPECT_EQ(m.lstPalgiHinnad.rows(),
              (std::vector<std::string>{"100 - 129  42.00  1", "130 - 159  52.00  2"}));
    EXPECT_EQ(m.lstDim.rows(), (std::vector<std::string>{"22.000x100.00 a", "50.000x150.00 b"}))
        << "the picker's list is sorted";
}

TEST_F(ProfileLoad, BrokenLogPriceFileIsReportedAndTheLoadGoesOn) {
    std::string truncated =
        serializeSavedList({"100 - 129  42.00  1", "130 - 159  52.00  2"}).bytes;
    truncated.resize(truncated.size() - 4);
    folder.writeFile("database/Mill1/logprices", truncated);
    folder.writeFile("database/Mill1/center", serializeSavedList({"22.000x100.00 a"}).bytes);
    folder.writeFile("database/Mill1/settings", "[SEADED]\r\nKetas1saag=4.4\r\n");
    main().Lauatyyp = "Syda";

    desktop.expectMessage(MsgResult::Ok);
    load();
    EXPECT_EQ(desktop.lastMessage().text, "File logprices is missing or invalid!");
    EXPECT_EQ(desktop.lastMessage().title, "File error");
    EXPECT_EQ(desktop.lastMessage().style & mb::kIconMask, mb::kCritical);
    EXPECT_EQ(main().lstPalgiHinnad.listCount(), 0) << "no half list";
    EXPECT_EQ(main().lstDim.listCount(), 1);
    EXPECT_EQ(store().txtKetas1saag, "4.4");
}

TEST_F(ProfileLoad, LoadThatCannotStartEndsWithTheErrorBoxAndChangesNothing) {
    struct Case {
        const char* what;
        const char* profile;
        bool removeDatabase;
        const char* text;
    };
    const Case cases[] = {
        {"no database folder", "Mill1", true, "76 - Path not found"},
        {"a name with a slash", "Mill1/../..", false, "52 - Bad file name or number"},
        {"an empty name", "", false, "52 - Bad file name or number"},
        {"a control character", "Mill\t1", false, "52 - Bad file name or number"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.removeDatabase) fs::remove_all(folder / "database");
        frmMain& m = main();
        m.lblValitudProfiil.setCaption(c.profile);
        store().txtKetas1saag = "5";
        m.lstPalgiHinnad.clear();
        m.lstPalgiHinnad.addItem("kept row");
        desktop.expectMessage(MsgResult::Ok);
        load();
        EXPECT_EQ(desktop.lastMessage().text, c.text);
        EXPECT_EQ(desktop.lastMessage().title, "frmmain\\cmdLaeprofiil");
        EXPECT_EQ(desktop.lastMessage().style & mb::kIconMask, mb::kCritical);
        EXPECT_EQ(store().txtKetas1saag, "5");
        EXPECT_EQ(m.lstPalgiHinnad.rows(), std::vector<std::string>{"kept row"});
        EXPECT_FALSE(fs::exists(folder / "Mill1")) << "nothing is created outside database";
    }
}

}  // namespace
}  // namespace lumbrix
