// The open dialog: what a read fills, the unsaved-pattern question, refusals and deleting
// patterns. Files that cannot be opened are tested beside, in the refusal tests.
#include <gtest/gtest.h>

#include "mainwindow/frm_main.h"
#include "pattern_fixture.h"
#include "store/board_row.h"

namespace lumbrix {
namespace {

namespace fs = std::filesystem;
using test::PatternDialogTest;

class OpenDialog : public PatternDialogTest {
  protected:
    // Board rows as the program writes them, and a whole log section.
    static std::string row(const char* t, const char* w, const char* st, const char* sw,
                           double volume, const char* price) {
        return composeBoardRow(boardRowHead(t, w, st, sw), 4800, volume, price);
    }
    const std::string rowA = row("50.000", "150.00", "52.000", "156.00", 0.036, "247.8");
    const std::string rowB = row("47.000", "125.00", "49.000", "130.00", 0.028, "230.0");
    const std::string rowC = row("22.000", "100.00", "24.000", "104.00", 0.011, "180.0");
    const std::string rowD = row("19.000", "75.000", "21.000", "79.000", 0.007, "  160");
    static constexpr const char* kLog =
        "[Palk]\r\npalgidiameeter=250\r\npalgikoone=5\r\npalgipikkus=4900\r\n"
        "palgimaht=0.275\r\n";
};

TEST_F(OpenDialog, AReadFillsTheListsAndFieldsWithTheirDefaults) {
    const struct {
        const char* what;
        std::string file;
        std::vector<std::string> centre, left, lower;
        const char* author;
    } cases[] = {
        {"gaps, short rows and keys out of range",
         "[Saekava]\r\nsyda1=" + rowA + "\r\nsyda3=R\r\nsyda5=" + rowB + "\r\nsyda8=" + rowC +
             "\r\nvasak0=\r\nvasak1=" + rowC + "\r\nvasak2=" + rowD + "\r\nall0=" + rowD + "\r\n" +
             kLog,
         {rowA, rowB},
         {rowC},
         {rowD},
         "-"},
        {"letter case, quotes and blanks",
         "[SAEKAVA]\r\nSYDA0 = \"" + rowA + "\" \r\n" + kLog + "[Info]\r\nKoostaja='Mari Kask'\r\n",
         {rowA},
         {},
         {},
         "Mari Kask"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        folder.writeFile("my_patterns/A.kava", c.file);
        {
            // Driven without showing, so that no update follows the read.
            frmAvaKava& d = app->window<frmAvaKava>();
            d.File1.setFileName("A.kava");
            EXPECT_EQ(d.txtfailinimi.text(), "A");
            d.cmdAvaKava.press();
            frmMain& m = main();
            EXPECT_EQ(m.lstSyda.rows(), c.centre);
            EXPECT_EQ(m.lstKylgVasak.rows(), c.left);
            EXPECT_EQ(m.lstSeimerAll.rows(), c.lower);
            EXPECT_TRUE(m.lstKylgParem.rows().empty());
            EXPECT_EQ(m.txtPalk.text(), "250");
            EXPECT_EQ(m.txtKoone.text(), "5");
            EXPECT_EQ(m.txtPikkus.text(), "4900");
            EXPECT_EQ(m.lblPalgimaht.caption(), "0.275");
            EXPECT_EQ(m.txtKavaKuupaev.text(), "-");
            EXPECT_EQ(m.txtKavaKoostaja.text(), c.author);
            EXPECT_EQ(m.lblSaekavanimi.caption(), "A.kava");
            EXPECT_TRUE(desktop.isArmed(m.tmr_update));
            EXPECT_TRUE(m.cmdShowCalculations.enabled());
            EXPECT_FALSE(d.isLoaded());
        }
    }
}

TEST_F(OpenDialog, NothingChosenIsRefusedAndChangesNothing) {
    folder.writeFile("my_patterns/A.kava", "[Saekava]\r\nsyda0=" + rowA + "\r\n" + kLog);
    buildPattern();
    const std::string before = screen();
    openWith([&](frmAvaKava& d) {
        for (const char* typed : {"", "A"}) {
            d.txtfailinimi.setText(typed);
            desktop.expectMessage(MsgResult::Ok);
            d.cmdAvaKava.press();
            expectMessage("Please select pattern!", "Error!", mb::kCritical);
            EXPECT_TRUE(d.isLoaded());
        }
        d.cmdTyhista.press();
    });
    EXPECT_EQ(screen(), before);
}

TEST_F(OpenDialog, AnUnsavedPatternWithBoardsIsOfferedForSavingFirst) {
    folder.writeFile("my_patterns/A.kava", "[Saekava]\r\nsyda0=" + rowA + "\r\n" + kLog);
    buildPattern();
    const std::string row = main().lstSyda.list(0);
    desktop.expectMessage(MsgResult::Yes);
    openWith([&](frmAvaKava& d) {
        desktop.onNextModal(
            [](Form& save) { static_cast<frmSalvestaUusKava&>(save).cmdTagasi.press(); });
        d.File1.setFileName("A.kava");
        d.cmdAvaKava.press();
    });
    expectMessage("There is unsaved pattern in editor. Save it before opening other?",
                  "Save new pattern?", mb::kYesNo);
    EXPECT_EQ(desktop.modalWindowsShown(),
              (std::vector<std::string>{"frmAvaKava", "frmSalvestaUusKava"}));
    EXPECT_FALSE(app->isLoaded<frmAvaKava>());
    EXPECT_EQ(main().lstSyda.list(0), row) << "the chosen pattern is not opened";

    desktop.expectMessage(MsgResult::No);
    openFile("A.kava");
    EXPECT_EQ(main().lstSyda.rows(), std::vector<std::string>{rowA});

    // A named pattern is replaced without a question.
    desktop.clearMessages();
    main().lstSyda.clear();
    buildPattern();
    openFile("A.kava");
    EXPECT_EQ(main().lstSyda.rows(), std::vector<std::string>{rowA});
    for (const test::ShownMessage& shown : desktop.messages())
        EXPECT_NE(shown.title, "Save new pattern?");
}

TEST_F(OpenDialog, NotesComeFromTheChosenFileAndAreEmptyWithoutOne) {
    folder.writeFile("my_patterns/C.kava", "[Saekava]\r\nsyda0=" + rowC + "\r\n" + kLog);
    folder.writeFile("my_patterns/C.rtf", "{\\rtf1 notes of {\\b C}\\par}");
    folder.writeFile("my_patterns/Other.rtf", "{\\rtf1 other notes\\par}");
    folder.writeFile("my_patterns/D.kava", "[Saekava]\r\nsyda0=" + rowD + "\r\n" + kLog);
    main().lblSaekavanimi.setCaption("Mine");
    frmAvaKava* d = &app->window<frmAvaKava>();
    d->File1.setFileName("C.kava");
    d->txtfailinimi.setText("Other");
    d->cmdAvaKava.press();
    EXPECT_EQ(main().txtKavaNotes.text(), "notes of C");
    EXPECT_TRUE(main().txtKavaNotes.formats().back().bold);
    d = &app->window<frmAvaKava>();
    d->File1.setFileName("D.kava");
    d->File1.DblClick.raise();
    EXPECT_EQ(main().lstSyda.rows(), std::vector<std::string>{rowD});
    EXPECT_EQ(main().txtKavaNotes.text(), "") << "no notes file: no notes";
}

TEST_F(OpenDialog, CancellingStillRedrawsAndUpdates) {
    buildPattern();
    const std::string yield = main().lblvaljatulek.caption();
    main().lblvaljatulek.setCaption("");
    openWith([](frmAvaKava& d) { d.cmdTyhista.press(); });
    EXPECT_EQ(main().lblvaljatulek.caption(), yield);
    EXPECT_FALSE(app->isLoaded<frmAvaKava>());
}

TEST_F(OpenDialog, DeleteRemovesOnlyTheChosenPatternFile) {
    const struct {
        const char* what;
        const char* chosen;  // "" chooses nothing
        MsgResult answer;
        const char* question;
        bool removed;
    } cases[] = {
        {"Yes", "E.kava", MsgResult::Yes, "Do you want to delete pattern: E.kava ?", true},
        {"No", "E.kava", MsgResult::No, "Do you want to delete pattern: E.kava ?", false},
        {"nothing chosen", "", MsgResult::Yes, "Do you want to delete pattern:  ?", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        folder.writeFile("my_patterns/E.kava", "[Saekava]\r\n");
        folder.writeFile("my_patterns/E.rtf", "{\\rtf1 notes\\par}");
        openWith([&](frmAvaKava& d) {
            d.File1.setFileName(c.chosen);
            desktop.expectMessage(c.answer);
            if (!*c.chosen) desktop.expectMessage(MsgResult::Ok);
            d.cmdKustutaKava.press();
            EXPECT_EQ(desktop.messages().front().text, c.question);
            EXPECT_EQ(desktop.messages().front().title, "Delete?");
            if (!*c.chosen) {
                expectMessage("Please select pattern you want to delete!", "Delete",
                              mb::kInformation);
            }
            EXPECT_EQ(d.File1.listCount(), c.removed ? 0 : 1);
            EXPECT_EQ(d.txtfailinimi.text(), c.removed ? "" : (*c.chosen ? "E" : ""));
            EXPECT_TRUE(d.isLoaded()) << "a delete leaves the dialog open";
            d.cmdTyhista.press();
        });
        desktop.clearMessages();
        EXPECT_EQ(fs::exists(patterns() / "E.kava"), !c.removed);
        EXPECT_TRUE(fs::exists(patterns() / "E.rtf")) << "the notes stay";
    }
}

}  // namespace
}  // namespace lumbrix
