#include "platform/file_list_boxes.h"

#include <gtest/gtest.h>

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
using Log = std::vector<std::string>;

// The browsing part of the pattern dialogs: the file list follows the folder list.
class TestForm : public Form {
  public:
    TestForm() : Form("frmTest") {
        File1.setPattern("*.kava");
        Drive1.Change.connect([this] { log.push_back("Drive1_Change"); });
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
    Log log;

    Log takeLog() { return std::exchange(log, {}); }
};

int errorNumberOf(const std::function<void()>& act) {
    try {
        act();
    } catch (const VbError& e) {
        return e.number();
    }
    return 0;
}

// A pattern folder with files of several kinds and letter cases, and the browsing window.
class FileListBoxTest : public testing::Test {
  protected:
    FileListBoxTest() {
        for (const char* name : {"b.kava", "A.kava", "C.KAVA", "notes.rtf", ".hidden.kava", "kava",
                                 "x.kava.bak", "eesti.keel"}) {
            folder.writeFile(name, "x");
        }
        fs::create_directory(folder / "sub.kava");
    }

    test::TestDesktop desktop;
    test::TempInstallFolder folder;
    const std::string path = folder.path().string();
    TestForm form;
};

TEST(FilePattern, MatchesLikeTheDesktopFileList) {
    struct Case {
        const char* name;
        const char* pattern;
        bool matches;
    };
    const Case cases[] = {
        {"A.KAVA", "*.kava", true},        {"a.kava.bak", "*.kava", false},
        {"kava", "*.kava", false},         {"a.keel", "*.kava ; *.KEEL", true},
        {"a.set", "*.kava;*.keel", false}, {"noext", "*.*", true},
        {"ab.kava", "?.kava", false},      {"õ.kava", "?.kava", true},
        {"ÕUN.kava", "õun.*", true},       {"abcbc", "a*bc", true},
        {"0.kava", "[0-4].kava", false},   {"anything", "", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " ~ " + c.pattern);
        EXPECT_EQ(matchesFilePattern(c.name, c.pattern), c.matches);
    }
}

TEST_F(FileListBoxTest, ListsMatchingFilesInCaseInsensitiveOrder) {
    form.File1.setPath(path);
    EXPECT_EQ(form.File1.rows(), (Log{"A.kava", "b.kava", "C.KAVA"}))
        << "no hidden files, no folders";
    form.File1.setPattern("*.rtf;*.KEEL");
    EXPECT_EQ(form.File1.rows(), (Log{"eesti.keel", "notes.rtf"}));
    form.File1.setPattern("*.*");
    EXPECT_EQ(form.File1.rows(),
              (Log{"A.kava", "b.kava", "C.KAVA", "eesti.keel", "kava", "notes.rtf", "x.kava.bak"}));
}

TEST_F(FileListBoxTest, EventsFireOncePerRealChangeAndRefusalsChangeNothing) {
    FileListBox& list = form.File1;
    struct Step {
        const char* what;
        std::function<void()> act;
        Log log;
        int listIndex;
        int error = 0;
    };
    const std::vector<Step> steps = {
        {"new folder", [&] { list.setPath(path); }, {"File1_PathChange"}, -1},
        {"select", [&] { list.setListIndex(1); }, {"File1_Click b.kava"}, 1},
        {"same folder keeps the row", [&] { list.setPath(path); }, {}, 1},
        {"by name, other case", [&] { list.setFileName("c.kava"); }, {"File1_Click C.KAVA"}, 2},
        {"by name again", [&] { list.setFileName("C.KAVA"); }, {}, 2},
        {"row past the end", [&] { list.setListIndex(3); }, {}, 2, vberr::kInvalidPropertyValue},
        {"list(3)", [&] { (void)list.list(3); }, {}, 2, vberr::kInvalidPropertyArrayIndex},
        {"missing folder", [&] { list.setPath(path + "/nope"); }, {}, 2, vberr::kPathNotFound},
        {"file as folder", [&] { list.setPath(path + "/b.kava"); }, {}, 2, vberr::kPathNotFound},
        {"unlisted name", [&] { list.setFileName("gone.kava"); }, {"File1_Click "}, -1},
        {"wildcard", [&] { list.setFileName("*.rtf"); }, {"File1_PatternChange"}, -1},
        {"select again", [&] { list.setListIndex(0); }, {"File1_Click notes.rtf"}, 0},
        {"new pattern unselects", [&] { list.setPattern("*.keel"); }, {"File1_PatternChange"}, -1},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        EXPECT_EQ(errorNumberOf(step.act), step.error);
        EXPECT_EQ(form.takeLog(), step.log);
        EXPECT_EQ(list.listIndex(), step.listIndex);
    }
    EXPECT_EQ(list.path(), path);
}

TEST_F(FileListBoxTest, RefreshKeepsTheSelectedFile) {
    FileListBox& list = form.File1;
    list.setPath(path);
    list.setFileName("b.kava");
    form.takeLog();

    folder.writeFile("a0.kava", "x");  // sorts before b.kava
    list.refresh();
    EXPECT_EQ(list.rows(), (Log{"A.kava", "a0.kava", "b.kava", "C.KAVA"}));
    EXPECT_EQ(list.listIndex(), 2);
    EXPECT_EQ(list.fileName(), "b.kava");

    fs::remove(folder / "b.kava");
    list.refresh();
    EXPECT_EQ(list.listIndex(), -1);
    EXPECT_EQ(list.fileName(), "");
    EXPECT_EQ(form.takeLog(), Log{}) << "refreshing raises nothing";
}

TEST_F(FileListBoxTest, DirListShowsTheFolderChainAndSortedSubfoldersAndMovesTheFileList) {
    for (const char* sub : {"Gamma", "alpha", ".git"})
        fs::create_directory(folder / sub);
    form.Dir1.setPath(path);

    Log expected;
    for (const fs::path& part : folder.path())
        expected.push_back(part.string());
    const int current = static_cast<int>(expected.size()) - 1;
    expected.insert(expected.end(), {"alpha", "Gamma", "sub.kava"});
    Log rows;
    for (int i = 0; i < form.Dir1.listCount(); ++i)
        rows.push_back(form.Dir1.list(i));
    EXPECT_EQ(rows, expected);
    EXPECT_EQ(form.Dir1.listIndex(), current);
    EXPECT_EQ(form.Dir1.listPath(current - 1), folder.path().parent_path().string());
    EXPECT_EQ(form.Dir1.listPath(current + 1), path + "/alpha");
    EXPECT_EQ(form.Dir1.listLevel(current + 1), current + 1);

    form.takeLog();
    struct Step {
        const char* what;
        std::function<void()> act;
        Log log;
        int error = 0;
    };
    const std::vector<Step> steps = {
        {"select a subfolder", [&] { form.Dir1.setListIndex(current + 1); }, {"Dir1_Click"}},
        {"open it", [&] { form.Dir1.openRow(current + 1); }, {"Dir1_Change", "File1_PathChange"}},
        {"missing folder", [&] { form.Dir1.setPath(path + "/nope"); }, {}, vberr::kPathNotFound},
        {"up again", [&] { form.Dir1.openRow(current); }, {"Dir1_Change", "File1_PathChange"}},
        {"the one drive holds every path", [&] { form.Drive1.setDrive(path); }, {}},
        {"no other drive", [&] { form.Drive1.setDrive("C:"); }, {}, vberr::kDeviceUnavailable},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        EXPECT_EQ(errorNumberOf(step.act), step.error);
        EXPECT_EQ(form.takeLog(), step.log);
    }
    EXPECT_EQ(form.File1.path(), path);
    EXPECT_EQ(form.File1.rows(), (Log{"A.kava", "b.kava", "C.KAVA"}));
}

}  // namespace
}  // namespace lumbrix
