#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/vb_error.h"

namespace lumbrix {

// The outcome of a file operation. A failure carries the number of the run-time error that
// the classic file statements raise for it (vberr::kPathNotFound, kFileNotFound, kDiskFull,
// kPermissionDenied, kPathFileAccessError, kBadFileName), the path concerned and a reason in
// plain English for logs and messages.
struct FileResult {
    bool ok = false;
    int number = 0;  // 0 when ok
    std::filesystem::path path;
    std::string reason;  // empty when ok

    static FileResult success(std::filesystem::path path);
    static FileResult failure(int number, std::filesystem::path path, std::string reason);

    explicit operator bool() const { return ok; }

    // The run-time error of a failure, for callers that raise it: the standard description
    // with the reason, which names the file ("76 - Path not found (Cannot write ...)").
    VbError toVbError() const;
};

// A file's whole content, or why it could not be read.
struct FileBytes : FileResult {
    std::string bytes;
};

// The low-level write calls that the atomic writers make. The default writes to the real
// file; tests install another sink (ScopedFileSink) to make a write fail part-way, which
// cannot be arranged through file permissions when the tests run as root.
class FileSink {
  public:
    virtual ~FileSink() = default;
    // Creates the new file path (which must not exist) for writing, with the permission bits
    // mode: its descriptor, or -1 with errno set.
    virtual int create(const char* path, unsigned mode);
    // Writes up to size bytes to fd: the count written, or -1 with errno set.
    virtual std::ptrdiff_t write(int fd, const char* data, std::size_t size);
    // Flushes fd to the disk: 0, or -1 with errno set.
    virtual int sync(int fd);
    // Renames from to to (in one folder), replacing to: 0, or -1 with errno set.
    virtual int rename(const char* from, const char* to);
    // Makes to a second name (a hard link) of the file from: 0, or -1 with errno set.
    virtual int link(const char* from, const char* to);
};

// Makes writeFileAtomically use sink while it lives; restores the previous sink afterwards.
class ScopedFileSink {
  public:
    explicit ScopedFileSink(FileSink& sink);
    ~ScopedFileSink();
    ScopedFileSink(const ScopedFileSink&) = delete;
    ScopedFileSink& operator=(const ScopedFileSink&) = delete;

  private:
    FileSink* previous_;
};

// Replaces the file at path with bytes so that it holds either its old content or the whole
// new content, never a mixture: the bytes go to a temporary file in the same folder, which is
// flushed to the disk and then renamed over the file. On any failure the temporary file is
// removed, the file is left as it was, and the failure, naming path, is returned. A missing
// folder is not created (kPathNotFound). An existing file keeps its permission bits. A
// symbolic link is written through: its target is replaced, in the target's folder, and the
// link stays. Refused without writing: a target that is not a regular file (a folder, a named
// pipe, a device; kPathFileAccessError) and a read-only file (no write permission in its mode
// bits, or none for this user; kPermissionDenied, "the file is read-only").
FileResult writeFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// The run-time error number for a system error (errno) of a failed write, create, rename or
// removal: 76 no such folder, 70 no permission or a read-only file system, 61 a full disk,
// 52 a name too long, else 75.
int writeErrorNumber(int err);

// One file of a writeFilesAtomically call.
struct FileWrite {
    std::filesystem::path path;
    std::string bytes;
};

// Replaces several files together, each as writeFileAtomically does, all or nothing: each new
// content goes to a temporary file beside its target and is flushed to the disk; only when all
// are written are they renamed over their targets, and each folder is flushed once. Each
// regular file of `removals` (the path itself: a symbolic link is left alone) goes together
// with the writes. A failure at any step, also when one target cannot be replaced after
// another has been, puts every target back as it was (an old file with its bytes, a new one
// gone, a removed one back) and returns the first failure, naming its file.
FileResult writeFilesAtomically(const std::vector<FileWrite>& files,
                                const std::vector<std::filesystem::path>& removals = {});

// The largest file the program reads: its files are small, and a larger one is refused
// rather than read into memory.
inline constexpr std::uintmax_t kMaxReadFileBytes = 16u * 1024 * 1024;

// The whole content of path. A missing file gives kFileNotFound, a missing folder
// kPathNotFound; a path that is not a regular file (a folder, a named pipe, a device) and a
// file larger than kMaxReadFileBytes give kPathFileAccessError with a reason naming the file.
// Such a path is refused without being opened.
FileBytes readFileBytes(const std::filesystem::path& path);

}  // namespace lumbrix
