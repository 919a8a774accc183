// Loading the current profile into the store and the main window's lists.
#include <cerrno>
#include <filesystem>
#include <system_error>

#include "mainwindow/frm_main.h"
#include "millsettings/profile_folder.h"
#include "millsettings/profile_settings.h"
#include "platform/event_runtime.h"
#include "platform/ini_file.h"
#include "platform/vb_error.h"
#include "store/frm_main_sub.h"

namespace lumbrix {

namespace fs = std::filesystem;

namespace {

int folderErrorNumber(const std::error_code& ec) {
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

// Creates the profile's folder when there is none; the database folder itself is not created.
void ensureProfileFolder(const fs::path& folder) {
    std::error_code ec;
    if (fs::is_directory(folder, ec)) return;
    if (fs::create_directory(folder, ec) && !ec) return;
    if (!ec) ec = std::make_error_code(std::errc::file_exists);  // a file holds the name
    throw VbError(folderErrorNumber(ec));
}

}  // namespace

void frmMain::cmdLaeprofiil_Click() {
    try {
        const fs::path folder = currentProfileFolder(*this);
        ensureProfileFolder(folder);

        // An unreadable settings file reads as a missing one: every value "0", then lifted.
        IniDocument settings;
        if (!settings.load(settingsFilePath(folder))) settings = IniDocument();
        frmMainSub& s = store();
        readSettingsIntoStore(settings, s);
        updateDerivedCosts(s);

        lstPalgiHinnad.clear();
        Lae_palgihinnad(lstPalgiHinnad);
        lstDim.clear();
        Lae_dim(lstDim);
    } catch (const VbError& e) {
        runtime::showErrorBox(e.number(), e.description(), "frmmain\\cmdLaeprofiil");
    }
}

}  // namespace lumbrix
