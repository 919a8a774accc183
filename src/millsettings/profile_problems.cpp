#include "millsettings/profile_problems.h"

#include "app/application.h"
#include "mainwindow/frm_main.h"
#include "millsettings/profile_folder.h"
#include "platform/desktop.h"
#include "platform/file_reports.h"
#include "platform/vb_error.h"
#include "store/saved_list.h"

namespace lumbrix {

namespace fs = std::filesystem;

std::optional<fs::path> profileFolderOrReport(const frmMain& main, const std::string& title,
                                              const std::string& separator) {
    const std::string& name = main.lblValitudProfiil.caption();
    const fs::path database = databaseFolder(main.app().installFolder());
    fs::path folder = database / name;
    try {
        folder = currentProfileFolder(main);
        ensureProfileFolder(folder);
        return folder;
    } catch (const VbError& e) {
        std::string why;
        if (e.number() == vberr::kBadFileName) {
            why = "The profile name \"" + name + "\" cannot be a folder name.";
        } else if (!fs::is_directory(database)) {
            why = "The profile folder " + folder.string() + " cannot be made: the folder " +
                  database.string() + " does not exist.";
        } else {
            why = "The profile folder " + folder.string() + " cannot be made.";
        }
        reportFileProblem(folder,
                          std::to_string(e.number()) + separator + e.description() + "\n" + why,
                          mb::kCritical, title);
        return std::nullopt;
    }
}

void reportListFileProblem(const SavedListRead& read, const std::string& title,
                           const std::string& separator, const std::string& heading) {
    std::string text = heading.empty() ? heading : heading + "\n";
    if (read.number != 0) text += std::to_string(read.number) + separator + read.description + "\n";
    reportFileProblem(read.path, text + read.message(), mb::kCritical, title);
}

}  // namespace lumbrix
