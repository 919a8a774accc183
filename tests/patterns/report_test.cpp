// The calculations report: its figures, totals, colours and "-" rules, and its printing.
#include <gtest/gtest.h>

#include "mainwindow/frm_main.h"
#include "print_fixture.h"
#include "store/frm_main_sub.h"

namespace lumbrix {
namespace {

using test::PrintTest;

constexpr Color kRed = colors::rgb(255, 0, 0);
constexpr Color kGreen = colors::rgb(0, 255, 0);
constexpr Color kPink = colors::rgb(255, 128, 128);

class Report : public PrintTest {
  protected:
    // The main window's figures of a pattern whose costs are 40.70 + 3.1 + 7.2 and whose
    // income is 120 + 3.5 + 4.1 + 0.25.
    void setFigures(const char* margin = "1", const char* marginEbitda = "1",
                    const char* classPrice = "50") {
        frmMain& m = main();
        m.lblPalgikuluHind.setCaption("40.70");
        store().txtKuluAmort = "3.1";
        store().txtKuluTootmine = "7.2";
        m.lblsaekavahind.setCaption("120");
        m.lblMarginPuru.setCaption("3.5");
        m.lblMarginHake.setCaption("4.1");
        m.lblMarginKoor.setCaption("0.25");
        m.lblmargintotal.setCaption(margin);
        m.lblmargintotalEBITDA.setCaption(marginEbitda);
        store().txtpalgiklassihind = classPrice;
        m.lblRawATPEBIT.setCaption("61.5");
        m.lblRawATPEBITDA.setCaption("64.25");
        m.lblNETrawmaterial.setCaption("48.1");
    }
};

TEST_F(Report, EachFigureIsWrittenInItsFormFromItsSource) {
    setFigures();
    frmMain& m = main();
    frmMainSub& s = store();
    s.lblpurumaht = "0.0125";   // a tie, to the even digit
    s.lblhakkemaht = "0.0255";  // a tie, to the even digit
    s.lblkoormaht = "0.1234567";
    s.lblsaematmaht = "1";
    s.txtKuineTootmismaht = "1234.565";
    s.txtKoefitsentPuru = "3,4";  // a decimal comma
    s.lblpurupuistekant = "";     // empty gives 0
    s.lblpuistehakkekant = "-";
    s.lblpuistekoorkant = "0.40049";
    m.lblpalgikulutm.setCaption("2.5");
    m.lblvaljatulek.setCaption("45.67%");
    m.lblvaljatulekkoorprotsent.setCaption("8.00%");
    m.txtPalk.setText("312");
    m.lblPalgikuluHind.setCaption("40,7");
    m.setCaption("LUMBRIX - v3.0");
    m.cmdPrindi.setCaption("Prindi");
    m.mnuProgramExit.setCaption("Välju");
    desktop.setNow({2026, 12, 5, 9, 5, 7});
    openReport([](frmArvutused& r) {
        const std::pair<const Control*, const char*> expected[] = {
            {&r.txtArvutusedtxtPurumaht, "0.012"},
            {&r.txtArvutusedtxtHakemaht, "0.026"},
            {&r.txtArvutusedtxtKoormaht, "0.123"},
            {&r.txtArvutusedtxtSaematerjalmaht, "1.000"},
            {&r.txtTootmismaht, "1234.56"},
            {&r.txtPuisteKoefitsentPuru, "3.4"},
            {&r.txtArvutusedtxtPuruPuistemaht, "0"},
            {&r.txtArvutusedtxtHakePuistemaht, "0"},
            {&r.txtArvutusedtxtKoorPuistemaht, "0.4"},
            {&r.txtPalgikasutusTM, "2.5"},
            {&r.txtPalgihindEUR, "50.00"},
            {&r.txtPalgikasutusEUR, "40.70"},
            {&r.txtPalgidiameeter, "312"},
            {&r.txtKuluTotal, "51"},  // 40.70 + 3.1 + 7.2 carries a remainder in doubles
            {&r.txtTuluTotal, "127.85"},
            {&r.txtTulemTotal, "76.85"},
            {&r.txtTulemTotalEBITDA, "79.95"},
            {&r.txtrawmaterialATP, "61.5"},
            {&r.txtrawmaterialATPEBITDA, "64.25"},
            {&r.txtNETrawmaterial, "48.1"},
        };
        for (const auto& [field, text] : expected) {
            EXPECT_EQ(static_cast<const TextBox*>(field)->text(), text) << field->name();
        }
        EXPECT_EQ(r.lblArvutusedSaematerjalProtsent.caption(), "45.67%");
        EXPECT_EQ(r.lblArvutusedKoorProtsent.caption(), "8.00%");
        EXPECT_EQ(r.lbldate.caption(), "05.12.2026 ,");
        EXPECT_EQ(r.lbltime.caption(), "09:05:07");
        EXPECT_EQ(r.lblProgramNameVer.caption(), "LUMBRIX - v3.0");
        EXPECT_EQ(r.cmd_print.caption(), "Prindi");
        EXPECT_EQ(r.cmdExit.caption(), "Välju");
        EXPECT_EQ(r.lblSaekavanimi.caption(), "  UNNAMED");
        EXPECT_EQ(r.txtKuluTotal.backColor(), kPink);
        EXPECT_EQ(r.txtTuluTotal.backColor(), kGreen);
    });
    EXPECT_FALSE(app->isLoaded<frmArvutused>());
}

TEST_F(Report, AFigureBeyondTheNumberRangeIsReportedAndCountsAsNoValue) {
    setFigures();
    store().lblpurumaht = "1E+999";
    main().lblPalgikuluHind.setCaption("1E+999");
    desktop.expectMessage(MsgResult::Ok);
    desktop.expectMessage(MsgResult::Ok);
    openReport([](frmArvutused& r) {
        EXPECT_EQ(r.txtArvutusedtxtPurumaht.text(), "");
        EXPECT_EQ(r.txtPalgikasutusEUR.text(), "");
        EXPECT_EQ(r.txtKuluTotal.text(), "10.3") << "3.1 + 7.2 and no log cost";
    });
    EXPECT_EQ(desktop.lastMessage().text, "Error number 6\nOverflowRegionCompVal");
}

TEST_F(Report, ResultsAreColouredByTheMarginsAndDashedWithoutALogPrice) {
    struct Case {
        const char* margin;
        const char* marginEbitda;
        const char* classPrice;
        const char* production;
        Color ebit, ebitda;
        const char* result;
        const char* resultEbitda;
        const char* rawEbit;
    };
    const Case cases[] = {
        {"1", "1", "50", "7.2", kGreen, kGreen, "76.85", "79.95", "61.5"},
        {"0", "0", "50", "7.2", kRed, kGreen, "76.85", "79.95", "61.5"},  // zero: EBIT red
        {"-5", "-1", "50", "7.2", kRed, kRed, "76.85", "79.95", "61.5"},
        // No log price: the three figures are dashed, the colours stay those of the margins.
        {"1", "-1", "0", "7.2", kGreen, kRed, "-", "-", "-"},
        // The report works from rounded figures: a positive EBITDA margin on the main window
        // with a negative EBITDA result here still turns it red.
        {"1", "1", "50", "200", kGreen, kRed, "-115.95", "-112.85", "61.5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.margin) + " " + c.marginEbitda + " " + c.classPrice);
        setFigures(c.margin, c.marginEbitda, c.classPrice);
        store().txtKuluTootmine = c.production;
        openReport([&](frmArvutused& r) {
            EXPECT_EQ(r.txtTulemTotal.backColor(), c.ebit);
            EXPECT_EQ(r.txtTulemTotalEBITDA.backColor(), c.ebitda);
            EXPECT_EQ(r.txtTulemTotal.text(), c.result);
            EXPECT_EQ(r.txtTulemTotalEBITDA.text(), c.resultEbitda);
            EXPECT_EQ(r.txtrawmaterialATP.text(), c.rawEbit);
            EXPECT_EQ(r.txtrawmaterialATPEBITDA.text(), "64.25") << "never dashed";
            EXPECT_EQ(r.txtNETrawmaterial.text(), "48.1");
        });
    }
}

TEST_F(Report, ANamedPatternShowsItsNameAndAOneCharacterNamePrintsAsUnnamed) {
    const struct {
        const char* name;
        bool estonian;
        const char* shown;
    } cases[] = {{"", false, "  UNNAMED"},
                 {" ", true, "  NIMETU"},
                 {"3", false, "  UNNAMED"},
                 {"AB", true, "AB"},
                 {"Mänd 50x150", false, "Mänd 50x150"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        main().lblSaekavanimi.setCaption(c.name);
        main().lblValitudKeel.setCaption(c.estonian ? "eesti.keel" : "english.keel");
        openReport([&](frmArvutused& r) { EXPECT_EQ(r.lblSaekavanimi.caption(), c.shown); });
    }
}

TEST_F(Report, PrintingHidesTheButtonsOnPaperAndACancelOrAFailurePrintsNothing) {
    buildPattern();
    std::vector<bool> buttonsOnPaper;
    desktop.onPrint([&](Form& f) {
        auto& r = static_cast<frmArvutused&>(f);
        buttonsOnPaper.push_back(r.cmd_print.visible() || r.cmdExit.visible());
    });
    openReport([&](frmArvutused& r) {
        desktop.setPrinterDialogAnswer(false);
        r.cmd_print.press();
        EXPECT_TRUE(desktop.printedWindows().empty());
        EXPECT_TRUE(r.cmd_print.visible() && r.cmdExit.visible());

        desktop.setPrinterDialogAnswer(true);
        r.cmd_print.press();
        EXPECT_EQ(desktop.printedWindows(), std::vector<std::string>{"frmArvutused"});
        EXPECT_TRUE(r.isLoaded() && r.visible()) << "the report stays open";

        // A printer that fails: the standard box, the buttons back, nothing printed.
        desktop.setPrintSucceeds(false);
        desktop.expectMessage(MsgResult::Ok);
        r.cmd_print.press();
        EXPECT_EQ(desktop.lastMessage().text, "482 - Printer error");
        EXPECT_EQ(desktop.lastMessage().title, "cmd_print_Click");
        EXPECT_EQ(desktop.lastMessage().style, mb::kCritical);
        EXPECT_EQ(desktop.printedWindows().size(), 1u);
        EXPECT_TRUE(r.cmd_print.visible() && r.cmdExit.visible());
    });
    EXPECT_EQ(buttonsOnPaper, (std::vector<bool>{false, false}));
    EXPECT_EQ(desktop.printerDialogTitles().size(), 3u);
}

}  // namespace
}  // namespace lumbrix
