// The list file: exact bytes, refusals of broken files, atomic writes.
#include "store/saved_list.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "platform/estonian_file_reasons.h"
#include "temp_install.h"
#include "test_files.h"
#include "test_paths.h"

namespace lumbrix {
namespace {

using test::TempInstallFolder;
using Outcome = SavedListRead::Outcome;

std::string fixture(const std::string& name) {
    std::ifstream in(std::filesystem::path(test::kTestDataDir) / name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// "SavedList" and the count as 32-bit little-endian.
std::string countedBytes(long count) {
    std::string bytes = "SavedList";
    for (int i = 0; i < 4; ++i)
        bytes.push_back(static_cast<char>((static_cast<unsigned long>(count) >> (8 * i)) & 0xFF));
    return bytes;
}

// The signature and count, then a length byte and the bytes of each row.
std::string listBytes(const std::vector<std::string>& rows) {
    std::string bytes = countedBytes(static_cast<long>(rows.size()));
    for (const std::string& row : rows)
        bytes += static_cast<char>(row.size()) + row;
    return bytes;
}

TEST(SavedList, TwoLogPriceRowsGiveTheFiftyFourBytes) {
    TempInstallFolder folder;
    const std::vector<std::string> rows = {"050 - 099  45.50  12", "100 - 149  52.00  2"};
    ASSERT_TRUE(writeSavedList(folder / "logprices", rows));

    const std::string expected = std::string("SavedList") + std::string("\x02\x00\x00\x00", 4) +
                                 "\x14" + "050 - 099  45.50  12" + "\x13" + "100 - 149  52.00  2";
    EXPECT_EQ(expected.size(), 54u);
    EXPECT_EQ(folder.readFile("logprices"), expected);
    EXPECT_EQ(readSavedList(folder / "logprices").rows, rows);
}

TEST(SavedList, RowsAreWindows1257OnDiskAndReadBackAsTheSameText) {
    TempInstallFolder folder;
    const std::vector<std::string> rows = {"kuusk õ ä ö ü š ž", "", "Ā ē ģ ī ķ ļ ņ"};
    ASSERT_TRUE(writeSavedList(folder / "side", rows));
    const std::string bytes = folder.readFile("side");
    // One byte per character: "kuusk " and then six letters with blanks between.
    EXPECT_EQ(bytes.substr(13, 18), "\x11kuusk \xF5 \xE4 \xF6 \xFC \xF0 \xFE");
    EXPECT_EQ(readSavedList(folder / "side").rows, rows);
}

TEST(SavedList, ForeignFileWithWindows1257LettersAndOldBytesBehindItsRows) {
    const SavedListRead read = parseSavedList(fixture("savedlist_windows1257.bin"));
    ASSERT_EQ(read.outcome, Outcome::Rows);
    ASSERT_EQ(read.rows.size(), 2u) << "the old bytes behind the counted rows are not a row";
    EXPECT_EQ(read.rows[0].substr(read.rows[0].rfind(" 18 ") + 4),
              "kõva mänd, ülim öö, šokk, žürii");
    EXPECT_EQ(read.rows[1].substr(read.rows[1].size() - 5), "kuusk");
}

TEST(SavedList, BrokenFilesAreRefusedWholeOrIgnoredAsTheyDeserve) {
    const auto counted = [](long count) {  // a count and that many empty rows
        return countedBytes(count) + std::string(count > 0 ? std::size_t(count) : 0, '\0');
    };
    struct Case {
        const char* what;
        std::string bytes;
        Outcome outcome;
        int number;
        std::size_t rows;
    };
    const Case cases[] = {
        {"truncated row", fixture("savedlist_truncated_row.bin"), Outcome::Invalid, 321, 0},
        {"truncated count", fixture("savedlist_truncated_count.bin"), Outcome::Invalid, 321, 0},
        {"missing rows", fixture("savedlist_missing_rows.bin"), Outcome::Invalid, 321, 0},
        {"count 32768 file", fixture("savedlist_count_32768.bin"), Outcome::Invalid, 6, 0},
        {"count 32768", counted(32768), Outcome::Invalid, 6, 0},
        {"count -32768", counted(-32768), Outcome::Invalid, 6, 0},
        {"count 32767", counted(32767), Outcome::Rows, 0, 32767},
        {"count -1 adds nothing", counted(-1), Outcome::Rows, 0, 0},
        // Another format: no rows, reported (the signature's case counts).
        {"wrong signature", fixture("savedlist_wrong_signature.bin"), Outcome::NotASavedList, 0, 0},
        {"text file", fixture("savedlist_text_file.bin"), Outcome::NotASavedList, 0, 0},
        {"empty file", "", Outcome::Empty, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const SavedListRead read = parseSavedList(c.bytes);
        EXPECT_EQ(read.outcome, c.outcome);
        EXPECT_EQ(read.rows.size(), c.rows) << "no half list";
        EXPECT_EQ(read.number, c.number);
        EXPECT_EQ(read.ok(), c.outcome == Outcome::Rows || c.outcome == Outcome::Empty);
    }
}

TEST(SavedList, MissingFileIsCreatedEmptyButAMissingFolderIsAnError) {
    TempInstallFolder folder;
    const SavedListRead created = readSavedList(folder / "center");
    EXPECT_EQ(created.outcome, Outcome::Empty);
    EXPECT_TRUE(std::filesystem::exists(folder / "center"));
    EXPECT_EQ(folder.readFile("center"), "");

    const SavedListRead missing = readSavedList(folder / "no-such-profile" / "center");
    EXPECT_EQ(missing.outcome, Outcome::FileError);
    EXPECT_EQ(missing.number, 76);
    EXPECT_EQ(missing.description, "Path not found");
    EXPECT_FALSE(std::filesystem::exists(folder / "no-such-profile"));
}

TEST(SavedList, WritesExactlyTheNewListOrRefusesRowsThatCannotBeStored) {
    std::string zh;
    for (int i = 0; i < 200; ++i)
        zh += "ž";
    struct Case {
        const char* what;
        std::vector<std::string> rows;
        std::size_t size;           // 0: refused
        const char* estonian = "";  // a refusal's reason told in Estonian
    };
    const Case cases[] = {
        {"two rows over five", {"005 - 049  40.00  11", "050 - 099  45.50  12"}, 55},
        {"no rows: signature and count 0", {}, 13},
        {"a row of 255 characters", {std::string(255, 'x')}, 13 + 256},
        {"a row of 256 characters",
         {"ok", std::string(256, 'x')},
         0,
         "nimekirja rida mahutab kuni 255 baiti"},
        {"200 letters: 400 bytes in memory, 200 on disk", {zh}, 13 + 201},
        {"32767 rows", std::vector<std::string>(32767, ""), 13 + 32767},
        {"32768 rows", std::vector<std::string>(32768, ""), 0,
         "nimekirjafaili mahub kuni 32767 rida"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempInstallFolder folder;
        const std::string old = listBytes({"a", "bb", "ccc", "dddd", "eeeee"});
        folder.writeFile("center", old);
        const FileResult result = writeSavedList(folder / "center", c.rows);
        EXPECT_EQ(result.ok, c.size != 0);
        if (c.size != 0) {
            EXPECT_EQ(folder.readFile("center").size(), c.size);
            EXPECT_EQ(readSavedList(folder / "center").rows, c.rows);
        } else {
            EXPECT_EQ(result.number, 6);
            EXPECT_EQ(folder.readFile("center"), old);
            EXPECT_EQ(estonianFailureReason(result.reason, result.number), c.estonian)
                << result.reason;
        }
    }
}

TEST(SavedList, FailedWriteLeavesTheOldFileWholeAndIsReported) {
    TempInstallFolder folder;
    const std::string old = listBytes({"050 - 099  45.50  12", "100 - 149  52.00  2"});
    folder.writeFile("logprices", old);
    test::FullDisk sink;
    const ScopedFileSink failing(sink);

    const FileResult result = writeSavedList(folder / "logprices", {"005 - 049  40.00  11"});

    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.number, 61);
    EXPECT_EQ(folder.readFile("logprices"), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1)
        << "no temporary file is left behind";
}

TEST(SavedList, DamagedFileIsReportedAndKeptBesideTheListBeforeTheFirstSave) {
    std::string oneByte = listBytes({"a", "bb", "ccc", "dddd", "eeeee", "f", "g", "h"});
    oneByte[0] = 's';  // "savedList"
    const struct {
        const char* what;
        std::string bytes;
        const char* reason;
    } cases[] = {
        {"one byte of the signature", oneByte, "does not start with \"SavedList\""},
        {"garbage", std::string("\x00\xff\x13garbage", 10), "does not start with"},
        {"a truncated list", fixture("savedlist_truncated_row.bin"), "ends inside row"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempInstallFolder folder;
        folder.writeFile("side", c.bytes);
        folder.writeFile("side.damaged", "an earlier copy");

        const SavedListRead read = readSavedList(folder / "side");
        EXPECT_TRUE(read.damaged());
        EXPECT_TRUE(read.rows.empty());
        EXPECT_EQ(read.keptAs, folder / "side.damaged2");
        EXPECT_NE(read.message().find((folder / "side").string() + " is damaged"),
                  std::string::npos)
            << read.message();
        EXPECT_NE(read.message().find(c.reason), std::string::npos) << read.message();
        EXPECT_NE(read.message().find("kept as " + (folder / "side.damaged2").string()),
                  std::string::npos);
        EXPECT_EQ(folder.readFile("side"), c.bytes) << "reading changes nothing";

        ASSERT_TRUE(writeSavedList(folder / "side", {"new"}));
        ASSERT_TRUE(writeSavedList(folder / "side", {"newer"}));
        EXPECT_EQ(folder.readFile("side.damaged2"), c.bytes);
        EXPECT_EQ(folder.readFile("side.damaged"), "an earlier copy");
        EXPECT_FALSE(std::filesystem::exists(folder / "side.damaged3")) << "kept once";
        EXPECT_EQ(readSavedList(folder / "side").rows, std::vector<std::string>{"newer"});
    }
}

TEST(SavedList, EachRowKeepsTheEncodingItWasReadIn) {
    // "Õun" stored in UTF-8, "õun" in Windows-1257, "Ā" in UTF-8 although Windows-1257 has it.
    const std::string old = listBytes({"Õun", "\xf5un", "Ā", "plain"});
    const struct {
        const char* what;
        std::vector<std::string> rows;
        std::string bytes;
    } cases[] = {
        {"the same rows give the same bytes", {"Õun", "õun", "Ā", "plain"}, old},
        {"reordered rows keep theirs",
         {"plain", "Ā", "õun", "Õun"},
         listBytes({"plain", "Ā", "\xf5un", "Õun"})},
        {"a new row: Windows-1257 when it fits, else UTF-8",
         {"Õun", "ž", "Профиль"},
         listBytes({"Õun", "\xfe", "Профиль"})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempInstallFolder folder;
        folder.writeFile("center", old);
        ASSERT_EQ(readSavedList(folder / "center").rows,
                  (std::vector<std::string>{"Õun", "õun", "Ā", "plain"}));
        ASSERT_TRUE(writeSavedList(folder / "center", c.rows));
        EXPECT_EQ(folder.readFile("center"), c.bytes);
        EXPECT_EQ(readSavedList(folder / "center").rows, c.rows);
    }
}

}  // namespace
}  // namespace lumbrix
