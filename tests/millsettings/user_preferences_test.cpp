// The planner's preferences as the main window reads them while it loads.
#include "millsettings/user_preferences.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

#include "app/application.h"
#include "mainwindow/frm_main.h"
#include "store/frm_main_sub.h"
#include "temp_install.h"
#include "test_desktop.h"

namespace lumbrix {
namespace {

// One start of the program with some preferences stored: the main window is loaded only
// once they are there, since its load reads them.
class Start {
  public:
    Start(const test::TempInstallFolder& folder, const std::map<std::string, std::string>& stored,
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

TEST(UserPreferences, FirstRunGivesAutomaticFitTheShippedProfileAndEnglish) {
    test::TempInstallFolder folder;
    Start start(folder, {});
    frmMain& m = start.main();
    EXPECT_TRUE(m.mnuAutoFit.checked());
    EXPECT_EQ(start.store().txtAutoFit, "1");
    EXPECT_EQ(start.store().txtVaikimisiProfiil, "LUMBRIX");
    EXPECT_EQ(m.lblValitudProfiil.caption(), "LUMBRIX");
    EXPECT_EQ(m.lblValitudKeel.caption(), "english.keel");
}

TEST(UserPreferences, OnlyAutofitOneTicksTheMenuItem) {
    struct Case {
        const char* stored;
        bool ticked;
    };
    for (const Case& c : {Case{"1", true}, Case{"0", false}, Case{"yes", false}, Case{"", false},
                          Case{" 1", false}}) {
        SCOPED_TRACE(std::string("Autofit=") + c.stored);
        test::TempInstallFolder folder;
        Start start(folder, {{"Autofit", c.stored}});
        EXPECT_EQ(start.main().mnuAutoFit.checked(), c.ticked);
        EXPECT_EQ(start.store().txtAutoFit, c.stored);
    }
}

TEST(UserPreferences, StoredProfileAndLanguageAreTaken) {
    test::TempInstallFolder folder;
    Start start(folder, {{"DefaultProfile", "Saeveski 2"}, {"DefaultLanguage", "eesti.keel"}});
    frmMain& m = start.main();
    EXPECT_EQ(start.store().txtVaikimisiProfiil, "Saeveski 2");
    EXPECT_EQ(m.lblValitudProfiil.caption(), "Saeveski 2");
    EXPECT_EQ(m.lblValitudKeel.caption(), "eesti.keel");
    EXPECT_TRUE(start.desktop.messages().empty());
}

TEST(UserPreferences, ProfileNameThatCannotBeAFolderFallsBackToTheShippedProfile) {
    struct Case {
        const char* name;
        const char* language;
        const char* startsWith;
    };
    const Case cases[] = {
        {"..", "english.keel", "The default profile name \"..\" cannot be used"},
        {"../../etc", "english.keel", "The default profile name \"../../etc\" cannot be used"},
        {"", "english.keel", "The default profile name \"\" cannot be used"},
        {"Mill\\1", "eesti.keel", "Vaikimisi profiili nimi \"Mill\\1\" ei sobi"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempInstallFolder folder;
        Start start(folder, {{"DefaultProfile", c.name}, {"DefaultLanguage", c.language}}, 1);
        frmMain& m = start.main();
        EXPECT_EQ(m.lblValitudProfiil.caption(), "LUMBRIX");
        EXPECT_EQ(start.store().txtVaikimisiProfiil, "LUMBRIX");
        ASSERT_EQ(start.desktop.messages().size(), 1u);
        EXPECT_EQ(start.desktop.lastMessage().text.rfind(c.startsWith, 0), 0u)
            << start.desktop.lastMessage().text;
        EXPECT_EQ(start.desktop.lastMessage().style & mb::kIconMask, mb::kExclamation);
        EXPECT_EQ(start.app->userSettings().get("DefaultProfile", "?"), c.name)
            << "the stored value is left as it is";
    }
}

}  // namespace
}  // namespace lumbrix
