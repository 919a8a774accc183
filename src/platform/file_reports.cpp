#include "platform/file_reports.h"

#include <set>

#include "platform/event_runtime.h"

namespace lumbrix {

namespace {

std::set<std::filesystem::path>& reportedInThisEvent() {
    static std::set<std::filesystem::path> files;
    return files;
}

}  // namespace

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
