#include "platform/ini_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "platform/text.h"
#include "platform/vb_error.h"
#include "temp_install.h"
#include "test_paths.h"

namespace lumbrix {
namespace {

namespace fs = std::filesystem;
using test::TempInstallFolder;

fs::path fixture(const char* name) {
    return fs::path(test::kTestDataDir) / name;
}

TEST(IniRead, ValueRules) {
    std::string baltic;
    for (int i = 0; i < 200; ++i)
        baltic += "õš";
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"  K  =  4200  ", "4200"},          // names regardless of case, blanks trimmed
        {"k=", ""},                          // an empty value is not the default
        {"k= \t ", ""},                      // blanks and tabs only
        {"k=\"  quoted  \"", "  quoted  "},  // blanks inside the quotes stay
        {"k='x'", "x"},
        {"k=\"x'", "\"x'"},
        {"k=\"'x'\"", "'x'"},  // only one pair is dropped
        {"k=a=b", "a=b"},
        {";k=1", "-"},  // commented out
        {"k", "-"},     // not a key line
        {"k=1\r\nk=2", "1"},
        {"k=" + std::string(300, 'x'), std::string(254, 'x')},
        {"k=\"" + std::string(255, 'q') + "\"", std::string(254, 'q')},  // quotes go first
        {"k=" + baltic, Left(baltic, 254)},  // the cut counts characters
    };
    for (const auto& [line, expected] : cases) {
        SCOPED_TRACE(line);
        EXPECT_EQ(IniDocument("[Palk]\r\n" + line + "\r\n").get("Palk", "k", "-"), expected);
    }
    const IniDocument empty("");
    EXPECT_EQ(empty.get("Palk", "k", "x  "), "x") << "trailing blanks of a default go";
    EXPECT_EQ(empty.get("Palk", "k", std::string(300, 'd')), std::string(254, 'd'));
}

TEST(IniRead, SectionRules) {
    const IniDocument document(
        "orphan=1\r\n[ Info ]\r\nKuupaev=01.02.03\r\n[info]\r\nsecond=2\r\n[Šõiduk]\r\nMõõt=3\r\n");
    struct Case {
        const char* section;
        const char* key;
        const char* expected;
    };
    const Case cases[] = {{"INFO", "kuupaev", "01.02.03"},
                          {"ŠÕIDUK", "MÕÕT", "3"},  // Estonian letters too
                          {"Info", "second", "-"},  // only the first matching section counts
                          {"", "orphan", "-"},
                          {"Missing", "kuupaev", "-"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.section) + "/" + c.key);
        EXPECT_EQ(document.get(c.section, c.key, "-"), c.expected);
    }
}

TEST(IniRead, MissingFileOrSectionGivesDefault) {
    TempInstallFolder folder;
    fs::create_directory(folder / "folder.ini");
    folder.writeFile("a.ini", "[Saekava]\r\nsyda1= b \r\n; note\r\nsyda0='a'\r\n[Palk]\r\nx=1\r\n");
    for (const char* name : {"none.ini", "none/none.ini", "folder.ini"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(readProfileString(folder / name, "Palk", "x", "0"), "0");
        EXPECT_TRUE(readProfileSection(folder / name, "Palk").empty());
    }
    EXPECT_FALSE(fs::exists(folder / "none.ini"));
    EXPECT_EQ(readProfileSection(folder / "a.ini", "SAEKAVA"),
              (ProfileEntries{{"syda1", "b"}, {"syda0", "a"}}));
    EXPECT_TRUE(readProfileSection(folder / "a.ini", "Tulem").empty());
}

TEST(IniRead, FilesInWindows1257WithLfOnlyOrBrokenLines) {
    struct Case {
        const char* file;
        const char* section;
        const char* key;
        const char* expected;
    };
    const Case cases[] = {
        {"ini_windows1257.ini", "keel", "SÕNAD", "õ ä ö ü š ž"},
        {"ini_windows1257.ini", "KEEL", "suur", "Õ Ä Ö Ü Š Ž"},
        {"ini_windows1257.ini", "šõiduk", "mÕÕt", "Äär"},
        {"ini_lf_only.ini", "Palk", "palgipikkus", "4200"},
        {"ini_lf_only.ini", "Info", "Koostaja", "Mari"},
        {"ini_broken_binary.ini", "Palk", "palgipikkus", "4200"},
        {"ini_broken_binary.ini", "Palk", "palgikoone", "1"},  // cut-off last line
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.file) + " " + c.key);
        EXPECT_EQ(readProfileString(fixture(c.file), c.section, c.key, "-"), c.expected);
    }
}

TEST(IniWrite, FixturesKeepTheirOtherBytesAndGetCrLf) {
    struct Case {
        const char* file;
        const char* section;
        const char* key;
        const char* value;
        std::string expected;  // the bytes after the write
    };
    const std::vector<Case> cases = {
        {"ini_windows1257.ini", "Keel", "Nimi", "Pirn",
         "; Windows-1257 text\r\n[Keel]\r\nNimi=Pirn\r\n"
         "S\xf5nad=\xf5 \xe4 \xf6 \xfc \xf0 \xfe\r\nSuur=\xd5 \xc4 \xd6 \xdc \xd0 \xde\r\n\r\n"
         "[\xd0\xf5iduk]\r\nM\xf5\xf5t = '\xc4\xe4r' \r\n"},
        {"ini_lf_only.ini", "Info", "Koostaja", "Jüri",
         "[Palk]\r\npalgidiameeter=250\r\npalgipikkus=4200\r\n\r\n[Info]\r\nKuupaev=01.02.03\r\n"
         "Koostaja=J\xfcri\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        TempInstallFolder folder;
        fs::copy_file(fixture(c.file), folder / c.file);
        const FileResult result = writeProfileString(folder / c.file, c.section, c.key, c.value);
        ASSERT_TRUE(result.ok) << result.reason;
        EXPECT_EQ(folder.readFile(c.file), c.expected);
        EXPECT_EQ(readProfileString(folder / c.file, c.section, c.key, ""), c.value);
    }
}

TEST(IniWrite, LinesAfterWrite) {
    struct Case {
        const char* what;
        std::string before;
        const char* section;
        const char* key;
        const char* value;
        std::string after;
    };
    const std::vector<Case> cases = {
        {"new file", "", "Palk", "palgipikkus", "4200", "[Palk]\r\npalgipikkus=4200\r\n"},
        {"replace in place keeps other lines and the key's spelling",
         "; kava\r\n[PALK]\r\n; log\r\n  PalgiPikkus = 4000\r\nx = 1 \r\n\r\n[Info]\r\n", "palk",
         "palgipikkus", "4200",
         "; kava\r\n[PALK]\r\n; log\r\nPalgiPikkus=4200\r\nx = 1 \r\n\r\n[Info]\r\n"},
        {"replace only the first duplicate", "[A]\r\nk=1\r\nk=2\r\n", "A", "k", "3",
         "[A]\r\nk=3\r\nk=2\r\n"},
        {"append after the section's last key", "[Palk]\r\na=1\r\n\r\n; next\r\n[Info]\r\nc=3\r\n",
         "Palk", "d", "4", "[Palk]\r\na=1\r\nd=4\r\n\r\n; next\r\n[Info]\r\nc=3\r\n"},
        {"new section after a file without final line end", "[A]\r\nx=1", "B", "y", "2",
         "[A]\r\nx=1\r\n[B]\r\ny=2\r\n"},
        {"empty value", "[A]\r\nk=1\r\n", "A", "k", "", "[A]\r\nk=\r\n"},
        {"keys before any section stay apart", "k=1\r\n", "A", "k", "2", "k=1\r\n[A]\r\nk=2\r\n"},
        // A file keeps its encoding; a new (or plain ASCII) one is Windows-1257 when it fits.
        {"UTF-8 LF file stays UTF-8 with its mark, with CR LF", "\xEF\xBB\xBF[Keel]\nNimi=Õun\n",
         "Keel", "Puu", "šž õ日", "\xEF\xBB\xBF[Keel]\r\nNimi=Õun\r\nPuu=šž õ日\r\n"},
        {"Windows-1257 file stays Windows-1257", "[Keel]\r\nNimi=\xd5un\r\n", "Keel", "Puu", "šž",
         "[Keel]\r\nNimi=\xd5un\r\nPuu=\xf0\xfe\r\n"},
        {"a character Windows-1257 lacks turns the file to UTF-8, never to ?",
         "[Keel]\r\nNimi=\xd5un\r\n", "Keel", "Puu", "Профиль",
         "[Keel]\r\nNimi=Õun\r\nPuu=Профиль\r\n"},
        {"new file that fits Windows-1257", "", "A", "k", "õ", "[A]\r\nk=\xf5\r\n"},
        {"ASCII file that fits Windows-1257", "[A]\r\n", "A", "k", "õ", "[A]\r\nk=\xf5\r\n"},
        {"new file that does not", "", "A", "k", "日", "[A]\r\nk=日\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempInstallFolder folder;
        if (!c.before.empty()) folder.writeFile("x.ini", c.before);
        const FileResult result = writeProfileString(folder / "x.ini", c.section, c.key, c.value);
        ASSERT_TRUE(result.ok) << result.reason;
        EXPECT_EQ(folder.readFile("x.ini"), c.after);
    }
}

TEST(IniWrite, DeletesKeysAndSections) {
    TempInstallFolder folder;
    folder.writeFile("x.ini", "[A]\r\na=1\r\nb=2\r\n\r\n[B]\r\n; about c\r\nc=3\r\n[C]\r\nd=4\r\n");
    EXPECT_TRUE(deleteProfileKey(folder / "x.ini", "a", "B").ok);
    EXPECT_TRUE(deleteProfileKey(folder / "x.ini", "A", "z").ok);
    EXPECT_TRUE(deleteProfileSection(folder / "x.ini", "b").ok);
    EXPECT_TRUE(deleteProfileSection(folder / "x.ini", "Z").ok);
    EXPECT_EQ(folder.readFile("x.ini"), "[A]\r\na=1\r\n\r\n[C]\r\nd=4\r\n");
    EXPECT_TRUE(deleteProfileKey(folder / "none.ini", "A", "a").ok);
    EXPECT_FALSE(fs::exists(folder / "none.ini"));
}

TEST(IniWrite, MissingFolderIsError76AndAFolderIsNotOverwritten) {
    TempInstallFolder folder;
    fs::create_directory(folder / "folder.ini");
    const FileResult noFolder = writeProfileString(folder / "none" / "x.ini", "A", "k", "v");
    EXPECT_EQ(noFolder.number, vberr::kPathNotFound);
    EXPECT_FALSE(fs::exists(folder / "none"));
    const FileResult isFolder = writeProfileString(folder / "folder.ini", "A", "k", "v");
    EXPECT_EQ(isFolder.number, vberr::kPathFileAccessError);
    EXPECT_TRUE(fs::is_directory(folder / "folder.ini"));
}

TEST(IniDocument, SeveralKeysWithOneWrite) {
    TempInstallFolder folder;
    folder.writeFile("k.kava", "[Saekava]\r\nsyda0=old\r\nsyda4=old\r\n[Palk]\r\n");
    IniDocument document;
    ASSERT_TRUE(document.load(folder / "k.kava").ok);
    EXPECT_TRUE(document.removeSection("saekava"));
    document.set("Saekava", "syda0", "row 0");
    document.set("Palk", "palgipikkus", "4200");
    ASSERT_TRUE(document.save(folder / "k.kava").ok);
    EXPECT_EQ(folder.readFile("k.kava"),
              "[Palk]\r\npalgipikkus=4200\r\n[Saekava]\r\nsyda0=row 0\r\n");
}

}  // namespace
}  // namespace lumbrix
