// What the program starts with: the planner's stored preferences as the main window reads them
// while it loads, and the profile a new installation ships with.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "app/application.h"
#include "catalogue/product_row.h"
#include "localisation/frm_keele_valik.h"
#include "mainwindow/frm_main.h"
#include "millsettings/frm_seaded.h"
#include "millsettings/log_price_row.h"
#include "platform/atomic_file.h"
#include "platform/ini_file.h"
#include "store/frm_main_sub.h"
#include "store/numbers.h"
#include "store/saved_list.h"
#include "temp_install.h"
#include "test_desktop.h"
#include "test_files.h"

namespace lumbrix {
namespace {

using Preferences = std::map<std::string, std::string>;

// One start of the program with some preferences stored: the main window is loaded only once
// they are there, since its load reads them. Any message box not expected fails the test.
class Start {
  public:
    Start(const test::TempInstallFolder& folder, const Preferences& stored,
          int expectedMessages = 0) {
        desktop.setUserSettingsPath(folder / "user-settings.ini");
        app = std::make_unique<Application>(desktop, folder.path());
        for (const auto& [key, value] : stored)
            app->userSettings().save(key, value);
        for (int i = 0; i < expectedMessages; ++i)
            desktop.expectMessage(MsgResult::Ok);
    }
    frmMain& main() { return app->window<frmMain>(); }
    frmMainSub& store() { return app->window<frmMainSub>(); }

    test::TestDesktop desktop;
    std::unique_ptr<Application> app;
};

TEST(UserPreferences, StoredPreferencesOrTheFirstRunDefaults) {
    const Preferences nothing, yes{{"Autofit", "yes"}},
        all{{"Autofit", "0"}, {"DefaultProfile", "Saeveski 2"}, {"DefaultLanguage", "eesti.keel"}};
    const struct {
        const Preferences& stored;
        const char* autoFit;  // in the store; the menu item is ticked for "1" only
        const char *profile, *language;
    } cases[] = {
        {nothing, "1", "LUMBRIX", "english.keel"},
        {yes, "yes", "LUMBRIX", "english.keel"},
        {all, "0", "Saeveski 2", "eesti.keel"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.autoFit);
        test::TempInstallFolder folder;
        std::filesystem::create_directories(folder / "database/Saeveski 2");  // a profile there
        Start start(folder, c.stored);
        frmMain& m = start.main();
        EXPECT_EQ(start.store().txtAutoFit, c.autoFit);
        EXPECT_EQ(m.mnuAutoFit.checked(), std::string(c.autoFit) == "1");
        EXPECT_EQ(start.store().txtVaikimisiProfiil, c.profile);
        EXPECT_EQ(m.lblValitudProfiil.caption(), c.profile);
        EXPECT_EQ(m.lblValitudKeel.caption(), c.language);
        EXPECT_TRUE(start.desktop.messages().empty());
    }
}

TEST(UserPreferences, ProfileNameThatCannotBeAFolderFallsBackToTheShippedProfile) {
    const struct {
        const char *name, *language, *startsWith;
    } cases[] = {
        {"../../etc", "english.keel", "The default profile name \"../../etc\" cannot be used"},
        {"Mill\\1", "eesti.keel", "Vaikimisi profiili nimi \"Mill\\1\" ei sobi"},
        {"Mill.set", "english.keel", "The default profile name \"Mill.set\" cannot be used"},
        {"Mill\u0085", "english.keel", "The default profile name \"Mill\u0085\" cannot be used"},
        {" Mill", "english.keel", "The default profile name \" Mill\" cannot be used"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempInstallFolder folder;
        Start start(folder, {{"DefaultProfile", c.name}, {"DefaultLanguage", c.language}}, 1);
        EXPECT_EQ(start.main().lblValitudProfiil.caption(), "LUMBRIX");
        EXPECT_EQ(start.store().txtVaikimisiProfiil, "LUMBRIX");
        ASSERT_EQ(start.desktop.messages().size(), 1u);
        EXPECT_EQ(start.desktop.lastMessage().text.rfind(c.startsWith, 0), 0u)
            << start.desktop.lastMessage().text;
        EXPECT_EQ(start.desktop.lastMessage().style & mb::kIconMask, mb::kExclamation);
        EXPECT_EQ(start.app->userSettings().get("DefaultProfile", "?"), c.name)
            << "the stored value is left as it is";
    }
}

// Starts of one installation, each with the preferences the one before left: the language
// the planner works in comes back when the language dialog is no longer shown.
class LanguageAtStart : public ::testing::Test {
  protected:
    LanguageAtStart() { folder.copyShippedData(); }
    // A new start; the language dialog, when it waits for the planner.
    frmKeeleValik* startProgramAgain() {
        start.reset();  // the program of the start before ends first
        start = std::make_unique<Start>(folder, Preferences{});
        startProgram(*start->app);
        return start->app->loadedWindow<frmKeeleValik>();
    }
    std::string languageInUse() { return start->main().lblValitudKeel.caption(); }

    test::TempInstallFolder folder;
    std::unique_ptr<Start> start;
};

TEST_F(LanguageAtStart, TurningTheOfferOffStartsInTheLanguageInUse) {
    for (const char* language : {"english.keel", "eesti.keel"}) {
        SCOPED_TRACE(language);
        std::filesystem::remove(folder / "user-settings.ini");
        frmKeeleValik* chooser = startProgramAgain();
        ASSERT_NE(chooser, nullptr);
        chooser->File1.setFileName(language);
        chooser->cmdOK.press();  // the skip box left clear
        ASSERT_EQ(languageInUse(), language);

        frmSeaded& settings = start->app->window<frmSeaded>();
        EXPECT_EQ(settings.chkNaitaKeeleValikut.value(), checkstate::kChecked);
        settings.chkNaitaKeeleValikut.setValue(checkstate::kUnchecked);
        settings.cmdSalvesta.press();
        ASSERT_FALSE(start->app->isLoaded<frmSeaded>());

        EXPECT_EQ(startProgramAgain(), nullptr) << "no dialog";
        EXPECT_EQ(languageInUse(), language);
        EXPECT_TRUE(start->main().visible());

        // Offered again: the next start asks.
        frmSeaded& again = start->app->window<frmSeaded>();
        EXPECT_EQ(again.chkNaitaKeeleValikut.value(), checkstate::kUnchecked);
        again.chkNaitaKeeleValikut.setValue(checkstate::kChecked);
        again.cmdSalvesta.press();
        EXPECT_NE(startProgramAgain(), nullptr);
        EXPECT_TRUE(start->desktop.messages().empty());
    }
}

TEST_F(LanguageAtStart, TheSkipFlagIsStoredOnlyAfterItsLanguage) {
    frmKeeleValik* chooser = startProgramAgain();
    ASSERT_NE(chooser, nullptr);
    chooser->File1.setFileName("english.keel");
    chooser->chkSkipNextTime.setValue(checkstate::kChecked);
    start->desktop.expectMessage(MsgResult::Ok);
    {
        test::FullDisk afterOneWrite(2);  // the first file is written, the second is not
        ScopedFileSink sink(afterOneWrite);
        chooser->cmdOK.press();
    }
    EXPECT_TRUE(start->desktop.lastMessage().text.starts_with(
        "The language choice could not be remembered"));
    EXPECT_EQ(languageInUse(), "english.keel");
    // Half a choice is never remembered as a choice: the next start asks again.
    EXPECT_NE(startProgramAgain(), nullptr);
}

// A fresh installation: the shipped content, no preferences stored, the main window loaded and
// the current profile loaded once after it.
class ShippedProfile : public ::testing::Test {
  protected:
    void SetUp() override {
        folder.copyShippedData();
        start = std::make_unique<Start>(folder, Preferences{});
        main().tmr_Startup_Timer();
    }
    frmMain& main() { return start->main(); }

    test::TempInstallFolder folder;
    std::unique_ptr<Start> start;
};

TEST_F(ShippedProfile, FreshInstallationStartsWithTheProfileLoaded) {
    frmMain& m = main();
    EXPECT_EQ(m.lblValitudProfiil.caption(), "LUMBRIX");
    EXPECT_EQ(readProfileString(folder / "database/LUMBRIX.set", "PROFIIL", "NIMI", "0"),
              "LUMBRIX");
    EXPECT_TRUE(start->desktop.messages().empty());
    const frmMainSub& s = start->store();
    EXPECT_EQ(s.txtPalgimahukoefitsent, "0.95");
    EXPECT_EQ(s.txtKetas1saag, "4.6");
    EXPECT_EQ(s.txtCE, "4500000");
    EXPECT_EQ(s.txtKuluTootmine, "42.17");
    EXPECT_EQ(s.txtKuluAmort, "6.67");
    EXPECT_EQ(m.lstPalgiHinnad.listCount(), 12);
    EXPECT_EQ(m.lstDim.listCount(), 13) << "the picker starts on centre material";
}

TEST_F(ShippedProfile, LogPriceClassesCoverOneHundredToSixHundredWithoutGaps) {
    int expectedMinimum = 100;
    for (const std::string& row : main().lstPalgiHinnad.rows()) {
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
    const struct {
        const char *type, *file;
        int rows;
    } families[] = {{"Syda", "center", 13}, {"Seimrilaud", "edger", 8}, {"Kyljelaud", "side", 8}};
    frmMain& m = main();
    for (const auto& f : families) {
        SCOPED_TRACE(f.type);
        m.Lauatyyp = f.type;
        m.lstDim.clear();
        m.Lae_dim(m.lstDim);
        ASSERT_EQ(m.lstDim.listCount(), f.rows);
        for (const std::string& row : m.lstDim.rows()) {
            SCOPED_TRACE(row);
            // Reading the columns back and building the row again gives the same row.
            const ProductColumns c = productColumns(row);
            EXPECT_EQ(
                buildProductRow({c.nominalThickness, c.nominalWidth, c.sawingThickness,
                                 c.sawingWidth, c.price, c.shares, c.prices, c.moisture, c.comment})
                    .row,
                row);
        }
        // The file holds the sorted list exactly as the writer writes it.
        EXPECT_EQ(folder.readFile("database/LUMBRIX/" + std::string(f.file)),
                  serializeSavedList(m.lstDim.rows()).bytes);
    }
    EXPECT_TRUE(start->desktop.messages().empty());
}

}  // namespace
}  // namespace lumbrix
