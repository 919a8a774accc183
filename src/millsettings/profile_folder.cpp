#include "millsettings/profile_folder.h"

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

std::filesystem::path currentProfileFolder(const frmMain& main) {
    return profileFolder(main.app().installFolder(), main.lblValitudProfiil.caption());
}

}  // namespace lumbrix
