#include "platform/rich_text_box.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/atomic_file.h"
#include "platform/form.h"
#include "platform/text.h"
#include "platform/vb_error.h"
#include "temp_install.h"
#include "test_desktop.h"
#include "test_files.h"
#include "test_paths.h"

namespace lumbrix {
namespace {

namespace fs = std::filesystem;

class TestForm : public Form {
  public:
    TestForm() : Form("frmTest") {
        txtKavaNotes.Change.connect([this] { log.push_back("Change " + txtKavaNotes.text()); });
        txtKavaNotes.SelChange.connect([this] {
            log.push_back("SelChange " + std::to_string(txtKavaNotes.selStart()) + "," +
                          std::to_string(txtKavaNotes.selLength()));
        });
    }

    RichTextBox txtKavaNotes{*this, "txtKavaNotes"};
    std::vector<std::string> log;
};

class RichTextBoxTest : public testing::Test {
  protected:
    test::TestDesktop desktop;
    TestForm form;
    RichTextBox& box = form.txtKavaNotes;
};

std::string styleMap(const std::vector<CharFormat>& formats) {
    std::string out;
    for (const CharFormat& f : formats)
        out += {f.bold ? 'b' : '.', f.italic ? 'i' : '.', f.underline ? 'u' : '.', ' '};
    return out;
}

std::string show(std::optional<bool> v) {
    return v ? (*v ? "true" : "false") : "null";
}

int errorNumberOf(const std::function<void()>& act) {
    try {
        act();
    } catch (const VbError& e) {
        return e.number();
    }
    return 0;
}

TEST_F(RichTextBoxTest, StyleOfTheSelectionIsTrueFalseOrMixed) {
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
        {1, 1, true, false},          // b
        {1, 2, true, std::nullopt},   // bc
        {3, 3, false, std::nullopt},  // def
        {0, 0, false, false},         // caret at the start: the first character
        {3, 0, true, true},           // caret after c: the character before it
        {6, 0, false, false},         // caret after f
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.start) + "+" + std::to_string(c.length));
        box.select(c.start, c.length);
        EXPECT_EQ(show(box.selBold()), show(c.bold));
        EXPECT_EQ(show(box.selItalic()), show(c.italic));
    }

    // The bold button's rule: anything but true becomes true for the whole selection.
    box.select(0, 3);
    form.log.clear();
    box.setSelBold(box.selBold() != true);
    EXPECT_EQ(styleMap(box.formats()), "b.. b.. bi. .i. .i. ... ");
    EXPECT_TRUE(form.log.empty()) << "styles alone change no text";
    box.setText("abcdef");
    EXPECT_EQ(styleMap(box.formats()), "... ... ... ... ... ... ") << "new text has no styles";
}

TEST_F(RichTextBoxTest, InsertedTextTakesTheTypingFormat) {
    box.setText("abc");
    box.setSelStart(3);
    box.setSelBold(true);  // nothing selected: only what is typed next
    EXPECT_EQ(styleMap(box.formats()), "... ... ... ");
    box.typeText("XY");
    box.setSelItalic(true);
    box.typeText("Z");  // the caret stays in the typing format it had
    EXPECT_EQ(box.text(), "abcXYZ");
    EXPECT_EQ(styleMap(box.formats()), "... ... ... b.. b.. bi. ");

    // Typing over a selection takes the format of its first character.
    box.select(3, 3);
    box.setSelText("q");
    EXPECT_EQ(styleMap(box.formats()), "... ... ... b.. ");

    // Moving the caret takes the typing format from the character before it.
    box.setSelStart(1);
    box.typeText("-");
    EXPECT_EQ(box.text(), "a-bcq");
    EXPECT_EQ(styleMap(box.formats()), "... ... ... ... b.. ");
}

TEST_F(RichTextBoxTest, ChangeAndSelChangeOncePerRealChange) {
    struct Step {
        const char* what;
        std::function<void()> act;
        std::vector<std::string> log;
    };
    const std::vector<Step> steps = {
        {"new text", [&] { box.setText("õäö"); }, {"Change õäö"}},
        {"same text", [&] { box.setText("õäö"); }, {}},
        {"caret beyond the end", [&] { box.setSelStart(9); }, {"SelChange 3,0"}},
        {"same caret, clamped", [&] { box.setSelStart(7); }, {}},
        {"select", [&] { box.select(0, 2); }, {"SelChange 0,2"}},
        {"length clamped to the end", [&] { box.setSelLength(8); }, {"SelChange 0,3"}},
        {"style", [&] { box.setSelBold(true); }, {}},
        {"type over, events see the new state",
         [&] { box.typeText("ž"); },
         {"Change ž", "SelChange 1,0"}},
        {"insert nothing", [&] { box.typeText(""); }, {}},
        {"same character over itself",
         [&] {
             box.select(0, 1);
             box.setSelText("ž");
         },
         {"SelChange 0,1", "SelChange 1,0"}},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        form.log.clear();
        step.act();
        EXPECT_EQ(form.log, step.log);
    }
    EXPECT_EQ(errorNumberOf([&] { box.setSelStart(-1); }), vberr::kInvalidPropertyValue);
    EXPECT_EQ(errorNumberOf([&] { box.setSelLength(-1); }), vberr::kInvalidPropertyValue);
}

TEST_F(RichTextBoxTest, SavesAndLoadsStylesAndBalticLetters) {
    test::TempInstallFolder folder;
    const fs::path file = folder.path() / "kava.rtf";
    box.setText("Palk õ ä ö ü š ž\r\n{C:\\kavad} Ж");
    box.select(0, 4);
    box.setSelBold(true);
    box.select(5, 3);
    box.setSelItalic(true);
    box.select(7, 5);
    box.setSelUnderline(true);
    box.saveFile(file);
    EXPECT_TRUE(folder.readFile("kava.rtf").starts_with("{\\rtf1\\ansi\\ansicpg1257"));

    TestForm reader;
    reader.txtKavaNotes.setText("old");
    reader.txtKavaNotes.setSelStart(2);
    reader.log.clear();
    reader.txtKavaNotes.loadFile(file);
    EXPECT_EQ(reader.txtKavaNotes.text(), box.text());
    EXPECT_EQ(styleMap(reader.txtKavaNotes.formats()), styleMap(box.formats()));
    EXPECT_EQ(reader.log, (std::vector<std::string>{"Change " + box.text(), "SelChange 0,0"}));
    EXPECT_EQ(show(reader.txtKavaNotes.selBold()), "true") << "the caret takes the first style";
}

TEST_F(RichTextBoxTest, LoadsNotesWrittenByAnotherRichTextEditor) {
    box.loadFile(fs::path(test::kTestDataDir) / "notes_wordpad.rtf");
    // The expected text in pieces, each with its style ("b..", ".i.", "..u").
    const std::pair<const char*, const char*> pieces[] = {{"Märkused: ", "..."},
                                                          {"palk", "b.."},
                                                          {" on ", "..."},
                                                          {"kõver", ".i."},
                                                          {", vaata ", "..."},
                                                          {"ette", "biu"},
                                                          {"!\r\n", "..."},
                                                          {"Saematerjal", "..u"},
                                                          {":\töü šž Ж\r\n", "..."},
                                                          {"link", "..u"},
                                                          {" ja {x} C:\\tee\r\n", "..."}};
    std::string text, styles;
    for (const auto& [piece, style] : pieces) {
        text += piece;
        for (int n = 0; n < Len(piece); ++n)
            styles += std::string(style) + " ";
    }
    EXPECT_EQ(box.text(), text);
    EXPECT_EQ(styleMap(box.formats()), styles);
}

TEST_F(RichTextBoxTest, FileErrorsKeepTheNotesAndTheFile) {
    test::TempInstallFolder folder;
    box.setText("keep");
    box.saveFile(folder / "kava.rtf");
    const std::string saved = folder.readFile("kava.rtf");
    folder.writeFile("plain.rtf", "just text, no rich text");
    form.log.clear();

    EXPECT_EQ(errorNumberOf([&] { box.loadFile(folder / "none.rtf"); }), vberr::kFileNotFound);
    EXPECT_EQ(errorNumberOf([&] { box.loadFile(folder / "no/a.rtf"); }), vberr::kPathNotFound);
    EXPECT_EQ(errorNumberOf([&] { box.loadFile(folder / "plain.rtf"); }),
              vberr::kInvalidFileFormat);
    EXPECT_EQ(errorNumberOf([&] { box.saveFile(folder / "no/a.rtf"); }),
              vberr::kPathFileAccessError);
    box.setText("second");
    test::FullDisk disk;
    const ScopedFileSink sink(disk);
    EXPECT_EQ(errorNumberOf([&] { box.saveFile(folder / "kava.rtf"); }),
              vberr::kPathFileAccessError);
    EXPECT_EQ(form.log, std::vector<std::string>{"Change second"}) << "failed loads change nothing";
    EXPECT_EQ(folder.readFile("kava.rtf"), saved);
}

}  // namespace
}  // namespace lumbrix
