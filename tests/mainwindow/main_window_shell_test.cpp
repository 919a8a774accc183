// The main window as a shell: its load, the start-up timer, new pattern, close and exit,
// help, automatic fit, the pattern header and the fit button's menu.
#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "main_window_fixture.h"
#include "platform/atomic_file.h"
#include "test_files.h"

namespace lumbrix {
namespace {

using test::MainWindowTest;

class MainWindowShell : public MainWindowTest {
  protected:
    void addCentreBoard() {
        main().lstSyda.addItem(boardRow(47, 145, 50, 150, 5100, 0.035));
        main().uuenda_materjalid();
    }
    void expectAsked(const std::string& text, const std::string& title, int style) {
        EXPECT_EQ(desktop.lastMessage().text, text);
        EXPECT_EQ(desktop.lastMessage().title, title);
        EXPECT_EQ(desktop.lastMessage().style, style);
    }
};

TEST_F(MainWindowShell, TheLoadLeavesTheWindowReadyForAPattern) {
    frmMain& m = main();
    EXPECT_EQ(m.caption(), "LUMBRIX - v3.0");
    EXPECT_EQ(m.txtKavaKuupaev.text(), "14.03.26");
    EXPECT_EQ(m.txtKavaKoostaja.text(), "planner");
    EXPECT_TRUE(m.mnuArvutusedSydamematerjal.checked());
    EXPECT_FALSE(m.mnuArvutusedKyljelauad.checked());
    EXPECT_EQ(m.scrDiameeter.max(), 600);
    EXPECT_TRUE(m.mnuAutoFit.checked()) << "nothing stored: automatic fit is on";
}

TEST_F(MainWindowShell, AutomaticFitFollowsTheStoredPreferenceAndItsMenuWritesIt) {
    ASSERT_TRUE(app->userSettings().save("Autofit", "0"));
    app = std::make_unique<Application>(desktop, folder.path());
    frmMain& m = main();
    EXPECT_FALSE(m.mnuAutoFit.checked());
    m.mnuAutoFit.click();
    EXPECT_TRUE(m.mnuAutoFit.checked());
    EXPECT_EQ(app->userSettings().get("Autofit", ""), "1");
    m.mnuAutoFit.click();
    EXPECT_EQ(app->userSettings().get("Autofit", ""), "0");
}

TEST_F(MainWindowShell, AnAutofitThatCannotBeSavedIsReportedInTheCurrentLanguage) {
    folder.writeFile("blocked", "");  // a file where the settings folder should be
    desktop.setUserSettingsPath(folder / "blocked" / "settings.ini");
    app = std::make_unique<Application>(desktop, folder.path());
    frmMain& m = main();
    const std::string file = (folder / "blocked" / "settings.ini").string();
    const struct {
        const char *language, *text, *reason, *notSaid;
    } cases[] = {
        {"eesti.keel", "Automaatse sobitamise seadet ei saanud salvestada: ",
         ": tee osa ei ole kaust", "directory"},
        {"english.keel", "The automatic fit setting could not be saved: ", ": Not a directory",
         "kaust"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.language);
        m.lblValitudKeel.setCaption(c.language);
        desktop.expectMessage(MsgResult::Ok);
        m.mnuAutoFit.click();
        const std::string& text = desktop.lastMessage().text;
        EXPECT_EQ(text.rfind(c.text, 0), 0u) << text;
        EXPECT_NE(text.find(c.reason), std::string::npos) << text;
        EXPECT_EQ(text.find(c.notSaid), std::string::npos) << text;
        EXPECT_NE(text.find((folder / "blocked").string()), std::string::npos) << text;
        EXPECT_EQ(desktop.lastMessage().title, "Autofit");
    }
}

TEST_F(MainWindowShell, AnAutofitThatCannotBeSavedGivesItsReasonAndTheTickKeepsTheStoredValue) {
    frmMain& m = main();
    const struct {
        int error;
        const char *stored, *reason;
    } cases[] = {
        {EROFS, "1", "Read-only file system"},
        {EACCES, "0", "Permission denied"},
        {ENOSPC, "1", "No space left on device"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reason);
        ASSERT_TRUE(app->userSettings().save("Autofit", c.stored));
        m.mnuAutoFit.setChecked(std::string(c.stored) == "1");
        test::FailingWriteSink failing(c.error);
        ScopedFileSink sink(failing);
        desktop.expectMessage(MsgResult::Ok);
        m.mnuAutoFit.click();
        const std::string& text = desktop.lastMessage().text;
        EXPECT_TRUE(text.starts_with("The automatic fit setting could not be saved: ")) << text;
        EXPECT_NE(text.find(c.reason), std::string::npos) << text;
        EXPECT_NE(text.find(app->userSettings().path().string()), std::string::npos) << text;
        EXPECT_EQ(m.mnuAutoFit.checked(), std::string(c.stored) == "1") << "the stored value";
        EXPECT_EQ(app->userSettings().get("Autofit", "?"), c.stored);
    }
}

TEST_F(MainWindowShell, TheStartUpTimerLoadsTheProfileOnce) {
    folder.copyShippedData();
    frmMain& m = main();
    m.lstPalgiHinnad.clear();
    desktop.advanceClock(499);
    EXPECT_EQ(m.lstPalgiHinnad.listCount(), 0);
    desktop.advanceClock(1);
    EXPECT_EQ(m.lstPalgiHinnad.listCount(), 12) << "the shipped profile's price classes";
    EXPECT_FALSE(m.tmr_Startup.enabled());
    m.lstPalgiHinnad.clear();
    desktop.advanceClock(5000);
    EXPECT_EQ(m.lstPalgiHinnad.listCount(), 0) << "it runs once";
}

TEST_F(MainWindowShell, NewPatternAsksOnlyForAnUnnamedPatternWithBoards) {
    folder.copyShippedData();  // a named pattern's New reloads the profile's log prices
    const struct {
        const char* what;
        const char* name;
        bool boards;
        std::optional<MsgResult> answer;  // the save question's answer, when it is asked
        bool cleared;
    } cases[] = {
        {"named: cleared without a question", "kava1", true, std::nullopt, true},
        {"unnamed without boards: nothing", "", false, std::nullopt, false},
        {"unnamed, No: cleared", " ", true, MsgResult::No, true},
        {"unnamed, Cancel: kept", "", true, MsgResult::Cancel, false},
        {"unnamed, Yes but nothing saved: kept", " ", true, MsgResult::Yes, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        frmMain& m = main();
        m.lstSyda.clear();
        if (c.boards) addCentreBoard();
        m.lblSaekavanimi.setCaption(c.name);
        desktop.clearMessages();
        if (c.answer) desktop.expectMessage(*c.answer);
        // Yes opens the save dialog, which is cancelled here.
        if (c.answer == MsgResult::Yes) desktop.onNextModal([](Form& dialog) { dialog.unload(); });
        m.cmdUusKava.press();
        if (c.answer) {
            expectAsked("Will save this pattern?", "Save?", mb::kYesNoCancel);
        } else {
            EXPECT_TRUE(desktop.messages().empty());
        }
        EXPECT_EQ(m.lstSyda.listCount(), c.boards && !c.cleared ? 1 : 0);
        if (c.cleared) {
            EXPECT_EQ(m.lblSaekavanimi.caption(), " ");
        }
        if (*c.name == 'k') {
            EXPECT_EQ(m.lstPalgiHinnad.listCount(), 12) << "the profile's prices are reloaded";
        }
    }
}

TEST_F(MainWindowShell, ClosingAsksWhileTheEditorHoldsBoardsAndExitCanBeCancelled) {
    const struct {
        const char* what;
        bool boards;
        std::optional<MsgResult> answer;
        bool ends;
    } cases[] = {{"no boards: ends at once", false, std::nullopt, true},
                 {"boards, Yes: ends", true, MsgResult::Yes, true},
                 {"boards, No: stays", true, MsgResult::No, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        app = std::make_unique<Application>(desktop, folder.path());
        useTypicalProfile();
        frmMain& m = main();
        if (c.boards) addCentreBoard();
        const int endsBefore = desktop.programEnds();
        if (c.answer) desktop.expectMessage(*c.answer);
        m.requestClose();
        if (c.answer) {
            expectAsked("There is unsaved pattern in editor. Still exit?", "Exit?", mb::kYesNo);
        }
        EXPECT_EQ(desktop.programEnds() - endsBefore, c.ends ? 1 : 0);
        EXPECT_EQ(m.isLoaded(), !c.ends);
    }
    // The menu's Exit asks the New pattern question: Cancel keeps the program and the pattern.
    const int endsBefore = desktop.programEnds();
    desktop.expectMessage(MsgResult::Cancel);
    main().mnuProgramExit.click();
    EXPECT_EQ(desktop.programEnds(), endsBefore);
    EXPECT_EQ(main().lstSyda.listCount(), 1);
    desktop.expectMessage(MsgResult::No);
    main().mnuProgramExit.click();
    EXPECT_EQ(desktop.programEnds(), endsBefore + 1);
}

TEST_F(MainWindowShell, HelpOpensTheGuideOrSaysItCannot) {
    frmMain& m = main();
    m.mnuHelp.click();
    ASSERT_EQ(desktop.openedDocuments().size(), 1u);
    EXPECT_EQ(desktop.openedDocuments()[0], folder.path() / "abi.PDF");
    desktop.setOpenDocumentSucceeds(false);
    m.lblValitudKeel.setCaption("eesti.keel");
    desktop.expectMessage(MsgResult::Ok);
    m.mnuHelp.click();
    expectAsked("Probleem abifaili leidimisega!", "LUMBRIX", mb::kCritical);
}

TEST_F(MainWindowShell, TheHeaderFrameStampsTheDateKeepsATypedAuthorAndFiltersDateKeys) {
    frmMain& m = main();
    m.txtKavaKuupaev.setText("01.01.20");
    m.txtKavaKoostaja.setText("Jaan");
    m.cmdKavaLisainfoShow.press();
    EXPECT_TRUE(m.frmLisaInfo.visible());
    EXPECT_EQ(m.txtKavaKuupaev.text(), "14.03.26");
    EXPECT_EQ(m.txtKavaKoostaja.text(), "Jaan");
    EXPECT_EQ(m.activeControl(), &m.txtKavaNotes);
    m.cmdKavaLisainfoShow.press();
    EXPECT_FALSE(m.frmLisaInfo.visible());

    // The date field takes digits, the point and backspace; anything else beeps.
    m.txtKavaKuupaev.setText("");
    for (int key : {int{'1'}, int{'5'}, int{'.'}, int{'a'}, int{'0'}, int{','}, int{'3'}, 8}) {
        m.txtKavaKuupaev.typeKey(key);
    }
    EXPECT_EQ(m.txtKavaKuupaev.text(), "15.0");
    EXPECT_EQ(desktop.beeps(), 2);
}

TEST_F(MainWindowShell, TheFitButtonsRightButtonOpensTheModeMenu) {
    frmMain& m = main();
    desktop.choosePopupItem("mnuArvutusedKyljelauad");
    m.cmdSobita.MouseDown.raise(mouse::kRight, 0, 10, 10);
    m.cmdSobita.MouseDown.raise(mouse::kLeft, 0, 10, 10);
    ASSERT_EQ(desktop.popupsShown().size(), 1u);
    EXPECT_EQ(desktop.popupsShown()[0].menuName, "mnuArvutused");
    // Under the button, which stands in the log frame.
    EXPECT_EQ(desktop.popupsShown()[0].xTwips, m.frmPalgiInfo.left() + m.cmdSobita.left());
    EXPECT_EQ(desktop.popupsShown()[0].yTwips,
              m.frmPalgiInfo.top() + m.cmdSobita.top() + m.cmdSobita.height());
    EXPECT_TRUE(m.mnuArvutusedKyljelauad.checked());
    m.cmdSobita.MouseMove.raise(0, 0, 10, 10);
    EXPECT_EQ(m.cmdSobita.toolTipText(), "Right click for menu");
}

}  // namespace
}  // namespace lumbrix
