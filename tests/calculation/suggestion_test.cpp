// The centre-board suggestion dialog and the main window's Suggest command.
#include <gtest/gtest.h>

#include <cmath>

#include "calculation/frm_soovita.h"
#include "main_window_fixture.h"
#include "store/board_row.h"
#include "store/numbers.h"

namespace lumbrix {
namespace {

class Suggestion : public test::MainWindowTest {
  protected:
    // The dialog opened on a main window whose log has diameter `diameter`.
    frmSoovita& open(const std::string& diameter = "200") {
        main().txtPalk.setText(diameter);
        return app->window<frmSoovita>();
    }
    // The fields as typed, then the suggestion computed from them.
    frmSoovita& computed(const std::string& diameter, const std::string& count,
                         const std::string& kerf, const std::string& oversize) {
        store().txtKetas2saag = kerf;
        frmSoovita& d = open(diameter);
        d.txtExLog.setText(count);
        d.txtYlemoot.setText(oversize);
        d.Arvuta_soovitus();
        return d;
    }
};

TEST_F(Suggestion, OpensOnTheDesignTextsAndTheMainWindowsDiameter) {
    frmSoovita& d = open("183");
    const std::pair<const Control*, const char*> captions[] = {
        {&d.lblSoovitaPalgiDiam, "Palgidiameeter, mm"},
        {&d.lblSoovitaExLog, "Materjali ex.log, tk"},
        {&d.lblSoovitaSydMat, "Südamematerjali ülemõõt, %"},
        {&d.lblSoovitaSoovitus, "Soovitatav ristlõige antud diameetri ja määrangutega on:"},
        {&d.cmdJoonistaKava, "&Näita kava"},
        {&d.cmdTagasi, "Tagasi"},
        {&d.cmdHelp_sugest, "?"},
        {&d.lblPalgiDiameeter, "183"},
    };
    for (const auto& [control, text] : captions)
        EXPECT_EQ(control->caption(), text) << control->name();
    EXPECT_EQ(d.caption(), "Materjali soovitamine");
    EXPECT_EQ(d.txtExLog.text(), "1");
    EXPECT_EQ(d.txtYlemoot.text(), "3");
    EXPECT_EQ(d.lblparimristloigesaag.caption(), "121.40 x 129.40") << "computed at load";

    // Closed after stepping, the next opening starts from the design values again.
    d.cmdExLogPluss.press();
    d.cmdYlemootPluss.press();
    d.cmdTagasi.press();
    EXPECT_FALSE(d.isLoaded());
    frmSoovita& again = app->window<frmSoovita>();
    EXPECT_EQ(again.txtExLog.text(), "1");
    EXPECT_EQ(again.txtYlemoot.text(), "3");
}

TEST_F(Suggestion, TheSquareInTheLogIsSplitIntoBoardsWithKerfs) {
    const struct {
        const char *diameter, *count, *kerf, *oversize, *nominal, *sawn;
    } cases[] = {
        {"200", "4", "4", "3", "29.466 x 137.28", "30.350 x 141.40"},
        {"200", "1", "4", "3", "129.51 x 137.28", "133.40 x 141.40"},    // K = 8
        {"115", "8", "4", "3", "5.4976 x 78.932", "5.6625 x 81.300"},    // K = 36
        {"200", "2", "4.5", "3", "61.845 x 137.28", "63.700 x 141.40"},  // 13.5 -> 14
        {"200", "4", "4.5", "3", "28.981 x 137.28", "29.850 x 141.40"},  // 22.5 -> 22
        {"200", "4", "4,5", "0", "29.850 x 141.40", "29.850 x 141.40"},  // a comma reads
        {"200", "3", "4", "3,5", "40.386 x 136.62", "41.800 x 141.40"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.diameter) + " mm, " + c.count + " boards, kerf " + c.kerf);
        frmSoovita& d = computed(c.diameter, c.count, c.kerf, c.oversize);
        EXPECT_EQ(d.lblParimRistloige.caption(), c.nominal);
        EXPECT_EQ(d.lblparimristloigesaag.caption(), c.sawn);
        d.unload();
    }
}

// A count of 0 would divide by zero and a count above 8 overflow the centre list: the
// computation keeps the count within 1..8 and the oversize within 0..10, a text that is no
// number counts as the design value, and the field shows the value used.
TEST_F(Suggestion, TypedCountAndOversizeAreKeptWithinTheirRanges) {
    const struct {
        const char *count, *oversize, *countShown, *oversizeShown, *nominal, *sawn;
    } cases[] = {
        {"0", "3", "1", "3", "129.51 x 137.28", "133.40 x 141.40"},
        {"12", "3", "8", "3", "12.791 x 137.28", "13.175 x 141.40"},
        {"abc", "3", "1", "3", "129.51 x 137.28", "133.40 x 141.40"},
        {"", "3", "1", "3", "129.51 x 137.28", "133.40 x 141.40"},
        {"2.5", "3", "2", "3", "62.816 x 137.28", "64.700 x 141.40"},  // whole, half to even
        {"-3", "3", "1", "3", "129.51 x 137.28", "133.40 x 141.40"},
        {"1", "-2", "1", "0", "133.40 x 141.40", "133.40 x 141.40"},
        {"1", "15", "1", "10", "121.27 x 128.55", "133.40 x 141.40"},
        {"1", "x", "1", "3", "129.51 x 137.28", "133.40 x 141.40"},
        {"1", "3,5", "1", "3,5", "128.89 x 136.62", "133.40 x 141.40"},
        {" 4 ", "2.50", " 4 ", "2.50", "29.610 x 137.95", "30.350 x 141.40"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("count \"") + c.count + "\", oversize \"" + c.oversize + "\"");
        frmSoovita& d = computed("200", c.count, "4", c.oversize);
        EXPECT_EQ(d.txtExLog.text(), c.countShown);
        EXPECT_EQ(d.txtYlemoot.text(), c.oversizeShown);
        EXPECT_EQ(d.lblParimRistloige.caption(), c.nominal);
        EXPECT_EQ(d.lblparimristloigesaag.caption(), c.sawn);
        d.unload();
    }
}

TEST_F(Suggestion, SteppersStopAtTheirLimitsAndRecomputeEveryTime) {
    struct Step {
        const char* start;  // the main window's diameter, or the field's text
        CommandButton frmSoovita::*button;
        const char* after;
        const char* sawnWidth;
    };
    const Step diameterSteps[] = {
        {"200", &frmSoovita::cmdPalkPluss, "200", "141.40"},
        {"200", &frmSoovita::cmdPalkMiinus, "199", "140.70"},
        {"115", &frmSoovita::cmdPalkMiinus, "115", "81.300"},
        {"115", &frmSoovita::cmdPalkPluss, "116", "82.000"},
        {"300", &frmSoovita::cmdPalkPluss, "300", "212.10"},  // outside: only toward the range
        {"300", &frmSoovita::cmdPalkMiinus, "299", "211.40"},
        {"100", &frmSoovita::cmdPalkMiinus, "100", "70.700"},
    };
    for (const Step& s : diameterSteps) {
        SCOPED_TRACE(std::string(s.start) + " -> " + s.after);
        frmSoovita& d = open(s.start);
        d.lblparimristloigesaag.setCaption("stale");
        (d.*s.button).press();
        EXPECT_EQ(d.lblPalgiDiameeter.caption(), s.after);
        EXPECT_EQ(main().txtPalk.text(), s.after) << "written into the main window";
        const std::string& sawn = d.lblparimristloigesaag.caption();
        EXPECT_EQ(sawn.substr(sawn.find(" x ") + 3), s.sawnWidth);
        d.unload();
    }

    struct FieldStep {
        const char* start;
        CommandButton frmSoovita::*button;
        const char* after;
    };
    const FieldStep fieldSteps[] = {
        {"8", &frmSoovita::cmdExLogPluss, "8"},
        {"8", &frmSoovita::cmdExLogMiinus, "7"},
        {"1", &frmSoovita::cmdExLogMiinus, "1"},
        {"1", &frmSoovita::cmdExLogPluss, "2"},
        {"9.9", &frmSoovita::cmdYlemootPluss, "10.0"},
        {"10.0", &frmSoovita::cmdYlemootPluss, "10.0"},
        {"0.1", &frmSoovita::cmdYlemootMiinus, "0.0"},
        {"0.0", &frmSoovita::cmdYlemootMiinus, "0.0"},
        {"3", &frmSoovita::cmdYlemootPluss, "3.1"},
        {"20", &frmSoovita::cmdYlemootMiinus, "9.9"},
    };
    for (const FieldStep& s : fieldSteps) {
        SCOPED_TRACE(std::string(s.start) + " -> " + s.after);
        frmSoovita& d = open();
        const bool count =
            s.button == &frmSoovita::cmdExLogPluss || s.button == &frmSoovita::cmdExLogMiinus;
        TextBox& field = count ? d.txtExLog : d.txtYlemoot;
        field.setText(s.start);
        d.lblParimRistloige.setCaption("stale");
        (d.*s.button).press();
        EXPECT_EQ(field.text(), s.after);
        EXPECT_NE(d.lblParimRistloige.caption(), "stale");
        d.unload();
    }
}

TEST_F(Suggestion, ShowPatternWritesTheBoardsClosesAndArmsTheReload) {
    const struct {
        const char *diameter, *count, *length, *trim;
        std::string row;
    } cases[] = {
        {"200", "4", "4000", "50", "29.466x137.28  30.350x141.40   3950     0.016     0.000"},
        // The volume is the rounded number's plain text: 0.030 is written "0.03".
        {"117", "1", "5200", "100", "72.524x80.291  74.700x82.700   5100     0.03     0.000"},
        {"200", "3", "5200", "100", "40.583x137.28  41.800x141.40   5100     0.028     0.000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        frmMain& m = main();
        m.lstSyda.clear();
        m.txtPikkus.setText(c.length);
        store().txtKappimineSydmat = c.trim;
        frmSoovita& d = computed(c.diameter, c.count, "4", "3");
        d.cmdJoonistaKava.press();
        EXPECT_EQ(m.lstSyda.rows(), std::vector<std::string>(std::stoul(c.count), c.row));
        EXPECT_FALSE(app->isLoaded<frmSoovita>());
        EXPECT_TRUE(desktop.isArmed(m.tmr_reload));
        const BoardRow read(c.row);  // the readers take the tail as words
        EXPECT_EQ(read.priceText(), "0.000");
        EXPECT_EQ(read.length(), Val(c.length) - Val(c.trim));
        m.tmr_reload.setEnabled(false);
    }
}

TEST_F(Suggestion, ShowPatternUsesTheCountAsTypedEvenBeforeTheFieldIsLeft) {
    frmSoovita& d = open();
    d.txtExLog.setText("4");  // typed, no stepper pressed
    d.cmdJoonistaKava.press();
    ASSERT_EQ(main().lstSyda.listCount(), 4);
    EXPECT_EQ(BoardRow(main().lstSyda.list(0)).sawingThicknessText(), "30.350");
}

TEST_F(Suggestion, RowsBeyondTheEighthAreRefusedWithTheCentreLimitMessage) {
    frmMain& m = main();
    for (int i = 0; i < 6; ++i)
        m.lstSyda.addItem(boardRow(47, 145, 50, 150, 5100, 0.035));
    frmSoovita& d = open();
    d.txtExLog.setText("4");
    desktop.expectMessage(MsgResult::Ok);
    d.cmdJoonistaKava.press();
    EXPECT_EQ(m.lstSyda.listCount(), 8);
    ASSERT_EQ(desktop.messages().size(), 1u);
    EXPECT_EQ(desktop.lastMessage().text, "In version 3.0 maximum 8 ex log patterns allowed");
    EXPECT_EQ(desktop.lastMessage().style, mb::kInformation);
    EXPECT_FALSE(app->isLoaded<frmSoovita>());
    EXPECT_TRUE(desktop.isArmed(m.tmr_reload));
}

// A log too small for the boards and their kerfs leaves no thickness: such boards cannot be
// sawn and are not written into the pattern.
TEST_F(Suggestion, BoardsWithoutThicknessCannotBeShown) {
    frmSoovita& d = open("10");
    EXPECT_EQ(d.lblparimristloigesaag.caption(), "-0.900 x 7.1000");
    EXPECT_FALSE(d.cmdJoonistaKava.enabled());
    d.cmdJoonistaKava.press();
    EXPECT_EQ(main().lstSyda.listCount(), 0);
    EXPECT_TRUE(d.isLoaded());
    d.lblPalgiDiameeter.setCaption("114");
    d.cmdPalkPluss.press();  // 115 mm holds one board
    EXPECT_TRUE(d.cmdJoonistaKava.enabled());
}

TEST_F(Suggestion, BackKeepsTheSteppedDiameterAndAddsNoRows) {
    frmSoovita& d = open();
    d.cmdPalkMiinus.press();
    d.cmdPalkMiinus.press();
    d.cmdTagasi.press();
    EXPECT_FALSE(app->isLoaded<frmSoovita>());
    EXPECT_EQ(main().txtPalk.text(), "198");
    EXPECT_EQ(main().lstSyda.listCount(), 0);
    EXPECT_FALSE(desktop.isArmed(main().tmr_reload));
}

TEST_F(Suggestion, HelpExplainsTheSuggestionInTheCurrentLanguage) {
    const struct {
        const char *language, *text;
    } cases[] = {
        {"eesti.keel",
         "Programm arvutab geomeetriliselt sobivaima südamemateriali ristlõike\r\nvalitud "
         "seadetele vastavalt, maksimeerimaks südamematerjali\r\nosakaalu saekavast."},
        {"english.keel",
         "Program will calculate geometrically best fitting centerboard dimension \r\nfor "
         "selected settings to achieve maximum share of centerboards in\r\nsawing battern."},
    };
    for (const auto& c : cases) {
        main().lblValitudKeel.setCaption(c.language);
        desktop.expectMessage(MsgResult::Ok);
        open().cmdHelp_sugest.press();
        EXPECT_EQ(desktop.lastMessage().text, c.text);
        EXPECT_EQ(desktop.lastMessage().style, mb::kOkOnly);
        EXPECT_EQ(desktop.lastMessage().title, "LUMBRIX");
    }
}

class SuggestCommand : public test::MainWindowTest {};

TEST_F(SuggestCommand, NewPatternThenTheDialogThenTheFittedAndPricedPattern) {
    folder.copyShippedData();  // a named pattern's New reloads the profile's log prices
    frmMain& m = main();
    m.lblSaekavanimi.setCaption("kava1");  // a named pattern is cleared without a question
    m.lstSyda.addItem(boardRow(47, 145, 50, 150, 5100, 0.035));
    m.txtPikkus.setText("5200");
    desktop.onNextModal([&](Form& form) {
        auto& d = dynamic_cast<frmSoovita&>(form);
        EXPECT_EQ(m.lstSyda.listCount(), 0) << "the new pattern came first";
        EXPECT_EQ(d.lblPalgiDiameeter.caption(), "200");
        for (int i = 0; i < 3; ++i)
            d.cmdExLogPluss.press();
        d.cmdJoonistaKava.press();
    });
    m.cmdSoovita.press();
    EXPECT_EQ(desktop.modalWindowsShown(), std::vector<std::string>{"frmSoovita"});
    EXPECT_EQ(m.lblSaekavanimi.caption(), " ");
    ASSERT_EQ(m.lstSyda.listCount(), 4);
    EXPECT_TRUE(desktop.isArmed(m.tmr_reload));
    EXPECT_TRUE(desktop.isArmed(m.tmr_update));

    desktop.advanceClock(1);
    EXPECT_FALSE(desktop.isArmed(m.tmr_reload));
    EXPECT_FALSE(desktop.isArmed(m.tmr_update));
    // The fit measures the boxes of the rows just written: 4 x 30.35 + 5 x 4 across and
    // 141.4 + 2 x 5 high, a diagonal of 207.16 mm.
    EXPECT_EQ(m.txtPalk.text(), "207");
    EXPECT_EQ(m.scrDiameeter.value(), 207);
    for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(m.picsyda[i].visible(), i < 4);
        if (i < 4) {
            EXPECT_DOUBLE_EQ(m.picsyda[i].width(), 30.35);
        }
    }
    EXPECT_EQ(m.lblSaematerjalMaht.caption(), "0.084");  // 4 x 0.021
    EXPECT_EQ(m.lblsydmatosakaal.caption(), "100.0");
    EXPECT_EQ(m.lblvaljatulek.caption(),
              FormatNumber(Round(0.084 / m.pattern.dblPalgimaht, 3), "0.00%"));
    EXPECT_FALSE(m.lblmargintotal.caption().empty()) << "priced";
    EXPECT_TRUE(m.cmdShowCalculations.enabled());
}

TEST_F(SuggestCommand, TheDialogOpensOnlyOnAnEmptyCentreList) {
    const struct {
        const char* what;
        MsgResult answer;
        bool opens;
    } cases[] = {
        {"No: the pattern is cleared and the dialog opens", MsgResult::No, true},
        {"Cancel: the pattern is kept and nothing is added", MsgResult::Cancel, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        frmMain& m = main();
        m.lstSyda.clear();
        m.lstSyda.addItem(boardRow(47, 145, 50, 150, 5100, 0.035));
        m.lblSaekavanimi.setCaption(" ");
        desktop.expectMessage(c.answer);
        if (c.opens) desktop.onNextModal([](Form& form) { form.unload(); });
        const std::size_t shown = desktop.modalWindowsShown().size();
        m.cmdSoovita.press();
        EXPECT_EQ(desktop.lastMessage().text, "Will save this pattern?");
        EXPECT_EQ(desktop.modalWindowsShown().size(), shown + (c.opens ? 1 : 0));
        EXPECT_EQ(m.lstSyda.listCount(), c.opens ? 0 : 1);
        EXPECT_EQ(desktop.isArmed(m.tmr_update), c.opens);
        m.tmr_update.setEnabled(false);
    }
}

}  // namespace
}  // namespace lumbrix
