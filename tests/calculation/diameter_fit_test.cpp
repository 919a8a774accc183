// The diameter fit and the calculation mode.
#include <gtest/gtest.h>

#include "main_window_fixture.h"
#include "store/board_row.h"

namespace lumbrix {
namespace {

class DiameterFit : public test::MainWindowTest {
  protected:
    void SetUp() override { setSideMode(false); }
    void setSideMode(bool side) {
        main().mnuArvutusedSydamematerjal.setChecked(!side);
        main().mnuArvutusedKyljelauad.setChecked(side);
    }
    void addCentre(int count) {
        for (int i = 0; i < count; ++i)
            main().lstSyda.addItem(boardRow(47, 145, 50, 150, 5100, 0.035));
    }
};

TEST_F(DiameterFit, SideModeWithoutOuterBoardsSwitchesToCentreModeWhichFitsTheCentreBlock) {
    frmMain& m = main();
    addCentre(3);  // not laid out yet: the fit lays the boxes out from the rows itself
    setSideMode(true);
    m.cmdSobita.press();
    EXPECT_TRUE(m.mnuArvutusedSydamematerjal.checked());
    EXPECT_FALSE(m.mnuArvutusedKyljelauad.checked());
    EXPECT_EQ(m.txtPalk.text(), "200") << "no diameter at the first press";
    m.cmdSobita.press();
    EXPECT_EQ(m.txtPalk.text(), "231");  // W 166, H 160 with the kerfs: 230.56
    EXPECT_EQ(m.scrDiameeter.value(), 231);
    EXPECT_EQ(m.lblUpdated.caption(), "1");
    EXPECT_EQ(m.lblPalgimaht.caption(), "0.241") << "the log was redrawn";
}

TEST_F(DiameterFit, SideModeFitsTheLargerOfTheSideRowAndTheEdgerStack) {
    struct Case {
        const char* what;
        int upperEdgers;
        bool updateBeforeSideBoards;  // a board placed just before the fit still counts
        const char* diameter;
    };
    const Case cases[] = {{"side row governs", 0, false, "242"},  // 220 x 100
                          {"side boards placed after the update", 0, true, "242"},
                          {"edger stack governs", 2, false, "290"}};  // 200 x 210
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        frmMain& m = main();
        for (ListBox* list : {&m.lstSyda, &m.lstSeimerYleval, &m.lstKylgVasak, &m.lstKylgParem})
            list->clear();
        addCentre(3);
        if (c.updateBeforeSideBoards) m.uuenda_materjalid();
        m.lstKylgVasak.addItem(boardRow(22, 95, 25, 100, 5000, 0.01));
        m.lstKylgParem.addItem(boardRow(22, 95, 25, 100, 5000, 0.01));
        for (int i = 0; i < c.upperEdgers; ++i)
            m.lstSeimerYleval.addItem(boardRow(22, 195, 25, 200, 5000, 0.02));
        setSideMode(true);
        m.cmdSobita.press();
        EXPECT_EQ(m.txtPalk.text(), c.diameter);
    }
}

TEST_F(DiameterFit, TheDiameterStaysWithin10To600) {
    struct Case {
        const char *thickness, *width;
        const char* diameter;  // nullptr: refused
    };
    const Case cases[] = {{"360", "480", "600"},       // exactly 600
                          {"360", "480.01", nullptr},  // 600.008
                          {"5", "5", "10"}};  // a 7 mm diagonal gets the scroll bar's smallest
    for (const auto& c : cases) {
        SCOPED_TRACE(c.width);
        frmMain& m = main();
        m.lblValitudKeel.setCaption("english.keel");
        store().txtKetas1saag = "0";
        store().txtKetas2saag = "0";
        const auto size = [](const std::string& t) { return std::string(6 - t.size(), ' ') + t; };
        m.lstSyda.clear();
        m.lstSyda.addItem(boardRowHead(size("47"), size("145"), size(c.thickness), size(c.width)) +
                          "5100     0.035     450");
        m.lblUpdated.setCaption("0");
        m.txtPalk.setText("200");
        desktop.clearMessages();
        if (!c.diameter) desktop.expectMessage(MsgResult::Ok);
        m.cmdSobita.press();
        if (c.diameter) {
            EXPECT_EQ(m.txtPalk.text(), c.diameter);
            EXPECT_TRUE(desktop.messages().empty());
        } else {
            EXPECT_EQ(desktop.lastMessage().text, "Log diameter exceeds maximum allowed (600mm)!");
            EXPECT_EQ(desktop.lastMessage().style, mb::kInformation);
            EXPECT_EQ(desktop.lastMessage().title, "LUMBRIX");
            EXPECT_EQ(m.txtPalk.text(), "200");
            EXPECT_EQ(m.lblUpdated.caption(), "0");
        }
    }
}

TEST_F(DiameterFit, EachModeItemSwitchesTheModeWhetherTickedOrNot) {
    frmMain& m = main();
    const std::pair<Menu*, bool> steps[] = {{&m.mnuArvutusedSydamematerjal, false},
                                            {&m.mnuArvutusedSydamematerjal, true},
                                            {&m.mnuArvutusedKyljelauad, false},
                                            {&m.mnuArvutusedKyljelauad, true}};
    for (const auto& [item, centreAfter] : steps) {
        item->click();
        EXPECT_EQ(m.mnuArvutusedSydamematerjal.checked(), centreAfter);
        EXPECT_EQ(m.mnuArvutusedKyljelauad.checked(), !centreAfter);
    }
}

}  // namespace
}  // namespace lumbrix
