// The economics of a pattern: log cost, by-products, margin, costs, break-even and the price
// the mill can pay for its logs, checked label by label.
#include <gtest/gtest.h>

#include "main_window_fixture.h"
#include "millsettings/frm_palgi_hinnad.h"

namespace lumbrix {
namespace {

using test::MainWindowTest;

const char* const kCentreRow = "47.000x145.00  50.000x150.00   5100     0.035     200.0";
const char* const kOuterRow = "22.000x95.000  25.000x100.00   5100     0.011     100.0";

class Economics : public MainWindowTest {
  protected:
    void setPriceClasses(const char* first) {
        main().lstPalgiHinnad.clear();
        for (const char* row : {first, "150 - 199  45.50  2", "200 - 299  50.00  3"})
            main().lstPalgiHinnad.addItem(row);
    }
    std::string centreRow(const char* volume, const char* price) {
        return std::string("47.000x145.00  50.000x150.00   5100     ") + volume + "     " + price;
    }
};

struct Label {
    const char* name;
    const char* caption;
};

void expectCaptions(const Form& form, std::initializer_list<Label> expected) {
    for (const auto& e : expected) {
        const Control* c = form.findControl(e.name);
        ASSERT_NE(c, nullptr) << e.name;
        EXPECT_EQ(c->caption(), e.caption) << e.name;
    }
}

TEST_F(Economics, AFullPatternInSideModeShowsEveryFigure) {
    frmMain& m = main();
    setPriceClasses("100 - 149  40.00  1");
    for (int i = 0; i < 3; ++i)
        m.lstSyda.addItem(kCentreRow);
    for (ListBox* list : {&m.lstKylgVasak, &m.lstKylgParem, &m.lstSeimerAll})
        list->addItem(kOuterRow);
    m.mnuArvutusedKyljelauad.setChecked(true);
    m.mnuArvutusedSydamematerjal.setChecked(false);
    m.scrDiameeter.setValue(242);
    m.uuenda_materjalid();
    expectCaptions(m, {{"lblPalgimaht", "0.263"},
                       {"lblSaematerjalMaht", "0.138"},
                       {"lblvaljatulek", "52.50%"},
                       {"lblpalgikulutm", "1.905"},
                       {"lblPalgikuluHind", "95.25"},
                       {"lblPalgiHinnaInfo", ""},
                       {"lblvaljatulekpuruprotsent", "8.00%"},
                       {"lblMarginPuru", "2.59"},
                       {"lblvaljatulekhakeprotsent", "39.50%"},
                       {"lblMarginHake", "18.07"},
                       {"lblvaljatulekkoorprotsent", "8.00%"},
                       {"lblMarginKoor", "1.04"},
                       {"lblMuudkuludHind", "35.00"},
                       {"lblsaekavahind", "176.40"},
                       {"lblmargintotal", "67.85"},
                       {"lblmargintotalEBITDA", "72.85"},
                       {"lblROCE", "3.39"},
                       {"lblSydaHind", "199.8"},
                       {"lblCBBreakEven", "110.63"},
                       {"lblRawATPEBIT", "85.62"},
                       {"lblRawATPEBITDA", "88.24"},
                       {"lblNETrawmaterial", "73.55"}});
    EXPECT_EQ(store().txtpalgiklassihind, "50.00");
    EXPECT_EQ(store().txtpalgitasku, "3");
    EXPECT_EQ(m.lstPalgiHinnad.listIndex(), 2) << "the matching class stays selected";
    EXPECT_TRUE(desktop.messages().empty());
}

TEST_F(Economics, ThePriceClassHoldsItsBoundsAndTheFirstOfOverlappingClassesWins) {
    struct Case {
        const char* diameter;
        const char* classPrice;  // "0": no class
        const char* pocket;
        const char* logCost;
    };
    const Case cases[] = {
        {"100", "40.00", "1", "72.72"}, {"150", "40.00", "1", "72.72"},
        {"199", "45.50", "2", "82.72"}, {"299", "50.00", "3", "90.90"},
        {"99", "0", "3", ""},           {"300", "0", "3", ""},
    };
    frmMain& m = main();
    setPriceClasses("100 - 150  40.00  1");  // overlaps the next class at 150
    m.lblValitudKeel.setCaption("english.keel");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.diameter);
        m.txtPalk.setText(c.diameter);
        m.pattern.valjatulek = 0.55;
        m.lblvaljatulek2.setCaption("0.55");
        m.Arvuta_palgihind();
        EXPECT_EQ(m.lblpalgikulutm.caption(), "1.818");
        EXPECT_EQ(store().txtpalgiklassihind, c.classPrice);
        EXPECT_EQ(store().txtpalgitasku, c.pocket);
        EXPECT_EQ(m.lblPalgikuluHind.caption(), c.logCost);
        const bool found = std::string(c.classPrice) != "0";
        EXPECT_EQ(m.lblPalgikuluHind.backColor(), found ? colors::kWhite : colors::kRed);
        EXPECT_EQ(m.lblPalgiHinnaInfo.caption(), found ? "" : "Diameter price is missing!");
        if (!found) {
            EXPECT_EQ(m.lblPalgiHinnaInfo.backColor(), 0x80C0FFu);
            EXPECT_EQ(m.pattern.klassihind, 0) << "no class: the class price counts 0";
            EXPECT_EQ(m.pattern.palgikuluhind, 0);
        }
    }
}

TEST_F(Economics, AnEmptyPriceListIsReportedAndOpensTheLogPriceEditor) {
    const std::pair<const char*, const char*> cases[] = {{"eesti.keel", "Palgihinnad sisestamata!"},
                                                         {"english.keel", "Log prices missing!"}};
    frmMain& m = main();
    m.lstPalgiHinnad.clear();
    for (const auto& [language, text] : cases) {
        SCOPED_TRACE(language);
        m.lblValitudKeel.setCaption(language);
        m.pattern.valjatulek = 0.55;
        m.lblvaljatulek2.setCaption("0.55");
        m.pattern.klassihind = 45.5;
        desktop.clearMessages();
        desktop.expectMessage(MsgResult::Ok);
        m.Arvuta_palgihind();
        EXPECT_EQ(desktop.lastMessage().text, text);
        EXPECT_EQ(desktop.lastMessage().title, "Info");
        EXPECT_EQ(desktop.lastMessage().style, mb::kCritical);
        EXPECT_EQ(m.pattern.palgikulu, 1.818) << "the log consumption is current anyway";
        EXPECT_EQ(m.pattern.klassihind, 0);
        ASSERT_TRUE(app->isLoaded<frmPalgiHinnad>());
        EXPECT_TRUE(app->window<frmPalgiHinnad>().visible());
        EXPECT_FALSE(app->window<frmPalgiHinnad>().isModal());
    }
}

TEST_F(Economics, BoardSharesContributionsAndMoneyResults) {
    frmMain& m = main();
    m.lstSyda.addItem(centreRow("0.100", "200.0"));
    m.lstSyda.addItem(centreRow("0.050", "100.0"));
    m.lblSaematerjalMaht.setCaption("0.15");
    m.pattern.hasLogPrice = true;
    m.pattern.palgikuluhind = 90.9;
    store().txtKuluTootmine = "10";
    store().txtKuluAmort = "5";
    for (const auto& [capital, roce] : {std::pair{"1000", "6.08"}, std::pair{"0", ""}}) {
        SCOPED_TRACE(capital);
        store().txtCE = capital;
        m.lblmargintotalEBITDA.setCaption("old");
        m.Arvuta_margin();
        EXPECT_EQ(store().lblSydaosakaal[0], "0.667");
        EXPECT_EQ(store().lblSydaosakaal[1], "0.333");
        EXPECT_EQ(store().lblsydamargin[0], "133.4");
        EXPECT_EQ(store().lblsydamargin[1], "33.3");
        EXPECT_EQ(store().lblsydamargin[2], "") << "positions without a board stay blank";
        expectCaptions(m, {{"lblsaekavahind", "166.70"},
                           {"lblTulud", "166.7"},
                           {"lblKulud", "105.9"},
                           {"lblmargintotal", "60.80"},
                           {"lblmargintotalEBITDA", "65.80"},
                           {"lblROCE", roce}});
        EXPECT_TRUE(desktop.messages().empty()) << "no capital employed is no error";
    }
}

TEST_F(Economics, SawdustFollowsTheKerfsAndChipsAreTheRest) {
    frmMain& m = main();
    m.lstSyda.addItem(centreRow("0.035", "200.0"));
    m.lstSyda.addItem(centreRow("0.035", "200.0"));
    m.refreshBoardBoxes();
    m.pattern.ketas1saag = 5;
    m.pattern.ketas2saag = "4";
    m.pattern.dblPalgimaht = 0.2;
    m.pattern.saematerjalimaht = 0.07;
    m.pattern.valjatulek = 0.55;
    m.pattern.palgikulu = 1.818;
    m.Arvuta_puru();
    EXPECT_EQ(m.lblvaljatulekpuru.caption(), "0.015808");  // 0.005824 + 0.009984
    EXPECT_EQ(m.lblvaljatulekpuru2.caption(), "0.07904");
    EXPECT_EQ(m.lblvaljatulekpuruprotsent.caption(), "7.90%");
    EXPECT_EQ(store().lblsaematmaht, "0.9999");

    m.lstSeimerAll.addItem(centreRow("0.010", "100.0").replace(15, 13, "25.000x100.00"));
    m.refreshBoardBoxes();
    m.Arvuta_puru();
    EXPECT_EQ(m.lblvaljatulekpuru.caption(), "0.017108") << "lower edging adds 0.0013";
    m.lstSeimerAll.addItem(m.lstSeimerAll.list(0));
    m.refreshBoardBoxes();
    m.Arvuta_puru();
    EXPECT_EQ(m.lblvaljatulekpuru.caption(), "0.017108") << "only the first edger board counts";

    m.pattern.saematerjalimaht = 0.25;  // more boards than log
    m.Arvuta_puru();
    EXPECT_EQ(m.lblvaljatulekhakeprotsent.caption(), "0.00%");
    EXPECT_EQ(m.lblvaljatulekhake.caption().front(), '-');
    EXPECT_LT(m.pattern.hakketulu, 0) << "the revenue follows the negative volume";
}

TEST_F(Economics, OtherCostsPerM3FromTheMonthlyFigures) {
    struct Case {
        const char *fixed, *depreciation, *variable, *volume;
        const char *production, *depreciationPerM3, *shown;
    };
    const Case cases[] = {{"1000", "500", "20", "100", "30", "5", "35.00"},
                          {"1000", "0", "20", "300", "23.3333333333333", "0", "23.33"}};
    for (const auto& c : cases) {
        frmMainSub& sub = store();
        sub.txtKuisedPysikuludKokku = c.fixed;
        sub.txtKuisedAmordikuludKokku = c.depreciation;
        sub.txtYhikuMuutuvkulud = c.variable;
        sub.txtKuineTootmismaht = c.volume;
        main().Arvuta_muudkulud();
        EXPECT_EQ(sub.txtKuluTootmine, c.production);
        EXPECT_EQ(sub.txtKuluAmort, c.depreciationPerM3);
        EXPECT_EQ(main().lblMuudkuludHind.caption(), c.shown);
    }
}

TEST_F(Economics, CentrePriceAndBreakEven) {
    frmMain& m = main();
    using Boards = std::vector<std::pair<const char*, const char*>>;  // volume, price
    m.pattern.hasLogPrice = true;
    const auto check = [&](const char* what, const Boards& centre, bool sideBoards, double share,
                           const char* patternPrice, const char* margin, const char* centrePrice,
                           const char* sidePrice, const char* breakEven) {
        SCOPED_TRACE(what);
        m.lstSyda.clear();
        m.lstKylgVasak.clear();
        for (const auto& [volume, price] : centre)
            m.lstSyda.addItem(centreRow(volume, price));
        if (sideBoards) m.lstKylgVasak.addItem(kOuterRow);
        m.pattern.sydaosakaal = share;
        m.lblsaekavahind.setCaption(patternPrice);
        m.lblmargintotal.setCaption(margin);
        m.lblCBBreakEven.setCaption("old");
        m.Arvuta_breakeven();
        expectCaptions(m, {{"lblSydaHind", centrePrice},
                           {"lblKyljelauahind", sidePrice},
                           {"lblCBBreakEven", breakEven}});
        EXPECT_EQ(store().lblSydaOsakaalSydames[7], "0");
        EXPECT_TRUE(desktop.messages().empty());
    };
    check("two centre boards", {{"0.100", "200.0"}, {"0.050", "100.0"}}, false, 1, "166.70",
          "60.80", "166.7", "", "105.90");
    check("with side boards", {{"0.100", "180.0"}}, true, 0.8, "166.70", "60.80", "180", "113.5",
          "104.00");
    // 0.1 + 0.7 leaves a share a hair below 1: still centre boards only.
    check("centre only, share below 1", {{"0.100", "180.0"}}, false, 0.8 / (0.1 + 0.7), "180.00",
          "20.00", "180", "", "160.00");
    check("negative break-even", {{"0.100", "180.0"}}, true, 0.8, "50.00", "200.00", "180", "-470",
          "0.00");
    check("no centre timber", {{"0.000", "180.0"}}, true, 0, "50.00", "10.00", "", "50", "");
    EXPECT_EQ(store().lblSydaOsakaalSydames[0], "0");
}

TEST_F(Economics, ThePriceTheMillCanPayForItsLogs) {
    frmMain& m = main();
    m.pattern.hasLogPrice = true;
    m.pattern.klassihind = 50;
    m.pattern.palgikulu = 1.818;
    m.pattern.purutulu = 2;
    m.pattern.hakketulu = 3.5;
    m.pattern.kooretulu = 1;
    m.lblmargintotal.setCaption("60.80");
    m.lblmargintotalEBITDA.setCaption("65.80");
    m.Arvuta_rawmaterialATP();
    expectCaptions(
        m,
        {{"lblRawATPEBIT", "83.44"}, {"lblRawATPEBITDA", "86.19"}, {"lblNETrawmaterial", "84.40"}});
    m.lblmargintotal.setCaption("-10.00");
    m.Arvuta_rawmaterialATP();
    EXPECT_EQ(m.lblRawATPEBIT.caption(), "44.50")
        << "a loss lowers the price below the class price";
    m.pattern.palgikulu = 0;
    m.Arvuta_rawmaterialATP();
    EXPECT_EQ(m.lblRawATPEBIT.caption(), "");
    EXPECT_EQ(m.lblRawATPEBITDA.caption(), "");
    EXPECT_TRUE(desktop.messages().empty());
}

// Whole updates of patterns whose figures an independent computation gave to the last digit.
class WholePattern : public Economics {
  protected:
    // The log without rebuilding rows for its length: the scroll bars move while a stand-in
    // centre board holds the pattern, which is then taken away.
    void setLog(int diameter, int length) {
        frmMain& m = main();
        m.lstSyda.addItem(kCentreRow);
        m.scrDiameeter.setValue(diameter);
        m.scrPikkus.setValue(length);
        m.lstSyda.clear();
    }
    // The settings that are not given keep their design values.
    void useDesignByProductPrices() {
        store().txtHakehind = "";
        store().txtsaepuruHind = "";
        store().txtkoorhind = "";
    }
};

TEST_F(WholePattern, LooseVolumesAreComputedFromTheVolumesTheStoreHolds) {
    frmMain& m = main();
    setLog(485, 3700);
    useDesignByProductPrices();
    store().txtKetas2saag = "3";
    store().txtKoefitsentPuru = "3.2";
    store().txtsaepuruHind = "6.75";
    m.lstSyda.addItem("75.000x225.00  78.000x234.00   3550     0.060     270.0");
    m.lstSyda.addItem("63.000x175.00  65.520x182.00   3550     0.039     260.0");
    m.lstSeimerAll.addItem("22.000x100.00  22.880x104.00   3550     0.008     227.0");
    m.lstSeimerAll.addItem("19.000x100.00  19.760x104.00   3550     0.007     222.5");
    m.uuenda_materjalid();
    EXPECT_EQ(store().lblpurupuistekant, "0.41111111111111");
    EXPECT_EQ(m.lblMarginPuru.caption(), "2.77") << "2.775 only when the unrounded volume counts";
}

TEST_F(WholePattern, ThePatternPriceIsOneRunningSumOverTheBoardsInTheirOrder) {
    frmMain& m = main();
    setLog(266, 5200);
    useDesignByProductPrices();
    frmMainSub& sub = store();
    sub.txtKetas1saag = "4.6";
    sub.txtPalgimahukoefitsent = "1";
    sub.txtKoefitsentPuru = "3.2";
    sub.txtKoefitsentKoorPalgist = "0.1";
    sub.txtsaepuruHind = "5";
    sub.txtkoorhind = "2";
    // Monthly figures that give a production cost of 34.17 and a depreciation of 0.33.
    sub.txtKuisedPysikuludKokku = "0";
    sub.txtYhikuMuutuvkulud = "34.17";
    sub.txtKuisedAmordikuludKokku = "33";
    sub.txtKuineTootmismaht = "100";
    m.lstPalgiHinnad.clear();
    m.lstPalgiHinnad.addItem("250 - 279  73.00  6");
    m.lstSyda.addItem("50.000x125.00  52.000x130.00   5100     0.032     240.0");
    m.lstSeimerYleval.addItem("32.000x100.00  33.280x104.00   5100     0.016     240.0");
    m.lstSeimerAll.addItem("25.000x125.00  26.000x130.00   5100     0.016     246.0");
    m.lstKylgVasak.addItem("19.000x125.00  19.760x130.00   5100     0.012     283.0");
    m.lstKylgParem.addItem("63.000x150.00  65.520x156.00   5100     0.048     252.3");
    m.lstKylgParem.addItem("63.000x175.00  65.520x182.00   5100     0.056     260.0");
    m.uuenda_materjalid();
    EXPECT_EQ(m.lblsaekavahind.caption(), "253.16");
    EXPECT_EQ(m.lblmargintotal.caption(), "86.06") << "per-list subtotals would give 86.05";
    EXPECT_TRUE(desktop.messages().empty());
}

TEST_F(WholePattern, WithoutALogPriceTheFiguresThatContainTheLogCostStayEmpty) {
    frmMain& m = main();
    setLog(242, 5200);
    for (int i = 0; i < 3; ++i)
        m.lstSyda.addItem(kCentreRow);
    m.lstKylgVasak.addItem(kOuterRow);
    m.uuenda_materjalid();
    const std::string payableEBIT = m.lblRawATPEBIT.caption();
    const std::string payableEBITDA = m.lblRawATPEBITDA.caption();
    ASSERT_EQ(m.lblmargintotal.caption(), "72.63");

    const char* const logCostFigures[] = {"lblPalgikuluHind",     "lblKulud", "lblmargintotal",
                                          "lblmargintotalEBITDA", "lblROCE",  "lblCBBreakEven",
                                          "lblNETrawmaterial"};
    const struct {
        const char* what;
        std::vector<const char*> priceRows;
    } cases[] = {{"no class holds the diameter", {"300 - 400  50.00  1"}},
                 {"an empty price list", {}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        m.lstPalgiHinnad.clear();
        for (const char* row : c.priceRows)
            m.lstPalgiHinnad.addItem(row);
        if (c.priceRows.empty()) desktop.expectMessage(MsgResult::Ok);
        m.uuenda_materjalid();
        for (const char* name : logCostFigures)
            EXPECT_EQ(m.findControl(name)->caption(), "") << name;
        EXPECT_EQ(m.lblsaekavahind.caption(), "190.70") << "the boards' figures stay";
        EXPECT_FALSE(m.lblTulud.caption().empty());
        // The class price cancels out of the price the mill can pay.
        EXPECT_EQ(m.lblRawATPEBIT.caption(), payableEBIT);
        EXPECT_EQ(m.lblRawATPEBITDA.caption(), payableEBITDA);
    }
}

}  // namespace
}  // namespace lumbrix
