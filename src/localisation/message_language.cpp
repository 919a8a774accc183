#include "localisation/message_language.h"

#include <filesystem>

#include "mainwindow/frm_main.h"
#include "platform/atomic_file.h"
#include "platform/estonian_file_reasons.h"
#include "platform/file_reports.h"
#include "platform/vb_error.h"

namespace lumbrix {

bool messagesInEstonian(const frmMain& main) {
    return estonianLanguageFile(main.lblValitudKeel.caption());
}

bool estonianLanguageFile(const std::string& fileName) {
    return fileName == "eesti.keel";
}

std::string errorDescription(const frmMain& main, int number, const std::string& english) {
    return messagesInEstonian(main) ? VbError::standardDescription(number, true) : english;
}

std::string errorLine(const frmMain& main, int number, const std::string& english,
                      const std::string& separator) {
    return std::to_string(number) + separator + errorDescription(main, number, english);
}

std::string fileFailureText(const frmMain& main, const FileResult& failure) {
    const bool estonian = messagesInEstonian(main);
    // The English reason is the failure's own text: it names the file and keeps the system's
    // words ("Read-only file system"). In Estonian the same reason is told in Estonian.
    if (!estonian && !failure.reason.empty()) return failure.reason;
    const std::string reason = estonian ? estonianFailureReason(failure.reason, failure.number)
                                        : fileFailureReason(failure.number, false);
    // A reason about the file names it or its folder (one that cannot be made); one about a
    // typed name (a refused pattern name) does not need the path it would have made.
    const auto names = [&](const std::filesystem::path& path) {
        return !path.empty() && failure.reason.find(path.string()) != std::string::npos;
    };
    const bool aboutTheFile =
        failure.reason.empty() || names(failure.path) || names(failure.path.parent_path());
    if (failure.path.empty() || !aboutTheFile) return reason;
    return failure.path.string() + ": " + reason;
}

const std::string& bilingual(const frmMain& main, const std::string& estonian,
                             const std::string& english) {
    return messagesInEstonian(main) ? estonian : english;
}

}  // namespace lumbrix
