// A full pattern saved, reset with New and opened again comes back as it was; the dialogs
// driven without showing them always go away afterwards.
#include <gtest/gtest.h>

#include "mainwindow/frm_main.h"
#include "pattern_fixture.h"
#include "patterns/hidden_pattern_dialogs.h"
#include "platform/vb_error.h"
#include "store/board_row.h"

namespace lumbrix {
namespace {

namespace fs = std::filesystem;
using test::PatternDialogTest;

class PatternRoundTrip : public PatternDialogTest {};

TEST_F(PatternRoundTrip, AFullPatternComesBackWithEveryFigureAndItsFormattedNotes) {
    buildFullPattern();
    frmMain& m = main();
    m.txtKavaKoostaja.setText("Tõnu Šõžmäe-Üürike");
    RichTextBox& notes = m.txtKavaNotes;
    notes.setText("Rasvane kaldkiri allajoonitud: õ ä ö ü š ž\r\nteine rida");
    notes.select(0, 7);
    notes.setSelBold(true);
    notes.select(8, 9);
    notes.setSelItalic(true);
    notes.select(18, 11);
    notes.setSelUnderline(true);
    const RichText notesBefore = notes.content();
    const std::string before = screen();
    ASSERT_NE(m.lblmargintotal.caption(), "");

    saveAs();
    const std::string name = m.lblSaekavanimi.caption();
    EXPECT_EQ(name, "LUMBRIX_400_32.000x100.00 _8ex");
    EXPECT_TRUE(fs::exists(patterns() / (name + ".rtf")));

    m.cmdUusKava.press();  // a named pattern is cleared without a question
    EXPECT_EQ(m.lstSyda.listCount(), 0);
    EXPECT_EQ(notes.text(), "");
    useTypicalProfile();  // New reloads the profile's log prices; this test has none on disk

    openFile(name + ".kava");
    EXPECT_EQ(screen(), before);
    EXPECT_EQ(notes.content().text, notesBefore.text);
    EXPECT_EQ(notes.content().formats, notesBefore.formats);
    EXPECT_EQ(m.lblSaekavanimi.caption(), name + ".kava");
}

// The largest sizes the row's columns hold on the longest log: the volume the drawing works out
// for such a board is saved, and the saved pattern opens again as it was saved.
TEST_F(PatternRoundTrip, APatternOfTheLargestSizesOpensAgainAsSaved) {
    const std::string row = composeBoardRow(boardRowHead("999999", "999999", "999999", "999999"),
                                            6100, 999.999, "99999");
    folder.writeFile("my_patterns/Big.kava",
                     "[Saekava]\r\nsyda0=" + row + "\r\nvasak0=" + row +
                         "\r\n[Palk]\r\npalgidiameeter=600\r\npalgikoone=10\r\n"
                         "palgipikkus=6100\r\n");
    frmMain& m = main();
    openFile("Big.kava");
    ASSERT_EQ(m.lblSaekavanimi.caption(), "Big.kava");
    saveAs("Again");
    const std::string saved = screen();
    m.Uus_kava();
    openFile("Again.kava");
    EXPECT_TRUE(desktop.messages().empty()) << desktop.lastMessage().text;
    EXPECT_EQ(m.lblSaekavanimi.caption(), "Again.kava");
    m.lblSaekavanimi.setCaption("Again");  // the name the save showed
    EXPECT_EQ(screen(), saved);
}

TEST_F(PatternRoundTrip, DialogsDrivenWithoutShowingAreAlwaysDiscarded) {
    buildPattern();
    const fs::path compare = patterns() / "compare";
    fs::create_directories(compare);
    EXPECT_TRUE(savePatternWithoutShowing(*app, compare, "3"));
    EXPECT_EQ(main().lblSaekavanimi.caption(), "3");
    EXPECT_TRUE(fs::exists(compare / "3.kava"));

    desktop.expectMessage(MsgResult::Ok);
    EXPECT_FALSE(savePatternWithoutShowing(*app, compare, "."));
    EXPECT_EQ(desktop.lastMessage().title, "LUMBRIX: SUB - cmdSave_Click");
    desktop.expectMessage(MsgResult::Ok);
    EXPECT_FALSE(savePatternWithoutShowing(*app, compare / "missing", "4"));
    EXPECT_TRUE(desktop.lastMessage().text.starts_with("76 - "));
    EXPECT_EQ(desktop.lastMessage().title, "LUMBRIX: SUB - cmdSave_Click");
    EXPECT_FALSE(app->isLoaded<frmSalvestaUusKava>());

    const std::string row = main().lstSyda.list(0);
    main().Uus_kava();
    EXPECT_FALSE(openPatternWithoutShowing(*app, compare, "2")) << "no such slot";
    EXPECT_TRUE(openPatternWithoutShowing(*app, compare, "3"));
    EXPECT_EQ(main().lstSyda.list(0), row);
    EXPECT_EQ(main().lblSaekavanimi.caption(), "3.kava");
    EXPECT_THROW(openPatternWithoutShowing(*app, compare / "missing", "3"), VbError);
    EXPECT_FALSE(app->isLoaded<frmAvaKava>());
    EXPECT_TRUE(desktop.modalWindowsShown().empty());
}

}  // namespace
}  // namespace lumbrix
