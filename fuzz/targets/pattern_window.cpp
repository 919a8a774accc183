// Fuzz target: a pattern pair (pattern file, NUL, notes) opened into the main window through
// the open dialog and through a comparison slot. Every box shown names the file, a pair
// that is refused leaves the window as it was, and a pair that opens is saved and opens again
// as it was saved.
#include <cstddef>
#include <cstdint>

#include "fuzz_support.h"
#include "pattern_window_fuzz_target.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string violation =
        lumbrix::test::patternWindowViolation(lumbrix::fuzz::bytesOf(data, size));
    if (!violation.empty()) lumbrix::fuzz::violated(violation);
    return 0;
}
