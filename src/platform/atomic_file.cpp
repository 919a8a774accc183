#include "platform/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
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

// The run-time error number for a failed write, create or rename.
int writeErrorNumber(int err) {
    switch (err) {
        case ENOENT:
        case ENOTDIR:
            return vberr::kPathNotFound;
        case EACCES:
        case EPERM:
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

}  // namespace

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
    return VbError(number);
}

std::ptrdiff_t FileSink::write(int fd, const char* data, std::size_t size) {
    return ::write(fd, data, size);
}

int FileSink::sync(int fd) {
    return ::fsync(fd);
}

ScopedFileSink::ScopedFileSink(FileSink& sink) : previous_(g_sink) {
    g_sink = &sink;
}

ScopedFileSink::~ScopedFileSink() {
    g_sink = previous_;
}

FileResult writeFileAtomically(const fs::path& target, std::string_view bytes) {
    const fs::path folder = folderOf(target);
    if (!folderExists(folder)) {
        return FileResult::failure(vberr::kPathNotFound, target,
                                   "Cannot write " + target.string() + ": the folder " +
                                       folder.string() + " does not exist");
    }
    std::error_code ec;
    if (fs::is_directory(target, ec)) {
        return FileResult::failure(vberr::kPathFileAccessError, target,
                                   "Cannot write " + target.string() + ": it is a folder");
    }

    fs::path temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = temporaryName(folder);
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) {
        const int err = errno;
        return systemFailure(writeErrorNumber(err), target, "Cannot create a file beside", err);
    }

    struct stat old {};
    if (::stat(target.c_str(), &old) == 0) ::fchmod(fd, old.st_mode & 07777);

    FileSink& sink = currentSink();
    const auto fail = [&](const std::string& action, int err, bool open) {
        if (open) ::close(fd);
        ::unlink(temp.c_str());
        return systemFailure(writeErrorNumber(err), target, action, err);
    };
    if (!writeAll(sink, fd, bytes)) return fail("Cannot write", errno, true);
    if (sink.sync(fd) != 0) return fail("Cannot flush", errno, true);
    if (::close(fd) != 0) return fail("Cannot finish", errno, false);
    if (::rename(temp.c_str(), target.c_str()) != 0) return fail("Cannot replace", errno, false);
    syncFolder(folder);
    return FileResult::success(target);
}

FileResult writeFilesAtomically(const std::vector<FileWrite>& files) {
    struct Staged {
        fs::path target;
        fs::path temp;
    };
    std::vector<Staged> staged;
    const auto discard = [&staged] {
        for (const Staged& s : staged)
            ::unlink(s.temp.c_str());
    };
    for (const FileWrite& file : files) {
        std::error_code ec;
        fs::path target = file.path;
        if (fs::is_symlink(fs::symlink_status(target, ec))) {
            const fs::path linked = fs::canonical(target, ec);
            if (!ec) target = linked;  // written through the link, which stays
        }
        const fs::path folder = folderOf(target);
        if (!folderExists(folder)) {
            discard();
            return FileResult::failure(vberr::kPathNotFound, file.path,
                                       "Cannot write " + file.path.string() + ": the folder " +
                                           folder.string() + " does not exist");
        }
        struct stat old {};
        const bool exists = ::stat(target.c_str(), &old) == 0;
        if (exists && !S_ISREG(old.st_mode)) {
            discard();
            return FileResult::failure(
                vberr::kPathFileAccessError, file.path,
                "Cannot write " + file.path.string() + ": it is not a regular file");
        }
        if (exists && (old.st_mode & 0222) == 0) {
            discard();
            return FileResult::failure(
                vberr::kPermissionDenied, file.path,
                "Cannot write " + file.path.string() + ": the file is read-only");
        }
        fs::path temp;
        int fd = -1;
        for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
            temp = temporaryName(folder);
            fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd < 0 && errno != EEXIST) break;
        }
        if (fd < 0) {
            const int err = errno;
            discard();
            return systemFailure(writeErrorNumber(err), file.path, "Cannot create a file beside",
                                 err);
        }
        staged.push_back({target, temp});
        if (exists) ::fchmod(fd, old.st_mode & 07777);
        FileSink& sink = currentSink();
        const char* failed = nullptr;
        if (!writeAll(sink, fd, file.bytes)) {
            failed = "Cannot write";
        } else if (sink.sync(fd) != 0) {
            failed = "Cannot flush";
        }
        const int err = errno;
        if (::close(fd) != 0 && failed == nullptr) failed = "Cannot finish";
        if (failed != nullptr) {
            discard();
            return systemFailure(writeErrorNumber(err), file.path, failed, err);
        }
    }
    std::vector<fs::path> folders;
    for (std::size_t i = 0; i < staged.size(); ++i) {
        if (::rename(staged[i].temp.c_str(), staged[i].target.c_str()) != 0) {
            const int err = errno;
            for (std::size_t j = i; j < staged.size(); ++j)
                ::unlink(staged[j].temp.c_str());
            return systemFailure(writeErrorNumber(err), files[i].path, "Cannot replace", err);
        }
        const fs::path folder = folderOf(staged[i].target);
        if (std::find(folders.begin(), folders.end(), folder) == folders.end()) {
            folders.push_back(folder);
        }
    }
    for (const fs::path& folder : folders)
        syncFolder(folder);
    return FileResult::success(files.empty() ? fs::path() : files.front().path);
}

FileBytes readFileBytes(const fs::path& path) {
    FileBytes result;
    result.path = path;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        const int err = errno;
        static_cast<FileResult&>(result) =
            systemFailure(readErrorNumber(err, path), path, "Cannot read", err);
        return result;
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
    }
    ::close(fd);
    result.ok = true;
    return result;
}

}  // namespace lumbrix
