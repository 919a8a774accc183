// Building a pattern on the main window: placing and removing boards, hovering the drawing,
// zooming, and the results panel's tooltips and launchers.
#include <gtest/gtest.h>

#include "catalogue/product_row.h"
#include "main_window_fixture.h"
#include "mainwindow/board_lists.h"
#include "store/board_row.h"

namespace lumbrix {
namespace {

using test::MainWindowTest;

class PatternEditing : public MainWindowTest {
  protected:
    void SetUp() override {
        main().mnuAutoFit.setChecked(false);
        pick("50", "150", "52", "156", "247.8");
    }
    // Picks a product as the dimension picker does: its row and price into the store.
    void pick(const char* t, const char* w, const char* st, const char* sw, const char* price) {
        ProductFields f{t, w, st, sw, price, {}, {}, "18", ""};
        f.shares = {"100", "0", "0", "0", "0", "0"};
        f.prices = {price, "0", "0", "0", "0", "0"};
        const ProductRowBuild built = buildProductRow(f);
        ASSERT_TRUE(built.ok()) << built.refusal;
        store().txtristloige = built.row;
        store().txttootehind = productColumns(built.row).price;
    }
    void expectInfo(const std::string& text) {
        EXPECT_EQ(desktop.lastMessage().text, text);
        EXPECT_EQ(desktop.lastMessage().title, "Info");
        EXPECT_EQ(desktop.lastMessage().style, mb::kInformation);
    }
};

TEST_F(PatternEditing, ACentreBoardIsComposedLaidOutAndTheNinthIsRefused) {
    frmMain& m = main();
    m.cmdCenter.press();
    ASSERT_EQ(m.lstSyda.listCount(), 1);
    const std::string row = m.lstSyda.list(0);
    EXPECT_EQ(row.substr(0, 31), "50.000x150.00  52.000x156.00   ");
    const BoardRow board(row);
    EXPECT_EQ(board.lengthText(), "5100");  // 5200 less the centre trim of 100
    EXPECT_EQ(board.volumeText(), "0.038");
    EXPECT_EQ(board.priceText(), "247.8");
    EXPECT_EQ(row.size(), 55u) << "the fixed columns";
    EXPECT_TRUE(m.picsyda[0].visible());
    EXPECT_DOUBLE_EQ(m.picsyda[0].width(), 52);
    EXPECT_FALSE(m.lblvaljatulek.caption().empty()) << "the update ran";

    for (int i = 1; i < 8; ++i)
        m.cmdCenter.press();
    desktop.expectMessage(MsgResult::Ok);
    m.cmdCenter.press();
    expectInfo("In version 3.0 maximum 8 ex log patterns allowed");
    EXPECT_EQ(m.lstSyda.listCount(), 8);
}

TEST_F(PatternEditing, OuterBoardsNeedCentreBoardsAndStopAtTwoPerPosition) {
    frmMain& m = main();
    desktop.expectMessage(MsgResult::Ok);
    m.cmdSideLeft.press();
    expectInfo("Please select centerboards first!");
    EXPECT_EQ(m.lstKylgVasak.listCount(), 0);

    m.cmdCenter.press();
    pick("22", "100", "24", "104", "180.0");
    const struct {
        CommandButton& button;
        ListBox& list;
    } cases[] = {{m.cmdSideLeft, m.lstKylgVasak},
                 {m.cmdSideRight, m.lstKylgParem},
                 {m.cmdSeimerAll, m.lstSeimerAll},
                 {m.cmdSeimerYleval, m.lstSeimerYleval}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.list.name());
        c.button.press();
        c.button.press();
        EXPECT_EQ(c.list.listCount(), 2);
        EXPECT_EQ(BoardRow(c.list.list(0)).lengthText(), "5100") << "the board trim";
        const std::string yieldBefore = m.lblvaljatulek.caption();
        desktop.expectMessage(MsgResult::Ok);
        c.button.press();
        expectInfo("In version 3.0 maximum 2 edgerboards allowed from one side");
        EXPECT_EQ(c.list.listCount(), 2);
        EXPECT_EQ(m.lblvaljatulek.caption(), yieldBefore);
    }
}

TEST_F(PatternEditing, AutomaticFitFollowsTheModeAndHoveringABoardHighlightsIt) {
    frmMain& m = main();
    m.mnuAutoFit.setChecked(true);
    for (int i = 0; i < 3; ++i)
        m.cmdCenter.press();
    EXPECT_EQ(m.txtPalk.text(), "239") << "fitted to the centre block";
    EXPECT_EQ(m.lblUpdated.caption(), "1");
    pick("22", "100", "24", "104", "180.0");
    m.cmdSideLeft.press();
    EXPECT_EQ(m.txtPalk.text(), "239") << "centre mode: a side board does not fit the log";
    m.mnuArvutusedKyljelauad.click();
    m.cmdSideRight.press();
    EXPECT_EQ(m.txtPalk.text(), "247") << "side mode: the side row governs (224 x 104)";

    // Hovering a board highlights it and shows its sizes.
    m.picsyda[2].MouseMove.raise(0, 0, 1, 1);
    EXPECT_EQ(m.lstSyda.listIndex(), 2);
    EXPECT_EQ(m.lblinfo.caption(), m.lstSyda.list(2).substr(0, 29));
    EXPECT_EQ(m.lblActiveBoard.caption(), "Centre 2");
    EXPECT_EQ(m.picsyda[2].backColor(), colors::kRed);
    EXPECT_EQ(m.picsyda[0].backColor(), colors::kOrange);
    EXPECT_EQ(m.picsyda[2].toolTipText(), m.lblinfo.caption());

    m.pickylgparem[0].MouseMove.raise(0, 0, 1, 1);  // straight onto a side board
    EXPECT_EQ(m.pickylgparem[0].backColor(), colors::kRed);
    EXPECT_EQ(m.picsyda[2].backColor(), colors::kRed) << "only the side pair is reset";

    m.picBack.MouseMove.raise(0, 0, 5, 5);
    EXPECT_EQ(m.picsyda[2].backColor(), colors::kOrange);
    EXPECT_EQ(m.pickylgparem[0].backColor(), colors::kOrange);
    EXPECT_EQ(m.lblinfo.caption(), "");
    EXPECT_EQ(m.lblZoom.caption(), "Zoom: 100%");
    EXPECT_EQ(m.cmdSobita.toolTipText(), "Right click for menu");
}

TEST_F(PatternEditing, RemovingBoardsFromAListOrFromTheDrawing) {
    frmMain& m = main();
    for (const char* t : {"47", "50", "63"}) {
        pick(t, "150", t, "156", "247.8");
        m.cmdCenter.press();
    }
    pick("22", "100", "24", "104", "180.0");
    m.cmdSideLeft.press();
    m.cmdSideLeft.press();

    m.lstSyda.setListIndex(1);
    m.lstSyda.DblClick.raise();
    ASSERT_EQ(m.lstSyda.listCount(), 2);
    EXPECT_EQ(BoardRow(m.lstSyda.list(1)).nominalThickness(), 63) << "the rows below move up";
    EXPECT_FALSE(m.picsyda[2].visible());
    EXPECT_EQ(store().lblSydaosakaal[2], "") << "a removed board's results are blank";

    m.lstKylgVasak.setListIndex(0);
    m.pickylgvasak[1].DblClick.raise();
    EXPECT_EQ(m.lstKylgVasak.listCount(), 1) << "the box's own row goes, not the selected one";

    m.lstKylgVasak.setListIndex(-1);
    m.lstKylgVasak.DblClick.raise();
    EXPECT_EQ(m.lstKylgVasak.listCount(), 1) << "no row selected: nothing is removed";
}

TEST_F(PatternEditing, ClickingABoardPicksItsFamilyAndRightClicksOpenThePatternAndProfileMenus) {
    folder.copyShippedData();  // switching the picker's family reloads the profile
    frmMain& m = main();
    m.cmdCenter.press();
    m.optSeimrilaud.setValue(true);
    m.picsyda[0].Click.raise();
    EXPECT_TRUE(m.optSydmat.value());
    desktop.choosePopupItem("");
    m.picsyda[0].MouseDown.raise(mouse::kRight, 0, 1, 1);
    m.picBack.MouseDown.raise(mouse::kLeft, 0, 1, 1);
    ASSERT_EQ(desktop.popupsShown().size(), 1u);
    EXPECT_EQ(desktop.popupsShown()[0].menuName, "mnupalk");
    EXPECT_TRUE(desktop.popupsShown()[0].atPointer);
    desktop.choosePopupItem("");
    m.lblValitudProfiil.MouseDown.raise(mouse::kRight, 0, 1, 1);
    m.lblValitudProfiil.MouseDown.raise(mouse::kMiddle, 0, 1, 1);
    ASSERT_EQ(desktop.popupsShown().size(), 2u);
    EXPECT_EQ(desktop.popupsShown()[1].menuName, "mnuprofiil");
    // Under the label that opened it.
    EXPECT_EQ(desktop.popupsShown()[1].xTwips, m.lblValitudProfiil.left());
    EXPECT_EQ(desktop.popupsShown()[1].yTwips,
              m.lblValitudProfiil.top() + m.lblValitudProfiil.height());
}

TEST_F(PatternEditing, ZoomStepsAndTheirEnds) {
    frmMain& m = main();
    m.cmdCenter.press();
    m.Command2.press();
    EXPECT_DOUBLE_EQ(m.picBack.scaleHeight(), 415.772);
    EXPECT_EQ(m.lblZoom.caption(), "Zoom: 110%");
    m.Command2.press();
    EXPECT_EQ(m.lblZoom.caption(), "Zoom: 130%");
    for (int i = 0; i < 7; ++i)
        m.Command2.press();
    EXPECT_EQ(m.lblZoom.caption(), "Zoom: 2950%");
    m.Command2.press();
    EXPECT_EQ(desktop.beeps(), 1);
    for (int i = 0; i < 19; ++i)
        m.Command3.press();
    EXPECT_EQ(m.lblZoom.caption(), "Zoom: 50%");
    m.Command3.press();
    EXPECT_EQ(desktop.beeps(), 2);
}

TEST_F(PatternEditing, ResultLabelsExplainThemselvesAndTheLogVolumeItsFormula) {
    frmMain& m = main();
    const struct {
        Label& label;
        const char* estonian;
        const char* english;
    } cases[] = {
        {m.lblsydmatosakaal, "Südamematerjalide osakaal", "Share of centerboards"},
        {m.lblPalgiHinnaInfo, "Veateated", "Error messages"},
        {m.lblPalgimaht, "Valemi nägemiseks tehke klik", "Click to see the formula"},
    };
    for (const auto& c : cases) {
        m.lblValitudKeel.setCaption("eesti.keel");
        c.label.MouseMove.raise(0, 0, 1, 1);
        EXPECT_EQ(c.label.toolTipText(), c.estonian);
        m.lblValitudKeel.setCaption("english.keel");
        c.label.MouseMove.raise(0, 0, 1, 1);
        EXPECT_EQ(c.label.toolTipText(), c.english);
    }
    // A click on the log volume shows its formula with the current values.
    desktop.expectMessage(MsgResult::Ok);
    m.lblPalgimaht.Click.raise();
    EXPECT_EQ(desktop.lastMessage().title, "Log volume formula");
    EXPECT_EQ(desktop.lastMessage().style, mb::kInformation);
    EXPECT_EQ(desktop.lastMessage().text,
              "Formula used for log volume calculations (based on ESTONIAN VOLUMETABLE):\r\n"
              "log volume = ((((200/ 10) * (200 / 10) * 5.2) * (0.797 + 0.0153 * 5.2) + 3.74 * "
              "5.2 * 5.2) / 10000) * 0.95")
        << "the length in metres, so that the formula gives the volume shown (0.183)";
}

TEST_F(PatternEditing, TheLogPriceNoticeOpensTheEditorOnlyForAMissingLogCost) {
    frmMain& m = main();
    m.lblPalgiHinnaInfo.DblClick.raise();  // no centre boards: nothing
    m.cmdCenter.press();
    m.lblPalgiHinnaInfo.DblClick.raise();  // a log cost is shown: nothing
    EXPECT_TRUE(desktop.modalWindowsShown().empty());
    m.lblPalgikuluHind.setCaption("");
    desktop.onNextModal([](Form& editor) { editor.unload(); });
    m.lblPalgiHinnaInfo.DblClick.raise();
    EXPECT_EQ(desktop.modalWindowsShown(), std::vector<std::string>{"frmPalgiHinnad"});
}

TEST_F(PatternEditing, BoardListsShowAndTakeNoMoreRowsThanTheirPositionHolds) {
    frmMain& m = main();
    const struct {
        ListBox& list;
        int capacity;
    } cases[] = {{m.lstSyda, 8},
                 {m.lstSeimerAll, 2},
                 {m.lstSeimerYleval, 2},
                 {m.lstKylgVasak, 2},
                 {m.lstKylgParem, 2}};
    constexpr double kRow = ListBox::kRowHeightPixels * kTwipsPerPixel;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.list.name());
        EXPECT_EQ(boardListCapacity(c.list), c.capacity);
        EXPECT_GE(c.list.height(), c.capacity * kRow + 2 * kTwipsPerPixel);
        EXPECT_LT(c.list.height(), (c.capacity + 1) * kRow);
        for (int i = 0; i < c.capacity; ++i)
            EXPECT_TRUE(appendBoardRow(c.list, "row"));
        EXPECT_FALSE(appendBoardRow(c.list, "one too many"));
        EXPECT_EQ(c.list.listCount(), c.capacity);
    }
}

}  // namespace
}  // namespace lumbrix
