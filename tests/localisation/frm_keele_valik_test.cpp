#include "localisation/frm_keele_valik.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>

#include "localisation/message_language.h"
#include "localisation_fixture.h"
#include "mainwindow/frm_main.h"

namespace lumbrix {
namespace {

using test::LocalisationTest;

class StartupTest : public LocalisationTest {
  protected:
    StartupTest() { copyShippedLanguages(); }

    // The dialog when it stayed loaded (it waits for the planner).
    frmKeeleValik& start() {
        startProgram(*app);
        frmKeeleValik* dialog = app->loadedWindow<frmKeeleValik>();
        if (!dialog) throw std::runtime_error("the language dialog is not loaded");
        return *dialog;
    }
    bool dialogShown() const {
        const auto& events = desktop.windowEvents();
        return std::find(events.begin(), events.end(), "shown frmKeeleValik") != events.end();
    }
    bool mainShown() { return app->isLoaded<frmMain>() && app->window<frmMain>().visible(); }
    void choose(frmKeeleValik& dialog, const std::string& file) {
        dialog.File1.setFileName(file);
        ASSERT_GE(dialog.File1.listIndex(), 0) << file;
    }
};

TEST_F(StartupTest, TheDialogOpensFirstAndWaits) {
    frmKeeleValik& dialog = start();
    EXPECT_TRUE(dialog.visible());
    EXPECT_FALSE(app->isLoaded<frmMain>());
    EXPECT_EQ(dialog.caption(), "Palun valige keel");
    EXPECT_EQ(dialog.Label1.caption(), "Please select language:");
    EXPECT_EQ(dialog.File1.rows(), (std::vector<std::string>{"eesti.keel", "english.keel"}));
    EXPECT_EQ(dialog.File1.listIndex(), -1);
    EXPECT_EQ(dialog.chkSkipNextTime.value(), checkstate::kUnchecked);
    EXPECT_FALSE(dialog.chkSkipNextTime.enabled());
    EXPECT_FALSE(dialog.cmdOK.enabled());
}

TEST_F(StartupTest, TheChosenFileSetsTheDialogsTexts) {
    // The list's pattern matches names regardless of case on this file system.
    writeLanguage("Eesti.keel", "[KK]\n");
    writeLanguage("vene.KEEL", "[KK]\n");
    struct Case {
        const char* file;
        const char* caption;
        const char* prompt;
        const char* skip;
        const char* exit;
    };
    const Case cases[] = {
        {"eesti.keel", "Tere tulemast", "Palun valige keel", "Ära seda akent enam näita", "Välju"},
        {"english.keel", "Welcome", "Please select language", "Skip this windows on next startup",
         "Exit"},
        {"Eesti.keel", "Welcome", "Please select language", "Skip this windows on next startup",
         "Exit"},
        {"vene.KEEL", "Welcome", "Please select language", "Skip this windows on next startup",
         "Exit"},
    };
    frmKeeleValik& dialog = start();
    for (const Case& c : cases) {
        choose(dialog, c.file);
        EXPECT_EQ(dialog.caption(), c.caption) << c.file;
        EXPECT_EQ(dialog.Label1.caption(), c.prompt) << c.file;
        EXPECT_EQ(dialog.chkSkipNextTime.caption(), c.skip) << c.file;
        EXPECT_EQ(dialog.cmdOK.caption(), "START");
        EXPECT_EQ(dialog.cmdCancel.caption(), c.exit) << c.file;
        EXPECT_TRUE(dialog.chkSkipNextTime.enabled());
        EXPECT_TRUE(dialog.cmdOK.enabled());
    }
}

TEST_F(StartupTest, StartWithAndWithoutTheSkipBox) {
    for (const bool skip : {false, true}) {
        app = std::make_unique<Application>(desktop, folder.path());
        frmKeeleValik& dialog = start();
        choose(dialog, "english.keel");
        if (skip) dialog.chkSkipNextTime.setValue(checkstate::kChecked);
        dialog.cmdOK.press();
        EXPECT_FALSE(app->isLoaded<frmKeeleValik>());
        ASSERT_TRUE(mainShown());
        frmMain& m = app->window<frmMain>();
        EXPECT_EQ(m.lblValitudKeel.caption(), "english.keel");
        EXPECT_EQ(m.cmdSobita.caption(), "Fit log");
        EXPECT_EQ(setting(languagechoice::kShowLanguageBox), skip ? "1" : "-");
        EXPECT_EQ(setting(languagechoice::kDefaultLanguage), skip ? "english.keel" : "-");
    }
}

TEST_F(StartupTest, ARememberedChoiceSkipsTheDialog) {
    struct Case {
        const char* show;
        const char* language;  // nullptr: not stored
        bool dialog;
        const char* applied;
    };
    const Case cases[] = {
        {"1", "english.keel", false, "english.keel"},
        {"1", nullptr, false, "eesti.keel"},
        {"1", "ENGLISH.KEEL", false, "english.keel"},  // names match regardless of case here
        {"0", "english.keel", true, nullptr},
        {"2", "english.keel", true, nullptr},
        {"yes", "english.keel", true, nullptr},  // no number: the dialog is shown
        {"1", "gone.keel", true, nullptr},       // the remembered file is gone
    };
    for (const Case& c : cases) {
        std::filesystem::remove(folder.userSettingsPath());
        app = std::make_unique<Application>(desktop, folder.path());
        saveSetting(languagechoice::kShowLanguageBox, c.show);
        if (c.language) saveSetting(languagechoice::kDefaultLanguage, c.language);
        startProgram(*app);
        const frmKeeleValik* dialog = app->loadedWindow<frmKeeleValik>();
        EXPECT_EQ(dialog && dialog->visible(), c.dialog) << c.show;
        EXPECT_EQ(mainShown(), !c.dialog) << c.show;
        if (c.applied) {
            EXPECT_EQ(app->window<frmMain>().lblValitudKeel.caption(), c.applied) << c.show;
        }
    }
    EXPECT_EQ(desktop.programEnds(), 0);
    EXPECT_TRUE(desktop.messages().empty());
}

TEST_F(StartupTest, ExitAndTheCloseBoxLeaveWithoutWriting) {
    for (const bool closeBox : {false, true}) {
        app = std::make_unique<Application>(desktop, folder.path());
        frmKeeleValik& dialog = start();
        choose(dialog, "eesti.keel");
        dialog.chkSkipNextTime.setValue(checkstate::kChecked);
        if (closeBox) {
            dialog.requestClose();
        } else {
            dialog.cmdCancel.press();
        }
        EXPECT_FALSE(app->isLoaded<frmKeeleValik>());
        EXPECT_FALSE(app->isLoaded<frmMain>());
        EXPECT_FALSE(std::filesystem::exists(folder.userSettingsPath()));
    }
    EXPECT_EQ(desktop.programEnds(), 2);
}

TEST_F(StartupTest, AnEmptyLanguageFolderLeavesOnlyExit) {
    std::filesystem::remove_all(folder / "language");
    std::filesystem::create_directories(folder / "language");
    frmKeeleValik& dialog = start();
    EXPECT_EQ(dialog.File1.listCount(), 0);
    dialog.cmdOK.press();
    EXPECT_FALSE(app->isLoaded<frmMain>());
    EXPECT_FALSE(dialog.cmdOK.enabled());
}

TEST_F(StartupTest, AMissingLanguageFolderIsAStartUpError) {
    std::filesystem::remove_all(folder / "language");
    desktop.expectMessage(MsgResult::Ok);
    startProgram(*app);
    ASSERT_EQ(desktop.messages().size(), 1u);
    EXPECT_EQ(desktop.lastMessage().title, "Start-up error");
    EXPECT_EQ(desktop.lastMessage().text, "76 - Path not found");
    EXPECT_EQ(desktop.programEnds(), 1);
    EXPECT_FALSE(app->isLoaded<frmKeeleValik>());
    EXPECT_FALSE(app->isLoaded<frmMain>());
}

}  // namespace
}  // namespace lumbrix
