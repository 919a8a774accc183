#include "platform/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "platform/vb_error.h"
#include "temp_install.h"
#include "test_files.h"

namespace lumbrix {
namespace {

namespace fs = std::filesystem;
using test::namesIn;
using test::RefusingRename;
using test::TempInstallFolder;
using Names = std::vector<std::string>;

// Writes the first failAfter bytes for real, in small pieces so that the writer has to loop,
// then fails with failErrno; or fails the flush.
class FailingSink : public FileSink {
  public:
    FailingSink(std::size_t failAfter, int failErrno, bool failSync = false)
        : failAfter_(failAfter), errno_(failErrno), failSync_(failSync) {}

    std::ptrdiff_t write(int fd, const char* data, std::size_t size) override {
        if (written_ >= failAfter_) {
            errno = errno_;
            return -1;
        }
        const std::size_t piece = std::min({size, failAfter_ - written_, std::size_t{3}});
        const std::ptrdiff_t done = FileSink::write(fd, data, piece);
        if (done > 0) written_ += static_cast<std::size_t>(done);
        return done;
    }
    int sync(int fd) override {
        if (!failSync_) return FileSink::sync(fd);
        errno = errno_;
        return -1;
    }

  private:
    std::size_t failAfter_;
    int errno_;
    bool failSync_;
    std::size_t written_ = 0;
};

TEST(AtomicFile, ReplacesContentExactlyAndKeepsPermissions) {
    const std::string binary("\0\xFF\r\n\x80", 5);
    for (const std::string& after : {std::string("a much longer content"), std::string(), binary}) {
        SCOPED_TRACE(after);
        TempInstallFolder folder;
        folder.writeFile("file.ini", "short");
        fs::permissions(folder / "file.ini",
                        fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

        const FileResult result = writeFileAtomically(folder / "file.ini", after);

        ASSERT_TRUE(result.ok) << result.reason;
        EXPECT_EQ(readFileBytes(folder / "file.ini").bytes, after);
        EXPECT_EQ(namesIn(folder.path()), Names{"file.ini"});
        EXPECT_EQ(fs::status(folder / "file.ini").permissions() & fs::perms::all,
                  fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    }
}

TEST(AtomicFile, FailedWriteLeavesOldFileWhole) {
    struct Case {
        const char* what;
        FailingSink sink;
        int number;
    };
    const std::string oldContent = "[Palk]\r\npalgidiameeter=250\r\n";
    std::vector<Case> cases = {
        {"disk full part-way", FailingSink(10, ENOSPC), vberr::kDiskFull},
        {"input/output error", FailingSink(20, EIO), vberr::kPathFileAccessError},
        {"flush fails", FailingSink(1000, EIO, true), vberr::kPathFileAccessError},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempInstallFolder folder;
        folder.writeFile("pattern.kava", oldContent);
        const ScopedFileSink failing(c.sink);

        const FileResult result =
            writeFileAtomically(folder / "pattern.kava", "[Palk]\r\npalgidiameeter=300\r\n");

        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.number, c.number);
        EXPECT_NE(result.reason.find("pattern.kava"), std::string::npos) << result.reason;
        EXPECT_EQ(folder.readFile("pattern.kava"), oldContent);
        EXPECT_EQ(namesIn(folder.path()), Names{"pattern.kava"});
    }

    TempInstallFolder folder;
    FailingSink sink(5, ENOSPC);
    const ScopedFileSink failing(sink);
    EXPECT_FALSE(writeFileAtomically(folder / "new.ini", "some content").ok);
    EXPECT_TRUE(namesIn(folder.path()).empty()) << "a failed new file leaves nothing";
}

TEST(AtomicFile, RefusedTargetsAndUnreadableFilesGiveTheirErrorNumbers) {
    TempInstallFolder folder;
    fs::create_directory(folder / "sub");
    folder.writeFile("plain", "file");
    const std::pair<fs::path, int> writes[] = {
        {folder / "missing" / "file.ini", vberr::kPathNotFound},
        {folder / "plain" / "file.ini", vberr::kPathNotFound},  // a folder below a file
        {folder / "sub", vberr::kPathFileAccessError}};
    for (const auto& [target, number] : writes) {
        SCOPED_TRACE(target);
        EXPECT_EQ(writeFileAtomically(target, "content").number, number);
    }
    EXPECT_EQ(folder.readFile("plain"), "file");
    EXPECT_EQ(namesIn(folder.path()), (Names{"plain", "sub"}));
    EXPECT_EQ(writeFileAtomically(folder / "missing" / "x", "x").toVbError().boxText(),
              "76 - Path not found (Cannot write " + (folder / "missing" / "x").string() +
                  ": the folder " + (folder / "missing").string() + " does not exist)");

    const std::pair<fs::path, int> reads[] = {{folder / "none.ini", vberr::kFileNotFound},
                                              {folder / "none" / "x.ini", vberr::kPathNotFound},
                                              {folder / "sub", vberr::kPathFileAccessError}};
    for (const auto& [path, number] : reads) {
        SCOPED_TRACE(path);
        const FileBytes failed = readFileBytes(path);
        EXPECT_FALSE(failed.ok);
        EXPECT_EQ(failed.number, number);
    }
}

TEST(AtomicFile, PipesDevicesAndLargeFilesAreRefusedByNameWithoutWaiting) {
    TempInstallFolder folder;
    ASSERT_EQ(::mkfifo((folder / "pipe").c_str(), 0644), 0);
    folder.writeFile("large", std::string(17 << 20, 'x'));
    folder.writeFile("sixteen", std::string(16 << 20, 'x'));
    const std::pair<fs::path, const char*> refused[] = {
        {folder / "pipe", "it is a named pipe"},
        {"/dev/null", "it is a device"},
        {folder / "large", "the file is larger than 16 MB"},
    };
    for (const auto& [path, why] : refused) {
        SCOPED_TRACE(path);
        const FileBytes read = readFileBytes(path);  // a pipe without a writer returns at once
        EXPECT_FALSE(read.ok);
        EXPECT_EQ(read.number, vberr::kPathFileAccessError);
        EXPECT_EQ(read.reason, "Cannot read " + path.string() + ": " + why);
        EXPECT_TRUE(read.bytes.empty());
    }
    EXPECT_EQ(readFileBytes(folder / "sixteen").bytes.size(), 16u << 20);
    const FileResult write = writeFileAtomically(folder / "pipe", "x");
    EXPECT_EQ(write.reason, "Cannot write " + (folder / "pipe").string() + ": it is a named pipe");
    EXPECT_TRUE(fs::is_fifo(folder / "pipe"));
}

TEST(AtomicFile, ReadOnlyTargetsStayAndLinksAreWrittenThroughToTheirTarget) {
    TempInstallFolder folder;
    folder.writeFile("locked", "old");
    fs::permissions(folder / "locked", fs::perms::owner_read | fs::perms::group_read);
    const FileResult locked = writeFileAtomically(folder / "locked", "new");
    EXPECT_EQ(locked.number, vberr::kPermissionDenied);
    EXPECT_EQ(locked.reason,
              "Cannot write " + (folder / "locked").string() + ": the file is read-only");
    EXPECT_EQ(folder.readFile("locked"), "old");

    // A link to a file in another folder, through a relative link to the link.
    fs::create_directory(folder / "real");
    folder.writeFile("real/settings", "old");
    fs::create_symlink(folder / "real" / "settings", folder / "link");
    fs::create_symlink("link", folder / "second");
    ASSERT_TRUE(writeFileAtomically(folder / "second", "new"));
    EXPECT_TRUE(fs::is_symlink(folder / "link"));
    EXPECT_TRUE(fs::is_symlink(folder / "second"));
    EXPECT_EQ(folder.readFile("real/settings"), "new");
    EXPECT_EQ(namesIn(folder / "real"), Names{"settings"}) << "no temporary file is left";
}

TEST(AtomicFile, FilesReplacedTogetherGoAllOrEveryTargetComesBack) {
    struct Case {
        const char* what;
        Names before;            // files in the folder before, each holding "old <name>"
        Names written;           // files written, each with "new <name>"
        Names removed;           // files removed together with the writes
        const char* refused;     // the ending whose rename fails; "" for none
        const char* failedFile;  // the file the failure names
    };
    const std::vector<Case> cases = {
        {"second replaces nothing", {"a.kava", "a.rtf"}, {"a.kava", "a.rtf"}, {}, ".rtf", "a.rtf"},
        {"second is new", {"a.kava"}, {"a.kava", "a.rtf"}, {}, ".rtf", "a.rtf"},
        {"both are new", {}, {"a.kava", "a.rtf"}, {}, ".rtf", "a.rtf"},
        {"the removal fails", {"a.kava", "a.rtf"}, {"a.kava"}, {"a.rtf"}, ".rtf", "a.rtf"},
        {"the write fails after nothing",
         {"a.kava", "a.rtf"},
         {"a.kava"},
         {"a.rtf"},
         ".kava",
         "a.kava"},
        {"all go in", {"a.kava", "a.rtf", "b"}, {"a.kava", "c"}, {"a.rtf", "none"}, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempInstallFolder folder;
        for (const std::string& name : c.before)
            folder.writeFile(name, "old " + name);
        std::vector<FileWrite> writes;
        for (const std::string& name : c.written)
            writes.push_back({folder / name, "new " + name});
        std::vector<fs::path> removals;
        for (const std::string& name : c.removed)
            removals.push_back(folder / name);
        if (*c.refused) {
            for (const bool links : {true, false}) {
                SCOPED_TRACE(links ? "old files kept by a link" : "old files kept by a copy");
                RefusingRename sink(c.refused, EIO, links);
                const ScopedFileSink installed(sink);
                const FileResult result = writeFilesAtomically(writes, removals);
                EXPECT_FALSE(result.ok);
                EXPECT_EQ(result.path, folder / c.failedFile);
                EXPECT_EQ(namesIn(folder.path()), c.before) << "nothing new, nothing beside";
                for (const std::string& name : c.before)
                    EXPECT_EQ(folder.readFile(name), "old " + name);
            }
            continue;
        }
        const FileResult result = writeFilesAtomically(writes, removals);
        ASSERT_TRUE(result.ok) << result.reason;
        EXPECT_EQ(namesIn(folder.path()), (Names{"a.kava", "b", "c"}));
        EXPECT_EQ(folder.readFile("a.kava"), "new a.kava");
        EXPECT_EQ(folder.readFile("b"), "old b");
    }

    // A target written through a link comes back in its own folder; the link stays, and a
    // linked file is never removed.
    TempInstallFolder folder;
    fs::create_directory(folder / "real");
    folder.writeFile("real/a.kava", "old");
    folder.writeFile("real/a.rtf", "old notes");
    fs::create_symlink(folder / "real" / "a.kava", folder / "a.kava");
    fs::create_symlink(folder / "real" / "a.rtf", folder / "a.rtf");
    RefusingRename sink(".rtf");
    const ScopedFileSink installed(sink);
    EXPECT_FALSE(writeFilesAtomically({{folder / "a.kava", "new"}, {folder / "a.rtf", "new"}}));
    EXPECT_EQ(folder.readFile("real/a.kava"), "old");
    EXPECT_EQ(namesIn(folder / "real"), (Names{"a.kava", "a.rtf"}));
    EXPECT_TRUE(fs::is_symlink(folder / "a.kava"));
    EXPECT_TRUE(writeFilesAtomically({{folder / "a.kava", "new"}}, {folder / "a.rtf"}));
    EXPECT_EQ(folder.readFile("real/a.kava"), "new");
    EXPECT_TRUE(fs::is_symlink(folder / "a.rtf"));
    EXPECT_EQ(folder.readFile("real/a.rtf"), "old notes");
}

}  // namespace
}  // namespace lumbrix
