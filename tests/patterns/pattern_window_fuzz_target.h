#pragma once

#include <string>
#include <string_view>

namespace lumbrix::test {

// The pattern pair opened into the main window, for one input: the bytes before the first
// NUL are a pattern file, the bytes after it (when there is a NUL) its notes. The pair is
// opened over a computed pattern twice, as the planner opens one: through the main window's
// Open button and the open dialog, and by clicking the bar of a comparison slot that holds
// it. Properties: every box shown names the file of the pair it is about; a pair that is not
// opened leaves the window exactly as it was; only the program's own error type escapes.
// Returns what went wrong, or "".
std::string patternWindowViolation(std::string_view input);

}  // namespace lumbrix::test
