#pragma once

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

#include "platform/atomic_file.h"

namespace lumbrix::test {

// The names in a folder, sorted.
inline std::vector<std::string> namesIn(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// A sink whose writes fail with the system error given from the failFrom-th on (by default
// every one).
class FailingWriteSink : public FileSink {
  public:
    explicit FailingWriteSink(int error, int failFrom = 1) : error_(error), failFrom_(failFrom) {}
    std::ptrdiff_t write(int fd, const char* data, std::size_t size) override {
        if (++writes_ >= failFrom_) {
            errno = error_;
            return -1;
        }
        return FileSink::write(fd, data, size);
    }

  private:
    int error_;
    int failFrom_;
    int writes_ = 0;
};

// A sink whose writes fail from the failFrom-th on as a full disk does.
struct FullDisk : FailingWriteSink {
    explicit FullDisk(int failFrom = 1) : FailingWriteSink(ENOSPC, failFrom) {}
};

// A sink that refuses, with errno `error`, every rename to or from a name with this ending,
// and hard links when links is false (as a file system without them does).
class RefusingRename : public FileSink {
  public:
    explicit RefusingRename(std::string ending, int error = EIO, bool links = true)
        : ending_(std::move(ending)), error_(error), links_(links) {}
    int link(const char* from, const char* to) override {
        if (links_) return FileSink::link(from, to);
        errno = EPERM;
        return -1;
    }
    int rename(const char* from, const char* to) override {
        if (std::string_view(from).ends_with(ending_) || std::string_view(to).ends_with(ending_)) {
            errno = error_;
            return -1;
        }
        return FileSink::rename(from, to);
    }

  private:
    std::string ending_;
    int error_;
    bool links_;
};

// A sink for a folder that takes no new name, as a folder without write permission or on a
// read-only file system does, which permission bits cannot arrange for the superuser: every
// file created in `folder`, and every rename or link into or out of it, fails with `error`.
class UnwritableFolder : public FileSink {
  public:
    explicit UnwritableFolder(std::filesystem::path folder, int error = EACCES)
        : folder_(std::move(folder)), error_(error) {}
    int create(const char* path, unsigned mode) override {
        return in(path) ? refuse() : FileSink::create(path, mode);
    }
    int rename(const char* from, const char* to) override {
        return in(from) || in(to) ? refuse() : FileSink::rename(from, to);
    }
    int link(const char* from, const char* to) override {
        return in(to) ? refuse() : FileSink::link(from, to);
    }

  private:
    bool in(const char* path) const {
        std::error_code ec;
        return std::filesystem::equivalent(std::filesystem::path(path).parent_path(), folder_, ec);
    }
    int refuse() const {
        errno = error_;
        return -1;
    }
    std::filesystem::path folder_;
    int error_;
};

}  // namespace lumbrix::test
