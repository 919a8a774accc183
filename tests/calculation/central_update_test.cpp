// The central update: box layout, volumes, yield and shares, stops and messages, timers.
#include <gtest/gtest.h>

#include "main_window_fixture.h"

namespace lumbrix {
namespace {

using test::MainWindowTest;

class CentralUpdate : public MainWindowTest {
  protected:
    void SetUp() override {
        store().txtKetas1saag = "5";
        store().txtKetas2saag = "4";
    }
};

TEST_F(CentralUpdate, LaysOutCentreEdgerAndSideBoxesAroundTheCentreBlock) {
    frmMain& m = main();
    m.lstSyda.addItem(boardRow(47, 145, 50, 150, 5100, 0.035));
    m.lstSyda.addItem(boardRow(47, 145, 50, 150, 5100, 0.035));
    m.lstSeimerYleval.addItem(boardRow(22, 95, 25, 100, 5000, 0.01));
    m.lstKylgVasak.addItem(boardRow(22, 95, 25, 100, 5000, 0.01));
    m.lstKylgParem.addItem(boardRow(22, 95, 25, 100, 5000, 0.01));
    m.lstSeimerAll.addItem(boardRow(22, 95, 25, 100, 5000, 0.01));
    m.lstSeimerAll.addItem(boardRow(22, 95, 25, 100, 5000, 0.01));
    m.uuenda_materjalid();

    struct Box {
        const PictureBox& box;
        double left, top, width, height;
    };
    const Box expected[] = {
        {m.picsyda[0], 180.886, 157.886, 50, 150},
        {m.picsyda[1], 234.886, 157.886, 50, 150},
        {m.picseimeryleval[0], 182.886, 127.886, 100, 25},
        {m.picseimerall[0], 182.886, 312.886, 100, 25},
        {m.picseimerall[1], 182.886, 342.886, 100, 25},
        {m.pickylgvasak[0], 180.886 - 4 - 25, 182.886, 25, 100},
        {m.pickylgparem[0], 234.886 + 50 + 4, 182.886, 25, 100},
    };
    for (const auto& e : expected) {
        SCOPED_TRACE(e.box.name() + "(" + std::to_string(e.box.index()) + ")");
        EXPECT_TRUE(e.box.visible());
        EXPECT_NEAR(e.box.left(), e.left, 1e-9);
        EXPECT_NEAR(e.box.top(), e.top, 1e-9);
        EXPECT_DOUBLE_EQ(e.box.width(), e.width);
        EXPECT_DOUBLE_EQ(e.box.height(), e.height);
    }
    for (const PictureBox* unused : {&m.picsyda[2], &m.picseimeryleval[1], &m.pickylgvasak[1]}) {
        EXPECT_FALSE(unused->visible());
        EXPECT_EQ(unused->width(), 0) << "a box without a board has no size";
    }
    EXPECT_EQ(m.lstSyda.listIndex(), 1) << "every list ends with its last row selected";
    EXPECT_EQ(m.lstSeimerAll.listIndex(), 1);
}

TEST_F(CentralUpdate, RightSideBoardsStartAfterTheLastCentreBox) {
    frmMain& m = main();
    for (int i = 0; i < 3; ++i)
        m.lstSyda.addItem(boardRow(47, 145, 50, 150, 5100, 0.035));
    m.lstKylgParem.addItem(boardRow(22, 95, 25, 100, 5000, 0.01));
    m.uuenda_materjalid();
    EXPECT_NEAR(m.pickylgparem[0].left(), m.picsyda[2].left() + 50 + 4, 1e-9);
}

struct YieldCase {
    const char* what;
    std::vector<double> centre, left, upper;
    const char* sawn;
    const char* yield;
    const char* centreShare;
    const char* sideShare;
    const char* edgerShare;
};

TEST_F(CentralUpdate, YieldAndSharesOfTheSawnVolume) {
    const YieldCase cases[] = {
        {"all families", {0.039, 0.039}, {0.01}, {0.013}, "0.101", "55.20%", "77.2", "9.9", "12.9"},
        {"no edger boards",
         {0.039, 0.039},
         {0.02, 0.02},
         {},
         "0.118",
         "64.50%",
         "66.1",
         "33.9",
         "0.0"},
        // 0.1 + 0.2 sums to a hair above 0.3: the side share must not show "-0.0".
        {"centre boards only", {0.1, 0.2}, {}, {}, "0.3", "163.90%", "100.0", "0.0", "0.0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        frmMain& m = main();
        m.lstSyda.clear();
        m.lstKylgVasak.clear();
        m.lstSeimerYleval.clear();
        for (double v : c.centre)
            m.lstSyda.addItem(boardRow(47, 145, 50, 150, 5100, v));
        for (double v : c.left)
            m.lstKylgVasak.addItem(boardRow(22, 95, 25, 100, 5000, v));
        for (double v : c.upper)
            m.lstSeimerYleval.addItem(boardRow(22, 95, 25, 100, 5000, v));
        m.uuenda_materjalid();
        EXPECT_EQ(m.lblPalgimaht.caption(), "0.183");
        EXPECT_EQ(m.lblSaematerjalMaht.caption(), c.sawn);
        EXPECT_EQ(m.lblvaljatulek.caption(), c.yield);
        EXPECT_EQ(m.lblsydmatosakaal.caption(), c.centreShare);
        EXPECT_EQ(m.lblkyljelauaosakaal.caption(), c.sideShare);
        EXPECT_EQ(m.lblseimrilauaosakaal.caption(), c.edgerShare);
        EXPECT_TRUE(m.cmdShowCalculations.enabled());
        EXPECT_EQ(m.lblZoom.caption(), "Zoom: 100%");
    }
}

TEST_F(CentralUpdate, ASawnVolumeOfZeroStopsSilentlyAndKeepsTheEarlierYield) {
    frmMain& m = main();
    m.lstSyda.addItem(boardRow(47, 145, 50, 150, 5100, 0.039));
    m.uuenda_materjalid();
    ASSERT_EQ(m.lblvaljatulek.caption(), "21.30%");
    m.lstSyda.setList(0, boardRow(47, 145, 50, 150, 5100, 0));
    m.uuenda_materjalid();
    EXPECT_EQ(m.lblSaematerjalMaht.caption(), "0");
    EXPECT_EQ(m.lblvaljatulek.caption(), "21.30%");
    EXPECT_TRUE(m.picsyda[0].visible());
    EXPECT_TRUE(desktop.messages().empty());
}

TEST_F(CentralUpdate, ALogVolumeOfZeroIsReportedInTheCurrentLanguageAtEveryUpdate) {
    struct Case {
        const char* language;
        const char* text;
    };
    const Case cases[] = {
        {"eesti.keel",
         "Palgimahu arvutamises viga! Maht 0tm! Kontrolli seadeid ja mahukoefitsenti!"},
        {"english.keel",
         "There is an error in log volume calculation! Volume is 0m3! Check settings and volume "
         "coefitsent!"},
        {"Eesti.keel",
         "There is an error in log volume calculation! Volume is 0m3! Check settings and volume "
         "coefitsent!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.language);
        frmMain& m = main();
        m.lblValitudKeel.setCaption(c.language);
        m.lstSyda.clear();
        m.lstSyda.addItem(boardRow(47, 145, 50, 150, 5100, 0.039));
        store().txtPalgimahukoefitsent = "0";
        desktop.clearMessages();
        desktop.expectMessage(MsgResult::Ok);
        m.uuenda_materjalid();
        ASSERT_EQ(desktop.messages().size(), 1u);
        EXPECT_EQ(desktop.lastMessage().text, c.text);
        EXPECT_EQ(desktop.lastMessage().style, mb::kOkOnly);
        EXPECT_EQ(desktop.lastMessage().title, "LUMBRIX");
        store().txtPalgimahukoefitsent = "0.95";
    }
}

TEST_F(CentralUpdate, AChangedVolumeCoefficientCountsInTheSameUpdate) {
    frmMain& m = main();
    m.lstSyda.addItem(boardRow(47, 145, 50, 150, 5100, 0.096));
    store().txtPalgimahukoefitsent = "1";
    m.uuenda_materjalid();
    EXPECT_EQ(m.lblvaljatulek.caption(), "50.00%") << "0.096 / 0.192, not / 0.183";
}

TEST_F(CentralUpdate, WithoutCentreBoardsThePatternIsResetAndOtherRowsAreGone) {
    frmMain& m = main();
    m.lstKylgVasak.addItem(boardRow(22, 95, 25, 100, 5000, 0.01));
    m.lstSeimerAll.addItem(boardRow(22, 95, 25, 100, 5000, 0.01));
    m.uuenda_materjalid();
    EXPECT_EQ(m.lstKylgVasak.listCount(), 0);
    EXPECT_EQ(m.lstSeimerAll.listCount(), 0);
    EXPECT_FALSE(m.pickylgvasak[0].visible());
}

TEST_F(CentralUpdate, HeaderGetsTodaysDateAndTheAuthorFromTheEnvironment) {
    desktop.setNow({2027, 1, 5});
    desktop.setEnvironment("USERNAME", "");
    desktop.setEnvironment("USER", "maria");
    frmMain& m = main();
    m.lstSyda.addItem(boardRow(47, 145, 50, 150, 5100, 0.039));
    m.txtKavaKoostaja.setText("");
    m.uuenda_materjalid();
    EXPECT_EQ(m.txtKavaKuupaev.text(), "05.01.27");
    EXPECT_EQ(m.txtKavaKoostaja.text(), "maria");
    m.txtKavaKoostaja.setText("Jaan");
    m.uuenda_materjalid();
    EXPECT_EQ(m.txtKavaKoostaja.text(), "Jaan") << "a typed author is kept";
}

TEST_F(CentralUpdate, OuterBoxesAreRedWhenTheirCornerDiameterReachesTheLogDiameter) {
    struct Case {
        const char* diameter;
        Color colour;
    };
    // Three centre boards of 50 and side boards of 25 x 231 need exactly 319 mm: 220 x 231.
    const Case cases[] = {{"319", colors::kRed}, {"320", colors::kOrange}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.diameter);
        frmMain& m = main();
        m.lstSyda.clear();
        m.lstKylgVasak.clear();
        for (int i = 0; i < 3; ++i)
            m.lstSyda.addItem(boardRow(47, 145, 50, 150, 5100, 0.035));
        m.lstKylgVasak.addItem(boardRow(22, 225, 25, 231, 5000, 0.025));
        m.scrDiameeter.setValue(std::stoi(c.diameter));
        m.uuenda_materjalid();
        EXPECT_EQ(m.pickylgvasak[0].backColor(), c.colour);
        EXPECT_EQ(m.pickylgparem[0].backColor(), c.colour) << "both sides take the colour";
        EXPECT_EQ(m.picseimerall[0].backColor(), colors::kOrange) << "no edger boards";
    }
}

TEST_F(CentralUpdate, ATimerArmedTwiceRunsOneUpdate) {
    frmMain& m = main();
    m.lstSyda.addItem(boardRow(47, 145, 50, 150, 5100, 0.039));
    store().txtPalgimahukoefitsent = "0";  // every update then shows one message
    m.tmr_update.setEnabled(true);
    m.tmr_update.setEnabled(true);
    desktop.expectMessage(MsgResult::Ok);
    desktop.advanceClock(10);
    EXPECT_EQ(desktop.messages().size(), 1u);
    EXPECT_FALSE(m.tmr_update.enabled());
}

TEST_F(CentralUpdate, AnUnnamedPatternHasAnEmptyOrSingleBlankName) {
    frmMain& m = main();
    for (const auto& [name, unnamed] : std::vector<std::pair<std::string, bool>>{
             {"", true}, {" ", true}, {"  ", false}, {"kava1", false}}) {
        m.lblSaekavanimi.setCaption(name);
        EXPECT_EQ(m.patternIsUnnamed(), unnamed) << "'" << name << "'";
    }
}

}  // namespace
}  // namespace lumbrix
