// The central update: box layout, volumes, yield and shares, stops and messages, timers.
#include <gtest/gtest.h>

#include "main_window_fixture.h"

namespace lumbrix {
namespace {

class CentralUpdate : public test::MainWindowTest {
  protected:
    const std::string centre = boardRow(47, 145, 50, 150, 5100, 0.035);
    const std::string side = boardRow(22, 95, 25, 100, 5000, 0.01);
};

TEST_F(CentralUpdate, LaysOutCentreEdgerAndSideBoxesAroundTheCentreBlock) {
    frmMain& m = main();
    for (ListBox* list : {&m.lstSyda, &m.lstSyda})
        list->addItem(centre);
    for (ListBox* list :
         {&m.lstSeimerYleval, &m.lstKylgVasak, &m.lstKylgParem, &m.lstSeimerAll, &m.lstSeimerAll})
        list->addItem(side);
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
    EXPECT_EQ(m.lstSeimerAll.listIndex(), 1) << "every list ends with its last row selected";
}

TEST_F(CentralUpdate, YieldAndSharesOfTheSawnVolume) {
    frmMain& m = main();
    // Log volume, sawn volume, yield, centre, side and edger shares after one update.
    const auto check = [&](const char* what, const char* coefficient, std::vector<double> centre,
                           std::vector<double> left, std::vector<double> upper,
                           const std::string& expected) {
        SCOPED_TRACE(what);
        store().txtPalgimahukoefitsent = coefficient;
        for (ListBox* list : {&m.lstSyda, &m.lstKylgVasak, &m.lstSeimerYleval})
            list->clear();
        for (double v : centre)
            m.lstSyda.addItem(boardRow(47, 145, 50, 150, 5100, v));
        for (double v : left)
            m.lstKylgVasak.addItem(boardRow(22, 95, 25, 100, 5000, v));
        for (double v : upper)
            m.lstSeimerYleval.addItem(boardRow(22, 95, 25, 100, 5000, v));
        m.uuenda_materjalid();
        std::string shown;
        for (const Label* l :
             {&m.lblPalgimaht, &m.lblSaematerjalMaht, &m.lblvaljatulek, &m.lblsydmatosakaal,
              &m.lblkyljelauaosakaal, &m.lblseimrilauaosakaal})
            shown += (shown.empty() ? "" : " ") + l->caption();
        EXPECT_EQ(shown, expected);
        EXPECT_TRUE(m.cmdShowCalculations.enabled());
    };
    check("all families", "0.95", {0.039, 0.039}, {0.01}, {0.013},
          "0.183 0.101 55.20% 77.2 9.9 12.9");
    check("no edger boards", "0.95", {0.039, 0.039}, {0.02, 0.02}, {},
          "0.183 0.118 64.50% 66.1 33.9 0.0");
    // 0.1 + 0.2 sums to a hair above 0.3: the side share must not show "-0.0".
    check("centre boards only", "0.95", {0.1, 0.2}, {}, {}, "0.183 0.3 163.90% 100.0 0.0 0.0");
    check("a changed coefficient counts at once", "1", {0.096}, {}, {},
          "0.192 0.096 50.00% 100.0 0.0 0.0");

    // A sawn volume of 0 stops the update silently and keeps the earlier yield.
    main().lstSyda.setList(0, boardRow(47, 145, 50, 150, 5100, 0));
    main().uuenda_materjalid();
    EXPECT_EQ(main().lblSaematerjalMaht.caption(), "0");
    EXPECT_EQ(main().lblvaljatulek.caption(), "50.00%");
    EXPECT_TRUE(desktop.messages().empty());
}

TEST_F(CentralUpdate, ALogVolumeOfZeroIsReportedInEachLanguageAndATimerArmedTwiceUpdatesOnce) {
    const char* const english =
        "There is an error in log volume calculation! Volume is 0m3! Check settings and volume "
        "coefitsent!";
    const std::pair<const char*, const char*> cases[] = {
        {"eesti.keel",
         "Palgimahu arvutamises viga! Maht 0tm! Kontrolli seadeid ja mahukoefitsenti!"},
        {"english.keel", english},
        {"Eesti.keel", english}};
    frmMain& m = main();
    m.lstSyda.addItem(centre);
    store().txtPalgimahukoefitsent = "0";
    for (const auto& [language, text] : cases) {
        SCOPED_TRACE(language);
        m.lblValitudKeel.setCaption(language);
        desktop.clearMessages();
        desktop.expectMessage(MsgResult::Ok);
        m.uuenda_materjalid();
        ASSERT_EQ(desktop.messages().size(), 1u);
        EXPECT_EQ(desktop.lastMessage().text, text);
        EXPECT_EQ(desktop.lastMessage().style, mb::kOkOnly);
        EXPECT_EQ(desktop.lastMessage().title, "LUMBRIX");
    }
    desktop.clearMessages();
    m.tmr_update.setEnabled(true);  // a timer armed twice runs one update
    m.tmr_update.setEnabled(true);
    desktop.expectMessage(MsgResult::Ok);
    desktop.advanceClock(10);
    EXPECT_EQ(desktop.messages().size(), 1u);
    EXPECT_FALSE(m.tmr_update.enabled());
}

TEST_F(CentralUpdate, ALogTheDrawingRefusesLeavesEveryFigureOfTheLastAcceptedLog) {
    frmMain& m = main();
    m.lstSyda.addItem(centre);
    m.lstKylgVasak.addItem(side);
    m.scrDiameeter.setValue(250);
    const char* const figures[] = {
        "lblPalgimaht",   "lblSaematerjalMaht",        "lblvaljatulek",
        "lblpalgikulutm", "lblvaljatulekpuruprotsent", "lblvaljatulekhakeprotsent",
        "lblMarginHake",  "lblPalgikuluHind",          "lblsaekavahind",
        "lblmargintotal", "lblmargintotalEBITDA",      "lblCBBreakEven",
        "lblRawATPEBIT",  "lblNETrawmaterial"};
    std::vector<std::string> before;
    for (const char* name : figures)
        before.push_back(m.findControl(name)->caption());

    const struct {
        TextBox& box;
        const char* text;
    } refused[] = {
        {m.txtPalk, "99999"}, {m.txtPalk, "abc"}, {m.txtPikkus, "7000"}, {m.txtKoone, "11"}};
    for (const auto& r : refused) {
        SCOPED_TRACE(r.box.name() + " " + r.text);
        const std::string kept = r.box.text();
        r.box.setText(r.text);
        desktop.clearMessages();
        desktop.expectMessage(MsgResult::Ok);
        m.uuenda_materjalid();
        ASSERT_EQ(desktop.messages().size(), 1u) << "the drawing says why, and only it";
        EXPECT_EQ(desktop.lastMessage().title, "Joonista_palk");
        for (std::size_t i = 0; i < before.size(); ++i)
            EXPECT_EQ(m.findControl(figures[i])->caption(), before[i]) << figures[i];
        r.box.setText(kept);
    }
}

TEST_F(CentralUpdate, OuterBoxesAreRedWhenTheirCornerDiameterReachesTheLogDiameter) {
    // Three centre boards of 50 and side boards of 25 x 231 need exactly 319 mm: 220 x 231.
    const std::pair<int, Color> cases[] = {{319, colors::kRed}, {320, colors::kOrange}};
    frmMain& m = main();
    for (int i = 0; i < 3; ++i)
        m.lstSyda.addItem(centre);
    m.lstKylgVasak.addItem(boardRow(22, 225, 25, 231, 5000, 0.025));
    for (const auto& [diameter, colour] : cases) {
        SCOPED_TRACE(diameter);
        m.scrDiameeter.setValue(diameter);
        m.uuenda_materjalid();
        EXPECT_EQ(m.pickylgvasak[0].backColor(), colour);
        EXPECT_EQ(m.pickylgparem[0].backColor(), colour) << "both sides take the colour";
        EXPECT_EQ(m.picseimerall[0].backColor(), colors::kOrange) << "no edger boards";
    }
}

TEST_F(CentralUpdate, HeaderGetsTodaysDateAndTheAuthorFromTheEnvironment) {
    desktop.setNow({2027, 1, 5});
    desktop.setEnvironment("USERNAME", "");
    desktop.setEnvironment("USER", "maria");
    frmMain& m = main();
    m.lstSyda.addItem(centre);
    m.txtKavaKoostaja.setText("");
    m.uuenda_materjalid();
    EXPECT_EQ(m.txtKavaKuupaev.text(), "05.01.27");
    EXPECT_EQ(m.txtKavaKoostaja.text(), "maria");
    m.txtKavaKoostaja.setText("Jaan");
    m.uuenda_materjalid();
    EXPECT_EQ(m.txtKavaKoostaja.text(), "Jaan") << "a typed author is kept";
    for (const auto& [name, unnamed] : std::vector<std::pair<std::string, bool>>{
             {"", true}, {" ", true}, {"  ", false}, {"kava1", false}}) {
        m.lblSaekavanimi.setCaption(name);
        EXPECT_EQ(m.patternIsUnnamed(), unnamed) << "'" << name << "'";
    }
}

}  // namespace
}  // namespace lumbrix
