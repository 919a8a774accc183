// Removing files from a folder below a known root without being led elsewhere by a link.
#include "platform/remove_below.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lumbrix {

namespace {

// An open folder, closed when it goes.
class FolderHandle {
  public:
    explicit FolderHandle(int fd) : fd_(fd) {}
    ~FolderHandle() {
        if (fd_ >= 0) ::close(fd_);
    }
    FolderHandle(const FolderHandle&) = delete;
    FolderHandle& operator=(const FolderHandle&) = delete;

    int fd() const { return fd_; }
    bool isOpen() const { return fd_ >= 0; }
    // Moves down to the folder `name`, refusing a link.
    bool descend(const std::string& name) {
        const int next =
            ::openat(fd_, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        ::close(fd_);
        fd_ = next;
        return fd_ >= 0;
    }

  private:
    int fd_;
};

// The names in the open folder that `wanted` accepts.
std::vector<std::string> namesIn(int folderFd,
                                 const std::function<bool(std::string_view)>& wanted) {
    std::vector<std::string> names;
    const int listing = ::dup(folderFd);
    if (listing < 0) return names;
    DIR* dir = ::fdopendir(listing);
    if (dir == nullptr) {
        ::close(listing);
        return names;
    }
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (name == "." || name == "..") continue;
        if (wanted(name)) names.emplace_back(name);
    }
    ::closedir(dir);
    return names;
}

}  // namespace

int removeRegularFilesBelow(const std::filesystem::path& root,
                            const std::vector<std::string>& below,
                            const std::function<bool(std::string_view)>& wanted) {
    FolderHandle folder(::open(root.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder.isOpen()) return 0;
    for (const std::string& name : below) {
        const bool oneFolderDown =
            !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos;
        if (!oneFolderDown || !folder.descend(name)) return 0;
    }
    int removed = 0;
    for (const std::string& name : namesIn(folder.fd(), wanted)) {
        struct stat info {};
        if (::fstatat(folder.fd(), name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) continue;
        if (!S_ISREG(info.st_mode)) continue;
        if (::unlinkat(folder.fd(), name.c_str(), 0) == 0) ++removed;
    }
    return removed;
}

}  // namespace lumbrix
