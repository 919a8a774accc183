#include "platform/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <system_error>
#include <utility>
#include <vector>

namespace lumbrix {

namespace fs = std::filesystem;

namespace {

FileSink& defaultSink() {
    static FileSink sink;
    return sink;
}

FileSink* g_sink = nullptr;

FileSink& currentSink() {
    return g_sink != nullptr ? *g_sink : defaultSink();
}

fs::path folderOf(const fs::path& path) {
    return path.has_parent_path() ? path.parent_path() : fs::path(".");
}

bool folderExists(const fs::path& folder) {
    std::error_code ec;
    return fs::is_directory(folder, ec);
}

// The run-time error number for a failed open or read of an existing file.
int readErrorNumber(int err, const fs::path& path) {
    switch (err) {
        case ENOENT:
            return folderExists(folderOf(path)) ? vberr::kFileNotFound : vberr::kPathNotFound;
        case ENOTDIR:
            return vberr::kPathNotFound;
        case EACCES:
        case EPERM:
            return vberr::kPermissionDenied;
        case ENAMETOOLONG:
            return vberr::kBadFileName;
        default:
            return vberr::kPathFileAccessError;
    }
}

FileResult systemFailure(int number, const fs::path& path, const std::string& action, int err) {
    return FileResult::failure(number, path,
                               action + " " + path.string() + ": " + std::strerror(err));
}

// A name in the target's folder that no other writer uses at the same time.
fs::path temporaryName(const fs::path& folder) {
    static std::atomic<unsigned> counter{0};
    return folder / (".lumbrix-" + std::to_string(::getpid()) + "-" +
                     std::to_string(counter.fetch_add(1)) + ".tmp");
}

// Writes all of bytes through sink; false with errno set on failure.
bool writeAll(FileSink& sink, int fd, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const std::ptrdiff_t written = sink.write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (written == 0) {  // no progress: the device takes no more
            errno = ENOSPC;
            return false;
        }
        done += static_cast<std::size_t>(written);
    }
    return true;
}

// Makes the rename itself durable. A folder that cannot be flushed does not make the
// write fail: the content is already on the disk.
void syncFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// What kind of thing a path names that is not a regular file, for messages.
std::string notRegularKind(mode_t mode) {
    if (S_ISDIR(mode)) return "a folder";
    if (S_ISFIFO(mode)) return "a named pipe";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
    if (S_ISSOCK(mode)) return "a socket";
    return "not a regular file";
}

// The file a path finally names: symbolic links followed (relative links from their own
// folder), so that a write goes through a link to its target and the link stays.
fs::path followLinks(const fs::path& path) {
    fs::path current = path;
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(current, ec))) return current;
        const fs::path link = fs::read_symlink(current, ec);
        if (ec) return current;
        current = link.is_absolute() ? link : folderOf(current) / link;
    }
    return current;
}

// A file that nobody may write (its mode bits), or that this user may not write.
bool isReadOnly(const fs::path& file, const struct stat& info) {
    if ((info.st_mode & 0222) == 0) return true;
    return ::access(file.c_str(), W_OK) != 0 && errno == EACCES;
}

}  // namespace

int writeErrorNumber(int err) {
    switch (err) {
        case ENOENT:
        case ENOTDIR:
            return vberr::kPathNotFound;
        case EACCES:
        case EPERM:
        case EROFS:
            return vberr::kPermissionDenied;
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            return vberr::kDiskFull;
        case ENAMETOOLONG:
            return vberr::kBadFileName;
        default:
            return vberr::kPathFileAccessError;
    }
}

FileResult FileResult::success(std::filesystem::path path) {
    FileResult result;
    result.ok = true;
    result.path = std::move(path);
    return result;
}

FileResult FileResult::failure(int number, std::filesystem::path path, std::string reason) {
    FileResult result;
    result.ok = false;
    result.number = number;
    result.path = std::move(path);
    result.reason = std::move(reason);
    return result;
}

VbError FileResult::toVbError() const {
    if (reason.empty()) return VbError(number);
    return VbError(number, VbError::standardDescription(number) + " (" + reason + ")");
}

int FileSink::create(const char* path, unsigned mode) {
    return ::open(path, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, static_cast<mode_t>(mode));
}

std::ptrdiff_t FileSink::write(int fd, const char* data, std::size_t size) {
    return ::write(fd, data, size);
}

int FileSink::sync(int fd) {
    return ::fsync(fd);
}

int FileSink::rename(const char* from, const char* to) {
    return ::rename(from, to);
}

int FileSink::link(const char* from, const char* to) {
    return ::link(from, to);
}

ScopedFileSink::ScopedFileSink(FileSink& sink) : previous_(g_sink) {
    g_sink = &sink;
}

ScopedFileSink::~ScopedFileSink() {
    g_sink = previous_;
}

namespace {

// One file's new content, written and flushed to a temporary file beside its target.
struct StagedFile {
    fs::path target;  // the file to replace, symbolic links followed
    fs::path temp;
};

// Checks the target of `path` and writes `bytes` to a temporary file in its folder, flushed
// to the disk and with the target's permission bits. On failure nothing is left behind.
FileResult stageBeside(const fs::path& path, std::string_view bytes, StagedFile& staged) {
    const fs::path target = followLinks(path);
    const fs::path folder = folderOf(target);
    if (!folderExists(folder)) {
        return FileResult::failure(vberr::kPathNotFound, path,
                                   "Cannot write " + path.string() + ": the folder " +
                                       folder.string() + " does not exist");
    }
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode)) {
        return FileResult::failure(
            vberr::kPathFileAccessError, path,
            "Cannot write " + path.string() + ": it is " + notRegularKind(existing.st_mode));
    }
    if (exists && isReadOnly(target, existing)) {
        return FileResult::failure(vberr::kPermissionDenied, path,
                                   "Cannot write " + path.string() + ": the file is read-only");
    }

    fs::path temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = temporaryName(folder);
        fd = currentSink().create(temp.c_str(), 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) {
        const int err = errno;
        return systemFailure(writeErrorNumber(err), path, "Cannot create a file beside", err);
    }
    if (exists) ::fchmod(fd, existing.st_mode & 07777);

    FileSink& sink = currentSink();
    const char* failed = nullptr;
    if (!writeAll(sink, fd, bytes)) {
        failed = "Cannot write";
    } else if (sink.sync(fd) != 0) {
        failed = "Cannot flush";
    }
    int err = errno;
    if (::close(fd) != 0 && failed == nullptr) {
        failed = "Cannot finish";
        err = errno;
    }
    if (failed != nullptr) {
        ::unlink(temp.c_str());
        return systemFailure(writeErrorNumber(err), path, failed, err);
    }
    staged = {target, temp};
    return FileResult::success(path);
}

}  // namespace

FileResult writeFileAtomically(const fs::path& path, std::string_view bytes) {
    StagedFile staged;
    if (FileResult result = stageBeside(path, bytes, staged); !result) return result;
    if (currentSink().rename(staged.temp.c_str(), staged.target.c_str()) != 0) {
        const int err = errno;
        ::unlink(staged.temp.c_str());
        return systemFailure(writeErrorNumber(err), path, "Cannot replace", err);
    }
    syncFolder(folderOf(staged.target));
    return FileResult::success(path);
}

namespace {

// One step of replacing files together, with what undoes it. A write renames its staged
// file over the target; a removal renames the target aside. `kept` holds what the target
// was before the step (a hard link to the old file, a copy of it, or the removed file
// itself), empty when there was nothing.
struct ReplaceStep {
    fs::path path;    // as the caller named it, for messages
    fs::path target;  // the file replaced or removed
    fs::path staged;  // the new content; empty for a removal
    fs::path kept;
    bool done = false;
};

// Keeps the old content of step.target beside it before it is replaced: a hard link where the
// file system has them, else a flushed copy with the same permission bits.
FileResult keepOldFile(ReplaceStep& step) {
    struct stat existing {};
    if (::lstat(step.target.c_str(), &existing) != 0) return FileResult::success(step.path);
    const fs::path folder = folderOf(step.target);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path name = temporaryName(folder);
        if (currentSink().link(step.target.c_str(), name.c_str()) == 0) {
            step.kept = name;
            return FileResult::success(step.path);
        }
        if (errno != EEXIST) break;
    }
    const FileBytes old = readFileBytes(step.target);
    if (!old) return old;
    StagedFile copy;
    if (FileResult staged = stageBeside(step.target, old.bytes, copy); !staged) return staged;
    step.kept = copy.temp;
    return FileResult::success(step.path);
}

// Puts the target of a step back as it was before the step.
void undo(const ReplaceStep& step) {
    if (!step.done) return;
    if (!step.kept.empty()) {
        ::rename(step.kept.c_str(), step.target.c_str());
    } else {
        ::unlink(step.target.c_str());
    }
}

// Removes what the steps left beside their targets.
void discard(const std::vector<ReplaceStep>& steps) {
    for (const ReplaceStep& step : steps) {
        if (!step.staged.empty() && !step.done) ::unlink(step.staged.c_str());
        if (!step.kept.empty()) ::unlink(step.kept.c_str());
    }
}

}  // namespace

FileResult writeFilesAtomically(const std::vector<FileWrite>& files,
                                const std::vector<fs::path>& removals) {
    std::vector<ReplaceStep> steps;
    const auto fail = [&steps](FileResult failure) {
        for (auto step = steps.rbegin(); step != steps.rend(); ++step)
            undo(*step);
        for (ReplaceStep& step : steps) {
            // What a done step kept is back in place (or, should that fail, stays beside it:
            // never delete the only old copy); what a step not yet done kept is not needed.
            if (step.done && !step.kept.empty()) step.kept.clear();
        }
        discard(steps);
        return failure;
    };
    for (const FileWrite& file : files) {
        StagedFile one;
        if (FileResult result = stageBeside(file.path, file.bytes, one); !result) {
            return fail(result);
        }
        steps.push_back({file.path, one.target, one.temp, {}, false});
    }
    for (ReplaceStep& step : steps) {
        if (FileResult kept = keepOldFile(step); !kept) return fail(kept);
    }
    for (const fs::path& path : removals) {
        std::error_code ec;
        if (!fs::is_regular_file(fs::symlink_status(path, ec))) continue;
        steps.push_back({path, path, {}, {}, false});
    }
    std::vector<fs::path> folders;
    for (ReplaceStep& step : steps) {
        if (step.staged.empty()) {  // a removal: the file goes aside, to come back on a failure
            const fs::path aside = temporaryName(folderOf(step.target));
            if (currentSink().rename(step.target.c_str(), aside.c_str()) != 0) {
                const int err = errno;
                return fail(systemFailure(writeErrorNumber(err), step.path, "Cannot remove", err));
            }
            step.kept = aside;
        } else if (currentSink().rename(step.staged.c_str(), step.target.c_str()) != 0) {
            const int err = errno;
            return fail(systemFailure(writeErrorNumber(err), step.path, "Cannot replace", err));
        }
        step.done = true;
        const fs::path folder = folderOf(step.target);
        if (std::find(folders.begin(), folders.end(), folder) == folders.end()) {
            folders.push_back(folder);
        }
    }
    discard(steps);
    for (const fs::path& folder : folders)
        syncFolder(folder);
    return FileResult::success(files.empty() ? fs::path() : files.front().path);
}

FileBytes readFileBytes(const fs::path& path) {
    FileBytes result;
    result.path = path;
    const auto fail = [&](int number, const std::string& reason) {
        result.bytes.clear();
        static_cast<FileResult&>(result) = FileResult::failure(number, path, reason);
        return result;
    };
    const auto notRegular = [&](const struct stat& info) {
        return fail(vberr::kPathFileAccessError,
                    "Cannot read " + path.string() + ": it is " + notRegularKind(info.st_mode));
    };
    // What stands at the path is looked at first: a named pipe or a device is never opened.
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) return notRegular(info);
    // Non-blocking, so that a named pipe put in place meanwhile never stops the program; what
    // is opened is checked again before a byte is read.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        const int err = errno;
        static_cast<FileResult&>(result) =
            systemFailure(readErrorNumber(err, path), path, "Cannot read", err);
        return result;
    }
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return notRegular(info);
    }
    const std::string tooLarge = "Cannot read " + path.string() + ": the file is larger than " +
                                 std::to_string(kMaxReadFileBytes / (1024 * 1024)) + " MB";
    if (static_cast<std::uintmax_t>(info.st_size) > kMaxReadFileBytes) {
        ::close(fd);
        return fail(vberr::kPathFileAccessError, tooLarge);
    }
    char buffer[65536];
    for (;;) {
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count == 0) break;
        if (count < 0) {
            if (errno == EINTR) continue;
            const int err = errno;
            ::close(fd);
            result.bytes.clear();
            static_cast<FileResult&>(result) =
                systemFailure(readErrorNumber(err, path), path, "Cannot read", err);
            return result;
        }
        result.bytes.append(buffer, static_cast<std::size_t>(count));
        if (result.bytes.size() > kMaxReadFileBytes) {  // the file grew while it was read
            ::close(fd);
            return fail(vberr::kPathFileAccessError, tooLarge);
        }
    }
    ::close(fd);
    result.ok = true;
    return result;
}

}  // namespace lumbrix
