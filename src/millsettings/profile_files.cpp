#include "millsettings/profile_files.h"

#include <cstdio>
#include <system_error>
#include <vector>

#include "millsettings/profile_folder.h"
#include "millsettings/profile_name.h"
#include "platform/atomic_file.h"
#include "platform/vb_error.h"

namespace lumbrix {

namespace fs = std::filesystem;

fs::path profileMarkerPath(const fs::path& installFolder, std::string_view name) {
    if (checkProfileName(name)) throw VbError(vberr::kBadFileName);
    return databaseFolder(installFolder) / (std::string(name) + profilemarker::kExtension);
}

std::string generalDateText(const CalendarDate& date) {
    char text[40];
    std::snprintf(text, sizeof text, "%d.%02d.%04d %d:%02d:%02d", date.day, date.month, date.year,
                  date.hour, date.minute, date.second);
    return text;
}

void deleteProfileFiles(const fs::path& markerFile, const fs::path& folder) {
    std::error_code ec;
    if (!fs::remove(markerFile, ec)) {
        throw VbError(ec ? writeErrorNumber(ec.value()) : vberr::kFileNotFound);
    }
    if (!fs::exists(fs::symlink_status(folder, ec))) return;
    if (!fs::is_directory(fs::symlink_status(folder, ec))) throw VbError(vberr::kPathNotFound);

    std::vector<fs::path> files;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (it->is_regular_file(ec)) files.push_back(it->path());
    }
    if (ec) throw VbError(writeErrorNumber(ec.value()));
    for (const fs::path& file : files) {
        if (!fs::remove(file, ec) || ec) throw VbError(writeErrorNumber(ec.value()));
    }
    // A folder that still holds folders of its own is not removed.
    if (!fs::remove(folder, ec) || ec) throw VbError(writeErrorNumber(ec.value()));
}

}  // namespace lumbrix
