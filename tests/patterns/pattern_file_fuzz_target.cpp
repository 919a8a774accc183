// The pattern file reader as a fuzz target. The pattern tests run the property over seeds
// and random inputs; a libFuzzer build compiles this file with -fsanitize=fuzzer, which
// calls LLVMFuzzerTestOneInput.
#include "pattern_file_fuzz_target.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <tuple>
#include <vector>

#include "patterns/pattern_file.h"
#include "platform/vb_error.h"

namespace lumbrix::test {

namespace {
// Everything of a pattern but its notes.
template <class Pattern>
auto fieldsOf(Pattern& p) {
    return std::tie(p.syda, p.vasak, p.parem, p.all, p.yleval, p.palgitasku, p.palgidiameeter,
                    p.palgityygas, p.palgipikkus, p.palgimaht, p.palgikoone, p.palgikoverus,
                    p.VALJATULEK, p.EBITDA, p.EBIT, p.Kuupaev, p.Koostaja);
}
void crToBlank(std::string& value) {
    std::replace(value.begin(), value.end(), '\r', ' ');
}
void crToBlank(std::vector<std::string>& rows) {
    for (std::string& row : rows)
        crToBlank(row);
}
}  // namespace

std::string patternRoundTripViolation(std::string_view input) {
    const std::size_t nul = input.find('\0');
    const std::string_view kava = input.substr(0, nul);
    PatternRead first = parsePatternFile(kava);
    if (!first.ok) return "";
    if (nul != std::string_view::npos) {
        try {
            first.pattern.notes = readNotes(input.substr(nul + 1));
        } catch (const VbError&) {
            return "";  // notes that are not rich text are refused, as they should be
        }
    }
    const PatternRead again = parsePatternFile(patternFileBytes(first.pattern));
    if (!again.ok) return "a written pattern does not read back: " + again.reason;
    // A CR that a read left inside a value (a line ends at LF) is written as a blank.
    PatternFile expected = first.pattern;
    std::apply([](auto&... field) { (crToBlank(field), ...); }, fieldsOf(expected));
    if (fieldsOf(again.pattern) != fieldsOf(expected)) {
        return "a written pattern reads back changed";
    }
    const RichText notes = readNotes(writeRtf(first.pattern.notes));
    if (notes.text != first.pattern.notes.text) return "written notes read back changed";
    if (notes.formats != first.pattern.notes.formats) return "written formats read back changed";
    return "";
}

}  // namespace lumbrix::test

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::string violation = lumbrix::test::patternRoundTripViolation(input);
    if (!violation.empty()) {
        std::fprintf(stderr, "%s\n", violation.c_str());
        std::abort();
    }
    return 0;
}
