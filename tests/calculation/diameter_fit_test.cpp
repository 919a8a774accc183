// The diameter fit and the calculation mode.
#include <gtest/gtest.h>

#include "main_window_fixture.h"

namespace lumbrix {
namespace {

using test::MainWindowTest;

class DiameterFit : public MainWindowTest {
  protected:
    void SetUp() override {
        store().txtKetas1saag = "5";
        store().txtKetas2saag = "4";
        main().mnuArvutusedSydamematerjal.setChecked(true);
        main().mnuArvutusedKyljelauad.setChecked(false);
    }
    void addCentre(int count, double thickness = 50, double width = 150) {
        for (int i = 0; i < count; ++i) {
            main().lstSyda.addItem(boardRow(47, 145, thickness, width, 5100, 0.035));
        }
    }
    void sideMode() {
        main().mnuArvutusedSydamematerjal.setChecked(false);
        main().mnuArvutusedKyljelauad.setChecked(true);
    }
};

TEST_F(DiameterFit, CentreModeFitsTheCentreBlockWithItsKerfs) {
    frmMain& m = main();
    addCentre(3);  // not laid out yet: the fit lays the boxes out from the rows itself
    m.cmdSobita.press();
    EXPECT_EQ(m.txtPalk.text(), "231");  // W 166, H 160: 230.56
    EXPECT_EQ(m.scrDiameeter.value(), 231);
    EXPECT_EQ(m.lblUpdated.caption(), "1");
    EXPECT_EQ(m.lblPalgimaht.caption(), "0.241") << "the log was redrawn";
    EXPECT_FALSE(m.lblvaljatulek.caption().empty()) << "the update ran";
}

TEST_F(DiameterFit, SideModeFitsTheLargerOfTheSideRowAndTheEdgerStack) {
    struct Case {
        const char* what;
        int upperEdgers;
        const char* diameter;
    };
    const Case cases[] = {{"side row governs", 0, "242"},      // 220 x 100
                          {"edger stack governs", 2, "290"}};  // 200 x 210
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        frmMain& m = main();
        m.lstSyda.clear();
        m.lstSeimerYleval.clear();
        addCentre(3);
        m.lstKylgVasak.clear();
        m.lstKylgParem.clear();
        m.lstKylgVasak.addItem(boardRow(22, 95, 25, 100, 5000, 0.01));
        m.lstKylgParem.addItem(boardRow(22, 95, 25, 100, 5000, 0.01));
        for (int i = 0; i < c.upperEdgers; ++i) {
            m.lstSeimerYleval.addItem(boardRow(22, 195, 25, 200, 5000, 0.02));
        }
        sideMode();
        m.cmdSobita.press();
        EXPECT_EQ(m.txtPalk.text(), c.diameter);
    }
}

TEST_F(DiameterFit, ABoardPlacedJustBeforeTheFitIsCounted) {
    frmMain& m = main();
    addCentre(3);
    m.uuenda_materjalid();
    m.lstKylgVasak.addItem(boardRow(22, 95, 25, 100, 5000, 0.01));  // no update since
    m.lstKylgParem.addItem(boardRow(22, 95, 25, 100, 5000, 0.01));
    sideMode();
    m.cmdSobita.press();
    EXPECT_EQ(m.txtPalk.text(), "242");
}

TEST_F(DiameterFit, SideModeWithoutOuterBoardsOnlySwitchesToCentreMode) {
    frmMain& m = main();
    addCentre(3);
    sideMode();
    m.cmdSobita.press();
    EXPECT_TRUE(m.mnuArvutusedSydamematerjal.checked());
    EXPECT_FALSE(m.mnuArvutusedKyljelauad.checked());
    EXPECT_EQ(m.txtPalk.text(), "200") << "no diameter at the first press";
    m.cmdSobita.press();
    EXPECT_EQ(m.txtPalk.text(), "231");
}

TEST_F(DiameterFit, ADiameterAbove600IsRefusedAndNothingChanges) {
    struct Case {
        const char* width;
        bool accepted;
    };
    const Case cases[] = {{"480", true}, {"480.01", false}};  // with thickness 360: 600 and 600.008
    for (const auto& c : cases) {
        SCOPED_TRACE(c.width);
        frmMain& m = main();
        m.lblValitudKeel.setCaption("english.keel");
        store().txtKetas1saag = "0";
        store().txtKetas2saag = "0";
        m.lstSyda.clear();
        std::string row = boardRow(47, 145, 360, 480, 5100, 0.035);
        const std::string width = c.width;
        row.replace(22, 6, std::string(6 - width.size(), ' ') + width);  // columns 23-28
        m.lstSyda.addItem(row);
        m.lblUpdated.setCaption("0");
        m.txtPalk.setText("200");
        desktop.clearMessages();
        if (!c.accepted) desktop.expectMessage(MsgResult::Ok);
        m.cmdSobita.press();
        if (c.accepted) {
            EXPECT_EQ(m.txtPalk.text(), "600");
        } else {
            EXPECT_EQ(desktop.lastMessage().text, "Log diameter exceeds maximum allowed (600mm)!");
            EXPECT_EQ(desktop.lastMessage().style, mb::kInformation);
            EXPECT_EQ(desktop.lastMessage().title, "LUMBRIX");
            EXPECT_EQ(m.txtPalk.text(), "200");
            EXPECT_EQ(m.lblUpdated.caption(), "0");
        }
    }
}

TEST_F(DiameterFit, ATinyPatternGetsTheSmallestDiameterTheScrollBarAllows) {
    frmMain& m = main();
    store().txtKetas1saag = "0";
    store().txtKetas2saag = "0";
    addCentre(1, 5, 5);  // a 7 mm diagonal
    m.cmdSobita.press();
    EXPECT_EQ(m.txtPalk.text(), "10");
    EXPECT_TRUE(desktop.messages().empty());
}

TEST_F(DiameterFit, EachModeItemSwitchesTheModeWhetherTickedOrNot) {
    frmMain& m = main();
    struct Step {
        Menu& item;
        bool centreAfter;
    };
    const Step steps[] = {{m.mnuArvutusedSydamematerjal, false},
                          {m.mnuArvutusedSydamematerjal, true},
                          {m.mnuArvutusedKyljelauad, false},
                          {m.mnuArvutusedKyljelauad, true}};
    for (const auto& s : steps) {
        s.item.click();
        EXPECT_EQ(m.mnuArvutusedSydamematerjal.checked(), s.centreAfter);
        EXPECT_EQ(m.mnuArvutusedKyljelauad.checked(), !s.centreAfter);
    }
}

}  // namespace
}  // namespace lumbrix
