// Pattern files the open dialog refuses: each box names the file and what is wrong with it,
// and nothing on screen changes. Damaged notes beside a good pattern file are kept aside and
// the pattern opens with empty notes.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cerrno>
#include <functional>

#include "mainwindow/frm_main.h"
#include "pattern_fixture.h"
#include "platform/atomic_file.h"
#include "store/board_row.h"
#include "test_files.h"

namespace lumbrix {
namespace {

namespace fs = std::filesystem;
using test::PatternDialogTest;

const std::string kHeading = "Error opening the pattern file!\n";
const std::string kEstonianHeading = "Viga kavafaili avamisel!\n";

std::string logSection(const std::string& diameter, const std::string& taper,
                       const std::string& length) {
    std::string s = "[Palk]\r\n";
    if (!diameter.empty()) s += "palgidiameeter=" + diameter + "\r\n";
    if (!taper.empty()) s += "palgikoone=" + taper + "\r\n";
    if (!length.empty()) s += "palgipikkus=" + length + "\r\n";
    return s + "palgimaht=0.275\r\n";
}

// The refusal of a pattern whose damaged notes `notesFile` cannot be kept as `copy`, for the
// disk is full.
std::string notesNotKeptOnAFullDisk(const std::string& notesFile, const std::string& copy,
                                    bool estonian) {
    if (estonian) {
        return kEstonianHeading + notesFile +
               "\nMärkmete fail on vigane ja seda ei saa alles hoida: See ei ole RTF-vormingus "
               "tekst: Vigane failivorming. Koopiat ei saa kirjutada: " +
               copy + ": kettal ei ole ruumi.";
    }
    return kHeading + notesFile +
           "\nThe notes file is damaged and cannot be kept aside: It is not rich text (RTF): "
           "Invalid file format: the file is not an RTF document. Cannot write " +
           copy + ": No space left on device.";
}

class OpenRefusals : public PatternDialogTest {
  protected:
    const std::string row =
        composeBoardRow(boardRowHead("50.000", "150.00", "52.000", "156.00"), 4800, 0.036, "247.8");
    const std::string good = "[Saekava]\r\nsyda0=" + row + "\r\nsyda1=" + row + "\r\n" +
                             logSection("250", "5", "4900") + "[Info]\r\nKoostaja=Mari\r\n";

    // A pattern file of one centre board row and this log section.
    std::string centreRowAnd(const std::string& log) const {
        return "[Saekava]\r\nsyda0=" + row + "\r\n" + log;
    }

    // Opens `file` (B.kava) through the main window's Open button, expecting the refusal box
    // with the title of the message language; the dialog stays open until it is cancelled.
    std::string refusedOpen(const char* title = "Error", const std::string& file = "B.kava") {
        std::string shown;
        openWith([&](frmAvaKava& d) {
            d.File1.setFileName(file);
            desktop.expectMessage(MsgResult::Ok);
            d.cmdAvaKava.press();
            shown = desktop.lastMessage().text;
            EXPECT_EQ(desktop.lastMessage().title, title);
            EXPECT_EQ(desktop.lastMessage().style, mb::kCritical);
            EXPECT_TRUE(d.isLoaded());
            d.cmdTyhista.press();
        });
        return shown;
    }
    std::string path(const char* file) { return (patterns() / file).string(); }
};

TEST_F(OpenRefusals, ADamagedPairIsRefusedByNameAndChangesNothing) {
    buildPattern();
    main().txtKavaNotes.setText("my notes");
    main().lblSaekavanimi.setCaption("Mine");
    // A pattern as the save writes it, cut to 50 bytes.
    saveAs("Full");
    main().lblSaekavanimi.setCaption("Mine");
    const std::string cut = folder.readFile("my_patterns/Full.kava").substr(0, 50);
    const std::string head = boardRowHead("1E999 ", "1E999 ", "1E999 ", "1E999 ");
    const struct {
        const char* what;
        std::string kava;
        const char* file;  // the file named
        std::string reason;
        const char* notes = nullptr;  // "/": a folder
    } cases[] = {
        {"not text", std::string("[Saekava]\r\nsyda0=RO\0W\r\n", 23), "B.kava",
         "The file is not text."},
        {"no pattern in it", "[Other]\r\nsyda0=" + row + "\r\n", "B.kava",
         "The file holds no pattern."},
        {"empty", "", "B.kava", "The file holds no pattern."},
        {"cut to 50 bytes", cut, "B.kava", "The key palgidiameeter of section Palk is missing."},
        {"a missing length", centreRowAnd(logSection("250", "5", "")), "B.kava",
         "The key palgipikkus of section Palk is missing."},
        {"a diameter that is no number", centreRowAnd(logSection("abc", "5", "4900")), "B.kava",
         "The log diameter (palgidiameeter) \"abc\" is not a number from 10 to 600."},
        {"a diameter beyond every number", centreRowAnd(logSection("1E999", "5", "4900")), "B.kava",
         "The log diameter (palgidiameeter) \"1E999\" is not a number from 10 to 600."},
        {"a diameter beyond the scroll bar", centreRowAnd(logSection("99999999", "5", "4900")),
         "B.kava",
         "The log diameter (palgidiameeter) \"99999999\" is not a number from 10 to 600."},
        {"a taper beyond the scroll bar", centreRowAnd(logSection("250", "11", "4900")), "B.kava",
         "The log taper (palgikoone) \"11\" is not a number from 0 to 10."},
        {"sizes beyond every number",
         "[Saekava]\r\nsyda0=" + row +
             "\r\nsyda1=" + composeBoardRowText(head, "4800", "0.036", "247.8") + "\r\n" +
             logSection("250", "5", "4900"),
         "B.kava",
         "The board row syda1 has the nominal thickness \"1E999\", which is not a size above "
         "0."},
        {"negative sizes",
         "[Saekava]\r\nsyda0=" +
             composeBoardRow(boardRowHead("-50.00", "150.00", "52.000", "156.00"), 4800, 0.036,
                             "247.8") +
             "\r\n" + logSection("250", "5", "4900"),
         "B.kava",
         "The board row syda0 has the nominal thickness \"-50.00\", which is not a size above 0."},
        {"a volume of 200 digits",
         "[Saekava]\r\nsyda2=" +
             composeBoardRowText(row.substr(0, 31), "4800", std::string(200, '9'), "247.8") +
             "\r\n" + logSection("250", "5", "4900"),
         "B.kava",
         "The board row syda2 has the volume \"" + std::string(200, '9') +
             "\", which is not a volume from 0 to 10000000 m3."},
        {"a row that is no board row",
         "[Saekava]\r\nsyda0=" + row + "\r\nall1=ROW-A and more\r\n" +
             logSection("250", "5", "4900"),
         "B.kava", "The board row all1 \"ROW-A and more\" is cut short."},
        {"no centre board", "[Saekava]\r\nvasak0=" + row + "\r\n" + logSection("250", "5", "4900"),
         "B.kava", "The file holds no centre board."},
        {"notes that are a folder", good, "B.rtf", "The file cannot be read: ", "/"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(patterns() / "B.rtf");
        folder.writeFile("my_patterns/B.kava", c.kava);
        if (c.notes) fs::create_directories(patterns() / "B.rtf");
        const std::string before = screen();
        const std::string shown = refusedOpen();
        EXPECT_TRUE(shown.starts_with(kHeading + path(c.file) + "\n" + c.reason)) << shown;
        EXPECT_EQ(screen(), before);
        EXPECT_EQ(main().lblSaekavanimi.caption(), "Mine");
        EXPECT_EQ(desktop.messages().size(), 1u) << "one box, and none without a file";
        desktop.clearMessages();
    }
}

TEST_F(OpenRefusals, AnEstonianProgramRefusesInEstonianThroughout) {
    buildPattern();
    main().txtKavaNotes.setText("my notes");
    main().lblSaekavanimi.setCaption("Mine");
    main().lblValitudKeel.setCaption("eesti.keel");
    main().uuenda_materjalid();
    const struct {
        const char* what;
        std::function<void()> plant;
        const char* file;
        const char* reason;
    } cases[] = {
        {"a length that is no number",
         [&] {
             folder.writeFile("my_patterns/B.kava", centreRowAnd(logSection("250", "5", "abc")));
         },
         "B.kava", "Palgi pikkus (palgipikkus) \"abc\" ei ole arv vahemikus 2800 kuni 6100."},
        {"notes that are a folder",
         [&] {
             folder.writeFile("my_patterns/B.kava", good);
             fs::create_directories(patterns() / "B.rtf");
         },
         "B.rtf", "Faili ei saa lugeda: see ei ole fail."},
        {"notes that are a named pipe",
         [&] {
             folder.writeFile("my_patterns/B.kava", good);
             ASSERT_EQ(::mkfifo((patterns() / "B.rtf").c_str(), 0644), 0);
         },
         "B.rtf", "Faili ei saa lugeda: see ei ole fail."},
        {"a pattern file over 16 MB",
         [&] { folder.writeFile("my_patterns/B.kava", good + std::string(17 << 20, ' ')); },
         "B.kava", "Faili ei saa lugeda: fail on liiga suur."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(patterns() / "B.rtf");
        c.plant();
        const std::string before = screen();
        EXPECT_EQ(refusedOpen("Viga"), kEstonianHeading + path(c.file) + "\n" + c.reason);
        EXPECT_EQ(screen(), before);
        desktop.clearMessages();
    }

    // Damaged notes beside a good pattern file: the pattern opens, and the box says why.
    fs::remove_all(patterns() / "B.rtf");
    folder.writeFile("my_patterns/B.kava", good);
    folder.writeFile("my_patterns/B.rtf", "plain notes");
    desktop.expectMessage(MsgResult::Ok);
    openFile("B.kava");
    EXPECT_EQ(desktop.lastMessage().text,
              test::damagedNotesBox(path("B.rtf"), path("B.rtf.damaged"), true));
    EXPECT_EQ(desktop.lastMessage().title, "Märkmed");
    EXPECT_EQ(main().lblSaekavanimi.caption(), "B.kava");
}

TEST_F(OpenRefusals, EveryFormThePatternsTakeOpens) {
    const auto rowOf = [](const char* t, const char* w, const char* length, const char* volume,
                          const char* price) {
        return composeBoardRowText(boardRowHead(t, w, "52.000", "156.00"), length, volume, price);
    };
    const struct {
        const char* what;
        std::string row;
        std::string log;
    } cases[] = {
        {"decimal commas", rowOf("50,000", "150,00", "4800", "0,036", "247,8"),
         logSection("250", "5", "4900")},
        {"a short length and a price with blanks",
         rowOf("50.000", "150.00", "900", "0.007", "  450"), logSection("250", "5", "4900")},
        {"a price of 0 and the smallest volume",
         rowOf("8.0000", "10.000", "4800", "0.001", "0.000"), logSection("250", "5", "4900")},
        {"the log at its limits", rowOf("50.000", "150.00", "6000", "0.045", "247.8"),
         logSection("600", "10", "6100")},
        {"no log volume, which the drawing computes",
         rowOf("50.000", "150.00", "4800", "0.036", "247.8"),
         "[Palk]\r\npalgidiameeter=250\r\npalgikoone=5\r\npalgipikkus=4900\r\n"},
        {"the log at its other limits", rowOf("50.000", "150.00", "2700", "0.020", "247.8"),
         logSection("10", "0", "2800")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        folder.writeFile("my_patterns/B.kava", "[Saekava]\r\nsyda0=" + c.row + "\r\n" + c.log);
        main().lblSaekavanimi.setCaption("Mine");
        openFile("B.kava");
        EXPECT_EQ(main().lblSaekavanimi.caption(), "B.kava");
        ASSERT_EQ(main().lstSyda.listCount(), 1);
        EXPECT_EQ(main().lstSyda.list(0).substr(0, 31), c.row.substr(0, 31));
        EXPECT_NE(main().lblvaljatulek.caption(), "");
        EXPECT_TRUE(desktop.messages().empty());
    }
}

TEST_F(OpenRefusals, DamagedNotesAreKeptAsideAndThePatternOpensWithEmptyNotes) {
    buildPattern();
    main().txtKavaNotes.setText("my notes");
    main().lblSaekavanimi.setCaption("Mine");
    folder.writeFile("my_patterns/B.kava", good);
    folder.writeFile("my_patterns/B.rtf", "plain notes");
    const auto openWithDamagedNotes = [&](const char* keptAs) {
        desktop.expectMessage(MsgResult::Ok);
        openFile("B.kava");
        EXPECT_EQ(desktop.lastMessage().text,
                  test::damagedNotesBox(path("B.rtf"), path(keptAs), false));
        EXPECT_EQ(desktop.lastMessage().title, "Notes");
        EXPECT_EQ(main().lstSyda.rows(), (std::vector<std::string>{row, row}));
        EXPECT_EQ(main().txtKavaKoostaja.text(), "Mari");
        EXPECT_EQ(main().txtKavaNotes.text(), "");
        EXPECT_EQ(main().lblSaekavanimi.caption(), "B.kava");
        EXPECT_NE(main().lblmargintotal.caption(), "");
        EXPECT_EQ(folder.readFile("my_patterns/" + std::string(keptAs)),
                  folder.readFile("my_patterns/B.rtf"));
    };
    openWithDamagedNotes("B.rtf.damaged");
    // The same damaged notes again: the copy already kept serves.
    openWithDamagedNotes("B.rtf.damaged");
    EXPECT_FALSE(fs::exists(patterns() / "B.rtf.damaged2"));
    // Other damaged notes never go over the first copy.
    folder.writeFile("my_patterns/B.rtf", "other plain notes");
    openWithDamagedNotes("B.rtf.damaged2");
    EXPECT_EQ(folder.readFile("my_patterns/B.rtf.damaged"), "plain notes");

    // A save over the pattern no longer holds the damaged notes, which stay kept.
    saveAs("B");
    EXPECT_FALSE(fs::exists(patterns() / "B.rtf"));
    EXPECT_EQ(folder.readFile("my_patterns/B.rtf.damaged2"), "other plain notes");

    // Without a place to keep them the notes are not given up: the pattern is refused.
    folder.writeFile("my_patterns/B.rtf", "third plain notes");
    main().lblValitudKeel.setCaption("eesti.keel");
    main().uuenda_materjalid();
    const std::string before = screen();
    std::string shown;
    {
        test::FullDisk full;
        const ScopedFileSink installed(full);
        shown = refusedOpen("Viga");
    }
    EXPECT_EQ(shown, notesNotKeptOnAFullDisk(path("B.rtf"), path("B.rtf.damaged3"), true))
        << "every reason in Estonian";
    EXPECT_EQ(screen(), before);
    EXPECT_FALSE(fs::exists(patterns() / "B.rtf.damaged3"));
    EXPECT_EQ(folder.readFile("my_patterns/B.rtf"), "third plain notes");
}

// `text` n times over.
std::string times(const std::string& text, int n) {
    std::string out;
    for (int i = 0; i < n; ++i)
        out += text;
    return out;
}

TEST_F(OpenRefusals, DamagedNotesOfALongNameOrAnUnwritableFolderNeverBlockAGoodPattern) {
    const std::string notes = "plain notes";
    const std::string ascii250(250, 'a');
    enum class Outcome { kKept, kLeft, kRefused };
    const struct {
        const char* what;
        std::string name;  // mostly 246 to 250 bytes, which Save takes: NAME.kava fits 255
        std::string keptAs;
        Outcome outcome = Outcome::kKept;  // refused: every write finds the disk full
        int folderError = 0;               // the patterns folder takes no new file, with this error
        std::string earlierCopy{};         // already kept under keptAs's first name, other bytes
    } cases[] = {
        {"246 letters", std::string(246, 'a'), std::string(243, 'a') + ".rtf.damaged"},
        {"250 letters", ascii250, std::string(243, 'a') + ".rtf.damaged"},
        {"a numbered copy beside an earlier one", ascii250, std::string(242, 'a') + ".rtf.damaged2",
         Outcome::kKept, 0, std::string(243, 'a') + ".rtf.damaged"},
        {"125 two-byte letters", times("ä", 125), times("ä", 121) + ".rtf.damaged"},
        {"83 three-byte signs after a letter", "a" + times("€", 83),
         "a" + times("€", 80) + ".rtf.damaged"},
        {"62 four-byte signs after two letters", "ab" + times("😀", 62),
         "ab" + times("😀", 60) + ".rtf.damaged"},
        {"a folder without write permission", "B", "", Outcome::kLeft, EACCES},
        {"a folder on a read-only file system", times("õ", 124), "", Outcome::kLeft, EROFS},
        {"a full disk", ascii250, std::string(243, 'a') + ".rtf.damaged", Outcome::kRefused},
    };
    for (const char* language : {"english.keel", "eesti.keel"}) {
        const bool estonian = std::string(language) == "eesti.keel";
        main().lblValitudKeel.setCaption(language);
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(language) + ": " + c.what);
            fs::remove_all(patterns());
            fs::create_directories(patterns());
            folder.writeFile("my_patterns/" + c.name + ".kava", good);
            folder.writeFile("my_patterns/" + c.name + ".rtf", notes);
            if (!c.earlierCopy.empty()) folder.writeFile("my_patterns/" + c.earlierCopy, "other");
            main().Uus_kava();
            buildPattern();
            main().lblSaekavanimi.setCaption("Mine");
            const std::vector<std::string> namesBefore = test::namesIn(patterns());
            const std::string before = screen();
            const std::string notesFile = path((c.name + ".rtf").c_str());
            const std::string copy = path(c.keptAs.c_str());
            std::string shown;
            {
                test::UnwritableFolder unwritable(patterns(), c.folderError);
                test::FullDisk full;
                FileSink plain;
                const ScopedFileSink installed(c.folderError != 0 ? unwritable
                                               : c.outcome == Outcome::kRefused
                                                   ? static_cast<FileSink&>(full)
                                                   : plain);
                if (c.folderError != 0) fs::permissions(patterns(), fs::perms(0555));
                if (c.outcome == Outcome::kRefused) {
                    shown = refusedOpen(estonian ? "Viga" : "Error", c.name + ".kava");
                } else {
                    desktop.expectMessage(MsgResult::Ok);
                    openFile(c.name + ".kava");
                    shown = desktop.lastMessage().text;
                    EXPECT_EQ(desktop.lastMessage().title, estonian ? "Märkmed" : "Notes");
                    EXPECT_EQ(desktop.lastMessage().style, mb::kExclamation);
                }
                fs::permissions(patterns(), fs::perms::owner_all);
            }
            switch (c.outcome) {
                case Outcome::kKept:
                    EXPECT_EQ(shown, test::damagedNotesBox(notesFile, copy, estonian));
                    EXPECT_EQ(folder.readFile("my_patterns/" + c.keptAs), notes);
                    break;
                case Outcome::kLeft:
                    EXPECT_EQ(shown, test::damagedNotesBox(notesFile, "", estonian));
                    EXPECT_EQ(test::namesIn(patterns()), namesBefore) << "no copy, nothing left";
                    break;
                case Outcome::kRefused:
                    EXPECT_EQ(shown, notesNotKeptOnAFullDisk(notesFile, copy, estonian));
                    EXPECT_EQ(screen(), before);
                    EXPECT_EQ(main().lblSaekavanimi.caption(), "Mine");
                    EXPECT_EQ(test::namesIn(patterns()), namesBefore) << "no copy, nothing left";
                    break;
            }
            EXPECT_EQ(folder.readFile("my_patterns/" + c.name + ".rtf"), notes) << "as it was";
            if (c.outcome == Outcome::kRefused) continue;
            EXPECT_EQ(main().lblSaekavanimi.caption(), c.name + ".kava");
            EXPECT_EQ(main().lstSyda.rows(), (std::vector<std::string>{row, row}));
            EXPECT_EQ(main().txtKavaNotes.text(), "");
        }
    }
}

}  // namespace
}  // namespace lumbrix
