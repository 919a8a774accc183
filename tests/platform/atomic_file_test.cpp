#include "platform/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/vb_error.h"
#include "temp_install.h"

namespace lumbrix {
namespace {

namespace fs = std::filesystem;
using test::TempInstallFolder;

std::vector<std::string> namesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Writes the first failAfter bytes for real, then fails with failErrno; or fails the flush.
class FailingSink : public FileSink {
  public:
    FailingSink(std::size_t failAfter, int failErrno, bool failSync = false)
        : failAfter_(failAfter), errno_(failErrno), failSync_(failSync) {}

    std::ptrdiff_t write(int fd, const char* data, std::size_t size) override {
        if (written_ >= failAfter_) {
            errno = errno_;
            return -1;
        }
        // Small pieces, so that the writer has to loop.
        const std::size_t piece = std::min({size, failAfter_ - written_, std::size_t{3}});
        const std::ptrdiff_t done = FileSink::write(fd, data, piece);
        if (done > 0) written_ += static_cast<std::size_t>(done);
        return done;
    }
    int sync(int fd) override {
        if (failSync_) {
            errno = errno_;
            return -1;
        }
        return FileSink::sync(fd);
    }

  private:
    std::size_t failAfter_;
    int errno_;
    bool failSync_;
    std::size_t written_ = 0;
};

TEST(AtomicFile, ReplacesContentExactly) {
    struct Case {
        const char* what;
        std::string before, after;
    };
    const std::vector<Case> cases = {
        {"new file", "", "[Palk]\r\npalgipikkus=4200\r\n"},
        {"longer", "short", "a much longer content than before"},
        {"shorter", "a much longer content than before", "short"},
        {"empty", "something", ""},
        {"binary", "x", std::string("\0\xFF\r\n\x80", 5)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempInstallFolder folder;
        if (!c.before.empty()) folder.writeFile("file.ini", c.before);

        const FileResult result = writeFileAtomically(folder / "file.ini", c.after);

        ASSERT_TRUE(result.ok) << result.reason;
        EXPECT_EQ(result.number, 0);
        EXPECT_EQ(folder.readFile("file.ini"), c.after);
        EXPECT_EQ(fs::file_size(folder / "file.ini"), c.after.size());
        EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"file.ini"});
    }
}

TEST(AtomicFile, FailedWriteLeavesOldFileWhole) {
    struct Case {
        const char* what;
        FailingSink sink;
        int number;
    };
    const std::string oldContent = "[Palk]\r\npalgidiameeter=250\r\n";
    const std::string newContent = "[Palk]\r\npalgidiameeter=300\r\npalgipikkus=5100\r\n";
    std::vector<Case> cases = {
        {"disk full part-way", FailingSink(10, ENOSPC), vberr::kDiskFull},
        {"disk full at once", FailingSink(0, ENOSPC), vberr::kDiskFull},
        {"input/output error", FailingSink(20, EIO), vberr::kPathFileAccessError},
        {"flush fails", FailingSink(1000, EIO, true), vberr::kPathFileAccessError},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempInstallFolder folder;
        folder.writeFile("pattern.kava", oldContent);
        const ScopedFileSink failing(c.sink);

        const FileResult result = writeFileAtomically(folder / "pattern.kava", newContent);

        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.number, c.number);
        EXPECT_EQ(result.path, folder / "pattern.kava");
        EXPECT_NE(result.reason.find("pattern.kava"), std::string::npos) << result.reason;
        EXPECT_EQ(folder.readFile("pattern.kava"), oldContent);
        EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"pattern.kava"});
    }
}

TEST(AtomicFile, FailedWriteOfNewFileLeavesNothing) {
    TempInstallFolder folder;
    FailingSink sink(5, ENOSPC);
    const ScopedFileSink failing(sink);

    EXPECT_FALSE(writeFileAtomically(folder / "new.ini", "some content").ok);
    EXPECT_TRUE(namesIn(folder.path()).empty());
}

TEST(AtomicFile, SinkIsRestoredAfterScope) {
    TempInstallFolder folder;
    {
        FailingSink sink(0, ENOSPC);
        const ScopedFileSink failing(sink);
        EXPECT_FALSE(writeFileAtomically(folder / "a.ini", "x").ok);
    }
    EXPECT_TRUE(writeFileAtomically(folder / "a.ini", "x").ok);
}

TEST(AtomicFile, RefusedTargets) {
    TempInstallFolder folder;
    fs::create_directory(folder / "sub");
    folder.writeFile("plain", "file");
    struct Case {
        const char* what;
        fs::path target;
        int number;
    };
    const std::vector<Case> cases = {
        {"missing folder", folder / "missing" / "file.ini", vberr::kPathNotFound},
        {"missing folders", folder / "a" / "b" / "file.ini", vberr::kPathNotFound},
        {"folder below a file", folder / "plain" / "file.ini", vberr::kPathNotFound},
        {"target is a folder", folder / "sub", vberr::kPathFileAccessError},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const FileResult result = writeFileAtomically(c.target, "content");
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.number, c.number);
        EXPECT_FALSE(result.reason.empty());
    }
    EXPECT_FALSE(fs::exists(folder / "missing"));
    EXPECT_TRUE(fs::is_directory(folder / "sub"));
    EXPECT_EQ(folder.readFile("plain"), "file");
    EXPECT_EQ(namesIn(folder.path()), (std::vector<std::string>{"plain", "sub"}));
}

TEST(AtomicFile, KeepsPermissionsOfReplacedFile) {
    TempInstallFolder folder;
    folder.writeFile("file.ini", "old");
    fs::permissions(folder / "file.ini",
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    ASSERT_TRUE(writeFileAtomically(folder / "file.ini", "new").ok);

    EXPECT_EQ(fs::status(folder / "file.ini").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST(AtomicFile, ReadFileBytes) {
    TempInstallFolder folder;
    const std::string binary("[a]\0\xFF\r\nb=\x90", 9);
    folder.writeFile("data.bin", binary);
    fs::create_directory(folder / "sub");

    const FileBytes read = readFileBytes(folder / "data.bin");
    ASSERT_TRUE(read.ok) << read.reason;
    EXPECT_EQ(read.bytes, binary);

    struct Case {
        const char* what;
        fs::path path;
        int number;
    };
    const std::vector<Case> failures = {
        {"missing file", folder / "none.ini", vberr::kFileNotFound},
        {"missing folder", folder / "none" / "x.ini", vberr::kPathNotFound},
        {"a folder", folder / "sub", vberr::kPathFileAccessError},
    };
    for (const auto& c : failures) {
        SCOPED_TRACE(c.what);
        const FileBytes failed = readFileBytes(c.path);
        EXPECT_FALSE(failed.ok);
        EXPECT_EQ(failed.number, c.number);
        EXPECT_EQ(failed.path, c.path);
        EXPECT_TRUE(failed.bytes.empty());
    }
}

TEST(AtomicFile, FailureAsRunTimeError) {
    const FileResult result = writeFileAtomically("/nonexistent-lumbrix-folder/x.ini", "x");
    ASSERT_FALSE(result.ok);
    const VbError error = result.toVbError();
    EXPECT_EQ(error.number(), vberr::kPathNotFound);
    EXPECT_EQ(error.boxText(), "76 - Path not found");
}

}  // namespace
}  // namespace lumbrix
