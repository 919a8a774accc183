#include "platform/ini_file.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/codec.h"
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

std::string fileBytes(const fs::path& path) {
    const FileBytes read = readFileBytes(path);
    EXPECT_TRUE(read.ok) << read.reason;
    return read.bytes;
}

TEST(IniRead, ProfileStringRules) {
    const std::string longValue(300, 'x');
    const std::string text =
        "; a comment\r\n"
        "orphan=before any section\r\n"
        "[Palk]\r\n"
        "palgidiameeter=250\r\n"
        "  palgipikkus  =  4200  \r\n"
        "tabs=\t 12 \t\r\n"
        "empty=\r\n"
        "blanks=   \r\n"
        "double=\"  quoted  \"\r\n"
        "single='x'\r\n"
        "mixed=\"x'\r\n"
        "lonequote=\"\r\n"
        "twoquotes=\"\"\r\n"
        "inner=a \"b\" c\r\n"
        "nested=\"'x'\"\r\n"
        "equals=a=b\r\n"
        ";palgikoone=1\r\n"
        "no equals sign\r\n"
        "palgidiameeter=999\r\n"
        "long=" +
        longValue +
        "\r\n"
        "exact=" +
        std::string(254, 'y') +
        "\r\n"
        "quotedlong=\"" +
        std::string(255, 'q') +
        "\"\r\n"
        "ÕUN=õunapuu\r\n"
        "\r\n"
        "[ Info ]\r\n"
        "Kuupaev=01.02.03\r\n"
        "[palk]\r\n"
        "second=from the second Palk\r\n"
        "[Šõiduk]\r\n"
        "Mõõt=3\r\n";
    const IniDocument document(text);

    struct Case {
        const char* section;
        const char* key;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"Palk", "palgidiameeter", "250"},
        {"PALK", "PalgiDiameeter", "250"},  // names regardless of case
        {"Palk", "palgipikkus", "4200"},    // blanks around key and value
        {"Palk", "tabs", "12"},
        {"Palk", "empty", ""},
        {"Palk", "blanks", ""},
        {"Palk", "double", "  quoted  "},  // blanks inside the quotes stay
        {"Palk", "single", "x"},
        {"Palk", "mixed", "\"x'"},
        {"Palk", "lonequote", "\""},
        {"Palk", "twoquotes", ""},
        {"Palk", "inner", "a \"b\" c"},
        {"Palk", "nested", "'x'"},  // only one pair is dropped
        {"Palk", "equals", "a=b"},
        {"Palk", "palgikoone", "-"},      // commented out
        {"Palk", "no equals sign", "-"},  // not a key line
        {"Palk", "long", std::string(254, 'x')},
        {"Palk", "exact", std::string(254, 'y')},
        {"Palk", "quotedlong", std::string(254, 'q')},
        {"Palk", "õun", "õunapuu"},  // Estonian letters regardless of case
        {"Palk", "second", "-"},     // only the first matching section counts
        {"Palk", "missing", "-"},
        {"Info", "kuupaev", "01.02.03"},
        {"Missing", "palgidiameeter", "-"},
        {"", "orphan", "-"},
        {"ŠÕIDUK", "MÕÕT", "3"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.section) + "/" + c.key);
        EXPECT_EQ(document.get(c.section, c.key, "-"), c.expected);
    }
}

TEST(IniRead, DefaultValue) {
    const IniDocument document("[A]\r\nkey=1\r\n");
    EXPECT_EQ(document.get("A", "other", "0"), "0");
    EXPECT_EQ(document.get("A", "other", ""), "");
    EXPECT_EQ(document.get("A", "other", "x  "), "x");  // trailing blanks of a default go
    EXPECT_EQ(document.get("A", "other", "  x"), "  x");
    EXPECT_EQ(document.get("A", "other", std::string(300, 'd')), std::string(254, 'd'));
    EXPECT_EQ(document.value("A", "other"), std::nullopt);
    EXPECT_EQ(document.value("A", "key"), "1");
}

TEST(IniRead, CutCountsCharactersOfDecodedText) {
    std::string value;
    for (int i = 0; i < 200; ++i)
        value += "õš";
    const IniDocument document("[A]\r\nk=" + value + "\r\n");
    const std::string read = document.get("A", "k", "");
    EXPECT_EQ(Len(read), 254);
    EXPECT_EQ(read, Left(value, 254));
}

TEST(IniRead, MissingFileGivesDefault) {
    TempInstallFolder folder;
    fs::create_directory(folder / "folder.ini");
    EXPECT_EQ(readProfileString(folder / "none.ini", "Palk", "x", "0"), "0");
    EXPECT_EQ(readProfileString(folder / "none" / "none.ini", "Palk", "x", "0"), "0");
    EXPECT_EQ(readProfileString(folder / "folder.ini", "Palk", "x", "0"), "0");
    EXPECT_TRUE(readProfileSection(folder / "none.ini", "Palk").empty());
    EXPECT_FALSE(fs::exists(folder / "none.ini"));
}

TEST(IniRead, SectionEntriesInFileOrder) {
    TempInstallFolder folder;
    folder.writeFile("a.ini", "[Saekava]\r\nsyda1= b \r\n; note\r\nsyda0='a'\r\n[Palk]\r\nx=1\r\n");
    EXPECT_EQ(readProfileSection(folder / "a.ini", "SAEKAVA"),
              (ProfileEntries{{"syda1", "b"}, {"syda0", "a"}}));
    EXPECT_TRUE(readProfileSection(folder / "a.ini", "Tulem").empty());
}

TEST(IniFixtures, Windows1257File) {
    const fs::path path = fixture("ini_windows1257.ini");
    EXPECT_EQ(readProfileString(path, "Keel", "Nimi", "0"), "Õunapuu");
    EXPECT_EQ(readProfileString(path, "keel", "SÕNAD", "0"), "õ ä ö ü š ž");
    EXPECT_EQ(readProfileString(path, "KEEL", "suur", "0"), "Õ Ä Ö Ü Š Ž");
    EXPECT_EQ(readProfileString(path, "šõiduk", "mÕÕt", "0"), "Äär");
}

TEST(IniFixtures, LfOnlyFile) {
    const fs::path path = fixture("ini_lf_only.ini");
    EXPECT_EQ(readProfileString(path, "Palk", "palgidiameeter", "0"), "250");
    EXPECT_EQ(readProfileString(path, "Palk", "palgipikkus", "0"), "4200");
    EXPECT_EQ(readProfileString(path, "Info", "Kuupaev", "-"), "01.02.03");
    EXPECT_EQ(readProfileString(path, "Info", "Koostaja", "-"), "Mari");
}

TEST(IniFixtures, BrokenBinaryFile) {
    const fs::path path = fixture("ini_broken_binary.ini");
    EXPECT_EQ(readProfileString(path, "Palk", "palgidiameeter", "0"), "250");
    EXPECT_EQ(readProfileString(path, "Palk", "palgipikkus", "0"), "4200");
    EXPECT_EQ(readProfileString(path, "Palk", "palgikoone", "0"), "1");  // cut-off last line
    EXPECT_EQ(readProfileString(path, "Tulem", "EBIT", "0"), "0");
}

TEST(IniFixtures, WritingKeepsOtherBytes) {
    struct Case {
        const char* file;
        const char* section;
        const char* key;
        const char* value;
        std::string expected;  // the bytes after the write
    };
    const std::vector<Case> cases = {
        {"ini_broken_binary.ini", "Palk", "palgimaht", "0.123",
         fileBytes(fixture("ini_broken_binary.ini")) + "\r\npalgimaht=0.123\r\n"},
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
        EXPECT_EQ(fileBytes(folder / c.file), c.expected);
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
        {"replace in place keeps other lines",
         "; kava\r\n[Palk]\r\n; log\r\npalgipikkus=4000\r\nx = 1 \r\n\r\n[Info]\r\n", "Palk",
         "palgipikkus", "4200",
         "; kava\r\n[Palk]\r\n; log\r\npalgipikkus=4200\r\nx = 1 \r\n\r\n[Info]\r\n"},
        {"replace keeps the key's spelling in the file", "[PALK]\r\n  PalgiPikkus = 1 \r\n", "palk",
         "PALGIPIKKUS", "2", "[PALK]\r\nPalgiPikkus=2\r\n"},
        {"replace only the first duplicate", "[A]\r\nk=1\r\nk=2\r\n", "A", "k", "3",
         "[A]\r\nk=3\r\nk=2\r\n"},
        {"append after the section's last key",
         "[Palk]\r\na=1\r\nb=2\r\n\r\n; next\r\n[Info]\r\nc=3\r\n", "Palk", "d", "4",
         "[Palk]\r\na=1\r\nb=2\r\nd=4\r\n\r\n; next\r\n[Info]\r\nc=3\r\n"},
        {"append to a section without keys", "[Palk]\r\n\r\n[Info]\r\n", "Palk", "a", "1",
         "[Palk]\r\na=1\r\n\r\n[Info]\r\n"},
        {"append to the last section", "[A]\r\nx=1\r\n[B]\r\ny=2", "B", "z", "3",
         "[A]\r\nx=1\r\n[B]\r\ny=2\r\nz=3\r\n"},
        {"new section at the end", "[A]\r\nx=1\r\n", "Tulem", "EBIT", "12.50",
         "[A]\r\nx=1\r\n[Tulem]\r\nEBIT=12.50\r\n"},
        {"new section after a file without final line end", "[A]\r\nx=1", "B", "y", "2",
         "[A]\r\nx=1\r\n[B]\r\ny=2\r\n"},
        {"LF lines become CR LF", "[A]\nx=1\n\n[B]\ny=2\n", "B", "y", "3",
         "[A]\r\nx=1\r\n\r\n[B]\r\ny=3\r\n"},
        {"value is written as given", "[A]\r\n", "A", "row", "  1 x 2  ",
         "[A]\r\nrow=  1 x 2  \r\n"},
        {"empty value", "[A]\r\nk=1\r\n", "A", "k", "", "[A]\r\nk=\r\n"},
        {"keys before any section stay apart", "k=1\r\n", "A", "k", "2", "k=1\r\n[A]\r\nk=2\r\n"},
        {"character missing from the code page", "", "A", "k", "õ日", "[A]\r\nk=\xf5?\r\n"},
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

TEST(IniWrite, Deletes) {
    const std::string before = "[A]\r\na=1\r\nb=2\r\n\r\n[B]\r\n; about c\r\nc=3\r\n[C]\r\nd=4\r\n";
    struct Case {
        const char* what;
        std::function<FileResult(const fs::path&)> call;
        std::string after;
    };
    const std::vector<Case> cases = {
        {"key", [](const fs::path& p) { return deleteProfileKey(p, "a", "B"); },
         "[A]\r\na=1\r\n\r\n[B]\r\n; about c\r\nc=3\r\n[C]\r\nd=4\r\n"},
        {"missing key", [](const fs::path& p) { return deleteProfileKey(p, "A", "z"); }, before},
        {"section", [](const fs::path& p) { return deleteProfileSection(p, "b"); },
         "[A]\r\na=1\r\nb=2\r\n\r\n[C]\r\nd=4\r\n"},
        {"last section", [](const fs::path& p) { return deleteProfileSection(p, "C"); },
         "[A]\r\na=1\r\nb=2\r\n\r\n[B]\r\n; about c\r\nc=3\r\n"},
        {"missing section", [](const fs::path& p) { return deleteProfileSection(p, "Z"); }, before},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempInstallFolder folder;
        folder.writeFile("x.ini", before);
        const FileResult result = c.call(folder / "x.ini");
        ASSERT_TRUE(result.ok) << result.reason;
        EXPECT_EQ(folder.readFile("x.ini"), c.after);
    }

    TempInstallFolder folder;
    EXPECT_TRUE(deleteProfileKey(folder / "none.ini", "A", "a").ok);
    EXPECT_TRUE(deleteProfileSection(folder / "none.ini", "A").ok);
    EXPECT_FALSE(fs::exists(folder / "none.ini"));
}

TEST(IniWrite, Utf8FileIsWrittenBackInWindows1257) {
    TempInstallFolder folder;
    folder.writeFile("u.ini", "\xEF\xBB\xBF[Keel]\nNimi=Õun\n");
    ASSERT_TRUE(writeProfileString(folder / "u.ini", "Keel", "Puu", "šž").ok);
    EXPECT_EQ(folder.readFile("u.ini"), "[Keel]\r\nNimi=\xd5un\r\nPuu=\xf0\xfe\r\n");
}

TEST(IniWrite, Failures) {
    TempInstallFolder folder;
    fs::create_directory(folder / "folder.ini");

    const FileResult noFolder = writeProfileString(folder / "none" / "x.ini", "A", "k", "v");
    EXPECT_FALSE(noFolder.ok);
    EXPECT_EQ(noFolder.number, vberr::kPathNotFound);
    EXPECT_FALSE(fs::exists(folder / "none"));

    const FileResult isFolder = writeProfileString(folder / "folder.ini", "A", "k", "v");
    EXPECT_FALSE(isFolder.ok);
    EXPECT_EQ(isFolder.number, vberr::kPathFileAccessError);
    EXPECT_TRUE(fs::is_directory(folder / "folder.ini"));
}

class FullDisk : public FileSink {
  public:
    std::ptrdiff_t write(int, const char*, std::size_t) override {
        errno = ENOSPC;
        return -1;
    }
};

TEST(IniWrite, FailedWriteIsReportedAndKeepsTheFile) {
    TempInstallFolder folder;
    const std::string before = "[Palk]\r\npalgipikkus=4000\r\n";
    folder.writeFile("x.ini", before);
    FullDisk full;
    const ScopedFileSink failing(full);

    const FileResult result = writeProfileString(folder / "x.ini", "Palk", "palgipikkus", "4200");

    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.number, vberr::kDiskFull);
    EXPECT_EQ(folder.readFile("x.ini"), before);
}

TEST(IniDocument, SeveralKeysWithOneWrite) {
    TempInstallFolder folder;
    folder.writeFile("k.kava", "[Saekava]\r\nsyda0=old\r\nsyda4=old\r\n[Palk]\r\n");
    IniDocument document;
    ASSERT_TRUE(document.load(folder / "k.kava").ok);
    EXPECT_TRUE(document.removeSection("saekava"));
    EXPECT_FALSE(document.hasSection("Saekava"));
    document.set("Saekava", "syda0", "row 0");
    document.set("Saekava", "syda1", "row 1");
    document.set("Palk", "palgipikkus", "4200");
    ASSERT_TRUE(document.save(folder / "k.kava").ok);

    EXPECT_EQ(folder.readFile("k.kava"),
              "[Palk]\r\npalgipikkus=4200\r\n[Saekava]\r\nsyda0=row 0\r\nsyda1=row 1\r\n");

    IniDocument missing;
    EXPECT_TRUE(missing.load(folder / "none.kava").ok);
    EXPECT_TRUE(missing.lines().empty());
}

}  // namespace
}  // namespace lumbrix
