#include "millsettings/profile_folder.h"

#include "app/application.h"
#include "mainwindow/frm_main.h"
#include "millsettings/profile_name.h"
#include "platform/atomic_file.h"
#include "platform/vb_error.h"

namespace lumbrix {

std::filesystem::path databaseFolder(const std::filesystem::path& installFolder) {
    return installFolder / "database";
}

std::filesystem::path profileFolder(const std::filesystem::path& installFolder,
                                    std::string_view name) {
    if (checkProfileName(name)) throw VbError(vberr::kBadFileName);
    return databaseFolder(installFolder) / std::filesystem::path(std::string(name));
}

void ensureProfileFolder(const std::filesystem::path& folder) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (fs::is_directory(folder, ec)) return;
    if (fs::create_directory(folder, ec) && !ec) return;
    if (!ec) ec = std::make_error_code(std::errc::file_exists);  // a file holds the name
    throw VbError(writeErrorNumber(ec.value()));
}

std::filesystem::path currentProfileFolder(const frmMain& main) {
    return profileFolder(main.app().installFolder(), main.lblValitudProfiil.caption());
}

StartProfile chooseStartProfile(const std::filesystem::path& installFolder,
                                const std::string& stored) {
    const std::string shipped = kDefaultProfileName;
    if (checkProfileName(stored)) {
        return {shipped,
                "Vaikimisi profiili nimi \"" + stored +
                    "\" ei sobi kausta nimeks. Kasutan profiili " + shipped + ".",
                "The default profile name \"" + stored +
                    "\" cannot be used as a folder name. The profile " + shipped +
                    " is used instead."};
    }
    const std::filesystem::path folder = databaseFolder(installFolder) / stored;
    std::error_code ec;
    if (stored == shipped || std::filesystem::is_directory(folder, ec)) return {stored, "", ""};
    return {shipped,
            "Vaikimisi profiili \"" + stored + "\" kausta " + folder.string() +
                " ei ole enam olemas. Kasutan profiili " + shipped + ".",
            "The folder " + folder.string() + " of the default profile \"" + stored +
                "\" no longer exists. The profile " + shipped + " is used instead."};
}

}  // namespace lumbrix
