// Recalling a comparison slot by its bar: the slot's files are read first, and a slot that
// cannot be opened is refused by name without touching the pattern being worked on.
#include <gtest/gtest.h>

#include "mainwindow/frm_main.h"
#include "pattern_fixture.h"

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
              "The notes file " + slotFile("0.rtf") +
                  " is damaged. It is not rich text (RTF): Invalid file format: the file is not "
                  "an RTF document.\nThe pattern is opened with empty notes. The damaged file is "
                  "kept as " +
                  slotFile("0.rtf.damaged") + ".");
    EXPECT_EQ(desktop.messages().size(), 1u);
    EXPECT_EQ(main().lblSaekavanimi.caption(), "0.kava");
    EXPECT_EQ(main().lstSyda.listCount(), 3);
    EXPECT_EQ(main().lblmargintotal.caption(), margin);
    EXPECT_EQ(main().txtKavaNotes.text(), "");
    EXPECT_EQ(folder.readFile("my_patterns/compare/0.rtf.damaged"), "not rich text");
}

}  // namespace
}  // namespace lumbrix
