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
    for (const std::string* zero : {&s.txtKetas1saag, &s.txtCE, &s.txtHakehind, &s.lblSalvestatud})
        EXPECT_EQ(*zero, "0");
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
    const struct {
        const char* key;
        std::string value;
        std::string frmMainSub::*field;
        const char* expected;
    } cases[] = {
        {"Ketas1saag", "05", &frmMainSub::txtKetas1saag, "5"},
        {"Palgimahukoefitsent", "0,95", &frmMainSub::txtPalgimahukoefitsent, "0.95"},
        {"Palgimahukoefitsent", "0", &frmMainSub::txtPalgimahukoefitsent, "1"},
        {"KuisedPysikuludKokku", "0,0", &frmMainSub::txtKuisedPysikuludKokku, "0.1"},
        {"KuineTootmismaht", "abc", &frmMainSub::txtKuineTootmismaht, "0.1"},
        {"KuisedAmordikuludKokku", "-0", &frmMainSub::txtKuisedAmordikuludKokku, "0.1"},
        {"Hakehind", "abc", &frmMainSub::txtHakehind, "0"},
        {"KoorHind", "12.50 kr", &frmMainSub::txtkoorhind, "12.5"},
        {"PalgiMoodul", "\"300\"", &frmMainSub::txtPalgiMoodul, "300"},
        {"CE", "0", &frmMainSub::txtCE, "0"},  // capital employed is not lifted
        {"ce", "1,5E6", &frmMainSub::txtCE, "1500000"},
        {"KappimineSydMat", "7" + std::string(254, '0'), &frmMainSub::txtKappimineSydmat,
         "7E+253"},  // cut to 254 characters before it is read
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.key) + "=" + c.value);
        writeSettings(std::string(c.key) + "=" + c.value + "\r\n");
        load();
        EXPECT_EQ(store().*c.field, c.expected);
    }
}

TEST_F(ProfileLoad, ValueBeyondTheNumberRangeCountsAsZeroInOneBoxNamingFileAndKeys) {
    writeSettings("Ketas2saag=1E999\r\nKuineTootmismaht=1E999\r\nce=-1E400\r\n");
    desktop.expectMessage(MsgResult::Ok);
    load();
    ASSERT_EQ(desktop.messages().size(), 1u);
    EXPECT_EQ(desktop.lastMessage().text,
              "The settings file " + (folder / "database/Mill1/settings").string() +
                  ":\nThese values lie beyond the number range and count 0: CE, "
                  "KuineTootmismaht, Ketas2saag.");
    EXPECT_EQ(store().txtKetas2saag, "0");
    EXPECT_EQ(store().txtKuineTootmismaht, "0.1");
}

TEST_F(ProfileLoad, DerivedCostsRoundHalvesToTheEvenCent) {
    const struct {
        const char *fixed, *depreciation, *variable, *volume, *production, *perM3;
    } cases[] = {
        {"25", "25", "0.5", "200", "0.62", "0.12"},  // 0.625 and 0.125: down to even
        {"27", "27", "0.5", "200", "0.64", "0.14"},  // 0.635 and 0.135: up to even
    };
    for (const auto& c : cases) {
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
    writeSettings("Palgimahukoefitsent=0,93\r\nKetas1saag=4.6\r\nCE=250000\r\nHakehind=15.5\r\n");
    load();
    store().lblSalvestatud = "stamp";  // what the writer stamps
    const auto values = [this] {
        std::vector<std::string> all;
        for (const SettingsKey& key : settingsKeysInSaveOrder())
            all.push_back(store().*key.field);
        return all;
    };
    const std::vector<std::string> before = values();
    ASSERT_TRUE(
        writeSettingsFile(folder / "database/Mill1/settings", settingsEntries(store(), "stamp")));
    load();
    EXPECT_EQ(values(), before);
    EXPECT_NE(folder.readFile("database/Mill1/settings").find("CE=250000\r\n"), std::string::npos);
}

TEST_F(ProfileLoad, FillsTheListsAndABrokenLogPriceFileIsReportedWithoutStoppingTheLoad) {
    const std::vector<std::string> rows = {"100 - 129  42.00  1", "130 - 159  52.00  2"};
    const std::string prices = serializeSavedList(rows).bytes;
    folder.writeFile("database/Mill1/logprices", prices);
    folder.writeFile("database/Mill1/center",
                     serializeSavedList({"50.000x150.00 b", "22.000x100.00 a"}).bytes);
    frmMain& m = main();
    m.lstPalgiHinnad.addItem("old row");
    m.lstDim.addItem("old product");
    load();
    EXPECT_EQ(m.lstPalgiHinnad.rows(), rows) << "the old rows are gone";
    EXPECT_EQ(m.lstDim.rows(), (std::vector<std::string>{"22.000x100.00 a", "50.000x150.00 b"}))
        << "the picker's list is sorted";

    folder.writeFile("database/Mill1/logprices", prices.substr(0, prices.size() - 4));
    writeSettings("Ketas1saag=4.4\r\n");
    desktop.expectMessage(MsgResult::Ok);
    load();
    EXPECT_EQ(
        desktop.lastMessage().text.rfind("File logprices is missing or invalid!\n321 - Invalid "
                                         "file format\nThe list file " +
                                             (folder / "database/Mill1/logprices").string(),
                                         0),
        0u)
        << desktop.lastMessage().text;
    EXPECT_EQ(desktop.lastMessage().title, "File error");
    EXPECT_EQ(desktop.lastMessage().style & mb::kIconMask, mb::kCritical);
    EXPECT_EQ(m.lstPalgiHinnad.listCount(), 0) << "no half list";
    EXPECT_EQ(m.lstDim.listCount(), 2);
    EXPECT_EQ(store().txtKetas1saag, "4.4");
}

TEST_F(ProfileLoad, LoadThatCannotStartEndsWithTheErrorBoxAndChangesNothing) {
    const struct {
        const char* profile;
        const char* text;
    } cases[] = {
        {"Mill1/../..", "52 - Bad file name or number"},
        {"Mill1", "76 - Path not found"},  // after the database folder is removed
    };
    frmMain& m = main();
    store().txtKetas1saag = "5";
    m.lstPalgiHinnad.addItem("kept row");
    const std::vector<std::string> kept = m.lstPalgiHinnad.rows();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.profile);
        if (std::string(c.text)[0] == '7') fs::remove_all(folder / "database");
        m.lblValitudProfiil.setCaption(c.profile);
        desktop.expectMessage(MsgResult::Ok);
        load();
        EXPECT_EQ(desktop.lastMessage().text.rfind(std::string(c.text) + "\n", 0), 0u)
            << desktop.lastMessage().text;
        EXPECT_EQ(desktop.lastMessage().title, "frmmain\\cmdLaeprofiil");
        EXPECT_EQ(desktop.lastMessage().style & mb::kIconMask, mb::kCritical);
        EXPECT_EQ(store().txtKetas1saag, "5");
        EXPECT_EQ(m.lstPalgiHinnad.rows(), kept);
        EXPECT_FALSE(fs::exists(folder / "Mill1")) << "nothing is created outside database";
    }
}

}  // namespace
}  // namespace lumbrix
