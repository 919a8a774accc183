#include "millsettings/profile_folder.h"

#include <cerrno>

#include "app/application.h"
#include "mainwindow/frm_main.h"
#include "platform/path_names.h"
#include "platform/vb_error.h"

namespace lumbrix {

std::filesystem::path databaseFolder(const std::filesystem::path& installFolder) {
    return installFolder / "database";
}

std::filesystem::path profileFolder(const std::filesystem::path& installFolder,
                                    std::string_view name) {
    if (checkNameForPath(name)) throw VbError(vberr::kBadFileName);
    return databaseFolder(installFolder) / std::filesystem::path(std::string(name));
}

int fileErrorNumber(const std::error_code& ec) {
    switch (ec.value()) {
        case ENOENT:
        case ENOTDIR:
            return vberr::kPathNotFound;
        case EACCES:
        case EPERM:
        case EROFS:
            return vberr::kPermissionDenied;
        case ENAMETOOLONG:
            return vberr::kBadFileName;
        default:
            return vberr::kPathFileAccessError;
    }
}

void ensureProfileFolder(const std::filesystem::path& folder) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (fs::is_directory(folder, ec)) return;
    if (fs::create_directory(folder, ec) && !ec) return;
    if (!ec) ec = std::make_error_code(std::errc::file_exists);  // a file holds the name
    throw VbError(fileErrorNumber(ec));
}

std::filesystem::path currentProfileFolder(const frmMain& main) {
    return profileFolder(main.app().installFolder(), main.lblValitudProfiil.caption());
}

}  // namespace lumbrix
