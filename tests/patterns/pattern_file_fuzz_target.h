#pragma once

#include <string>
#include <string_view>

namespace lumbrix::test {

// The pattern reader's properties for one input: the bytes before the first NUL are a
// pattern file, the bytes after it (when there is a NUL) its notes. Only the program's own
// error type may escape the readers, and a pattern that was read is written and read back
// as the same pattern, notes and their formats included. Returns what went wrong, or "".
std::string patternRoundTripViolation(std::string_view input);

}  // namespace lumbrix::test
