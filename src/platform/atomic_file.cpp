#include "platform/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <system_error>
#include <utility>

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
