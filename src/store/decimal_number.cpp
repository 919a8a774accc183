#include "store/decimal_number.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <system_error>

#include "platform/vb_error.h"

namespace lumbrix {

namespace {

// Significant digits the program keeps when it turns a double into text.
constexpr int kSignificantDigits = 15;

// Powers of ten the leading digit may have and still be written without an exponent.
constexpr int kLowestPlainPower = -4;
constexpr int kHighestPlainPower = 14;

}  // namespace

DecimalNumber DecimalNumber::fromDouble(double value) {
    // "d.dddddddddddddde+XX": the value correctly rounded to 15 significant digits.
    std::array<char, 40> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(value),
                      std::chars_format::scientific, kSignificantDigits - 1);
    const std::string_view text(buffer.data(),
                                static_cast<std::size_t>(result.ptr - buffer.data()));
    const std::size_t e = text.find('e');

    DecimalNumber number;
    number.negative = std::signbit(value);
    number.digits.reserve(kSignificantDigits);
    for (std::size_t i = 0; i < e; ++i) {
        if (text[i] != '.') number.digits.push_back(text[i]);
    }
    int power = 0;
    const char* exponentStart = text.data() + e + 1;
    if (*exponentStart == '+') ++exponentStart;
    std::from_chars(exponentStart, text.data() + text.size(), power);
    number.exponent = power + 1;
    number.normalise();
    if (number.exponent > std::numeric_limits<double>::max_exponent10) {
        // The largest doubles round up beyond the range (1.79769313486232E+308 cannot be read
        // back): they are cut toward zero to 15 digits instead.
        const auto exact =
            std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(value),
                          std::chars_format::scientific, kSignificantDigits + 2);
        const std::string_view longer(buffer.data(),
                                      static_cast<std::size_t>(exact.ptr - buffer.data()));
        std::string cut;
        for (std::size_t i = 0; i < longer.size() && cut.size() < kSignificantDigits; ++i) {
            if (longer[i] != '.') cut.push_back(longer[i]);
        }
        DecimalNumber toward = number;
        toward.digits = cut;
        toward.exponent = power + 1;
        toward.normalise();
        if (toward.exponent != number.exponent || toward.digits > number.digits) return number;
        try {
            number.toDouble();
        } catch (const VbError&) {
            return toward;
        }
    }
    return number;
}

double DecimalNumber::toDouble() const {
    if (isZero()) return 0.0;
    const long long power =
        static_cast<long long>(exponent) - static_cast<long long>(digits.size());
    // "-digits" "e" "power", in a buffer on the stack for the usual short numbers: this runs
    // for every rounded figure of an update.
    std::array<char, 64> small{};
    std::string large;
    char* begin = small.data();
    const std::size_t needed = digits.size() + 2 + 21;  // sign, "e", the longest exponent
    if (needed > small.size()) {
        large.resize(needed);
        begin = large.data();
    }
    char* out = begin;
    if (negative) *out++ = '-';
    out = std::copy(digits.begin(), digits.end(), out);
    *out++ = 'e';
    out = std::to_chars(out, begin + needed, power).ptr;

    double value = 0.0;
    const auto result = std::from_chars(begin, out, value);
    if (result.ec == std::errc::result_out_of_range) {
        // The leading digit's power decides: far above 1 is beyond the range, far below is 0.
        if (exponent > 0) throw VbError(vberr::kOverflow);
        return 0.0;
    }
    return value;
}

void DecimalNumber::normalise() {
    const std::size_t firstNonZero = digits.find_first_not_of('0');
    if (firstNonZero == std::string::npos) {
        digits.clear();
        exponent = 0;
        negative = false;
        return;
    }
    digits.erase(0, firstNonZero);
    exponent -= static_cast<int>(firstNonZero);
    digits.erase(digits.find_last_not_of('0') + 1);
}

void DecimalNumber::shiftPoint(int places) {
    if (!isZero()) exponent += places;
}

void DecimalNumber::roundToDecimals(int decimals, Tie tie) {
    const long long keep = static_cast<long long>(exponent) + decimals;
    if (keep >= static_cast<long long>(digits.size())) return;  // nothing beyond the place
    if (keep < 0) {  // the first dropped digit is a leading zero: rounds down to 0
        digits.clear();
        normalise();
        return;
    }
    const auto kept = static_cast<std::size_t>(keep);
    const char first = digits[kept];
    // Digits carry no trailing zeros, so anything after the first dropped digit is non-zero.
    const bool moreAfter = kept + 1 < digits.size();
    bool up = first > '5' || (first == '5' && moreAfter);
    if (first == '5' && !moreAfter) {
        const bool lastKeptOdd = kept > 0 && (digits[kept - 1] - '0') % 2 == 1;
        up = tie == Tie::AwayFromZero || lastKeptOdd;
    }
    digits.resize(kept);
    if (up) incrementLastDigit();
    normalise();
}

void DecimalNumber::incrementLastDigit() {
    // Trailing nines become zeros and are dropped; the carry lands on the first other digit.
    while (!digits.empty() && digits.back() == '9')
        digits.pop_back();
    if (digits.empty()) {
        digits.push_back('1');  // all nines: 0.999 becomes 1
        ++exponent;
    } else {
        ++digits.back();
    }
}

std::string DecimalNumber::fixedText(int decimals) const {
    std::string text;
    if (negative && !isZero()) text.push_back('-');
    const auto digitAt = [this](long long index) {
        return index >= 0 && index < static_cast<long long>(digits.size())
                   ? digits[static_cast<std::size_t>(index)]
                   : '0';
    };
    if (exponent <= 0) {
        text.push_back('0');
    } else {
        for (int i = 0; i < exponent; ++i)
            text.push_back(digitAt(i));
    }
    if (decimals > 0) {
        text.push_back('.');
        for (int i = 0; i < decimals; ++i)
            text.push_back(digitAt(static_cast<long long>(exponent) + i));
    }
    return text;
}

std::string DecimalNumber::plainText() const {
    if (isZero()) return "0";
    const int power = exponent - 1;
    if (power >= kLowestPlainPower && power <= kHighestPlainPower) {
        const int decimals = std::max(0, static_cast<int>(digits.size()) - exponent);
        return fixedText(decimals);
    }
    std::string text;
    if (negative) text.push_back('-');
    text.push_back(digits[0]);
    if (digits.size() > 1) {
        text.push_back('.');
        text.append(digits, 1);
    }
    text += power < 0 ? "E-" : "E+";
    const int magnitude = std::abs(power);
    if (magnitude < 10) text.push_back('0');
    text += std::to_string(magnitude);
    return text;
}

}  // namespace lumbrix
