#include "localisation/message_language.h"

#include "mainwindow/frm_main.h"
#include "platform/atomic_file.h"
#include "platform/file_reports.h"

namespace lumbrix {

bool messagesInEstonian(const frmMain& main) {
    return estonianLanguageFile(main.lblValitudKeel.caption());
}

bool estonianLanguageFile(const std::string& fileName) {
    return fileName == "eesti.keel";
}

std::string fileFailureText(const frmMain& main, const FileResult& failure) {
    const std::string reason = fileFailureReason(failure.number, messagesInEstonian(main));
    if (failure.path.empty()) return reason;
    return failure.path.string() + ": " + reason;
}

const std::string& bilingual(const frmMain& main, const std::string& estonian,
                             const std::string& english) {
    return messagesInEstonian(main) ? estonian : english;
}

}  // namespace lumbrix
