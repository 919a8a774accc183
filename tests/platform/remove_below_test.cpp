#include "platform/remove_below.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "temp_install.h"
#include "test_files.h"

namespace lumbrix {
namespace {

namespace fs = std::filesystem;
using test::namesIn;
using test::TempInstallFolder;
using Names = std::vector<std::string>;

bool any(std::string_view) {
    return true;
}

TEST(RemoveBelow, OnlyRegularFilesOfTheRealFolderGo) {
    TempInstallFolder folder;
    folder.writeFile("outside/0.kava", "kept");
    folder.writeFile("a/b/0.kava", "x");
    folder.writeFile("a/b/keep.kava", "x");
    folder.writeFile("a/b/sub/0.kava", "x");
    fs::create_symlink(folder / "outside" / "0.kava", folder / "a" / "b" / "1.kava");
    const int removed = removeRegularFilesBelow(
        folder.path(), {"a", "b"}, [](std::string_view name) { return name != "keep.kava"; });
    EXPECT_EQ(removed, 1);
    EXPECT_EQ(namesIn(folder / "a" / "b"), (Names{"1.kava", "keep.kava", "sub"}));
    EXPECT_EQ(folder.readFile("outside/0.kava"), "kept");
    EXPECT_EQ(folder.readFile("a/b/sub/0.kava"), "x");
}

TEST(RemoveBelow, ALinkOrAFileOnTheWayRemovesNothing) {
    const struct {
        const char* what;
        Names below;
    } cases[] = {{"link to the folder", {"a", "link"}}, {"link on the way", {"linked", "b"}},
                 {"file on the way", {"file", "b"}},    {"missing folder", {"a", "none"}},
                 {"a path in one name", {"a/b"}},       {"parent folder", {"a", "..", "outside"}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempInstallFolder folder;
        folder.writeFile("outside/0.kava", "kept");
        folder.writeFile("outside/b/0.kava", "kept");
        folder.writeFile("a/b/x", "x");
        folder.writeFile("file", "x");
        fs::create_directory_symlink(folder / "outside", folder / "a" / "link");
        fs::create_directory_symlink(folder / "outside", folder / "linked");
        EXPECT_EQ(removeRegularFilesBelow(folder.path(), c.below, any), 0);
        EXPECT_EQ(folder.readFile("outside/0.kava"), "kept");
        EXPECT_EQ(folder.readFile("outside/b/0.kava"), "kept");
        EXPECT_EQ(folder.readFile("a/b/x"), "x");
    }
}

}  // namespace
}  // namespace lumbrix
