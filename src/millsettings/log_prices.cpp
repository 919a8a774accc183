#include "millsettings/log_prices.h"

#include "mainwindow/frm_main.h"
#include "millsettings/profile_folder.h"
#include "millsettings/profile_problems.h"
#include "platform/event_runtime.h"
#include "platform/vb_error.h"

namespace lumbrix {

std::filesystem::path logPricesFilePath(const std::filesystem::path& profileFolder) {
    return profileFolder / kLogPricesFileName;
}

SavedListRead appendLogPriceRows(const frmMain& main, ListBox& list) {
    std::filesystem::path file;
    try {
        file = logPricesFilePath(currentProfileFolder(main));
    } catch (const VbError& e) {
        SavedListRead refused;
        refused.outcome = SavedListRead::Outcome::FileError;
        refused.number = e.number();
        refused.description = e.description();
        const std::string& name = main.lblValitudProfiil.caption();
        refused.reason = "the profile name \"" + name + "\" cannot be a folder name";
        refused.estonianReason = "profiili nime \"" + name + "\" ei saa kausta nimeks panna";
        return refused;
    }
    return appendSavedListRows(file, list);
}

FileResult saveLogPriceRows(const frmMain& main, const ListBox& list) {
    std::filesystem::path file;
    try {
        file = logPricesFilePath(currentProfileFolder(main));
    } catch (const VbError& e) {
        return FileResult::failure(e.number(), {},
                                   "the profile name \"" + main.lblValitudProfiil.caption() +
                                       "\" cannot be a folder name");
    }
    return saveSavedListRows(file, list);
}

// The main window's log price list always shows the file's rows alone. A file that cannot be
// read, or one refused as invalid, is reported in the message language.
void frmMain::Lae_palgihinnad(ListBox& list) {
    list.clear();
    const SavedListRead read = appendLogPriceRows(*this, list);
    // The message names the file, what is wrong with it and, for a damaged one, where it is
    // kept; once per event, however often the event reads the file.
    if (!read.ok()) reportLogPriceFileProblem(*this, read);
}

}  // namespace lumbrix
