// The main window as a shell: its load, the start-up timer, new pattern, close and exit,
// help, automatic fit, the pattern header and the fit button's menu.
#include <gtest/gtest.h>

#include "main_window_fixture.h"
#include "millsettings/frm_palgi_hinnad.h"

namespace lumbrix {
namespace {

using test::MainWindowTest;

class MainWindowShell : public MainWindowTest {
  protected:
    void addCentreBoard() {
        main().lstSyda.addItem(boardRow(47, 145, 50, 150, 5100, 0.035));
        main().uuenda_materjalid();
    }
};

TEST_F(MainWindowShell, TheLoadLeavesTheWindowReadyForAPattern) {
    frmMain& m = main();
    EXPECT_EQ(m.caption(), "LUMBRIX - v3.0");
    EXPECT_EQ(m.txtKavaKuupaev.text(), "14.03.26");
    EXPECT_EQ(m.txtKavaKoostaja.text(), "planner");
    EXPECT_TRUE(m.mnuArvutusedSydamematerjal.checked());
    EXPECT_FALSE(m.mnuArvutusedKyljelauad.checked());
    EXPECT_TRUE(m.mnuAutoFit.checked()) << "nothing stored: automatic fit is on";
    EXPECT_EQ(m.scrDiameeter.max(), 600);
    EXPECT_TRUE(desktop.isArmed(m.tmr_Startup));
    EXPECT_EQ(m.lblPalgimaht.caption(), "0.183");
    EXPECT_EQ(m.lblSaekavanimi.caption(), "") << "unnamed";
}

TEST_F(MainWindowShell, AutomaticFitFollowsTheStoredPreferenceAndItsMenuWritesIt) {
    app.reset();
    desktop.setUserSettingsPath(folder.userSettingsPath());
    {
        Application first(desktop, folder.path());
        ASSERT_TRUE(first.userSettings().save("Autofit", "0"));
    }
    app = std::make_unique<Application>(desktop, folder.path());
    frmMain& m = main();
    EXPECT_FALSE(m.mnuAutoFit.checked());
    m.mnuAutoFit.click();
    EXPECT_TRUE(m.mnuAutoFit.checked());
    EXPECT_EQ(app->userSettings().get("Autofit", ""), "1");
    m.mnuAutoFit.click();
    EXPECT_EQ(app->userSettings().get("Autofit", ""), "0");
}

TEST_F(MainWindowShell, TheStartUpTimerLoadsTheProfileOnce) {
    folder.copyShippedData();
    frmMain& m = main();
    m.lstPalgiHinnad.clear();
    desktop.advanceClock(499);
    EXPECT_EQ(m.lstPalgiHinnad.listCount(), 0);
    desktop.advanceClock(1);
    EXPECT_EQ(m.lstPalgiHinnad.listCount(), 12) << "the shipped profile's price classes";
    EXPECT_GT(m.lstDim.listCount(), 0);
    EXPECT_FALSE(m.tmr_Startup.enabled());
    m.lstPalgiHinnad.clear();
    desktop.advanceClock(5000);
    EXPECT_EQ(m.lstPalgiHinnad.listCount(), 0) << "it runs once";
}

struct NewPatternCase {
    const char* what;
    const char* name;
    bool boards;
    std::optional<MsgResult> answer;  // the save question's answer, when it is asked
    bool cleared;
};

TEST_F(MainWindowShell, NewPatternAsksOnlyForAnUnnamedPatternWithBoards) {
    folder.copyShippedData();  // a named pattern's New reloads the profile's log prices
    const NewPatternCase cases[] = {
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
        m.cmdUusKava.press();
        if (c.answer) {
            EXPECT_EQ(desktop.lastMessage().text, "Will save this pattern?");
            EXPECT_EQ(desktop.lastMessage().title, "Save?");
            EXPECT_EQ(desktop.lastMessage().style, mb::kYesNoCancel);
        } else {
            EXPECT_TRUE(desktop.messages().empty());
        }
        EXPECT_EQ(m.lstSyda.listCount(), c.boards && !c.cleared ? 1 : 0);
        if (c.cleared) {
            EXPECT_EQ(m.lblSaekavanimi.caption(), " ");
        }
    }
}

TEST_F(MainWindowShell, ANamedPatternsNewPatternReloadsTheLogPrices) {
    folder.copyShippedData();
    frmMain& m = main();
    addCentreBoard();
    m.lblSaekavanimi.setCaption("kava1");
    m.cmdUusKava.press();
    EXPECT_EQ(m.lstPalgiHinnad.listCount(), 12);
}

TEST_F(MainWindowShell, ClosingAsksWhileTheEditorHoldsBoards) {
    struct Case {
        const char* what;
        bool boards;
        std::optional<MsgResult> answer;
        bool ends;
    };
    const Case cases[] = {{"no boards: ends at once", false, std::nullopt, true},
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
            EXPECT_EQ(desktop.lastMessage().text,
                      "There is unsaved pattern in editor. Still exit?");
            EXPECT_EQ(desktop.lastMessage().title, "Exit?");
            EXPECT_EQ(desktop.lastMessage().style, mb::kYesNo);
        }
        EXPECT_EQ(desktop.programEnds() - endsBefore, c.ends ? 1 : 0);
        EXPECT_EQ(m.isLoaded(), !c.ends);
    }
}

TEST_F(MainWindowShell, ExitKeepsTheProgramWhenThePlannerKeepsThePattern) {
    frmMain& m = main();
    addCentreBoard();
    desktop.expectMessage(MsgResult::Cancel);
    m.mnuProgramExit.click();
    EXPECT_EQ(desktop.programEnds(), 0);
    EXPECT_EQ(m.lstSyda.listCount(), 1);
    desktop.expectMessage(MsgResult::No);
    m.mnuProgramExit.click();
    EXPECT_EQ(desktop.programEnds(), 1);
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
    EXPECT_EQ(desktop.lastMessage().text, "Probleem abifaili leidimisega!");
    EXPECT_EQ(desktop.lastMessage().title, "LUMBRIX");
    EXPECT_EQ(desktop.lastMessage().style, mb::kCritical);
}

TEST_F(MainWindowShell, TheHeaderFrameStampsTheDateAndKeepsATypedAuthor) {
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
}

TEST_F(MainWindowShell, TheDateFieldTakesDigitsPointAndBackspaceOnly) {
    frmMain& m = main();
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
    ASSERT_EQ(desktop.popupsShown().size(), 1u);
    EXPECT_EQ(desktop.popupsShown()[0].menuName, "mnuArvutused");
    EXPECT_EQ(desktop.popupsShown()[0].xTwips, 3600);
    EXPECT_EQ(desktop.popupsShown()[0].yTwips, 2880);
    EXPECT_TRUE(m.mnuArvutusedKyljelauad.checked());
    m.cmdSobita.MouseDown.raise(mouse::kLeft, 0, 10, 10);
    EXPECT_EQ(desktop.popupsShown().size(), 1u);
    m.cmdSobita.MouseMove.raise(0, 0, 10, 10);
    EXPECT_EQ(m.cmdSobita.toolTipText(), "Right click for menu");
}

TEST_F(MainWindowShell, TheLogPriceButtonShowsTheEditorModally) {
    frmMain& m = main();
    desktop.onNextModal([](Form& editor) { editor.unload(); });
    m.cmdPalgiHinnad.press();
    EXPECT_EQ(desktop.modalWindowsShown(), std::vector<std::string>{"frmPalgiHinnad"});
}

}  // namespace
}  // namespace lumbrix
