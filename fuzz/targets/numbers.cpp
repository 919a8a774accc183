// Numbers and formats: any text read as a number, and any double (the input's first eight
// bytes) written as text. Only the program's error escapes; number texts never show "-0",
// "inf" or "nan"; plain number text reads back as the value rounded to 15 digits.
#include <cmath>
#include <cstring>

#include "fuzz_support.h"
#include "store/numbers.h"

using namespace lumbrix;

namespace {

void checkText(const std::string& text, const std::string& what) {
    if (text.rfind("-0", 0) == 0 && text.find_first_of("123456789") == std::string::npos) {
        fuzz::violated(what + " shows a negative zero: " + text);
    }
    for (const char* bad : {"inf", "nan", "INF", "NAN", "Inf", "NaN"}) {
        if (text.find(bad) != std::string::npos) fuzz::violated(what + " shows " + text);
    }
}

void writeNumber(double value) {
    const std::string text = NumberText(value);
    checkText(text, "NumberText");
    const auto back = RegionCompValQuiet(text);
    if (!back) fuzz::violated("NumberText does not read back: " + text);
    if (*back != RegionCompVal(value)) fuzz::violated("NumberText reads back changed: " + text);
    if (Val(text) != *back) fuzz::violated("Val reads the text otherwise: " + text);
    for (const char* pattern : {"0", "0.0", "0.00", "0.000", "0.0000", "0%", "0.00%"}) {
        fuzz::runReader([&] { checkText(FormatNumber(value, pattern), pattern); });
    }
    fuzz::runReader([&] { checkText(NumberText(Round(value, 2)), "Round"); });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::useQuietDesktop();
    const std::string_view bytes = fuzz::bytesOf(data, size);
    fuzz::runReader([&] {
        if (const auto value = RegionCompValQuiet(bytes)) writeNumber(*value);
    });
    fuzz::runReader([&] { writeNumber(Val(bytes)); });
    fuzz::runReader([&] { writeNumber(ToDoubleStrict(bytes)); });
    if (size >= 8) {
        double value = 0;
        std::memcpy(&value, data, sizeof value);
        if (std::isfinite(value)) fuzz::runReader([&] { writeNumber(value); });
    }
    return 0;
}
