#include "platform/rich_text_box.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "platform/atomic_file.h"
#include "platform/form.h"
#include "platform/text.h"
#include "platform/vb_error.h"
#include "temp_install.h"
#include "test_desktop.h"
#include "test_paths.h"

namespace lumbrix {
namespace {

namespace fs = std::filesystem;

class TestForm : public Form {
  public:
    TestForm() : Form("frmTest") {
        txtKavaNotes.Change.connect([this] {
            ++changes;
            log.push_back("Change " + txtKavaNotes.text());
        });
        txtKavaNotes.SelChange.connect([this] {
            ++selChanges;
            log.push_back("SelChange " + std::to_string(txtKavaNotes.selStart()) + "," +
                          std::to_string(txtKavaNotes.selLength()));
        });
    }

    RichTextBox txtKavaNotes{*this, "txtKavaNotes"};
    int changes = 0;
    int selChanges = 0;
    std::vector<std::string> log;
};

std::string fileContent(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

std::string styleMap(const std::vector<CharFormat>& formats) {
    std::string out;
    for (const CharFormat& f : formats) {
        out += f.bold ? 'b' : '.';
        out += f.italic ? 'i' : '.';
        out += f.underline ? 'u' : '.';
        out += ' ';
    }
    return out;
}

std::string show(std::optional<bool> v) {
    return v ? (*v ? "true" : "false") : "null";
}

TEST(RichTextBox, StyleOfTheSelectionIsTrueFalseOrMixed) {
    test::TestDesktop desktop;
    TestForm form;
    RichTextBox& box = form.txtKavaNotes;
    box.setText("abcdef");
    box.select(1, 2);  // "bc" bold
    box.setSelBold(true);
    box.select(2, 3);  // "cde" italic
    box.setSelItalic(true);

    struct Case {
        int start;
        int length;
        std::optional<bool> bold;
        std::optional<bool> italic;
    };
    const Case cases[] = {
        {0, 1, false, false},        // a
        {1, 1, true, false},         // b
        {1, 2, true, std::nullopt},  // bc
        {0, 3, std::nullopt, std::nullopt},
        {2, 3, std::nullopt, true},   // cde
        {3, 3, false, std::nullopt},  // def
        {0, 0, false, false},         // caret at the start: the first character
        {2, 0, true, false},          // caret after b
        {3, 0, true, true},           // caret after c
        {6, 0, false, false},         // caret after f
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.start) + "+" + std::to_string(c.length));
        box.select(c.start, c.length);
        EXPECT_EQ(show(box.selBold()), show(c.bold));
        EXPECT_EQ(show(box.selItalic()), show(c.italic));
        EXPECT_EQ(show(box.selUnderline()), "false");
    }
}

TEST(RichTextBox, MixedSelectionTakesTheStyleThroughout) {
    test::TestDesktop desktop;
    TestForm form;
    RichTextBox& box = form.txtKavaNotes;
    box.setText("abcd");
    box.select(1, 1);
    box.setSelUnderline(true);
    box.select(0, 3);
    ASSERT_EQ(show(box.selUnderline()), "null");
    // The bold button's rule: anything but true becomes true for the whole selection.
    box.setSelUnderline(box.selUnderline() != true);
    EXPECT_EQ(show(box.selUnderline()), "true");
    EXPECT_EQ(styleMap(box.formats()), "..u ..u ..u ... ");
    box.setSelUnderline(false);
    EXPECT_EQ(styleMap(box.formats()), "... ... ... ... ");
    EXPECT_EQ(form.changes, 1) << "styles alone change no text";
}

TEST(RichTextBox, InsertedTextTakesTheTypingFormat) {
    test::TestDesktop desktop;
    TestForm form;
    RichTextBox& box = form.txtKavaNotes;
    box.setText("abc");
    box.setSelStart(3);
    box.setSelBold(true);  // nothing selected: only what is typed next
    EXPECT_EQ(styleMap(box.formats()), "... ... ... ");
    EXPECT_EQ(show(box.selBold()), "true");
    box.typeText("XY");
    EXPECT_EQ(box.text(), "abcXY");
    EXPECT_EQ(styleMap(box.formats()), "... ... ... b.. b.. ");
    box.setSelItalic(true);
    box.typeText("Z");  // the caret stays in the typing format it had
    EXPECT_EQ(styleMap(box.formats()), "... ... ... b.. b.. bi. ");

    // Typing over a selection takes the format of its first character.
    box.select(3, 3);
    box.setSelText("q");
    EXPECT_EQ(box.text(), "abcq");
    EXPECT_EQ(styleMap(box.formats()), "... ... ... b.. ");

    // Moving the caret takes the typing format from the character before it.
    box.setSelStart(1);
    box.typeText("-");
    EXPECT_EQ(box.text(), "a-bcq");
    EXPECT_EQ(styleMap(box.formats()), "... ... ... ... b.. ");
}

TEST(RichTextBox, ChangeAndSelChangeOncePerRealChange) {
    test::TestDesktop desktop;
    TestForm form;
    RichTextBox& box = form.txtKavaNotes;

    struct Step {
        const char* what;
        std::function<void()> act;
        int changes;
        int selChanges;
    };
    const std::vector<Step> steps = {
        {"new text", [&] { box.setText("õäö"); }, 1, 0},
        {"same text", [&] { box.setText("õäö"); }, 0, 0},
        {"caret", [&] { box.setSelStart(2); }, 0, 1},
        {"same caret", [&] { box.setSelStart(2); }, 0, 0},
        {"caret beyond the end", [&] { box.setSelStart(9); }, 0, 1},
        {"same caret, clamped", [&] { box.setSelStart(7); }, 0, 0},
        {"select", [&] { box.select(0, 2); }, 0, 1},
        {"length", [&] { box.setSelLength(3); }, 0, 1},
        {"length clamped to the same", [&] { box.setSelLength(8); }, 0, 0},
        {"style", [&] { box.setSelBold(true); }, 0, 0},
        {"type over", [&] { box.typeText("ü"); }, 1, 1},
        {"insert nothing", [&] { box.typeText(""); }, 0, 0},
        {"same character over itself",
         [&] {
             box.select(0, 1);
             box.setSelText("ü");
         },
         0, 2},
        {"text resets the caret", [&] { box.setText("x"); }, 1, 1},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        form.changes = 0;
        form.selChanges = 0;
        step.act();
        EXPECT_EQ(form.changes, step.changes);
        EXPECT_EQ(form.selChanges, step.selChanges);
    }
}

TEST(RichTextBox, EventsSeeTheNewState) {
    test::TestDesktop desktop;
    TestForm form;
    RichTextBox& box = form.txtKavaNotes;
    box.setText("palk");
    box.setSelStart(4);
    form.log.clear();
    box.typeText("ž");
    EXPECT_EQ(form.log, (std::vector<std::string>{"Change palkž", "SelChange 5,0"}));
}

TEST(RichTextBox, SettingTheTextClearsTheStyles) {
    test::TestDesktop desktop;
    TestForm form;
    RichTextBox& box = form.txtKavaNotes;
    box.setText("ab");
    box.select(0, 2);
    box.setSelBold(true);
    box.setText("ab");
    EXPECT_EQ(styleMap(box.formats()), "... ... ");
    EXPECT_EQ(show(box.selBold()), "false");
    EXPECT_EQ(box.selStart(), 0);
    EXPECT_EQ(box.selLength(), 0);
}

TEST(RichTextBox, PositionsCountCharactersOfUtf8) {
    test::TestDesktop desktop;
    TestForm form;
    RichTextBox& box = form.txtKavaNotes;
    box.setText("õäöüšž");
    box.select(2, 2);
    EXPECT_EQ(box.selText(), "öü");
    box.setSelText("x");
    EXPECT_EQ(box.text(), "õäxšž");
    EXPECT_EQ(box.selStart(), 3);
    EXPECT_EQ(box.formats().size(), 5u);
}

TEST(RichTextBox, NegativeSelectionIsRefused) {
    test::TestDesktop desktop;
    TestForm form;
    form.txtKavaNotes.setText("abc");
    for (auto act : {+[](RichTextBox& b) { b.setSelStart(-1); },
                     +[](RichTextBox& b) { b.setSelLength(-1); }}) {
        try {
            act(form.txtKavaNotes);
            ADD_FAILURE() << "accepted";
        } catch (const VbError& e) {
            EXPECT_EQ(e.number(), vberr::kInvalidPropertyValue);
        }
    }
    EXPECT_EQ(form.selChanges, 0);
}

TEST(RichTextBox, SavesAndLoadsStylesAndBalticLetters) {
    test::TestDesktop desktop;
    test::TempInstallFolder folder;
    const fs::path file = folder.path() / "kava.rtf";
    TestForm writer;
    RichTextBox& box = writer.txtKavaNotes;
    box.setText("Palk õ ä ö ü š ž\r\n{C:\\kavad} Ж");
    box.select(0, 4);
    box.setSelBold(true);
    box.select(5, 3);
    box.setSelItalic(true);
    box.select(7, 5);
    box.setSelUnderline(true);
    box.saveFile(file);

    const std::string bytes = fileContent(file);
    EXPECT_TRUE(bytes.starts_with("{\\rtf1\\ansi\\ansicpg1257")) << bytes;
    EXPECT_NE(bytes.find("\\{C:\\\\kavad\\}"), std::string::npos) << bytes;

    TestForm reader;
    reader.txtKavaNotes.setText("old");
    reader.txtKavaNotes.setSelStart(2);
    reader.changes = 0;
    reader.selChanges = 0;
    reader.txtKavaNotes.loadFile(file);
    EXPECT_EQ(reader.txtKavaNotes.text(), box.text());
    EXPECT_EQ(styleMap(reader.txtKavaNotes.formats()), styleMap(box.formats()));
    EXPECT_EQ(reader.changes, 1);
    EXPECT_EQ(reader.selChanges, 1);
    EXPECT_EQ(reader.txtKavaNotes.selStart(), 0);
    EXPECT_EQ(show(reader.txtKavaNotes.selBold()), "true") << "the caret takes the first style";
}

TEST(RichTextBox, LoadsNotesWrittenByAnotherRichTextEditor) {
    test::TestDesktop desktop;
    TestForm form;
    RichTextBox& box = form.txtKavaNotes;
    box.loadFile(fs::path(test::kTestDataDir) / "notes_wordpad.rtf");
    const std::string line1 = "Märkused: palk on kõver, vaata ette!\r\n";
    const std::string line2 = "Saematerjal:\töü šž Ж\r\n";
    const std::string line3 = "link ja {x} C:\\tee\r\n";
    ASSERT_EQ(box.text(), line1 + line2 + line3);

    // Expected styles, character by character, as ranges of the text.
    struct Range {
        const char* text;
        CharFormat format;
    };
    const Range ranges[] = {
        {"Märkused: ", {}},
        {"palk", {true, false, false}},
        {" on ", {}},
        {"kõver", {false, true, false}},
        {", vaata ", {}},
        {"ette", {true, true, true}},
        {"!\r\n", {}},
        {"Saematerjal", {false, false, true}},
        {":\töü šž Ж\r\n", {}},
        {"link", {false, false, true}},
        {" ja {x} C:\\tee\r\n", {}},
    };
    std::vector<CharFormat> expected;
    for (const Range& r : ranges)
        expected.insert(expected.end(), static_cast<std::size_t>(Len(r.text)), r.format);
    EXPECT_EQ(styleMap(box.formats()), styleMap(expected));
}

TEST(RichTextBox, FileErrors) {
    test::TestDesktop desktop;
    test::TempInstallFolder folder;
    TestForm form;
    RichTextBox& box = form.txtKavaNotes;
    box.setText("keep");
    form.changes = 0;

    const fs::path plain = folder.path() / "plain.rtf";
    std::ofstream(plain) << "just text, no rich text";
    struct Case {
        fs::path path;
        int number;
    };
    const Case cases[] = {
        {folder.path() / "missing.rtf", vberr::kFileNotFound},
        {folder.path() / "no" / "such.rtf", vberr::kPathNotFound},
        {plain, vberr::kInvalidFileFormat},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.string());
        try {
            box.loadFile(c.path);
            ADD_FAILURE() << "loaded";
        } catch (const VbError& e) {
            EXPECT_EQ(e.number(), c.number);
        }
        EXPECT_EQ(box.text(), "keep");
    }
    EXPECT_EQ(form.changes, 0);

    try {
        box.saveFile(folder.path() / "no" / "such.rtf");
        ADD_FAILURE() << "saved into a missing folder";
    } catch (const VbError& e) {
        EXPECT_EQ(e.number(), vberr::kPathFileAccessError);
        EXPECT_EQ(e.description(), "Path/File access error");
    }
}

// A disk that fills up part-way through the write.
class FullDisk : public FileSink {
  public:
    std::ptrdiff_t write(int, const char*, std::size_t) override {
        errno = ENOSPC;
        return -1;
    }
};

TEST(RichTextBox, FailedSaveLeavesTheOldNotes) {
    test::TestDesktop desktop;
    test::TempInstallFolder folder;
    TestForm form;
    const fs::path file = folder.path() / "kava.rtf";
    form.txtKavaNotes.setText("first");
    form.txtKavaNotes.saveFile(file);
    const std::string before = fileContent(file);

    form.txtKavaNotes.setText("second");
    FullDisk disk;
    {
        ScopedFileSink sink(disk);
        EXPECT_THROW(form.txtKavaNotes.saveFile(file), VbError);
    }
    EXPECT_EQ(fileContent(file), before);
}

}  // namespace
}  // namespace lumbrix
