#include "millsettings/profile_problems.h"

#include "app/application.h"
#include "localisation/message_language.h"
#include "mainwindow/frm_main.h"
#include "millsettings/log_prices.h"
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
        const bool estonian = messagesInEstonian(main);
        std::string why;
        if (e.number() == vberr::kBadFileName) {
            why = estonian ? "Profiili nime \"" + name + "\" ei saa kausta nimeks panna."
                           : "The profile name \"" + name + "\" cannot be a folder name.";
        } else if (!fs::is_directory(database)) {
            why = estonian
                      ? "Profiili kausta " + folder.string() + " ei saa luua: kausta " +
                            database.string() + " ei ole."
                      : "The profile folder " + folder.string() + " cannot be made: the folder " +
                            database.string() + " does not exist.";
        } else {
            why = estonian ? "Profiili kausta " + folder.string() + " ei saa luua."
                           : "The profile folder " + folder.string() + " cannot be made.";
        }
        reportFileProblem(folder,
                          errorLine(main, e.number(), e.description(), separator) + "\n" + why,
                          mb::kCritical, title);
        return std::nullopt;
    }
}

void reportListFileProblem(const frmMain& main, const SavedListRead& read, const std::string& title,
                           const std::string& separator, const std::string& heading) {
    const bool estonian = messagesInEstonian(main);
    std::string text = heading.empty() ? heading : heading + "\n";
    if (read.number != 0) text += errorLine(main, read.number, read.description, separator) + "\n";
    reportFileProblem(read.path, text + read.message(estonian), mb::kCritical, title);
}

void reportLogPriceFileProblem(const frmMain& main, const SavedListRead& read) {
    reportListFileProblem(main, read, bilingual(main, "Failiviga", kLogPricesFileErrorTitle), " - ",
                          bilingual(main, "Palgihindade fail logprices puudub või on vigane!",
                                    kInvalidLogPricesMessage));
}

}  // namespace lumbrix
