#include "platform/file_list_boxes.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/form.h"
#include "platform/vb_error.h"
#include "temp_install.h"
#include "test_desktop.h"

namespace lumbrix {
namespace {

namespace fs = std::filesystem;

// The browsing part of the pattern dialogs: the file list follows the folder list.
class TestForm : public Form {
  public:
    TestForm() : Form("frmTest") {
        File1.setPattern("*.kava");
        Drive1.Change.connect([this] {
            log.push_back("Drive1_Change");
            Dir1.setPath(Drive1.drive());
        });
        Dir1.Change.connect([this] {
            log.push_back("Dir1_Change");
            File1.setPath(Dir1.path());
        });
        Dir1.Click.connect([this] { log.push_back("Dir1_Click"); });
        File1.PathChange.connect([this] { log.push_back("File1_PathChange"); });
        File1.PatternChange.connect([this] { log.push_back("File1_PatternChange"); });
        File1.Click.connect([this] { log.push_back("File1_Click " + File1.fileName()); });
    }

    DriveListBox Drive1{*this, "Drive1"};
    DirListBox Dir1{*this, "Dir1"};
    FileListBox File1{*this, "File1"};
    std::vector<std::string> log;

    std::vector<std::string> takeLog() { return std::exchange(log, {}); }
};

using Log = std::vector<std::string>;

std::vector<std::string> rowsOf(const DirListBox& dir) {
    std::vector<std::string> rows;
    for (int i = 0; i < dir.listCount(); ++i)
        rows.push_back(dir.list(i));
    return rows;
}

int errorNumberOf(const std::function<void()>& act) {
    try {
        act();
    } catch (const VbError& e) {
        return e.number();
    }
    return 0;
}

// A pattern folder with files of several kinds and letter cases.
void fillPatternFolder(const test::TempInstallFolder& folder) {
    for (const char* name : {"b.kava", "A.kava", "C.KAVA", "notes.rtf", "b.rtf", ".hidden.kava",
                             "kava", "x.kava.bak", "eesti.keel", "english.keel"}) {
        folder.writeFile(name, "x");
    }
    fs::create_directory(folder / "sub.kava");
}

TEST(FilePattern, MatchesLikeTheDesktopFileList) {
    struct Case {
        const char* name;
        const char* pattern;
        bool matches;
    };
    const Case cases[] = {
        {"a.kava", "*.kava", true},
        {"A.KAVA", "*.kava", true},
        {"a.kava", "*.KAVA", true},
        {"a.kava.bak", "*.kava", false},
        {"kava", "*.kava", false},
        {".kava", "*.kava", true},
        {"a.keel", "*.kava;*.keel", true},
        {"a.keel", "*.kava ; *.KEEL", true},
        {"a.set", "*.kava;*.keel", false},
        {"noext", "*.*", true},
        {"x.set", "*.*", true},
        {"ab.kava", "?.kava", false},
        {"õ.kava", "?.kava", true},
        {"ÕUN.kava", "õun.*", true},
        {"abc", "a*c", true},
        {"abcbc", "a*bc", true},
        {"abcb", "a*bc", false},
        {"0.kava", "[0-4].kava", false},
        {"anything", "", true},
        {"anything", " ; ", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " ~ " + c.pattern);
        EXPECT_EQ(matchesFilePattern(c.name, c.pattern), c.matches);
    }
}

TEST(FileListBox, ListsMatchingFilesInCaseInsensitiveOrder) {
    test::TestDesktop desktop;
    test::TempInstallFolder folder;
    fillPatternFolder(folder);
    TestForm form;

    struct Case {
        const char* pattern;
        std::vector<std::string> rows;
    };
    const Case cases[] = {
        {"*.kava", {"A.kava", "b.kava", "C.KAVA"}},
        {"*.keel", {"eesti.keel", "english.keel"}},
        {"*.rtf;*.KEEL", {"b.rtf", "eesti.keel", "english.keel", "notes.rtf"}},
        {"*.*",
         {"A.kava", "b.kava", "b.rtf", "C.KAVA", "eesti.keel", "english.keel", "kava", "notes.rtf",
          "x.kava.bak"}},
        {"*.set", {}},
    };
    form.File1.setPath(folder.path().string());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pattern);
        form.File1.setPattern(c.pattern);
        EXPECT_EQ(form.File1.rows(), c.rows);
        EXPECT_EQ(form.File1.listCount(), static_cast<int>(c.rows.size()));
    }
}

TEST(FileListBox, EventsFireOncePerRealChange) {
    test::TestDesktop desktop;
    test::TempInstallFolder folder;
    fillPatternFolder(folder);
    TestForm form;
    FileListBox& list = form.File1;
    const std::string path = folder.path().string();

    struct Step {
        const char* what;
        std::function<void()> act;
        Log log;
        int listIndex;
    };
    const std::vector<Step> steps = {
        {"new folder", [&] { list.setPath(path); }, {"File1_PathChange"}, -1},
        {"same folder", [&] { list.setPath(path); }, {}, -1},
        {"select", [&] { list.setListIndex(1); }, {"File1_Click b.kava"}, 1},
        {"same row", [&] { list.setListIndex(1); }, {}, 1},
        {"same folder keeps the row", [&] { list.setPath(path); }, {}, 1},
        {"by name", [&] { list.setFileName("C.KAVA"); }, {"File1_Click C.KAVA"}, 2},
        {"by name again", [&] { list.setFileName("C.KAVA"); }, {}, 2},
        {"other letter case", [&] { list.setFileName("A.KAVA"); }, {"File1_Click A.kava"}, 0},
        {"unlisted name", [&] { list.setFileName("gone.kava"); }, {"File1_Click "}, -1},
        {"wildcard sets the pattern",
         [&] { list.setFileName("*.rtf"); },
         {"File1_PatternChange"},
         -1},
        {"same pattern", [&] { list.setPattern("*.rtf"); }, {}, -1},
        {"pattern clears the selection",
         [&] {
             list.setListIndex(0);
             list.setPattern("*.keel");
         },
         {"File1_Click b.rtf", "File1_PatternChange"},
         -1},
        {"same text, other path", [&] { list.setPath(path + "/"); }, {"File1_PathChange"}, -1},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        step.act();
        EXPECT_EQ(form.takeLog(), step.log);
        EXPECT_EQ(list.listIndex(), step.listIndex);
    }
    EXPECT_EQ(list.path(), path + "/") << "the path is kept as it was set";
}

TEST(FileListBox, RefusesBadRowsAndFolders) {
    test::TestDesktop desktop;
    test::TempInstallFolder folder;
    fillPatternFolder(folder);
    TestForm form;
    FileListBox& list = form.File1;
    list.setPath(folder.path().string());
    list.setListIndex(0);
    form.takeLog();

    struct Case {
        const char* what;
        std::function<void()> act;
        int number;
    };
    const Case cases[] = {
        {"row past the end", [&] { list.setListIndex(3); }, vberr::kInvalidPropertyValue},
        {"row below -1", [&] { list.setListIndex(-2); }, vberr::kInvalidPropertyValue},
        {"missing folder", [&] { list.setPath((folder / "nope").string()); }, vberr::kPathNotFound},
        {"a file, not a folder", [&] { list.setPath((folder / "b.kava").string()); },
         vberr::kPathNotFound},
        {"empty path", [&] { list.setPath(""); }, vberr::kPathNotFound},
        {"list past the end", [&] { (void)list.list(3); }, vberr::kInvalidPropertyArrayIndex},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(errorNumberOf(c.act), c.number);
    }
    EXPECT_EQ(list.path(), folder.path().string());
    EXPECT_EQ(list.listIndex(), 0);
    EXPECT_EQ(form.takeLog(), Log{});
}

TEST(FileListBox, RefreshKeepsTheSelectedFile) {
    test::TestDesktop desktop;
    test::TempInstallFolder folder;
    fillPatternFolder(folder);
    TestForm form;
    FileListBox& list = form.File1;
    list.setPath(folder.path().string());
    list.setFileName("b.kava");
    ASSERT_EQ(list.listIndex(), 1);
    form.takeLog();

    folder.writeFile("a0.kava", "x");  // sorts before b.kava
    list.refresh();
    EXPECT_EQ(list.rows(), (std::vector<std::string>{"A.kava", "a0.kava", "b.kava", "C.KAVA"}));
    EXPECT_EQ(list.listIndex(), 2);
    EXPECT_EQ(list.fileName(), "b.kava");

    fs::remove(folder / "b.kava");
    list.refresh();
    EXPECT_EQ(list.listIndex(), -1);
    EXPECT_EQ(list.fileName(), "");
    EXPECT_EQ(form.takeLog(), Log{}) << "refreshing raises nothing";
}

TEST(FileListBox, UnreadableFolderShowsNoFiles) {
    test::TestDesktop desktop;
    test::TempInstallFolder folder;
    fillPatternFolder(folder);
    TestForm form;
    fs::permissions(folder.path(), fs::perms::owner_write | fs::perms::owner_exec);
    const bool readable = ::access(folder.path().c_str(), R_OK) == 0;
    if (!readable) {
        form.File1.setPath(folder.path().string());
        EXPECT_EQ(form.File1.listCount(), 0);
    }
    fs::permissions(folder.path(), fs::perms::owner_all);
    if (readable) GTEST_SKIP() << "running with rights that read any folder";
}

TEST(DirListBox, ShowsTheFolderChainAndSortedSubfolders) {
    test::TestDesktop desktop;
    test::TempInstallFolder folder;
    for (const char* sub : {"Gamma", "Alpha", "beta", ".git"}) {
        fs::create_directory(folder / sub);
    }
    folder.writeFile("file.txt", "x");
    TestForm form;
    DirListBox& dir = form.Dir1;
    const std::string path = folder.path().string();
    dir.setPath(path);

    std::vector<std::string> expected;
    for (const fs::path& part : folder.path())
        expected.push_back(part.string());
    const int current = static_cast<int>(expected.size()) - 1;
    expected.insert(expected.end(), {"Alpha", "beta", "Gamma"});
    EXPECT_EQ(rowsOf(dir), expected);
    EXPECT_EQ(dir.list(0), "/");
    EXPECT_EQ(dir.currentRow(), current);
    EXPECT_EQ(dir.listIndex(), current);
    EXPECT_EQ(dir.listPath(current), path);
    EXPECT_EQ(dir.listPath(current - 1), folder.path().parent_path().string());
    EXPECT_EQ(dir.listPath(current + 1), path + "/Alpha");
    EXPECT_EQ(dir.listLevel(0), 0);
    EXPECT_EQ(dir.listLevel(current + 1), current + 1);

    fs::create_directory(folder / "delta");
    dir.refresh();
    EXPECT_EQ(dir.list(current + 4), "Gamma");
    EXPECT_EQ(dir.list(current + 3), "delta");
}

TEST(DirListBox, ChangeMovesTheFileList) {
    test::TestDesktop desktop;
    test::TempInstallFolder folder;
    fillPatternFolder(folder);
    fs::create_directory(folder / "compare");
    folder.writeFile("compare/0.kava", "x");
    TestForm form;
    const std::string path = folder.path().string();

    struct Step {
        const char* what;
        std::function<void()> act;
        Log log;
    };
    const int current = [&] {
        form.Dir1.setPath(path);
        return form.Dir1.currentRow();
    }();
    form.takeLog();
    const std::vector<Step> steps = {
        {"same folder", [&] { form.Dir1.setPath(path); }, {}},
        {"select a subfolder", [&] { form.Dir1.setListIndex(current + 1); }, {"Dir1_Click"}},
        {"open it", [&] { form.Dir1.openRow(current + 1); }, {"Dir1_Change", "File1_PathChange"}},
        {"missing folder", [&] { EXPECT_THROW(form.Dir1.setPath(path + "/nope"), VbError); }, {}},
        {"up again", [&] { form.Dir1.openRow(current); }, {"Dir1_Change", "File1_PathChange"}},
        {"same drive", [&] { form.Drive1.setDrive(path); }, {}},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        step.act();
        EXPECT_EQ(form.takeLog(), step.log);
    }
    EXPECT_EQ(form.Dir1.path(), path);
    EXPECT_EQ(form.File1.path(), path);
    EXPECT_EQ(form.File1.rows(), (std::vector<std::string>{"A.kava", "b.kava", "C.KAVA"}));
}

TEST(DirListBox, RootAndMissingFolders) {
    test::TestDesktop desktop;
    TestForm form;
    form.Dir1.setPath("/");
    EXPECT_EQ(form.Dir1.list(0), "/");
    EXPECT_EQ(form.Dir1.currentRow(), 0);
    EXPECT_EQ(form.Dir1.listLevel(1), 1);
    EXPECT_EQ(form.Dir1.listPath(1), "/" + form.Dir1.list(1));
    EXPECT_EQ(errorNumberOf([&] { form.Dir1.setPath("/no/such/folder/here"); }),
              vberr::kPathNotFound);
    EXPECT_EQ(form.Dir1.path(), "/");
}

TEST(DriveListBox, OneDriveHoldsEveryPath) {
    test::TestDesktop desktop;
    TestForm form;
    EXPECT_EQ(form.Drive1.drive(), "/");
    EXPECT_EQ(form.Drive1.listCount(), 1);
    EXPECT_EQ(form.Drive1.list(0), "/");
    form.Drive1.setDrive("/opt/lumbrix");
    EXPECT_EQ(form.Drive1.drive(), "/");
    EXPECT_EQ(errorNumberOf([&] { form.Drive1.setDrive("C:"); }), vberr::kDeviceUnavailable);
    EXPECT_EQ(errorNumberOf([&] { form.Drive1.setDrive(""); }), vberr::kDeviceUnavailable);
    EXPECT_EQ(form.takeLog(), Log{});
}

}  // namespace
}  // namespace lumbrix
