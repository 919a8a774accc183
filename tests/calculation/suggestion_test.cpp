// The centre-board suggestion dialog and the main window's Suggest command.
#include <gtest/gtest.h>

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
    // The captions come from the current language file.
    folder.copyShippedData();
    main().lblValitudKeel.setCaption("eesti.keel");
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
    EXPECT_EQ(d.caption(), "LUMBRIX - Materjali soovitamine");
    EXPECT_EQ(d.txtExLog.text(), "1");
    EXPECT_EQ(d.txtYlemoot.text(), "3");
    EXPECT_EQ(d.lblparimristloigesaag.caption(), "121.40 x 129.40") << "computed at load";

    // Back after stepping: the stepped diameter stays in the main window, no rows are added,
    // and the next opening starts from the design values again.
    d.cmdExLogPluss.press();
    d.cmdYlemootPluss.press();
    d.cmdPalkMiinus.press();
    d.cmdTagasi.press();
    EXPECT_FALSE(d.isLoaded());
    EXPECT_EQ(main().txtPalk.text(), "182");
    EXPECT_EQ(main().lstSyda.listCount(), 0);
    EXPECT_FALSE(desktop.isArmed(main().tmr_reload));
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
        const char *count, *oversize, *countShown, *oversizeShown, *nominal;
    } cases[] = {
        {"0", "3", "1", "3", "129.51 x 137.28"},   {"12", "3", "8", "3", "12.791 x 137.28"},
        {"abc", "3", "1", "3", "129.51 x 137.28"}, {"2.5", "3", "2", "3", "62.816 x 137.28"},
        {"1", "-2", "1", "0", "133.40 x 141.40"},  {"1", "15", "1", "10", "121.27 x 128.55"},
        {"1", "x", "1", "3", "129.51 x 137.28"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("count \"") + c.count + "\", oversize \"" + c.oversize + "\"");
        frmSoovita& d = computed("200", c.count, "4", c.oversize);
        EXPECT_EQ(d.txtExLog.text(), c.countShown);
        EXPECT_EQ(d.txtYlemoot.text(), c.oversizeShown);
        EXPECT_EQ(d.lblParimRistloige.caption(), c.nominal);
        d.unload();
    }
}

TEST_F(Suggestion, SteppersStopAtTheirLimitsAndRecomputeEveryTime) {
    const struct {
        const char* diameter;
        TextBox frmSoovita::*field;  // none: the diameter is stepped
        const char* start;
        CommandButton frmSoovita::*button;
        const char* after;
    } cases[] = {
        {"200", nullptr, "", &frmSoovita::cmdPalkPluss, "200"},
        {"200", nullptr, "", &frmSoovita::cmdPalkMiinus, "199"},
        {"115", nullptr, "", &frmSoovita::cmdPalkMiinus, "115"},
        {"300", nullptr, "", &frmSoovita::cmdPalkMiinus, "299"},  // only toward the range
        {"200", &frmSoovita::txtExLog, "8", &frmSoovita::cmdExLogPluss, "8"},
        {"200", &frmSoovita::txtExLog, "1", &frmSoovita::cmdExLogMiinus, "1"},
        {"200", &frmSoovita::txtYlemoot, "9.9", &frmSoovita::cmdYlemootPluss, "10.0"},
        {"200", &frmSoovita::txtYlemoot, "10.0", &frmSoovita::cmdYlemootPluss, "10.0"},
        {"200", &frmSoovita::txtYlemoot, "0.1", &frmSoovita::cmdYlemootMiinus, "0.0"},
        {"200", &frmSoovita::txtYlemoot, "0.0", &frmSoovita::cmdYlemootMiinus, "0.0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.diameter) + " " + c.start + " -> " + c.after);
        frmSoovita& d = open(c.diameter);
        if (c.field) (d.*c.field).setText(c.start);
        d.lblParimRistloige.setCaption("stale");
        (d.*c.button).press();
        if (c.field) {
            EXPECT_EQ((d.*c.field).text(), c.after);
        } else {
            EXPECT_EQ(d.lblPalgiDiameeter.caption(), c.after);
            EXPECT_EQ(main().txtPalk.text(), c.after) << "written into the main window";
        }
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
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        frmMain& m = main();
        m.lstSyda.clear();
        m.txtPikkus.setText(c.length);
        store().txtKappimineSydmat = c.trim;
        computed(c.diameter, c.count, "4", "3").cmdJoonistaKava.press();
        EXPECT_EQ(m.lstSyda.rows(), std::vector<std::string>(std::stoul(c.count), c.row));
        EXPECT_FALSE(app->isLoaded<frmSoovita>());
        EXPECT_TRUE(desktop.isArmed(m.tmr_reload));
        EXPECT_EQ(BoardRow(c.row).priceText(), "0.000");  // the tail is read as words
        m.tmr_reload.setEnabled(false);
    }
}

// The rows are those of the count as the field shows it, also when it was typed and no
// stepper has recomputed the suggestion since.
TEST_F(Suggestion, ShowPatternUsesTheCountAsTyped) {
    frmSoovita& d = open();
    d.txtExLog.setText("4");
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
}

// Show pattern writes only rows the centre list takes as they are: every size fills its
// six-character column, and the log is one the main window's drawing takes (a number whose
// whole value its diameter scroll bar holds, 10 to 600 mm).
TEST_F(Suggestion, ShowPatternIsOnlyForRowsTheListsAndTheDrawingTake) {
    const struct {
        const char* diameter;
        int largestDiameter;  // of the drawing's scroll bar
        const char* sawn;
        bool shown;
    } cases[] = {
        {"600", 600, "424.30 x 424.30", true},
        {"601", 600, "425.00 x 425.00", false},
        {"9.6", 600, "6.8000 x 6.8000", true},  // made whole: 10
        {"9.4", 600, "6.6000 x 6.6000", false},
        {"abc", 600, "0.0000 x 0.0000", false},
        {"1e9", 600, "707106781.20 x 707106781.20", false},
        // With a drawing that took them, the size columns decide.
        {"14142", 32767, "9999.9 x 9999.9", true},
        {"14143", 32767, "10000.60 x 10000.60", false},
        {"32767", 32767, "23169.80 x 23169.80", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.diameter);
        frmMain& m = main();
        m.lstSyda.clear();
        m.scrDiameeter.setMax(c.largestDiameter);
        frmSoovita& d = computed(c.diameter, "1", "0", "3");
        EXPECT_EQ(d.lblparimristloigesaag.caption(), c.sawn);
        EXPECT_EQ(d.cmdJoonistaKava.enabled(), c.shown);
        d.cmdJoonistaKava.press();
        if (c.shown) {
            ASSERT_EQ(m.lstSyda.listCount(), 1);
            const BoardRow row(m.lstSyda.list(0));
            EXPECT_EQ(row.sawingThicknessText() + " x " + row.sawingWidthText(), c.sawn);
            EXPECT_EQ(row.priceText(), "0.000");
            m.tmr_reload.setEnabled(false);
        } else {
            EXPECT_EQ(m.lstSyda.listCount(), 0) << "no row written";
            EXPECT_TRUE(d.isLoaded()) << "the dialog stays open";
            EXPECT_FALSE(desktop.isArmed(m.tmr_reload));
            d.unload();
        }
    }
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

TEST_F(Suggestion, TheSuggestCommandGivesAFittedAndPricedPatternOnANewPattern) {
    folder.copyShippedData();  // a named pattern's New reloads the profile's log prices
    frmMain& m = main();
    m.lblSaekavanimi.setCaption("kava1");  // a named pattern is cleared without a question
    m.lstSyda.addItem(boardRow(47, 145, 50, 150, 5100, 0.035));
    desktop.onNextModal([&](Form& form) {
        auto& d = dynamic_cast<frmSoovita&>(form);
        EXPECT_EQ(m.lstSyda.listCount(), 0) << "the new pattern came first";
        for (int i = 0; i < 3; ++i)
            d.cmdExLogPluss.press();
        d.cmdJoonistaKava.press();
    });
    m.cmdSoovita.press();
    EXPECT_EQ(desktop.modalWindowsShown(), std::vector<std::string>{"frmSoovita"});
    ASSERT_EQ(m.lstSyda.listCount(), 4);
    EXPECT_TRUE(desktop.isArmed(m.tmr_reload));
    EXPECT_TRUE(desktop.isArmed(m.tmr_update));

    desktop.advanceClock(1);
    // The fit measures the boxes of the rows just written: 4 x 30.35 + 5 x 4 across and
    // 141.4 + 2 x 5 high, a diagonal of 207.16 mm.
    EXPECT_EQ(m.txtPalk.text(), "207");
    EXPECT_EQ(m.scrDiameeter.value(), 207);
    EXPECT_TRUE(m.picsyda[3].visible());
    EXPECT_DOUBLE_EQ(m.picsyda[3].width(), 30.35);
    EXPECT_FALSE(m.picsyda[4].visible());
    EXPECT_EQ(m.lblSaematerjalMaht.caption(), "0.084");  // 4 x 0.021
    EXPECT_EQ(m.lblsydmatosakaal.caption(), "100.0");
    EXPECT_EQ(m.lblvaljatulek.caption(),
              FormatNumber(Round(0.084 / m.pattern.dblPalgimaht, 3), "0.00%"));
    EXPECT_FALSE(m.lblmargintotal.caption().empty()) << "priced";
}

// The dialog opens only on an empty centre list: a pattern the planner keeps is not added to.
TEST_F(Suggestion, TheSuggestCommandLeavesAKeptPatternAlone) {
    for (const MsgResult answer : {MsgResult::No, MsgResult::Cancel}) {
        const bool opens = answer == MsgResult::No;
        frmMain& m = main();
        m.lstSyda.clear();
        m.lstSyda.addItem(boardRow(47, 145, 50, 150, 5100, 0.035));
        desktop.expectMessage(answer);
        if (opens) desktop.onNextModal([](Form& form) { form.unload(); });
        m.cmdSoovita.press();
        EXPECT_EQ(desktop.lastMessage().text, "Will save this pattern?");
        EXPECT_EQ(m.lstSyda.listCount(), opens ? 0 : 1);
        EXPECT_EQ(desktop.isArmed(m.tmr_update), opens);
        m.tmr_update.setEnabled(false);
    }
    EXPECT_EQ(desktop.modalWindowsShown().size(), 1u);
}

}  // namespace
}  // namespace lumbrix
