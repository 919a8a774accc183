#include "localisation/language_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "localisation/dialog_captions.h"
#include "localisation/main_caption_table.h"
#include "platform/codec.h"
#include "platform/ini_file.h"
#include "platform/text.h"
#include "temp_install.h"
#include "test_paths.h"

namespace lumbrix {
namespace {

namespace fs = std::filesystem;

TEST(LanguageFile, ReadingRule) {
    const std::string longValue(300, 'x');
    const LanguageFile file = LanguageFile::fromText(
        "[KK]\r\n"
        "CMDSOBITA  =  Fit log  \r\n"
        "quoted=\"  Log  \"\r\n"
        "twice=\"\"x\"\"\r\n"
        "empty=\r\n"
        "long=" +
        longValue +
        "\r\n"
        "dup=first\r\n"
        "dup=second\r\n"
        "[kk]\r\n"
        "later=second section\r\n");
    struct Case {
        const char* section;
        const char* key;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"kk", "cmdSobita", "Fit log"},  // names without regard to case, blanks trimmed
        {"KK", "quoted", "  Log  "},     // one pair of quotes dropped, blanks inside stay
        {"KK", "twice", "\"x\""},        // only one pair
        {"KK", "empty", ""},             // present and empty is not missing
        {"KK", "long", longValue.substr(0, 254)},
        {"KK", "dup", "first"},  // the first key found counts
        {"KK", "later", "0"},    // and the first section found
        {"KK", "missing", "0"},
        {"TH", "cmdSobita", "0"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(file.caption(c.section, c.key), c.expected) << c.section << "." << c.key;
}

TEST(LanguageFile, MissingFileFolderAndWindows1257) {
    test::TempInstallFolder folder;
    EXPECT_EQ(LanguageFile(folder / "none.keel").caption("KK", "cmdSobita"), "0");
    // An empty current language names the language folder itself.
    EXPECT_EQ(LanguageFile(folder.path()).caption("KK", "cmdSobita"), "0");
    folder.writeFile("x.keel", "[KK]\r\nmnuProgramExit=V\xe4lju\r\n");
    EXPECT_EQ(LanguageFile(folder / "x.keel").caption("KK", "mnuProgramExit"), "Välju");
}

std::string shippedBytes(const char* name) {
    std::ifstream in(fs::path(test::kShippedDataDir) / "language" / name, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Every key that the start-up table and the dialogs read, by section.
std::set<std::pair<std::string, std::string>> keysRead() {
    std::set<std::pair<std::string, std::string>> keys;
    for (const MainCaptionRow& row : kMainCaptionTable)
        keys.insert({row.section, row.key});
    for (const MainCaptionRow& row : kMainFurtherCaptionRows)
        keys.insert({row.section, row.key});
    for (const DialogCaptionTable* table : dialogcaptions::kAll) {
        for (const DialogCaptionRow& row : table->rows) {
            if (row.key) keys.insert({table->section, row.key});
        }
    }
    return keys;
}

TEST(ShippedLanguageFiles, HoldEveryKeyReadWithATextOfItsOwn) {
    for (const char* name : {"eesti.keel", "english.keel"}) {
        const std::string bytes = shippedBytes(name);
        ASSERT_FALSE(bytes.empty()) << name;
        const LanguageFile file = LanguageFile::fromText(decodeFileText(bytes));
        for (const auto& [section, key] : keysRead()) {
            const std::string text = file.caption(section, key);
            EXPECT_NE(text, "0") << name << ": " << section << "." << key;
            EXPECT_FALSE(text.empty()) << name << ": " << section << "." << key;
        }
    }
    // The Estonian file is written in the Baltic code page, as the program's other files.
    const std::string estonian = shippedBytes("eesti.keel");
    EXPECT_FALSE(isValidUtf8(estonian));
    EXPECT_EQ(LanguageFile::fromText(decodeFileText(estonian)).caption("KK", "mnuProgramExit"),
              "Välju");
}

// The two files hold the same keys in the same sections: a key that one language lacks shows
// "0" on its control in that language only.
TEST(ShippedLanguageFiles, HoldTheSameKeys) {
    const IniDocument estonian = IniDocument::fromBytes(shippedBytes("eesti.keel"));
    const IniDocument english = IniDocument::fromBytes(shippedBytes("english.keel"));
    const auto keysOf = [](const IniDocument& file, const char* section) {
        std::set<std::string> keys;
        for (const auto& [key, value] : file.entries(section))
            keys.insert(key);
        return keys;
    };
    for (const char* section : {"KK", "TH", "AR", "3d", "SE", "PH", "PR", "SO", "AK", "SU"}) {
        EXPECT_FALSE(keysOf(english, section).empty()) << section;
        EXPECT_EQ(keysOf(estonian, section), keysOf(english, section)) << section;
    }
}

}  // namespace
}  // namespace lumbrix
