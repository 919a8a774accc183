#include "platform/file_reports.h"

#include <set>

#include "platform/event_runtime.h"
#include "platform/vb_error.h"

namespace lumbrix {

namespace {

std::set<std::filesystem::path>& reportedInThisEvent() {
    static std::set<std::filesystem::path> files;
    return files;
}

}  // namespace

std::string fileFailureReason(int number, bool estonian) {
    switch (number) {
        case vberr::kFileNotFound:
            return estonian ? "faili ei ole" : "the file does not exist";
        case vberr::kPathNotFound:
            return estonian ? "kausta ei ole" : "the folder does not exist";
        case vberr::kPermissionDenied:
            return estonian ? "juurdepääs on keelatud" : "access is denied";
        case vberr::kDiskFull:
            return estonian ? "kettal ei ole ruumi" : "the disk is full";
        case vberr::kBadFileName:
            return estonian ? "nimi ei sobi faili ega kausta nimeks"
                            : "the name cannot be a file or folder name";
        case vberr::kOverflow:
            return estonian ? "sisu ei mahu faili" : "the content does not fit the file";
        case vberr::kInvalidProcedureCall:
            return estonian ? "väärtus sisaldab reavahetust või on liiga pikk"
                            : "a value holds a line break or is too long";
        case vberr::kInvalidFileFormat:
            return estonian ? "faili sisu on vigane" : "the file's content is not valid";
        case vberr::kDeviceUnavailable:
            return estonian ? "seade ei ole kättesaadav" : "the device is not available";
        default:
            return estonian ? "faili ei saa kasutada" : "the file cannot be used";
    }
}

void reportFileProblem(const std::filesystem::path& file, const std::string& text, int style,
                       const std::string& title) {
    auto& reported = reportedInThisEvent();
    if (!reported.insert(file.lexically_normal()).second) return;
    // The first report of an event forgets them all when the event is over (at once when no
    // handler runs).
    if (reported.size() == 1) runtime::whenEventOver([] { reportedInThisEvent().clear(); });
    runtime::msgBox(text, style, title);
}

}  // namespace lumbrix
