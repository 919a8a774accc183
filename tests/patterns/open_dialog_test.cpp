// The open dialog: what a read fills, the unsaved-pattern question, refusals, files that
// cannot be opened, and deleting patterns.
#include <gtest/gtest.h>

#include "mainwindow/frm_main.h"
#include "pattern_fixture.h"

namespace lumbrix {
namespace {

namespace fs = std::filesystem;
using test::PatternDialogTest;

class OpenDialog : public PatternDialogTest {};

TEST_F(OpenDialog, AReadFillsTheListsAndFieldsWithTheirDefaults) {
    const struct {
        const char* what;
        const char* file;
        std::vector<std::string> centre, left, lower;
        const char* diameter;
        const char* author;
    } cases[] = {
        {"gaps, short rows and keys out of range",
         "[Saekava]\r\nsyda1=ROW-A\r\nsyda3=R\r\nsyda5=ROW-B\r\nsyda8=ROW-C\r\nvasak0=\r\n"
         "vasak1=ROW-D\r\nvasak2=ROW-E\r\nall0=ROW-F\r\n",
         {"ROW-A", "ROW-B"},
         {"ROW-D"},
         {"ROW-F"},
         "0",
         "-"},
        {"letter case, quotes and blanks",
         "[SAEKAVA]\r\nSYDA0 = \"  ROW-Q  \" \r\n[palk]\r\nPalgiDiameeter=250\r\n"
         "[Info]\r\nKoostaja='Mari Kask'\r\n",
         {"  ROW-Q  "},
         {},
         {},
         "250",
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
            EXPECT_EQ(m.txtPalk.text(), c.diameter);
            EXPECT_EQ(m.txtKoone.text(), "0");
            EXPECT_EQ(m.txtPikkus.text(), "0");
            EXPECT_EQ(m.lblPalgimaht.caption(), "0");
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
    folder.writeFile("my_patterns/A.kava", "[Saekava]\r\nsyda0=ROW-A\r\n");
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
    folder.writeFile("my_patterns/A.kava",
                     "[Saekava]\r\nsyda0=ROW-A\r\n[Palk]\r\n"
                     "palgidiameeter=200\r\npalgipikkus=5200\r\n");
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
    ASSERT_EQ(main().lstSyda.listCount(), 1);
    EXPECT_TRUE(main().lstSyda.list(0).starts_with("ROW-A"));

    // A named pattern is replaced without a question.
    desktop.clearMessages();
    main().lstSyda.clear();
    buildPattern();
    openFile("A.kava");
    ASSERT_EQ(main().lstSyda.listCount(), 1);
    EXPECT_TRUE(main().lstSyda.list(0).starts_with("ROW-A"));
    for (const test::ShownMessage& shown : desktop.messages())
        EXPECT_NE(shown.title, "Save new pattern?");
}

TEST_F(OpenDialog, AFileThatCannotBeOpenedChangesNothing) {
    const std::string good = "[Saekava]\r\nsyda0=ROW-B\r\n";
    const struct {
        const char* what;
        std::string kava;
        std::string rtf;  // "-": none; "/": a folder
    } cases[] = {{"not text", std::string("[Saekava]\r\nsyda0=RO\0W\r\n", 23), "-"},
                 {"no pattern in it", "[Other]\r\nsyda0=ROW-B\r\n", "-"},
                 {"empty", "", "-"},
                 {"notes that are not rich text", good, "plain notes"},
                 {"notes that are a folder", good, "/"},
                 {"a pattern file gone since it was chosen", "", "gone"}};
    buildPattern();
    main().txtKavaNotes.setText("my notes");
    main().lblSaekavanimi.setCaption("Mine");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(patterns());
        folder.writeFile("my_patterns/B.kava", c.kava);
        if (c.rtf == "/") {
            fs::create_directories(patterns() / "B.rtf");
        } else if (c.rtf != "-" && c.rtf != "gone") {
            folder.writeFile("my_patterns/B.rtf", c.rtf);
        }
        const std::string before = screen();
        openWith([&](frmAvaKava& d) {
            d.File1.setFileName("B.kava");
            if (c.rtf == "gone") fs::remove(patterns() / "B.kava");
            desktop.expectMessage(MsgResult::Ok);
            d.cmdAvaKava.press();
            expectMessage("Viga kavafaili avamisel!", "Viga", mb::kCritical);
            EXPECT_EQ(screen(), before);
            EXPECT_EQ(main().lblSaekavanimi.caption(), "Mine");
            EXPECT_TRUE(d.isLoaded());
            d.cmdTyhista.press();
        });
    }
}

TEST_F(OpenDialog, NotesComeFromTheChosenFileAndAreEmptyWithoutOne) {
    folder.writeFile("my_patterns/C.kava", "[Saekava]\r\nsyda0=ROW-C\r\n");
    folder.writeFile("my_patterns/C.rtf", "{\\rtf1 notes of {\\b C}\\par}");
    folder.writeFile("my_patterns/Other.rtf", "{\\rtf1 other notes\\par}");
    folder.writeFile("my_patterns/D.kava", "[Saekava]\r\nsyda0=ROW-D\r\n");
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
    EXPECT_EQ(main().lstSyda.rows(), std::vector<std::string>{"ROW-D"});
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
