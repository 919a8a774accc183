#pragma once

#include <filesystem>
#include <string>

namespace lumbrix {

// Why a file operation failed, in the program's own words in Estonian or English, from the
// run-time error number a failure carries (the system's own reason is English only).
std::string fileFailureReason(int number, bool estonian);

// Shows a message box about a file, once per file and event: one event (a click, the start-up
// timer) often reads the same file through several procedures, and the planner is told about
// each file once. A box for the same file in the same event is left out; once the event is
// over (its outermost handler has returned, also inside a modal window's loop), the next event
// reports again. Outside any handler every call shows its box.
void reportFileProblem(const std::filesystem::path& file, const std::string& text, int style,
                       const std::string& title);

}  // namespace lumbrix
