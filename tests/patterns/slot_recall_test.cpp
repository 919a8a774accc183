// Recalling a comparison slot by its bar: the slot's files are read first, and a slot that
// cannot be opened is refused by name without touching the pattern being worked on.
#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <vector>

#include "mainwindow/frm_main.h"
#include "pattern_fixture.h"
#include "platform/atomic_file.h"
#include "test_files.h"

namespace lumbrix {
namespace {

namespace fs = std::filesystem;
using test::PatternDialogTest;

class SlotRecall : public PatternDialogTest {
  protected:
    fs::path compare() const { return patterns() / "compare"; }
    std::string slotFile(const char* name) const { return (compare() / name).string(); }
    void click(int slot) { main().lblCompare[slot].Click.raise(); }
    // The planner works on another pattern before clicking a bar.
    void workOnAnotherPattern() {
        main().Uus_kava();
        buildFullPattern();
        main().txtKavaNotes.setText("work in progress");
        main().lblSaekavanimi.setCaption("Work");
    }
};

TEST_F(SlotRecall, ASlotThatCannotBeOpenedIsRefusedByNameAndTheEditorStaysAsItWas) {
    buildPattern();
    main().txtKavaNotes.setText("parked notes");
    main().mnupalkaddtocompare.click();
    ASSERT_TRUE(main().lblCompare[0].visible());
    const std::string parked = folder.readFile("my_patterns/compare/0.kava");

    const struct {
        const char* what;
        std::string kava;
        const char* notes;  // nullptr: as parked; "/": a folder
        const char* file;
        const char* reason;
    } cases[] = {
        {"a pattern file cut short", parked.substr(0, 50), nullptr, "0.kava",
         "The key palgidiameeter of section Palk is missing."},
        {"a pattern file that is not text", std::string("[Saekava]\0", 10), nullptr, "0.kava",
         "The file is not text."},
        {"notes that cannot be read", parked, "/", "0.rtf", "The file cannot be read: "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        folder.writeFile("my_patterns/compare/0.kava", c.kava);
        if (c.notes) {
            fs::remove(compare() / "0.rtf");
            fs::create_directories(compare() / "0.rtf");
        }
        workOnAnotherPattern();
        const std::string before = screen();
        desktop.expectMessage(MsgResult::Ok);
        click(0);
        EXPECT_TRUE(desktop.lastMessage().text.starts_with("Error opening the pattern file!\n" +
                                                           slotFile(c.file) + "\n" + c.reason))
            << desktop.lastMessage().text;
        EXPECT_EQ(desktop.lastMessage().title, "Error");
        EXPECT_EQ(desktop.messages().size(), 1u);
        EXPECT_EQ(screen(), before);
        EXPECT_EQ(main().lblSaekavanimi.caption(), "Work");
        desktop.clearMessages();
    }
}

TEST_F(SlotRecall, DamagedNotesOfASlotAreKeptAsideAndItsPatternComesBack) {
    buildPattern();
    main().mnupalkaddtocompare.click();
    const std::string margin = main().lblmargintotal.caption();
    folder.writeFile("my_patterns/compare/0.rtf", "not rich text");
    workOnAnotherPattern();
    desktop.expectMessage(MsgResult::Ok);
    click(0);
    EXPECT_EQ(desktop.lastMessage().text,
              test::damagedNotesBox(slotFile("0.rtf"), slotFile("0.rtf.damaged"), false));
    EXPECT_EQ(desktop.messages().size(), 1u);
    EXPECT_EQ(main().lblSaekavanimi.caption(), "0.kava");
    EXPECT_EQ(main().lstSyda.listCount(), 3);
    EXPECT_EQ(main().lblmargintotal.caption(), margin);
    EXPECT_EQ(main().txtKavaNotes.text(), "");
    EXPECT_EQ(folder.readFile("my_patterns/compare/0.rtf.damaged"), "not rich text");
}

TEST_F(SlotRecall, DamagedNotesOfASlotInAFolderThatCannotBeWrittenStayAsTheyAre) {
    buildPattern();
    main().mnupalkaddtocompare.click();
    const std::string parked = folder.readFile("my_patterns/compare/0.kava");
    const struct {
        const char* what;
        int folderError;  // the comparison folder takes no new file, with this error
        bool left;        // else refused: the disk is full
    } cases[] = {
        {"no write permission", EACCES, true},
        {"a read-only file system", EROFS, true},
        {"a full disk", 0, false},
    };
    for (const char* language : {"english.keel", "eesti.keel"}) {
        const bool estonian = std::string(language) == "eesti.keel";
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(language) + ": " + c.what);
            folder.writeFile("my_patterns/compare/0.kava", parked);
            folder.writeFile("my_patterns/compare/0.rtf", "not rich text");
            workOnAnotherPattern();
            main().lblValitudKeel.setCaption(language);
            const std::vector<std::string> namesBefore = test::namesIn(compare());
            const std::string before = screen();
            desktop.clearMessages();
            desktop.expectMessage(MsgResult::Ok);
            {
                test::UnwritableFolder unwritable(compare(), c.folderError);
                test::FullDisk full;
                const ScopedFileSink installed(c.left ? static_cast<FileSink&>(unwritable) : full);
                if (c.left) fs::permissions(compare(), fs::perms(0555));
                click(0);
                fs::permissions(compare(), fs::perms::owner_all);
            }
            ASSERT_EQ(desktop.messages().size(), 1u);
            const std::string& shown = desktop.lastMessage().text;
            if (c.left) {
                EXPECT_EQ(shown, test::damagedNotesBox(compare() / "0.rtf", "", estonian));
                EXPECT_EQ(desktop.lastMessage().title, estonian ? "Märkmed" : "Notes");
                EXPECT_EQ(main().lblSaekavanimi.caption(), "0.kava");
                EXPECT_EQ(main().lstSyda.listCount(), 3);
                EXPECT_EQ(main().txtKavaNotes.text(), "");
            } else {
                EXPECT_TRUE(shown.starts_with(
                    (estonian ? "Viga kavafaili avamisel!\n"
                              : "Error opening the pattern file!\n") +
                    slotFile("0.rtf") +
                    (estonian ? "\nMärkmete fail on vigane ja seda ei saa alles hoida: "
                              : "\nThe notes file is damaged and cannot be kept aside: ")))
                    << shown;
                EXPECT_EQ(desktop.lastMessage().title, estonian ? "Viga" : "Error");
                EXPECT_EQ(screen(), before);
                EXPECT_EQ(main().lblSaekavanimi.caption(), "Work");
            }
            EXPECT_EQ(test::namesIn(compare()), namesBefore) << "no copy, nothing left";
            EXPECT_EQ(folder.readFile("my_patterns/compare/0.rtf"), "not rich text");
        }
    }
}

}  // namespace
}  // namespace lumbrix
