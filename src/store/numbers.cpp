#include "store/numbers.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>

#include "platform/event_runtime.h"
#include "platform/vb_error.h"
#include "store/decimal_number.h"

namespace lumbrix {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Walks a text one character at a time, optionally stepping over blanks wherever they stand.
class Scanner {
  public:
    Scanner(std::string_view text, bool skipBlanks) : text_(text), skipBlanks_(skipBlanks) {}

    // The current character, or '\0' at the end.
    char peek() {
        while (skipBlanks_ && pos_ < text_.size() && isBlank(text_[pos_]))
            ++pos_;
        return pos_ < text_.size() ? text_[pos_] : '\0';
    }
    void next() { ++pos_; }
    bool atEnd() {
        peek();
        return pos_ >= text_.size();
    }

  private:
    std::string_view text_;
    bool skipBlanks_;
    std::size_t pos_ = 0;
};

// A number as read from the front of a text. `wellFormed` is false when the reading stopped
// early in a way a strict reading refuses: no digits at all, or an exponent letter without
// digits (a leading-number reading then just leaves the exponent out).
struct ReadNumber {
    DecimalNumber decimal;
    std::optional<double> whole;  // the value after &H or &O
    bool wellFormed = false;

    // The number as a double; beyond the double range: VbError 6.
    double value() const { return whole ? CheckedResult(*whole) : decimal.toDouble(); }
};

int digitValue(char c, int base) {
    int value = -1;
    if (isDigit(c)) value = c - '0';
    if (c >= 'A' && c <= 'F') value = c - 'A' + 10;
    if (c >= 'a' && c <= 'f') value = c - 'a' + 10;
    return value < base ? value : -1;
}

// The digits after &H or &O, as a whole number.
ReadNumber readWholeNumber(Scanner& in, int base) {
    ReadNumber result;
    double value = 0.0;
    for (int digit = digitValue(in.peek(), base); digit >= 0; digit = digitValue(in.peek(), base)) {
        value = value * base + digit;
        result.wellFormed = true;
        in.next();
    }
    result.whole = value;
    return result;
}

// An exponent after E or D: optional sign and digits. Gives false when no digit follows.
bool readExponent(Scanner& in, long long& exponent) {
    constexpr long long kCap = 100'000'000;  // far beyond the double range, still exact
    bool negative = false;
    if (in.peek() == '+' || in.peek() == '-') {
        negative = in.peek() == '-';
        in.next();
    }
    bool anyDigit = false;
    long long value = 0;
    for (char c = in.peek(); isDigit(c); c = in.peek()) {
        if (value < kCap) value = value * 10 + (c - '0');
        anyDigit = true;
        in.next();
    }
    exponent = negative ? -value : value;
    return anyDigit;
}

// A decimal number: sign, digits with at most one decimal separator, optional exponent.
ReadNumber readDecimalNumber(Scanner& in, bool commaIsPoint) {
    ReadNumber result;
    DecimalNumber& number = result.decimal;
    if (in.peek() == '+' || in.peek() == '-') {
        number.negative = in.peek() == '-';
        in.next();
    }
    bool seenPoint = false;
    long long integerDigits = 0;
    for (char c = in.peek();; c = in.peek()) {
        if (isDigit(c)) {
            number.digits.push_back(c);
            if (!seenPoint) ++integerDigits;
        } else if (!seenPoint && (c == '.' || (commaIsPoint && c == ','))) {
            seenPoint = true;
        } else {
            break;
        }
        in.next();
    }
    if (number.digits.empty()) {
        number.normalise();
        return result;
    }
    result.wellFormed = true;

    long long exponent = 0;
    const char letter = in.peek();
    if (letter == 'E' || letter == 'e' || letter == 'D' || letter == 'd') {
        in.next();
        if (!readExponent(in, exponent)) {
            exponent = 0;
            result.wellFormed = false;
        }
    }
    constexpr long long kLimit = 1'000'000'000;  // keeps the sum inside an int
    number.exponent = static_cast<int>(std::clamp(integerDigits + exponent, -kLimit, kLimit));
    number.normalise();
    return result;
}

ReadNumber readNumber(Scanner& in, bool commaIsPoint) {
    if (in.peek() != '&') return readDecimalNumber(in, commaIsPoint);
    in.next();
    const char prefix = in.peek();
    if (prefix == 'H' || prefix == 'h' || prefix == 'O' || prefix == 'o') {
        in.next();
        return readWholeNumber(in, prefix == 'H' || prefix == 'h' ? 16 : 8);
    }
    return {};
}

// The box RegionCompVal shows when a conversion fails; the caller goes on with no value.
void showConversionFailure(const VbError& error) {
    runtime::msgBox("Error number " + std::to_string(error.number()) + "\n" + error.description() +
                        "RegionCompVal",
                    mb::kOkOnly, "");
}

struct FixedPattern {
    std::string_view pattern;
    int decimals;
    bool percent;
};

constexpr std::array<FixedPattern, 7> kFixedPatterns{{
    {"0", 0, false},
    {"0.0", 1, false},
    {"0.00", 2, false},
    {"0.000", 3, false},
    {"0.0000", 4, false},
    {"0%", 0, true},
    {"0.00%", 2, true},
}};

// The value rounded to 15 significant digits: what reading its plain number text gives.
// A whole number below 10^15: exact in binary and in 15 significant digits, so its texts and
// roundings need no decimal conversion. The common case of the program's figures (sizes,
// lengths, corner values), taken on a fast path. -0 gives 0.
std::optional<long long> smallWholeNumber(double value) {
    if (!(std::fabs(value) < 1e15)) return std::nullopt;  // also NaN and the infinities
    if (std::trunc(value) != value) return std::nullopt;
    return static_cast<long long>(value);
}

double throughPlainText(double value) {
    return DecimalNumber::fromDouble(CheckedResult(value)).toDouble();
}

double toWholeNumber(double x, double lowest, double highest) {
    const double whole = Round(x, 0);
    if (whole < lowest || whole > highest) throw VbError(vberr::kOverflow);
    return whole;
}

}  // namespace

std::optional<double> RegionCompValOrNone(std::string_view text) {
    try {
        Scanner in(text, true);
        return readNumber(in, true).value();
    } catch (const VbError& error) {
        showConversionFailure(error);
        return std::nullopt;
    }
}

std::optional<double> RegionCompValQuiet(std::string_view text) {
    try {
        Scanner in(text, true);
        return readNumber(in, true).value();
    } catch (const VbError&) {
        return std::nullopt;
    }
}

std::optional<double> RegionCompValOrNone(double value) {
    try {
        return throughPlainText(value);
    } catch (const VbError& error) {
        showConversionFailure(error);
        return std::nullopt;
    }
}

std::optional<double> RegionCompValOrNone(std::optional<double> value) {
    if (!value) return 0.0;
    return RegionCompValOrNone(*value);
}

double RegionCompVal(std::string_view text) {
    return RegionCompValOrNone(text).value_or(0.0);
}
double RegionCompVal(double value) {
    return RegionCompValOrNone(value).value_or(0.0);
}
double RegionCompVal(std::optional<double> value) {
    return RegionCompValOrNone(value).value_or(0.0);
}

double Val(std::string_view text) {
    Scanner in(text, true);
    return readNumber(in, false).value();
}

double ToDoubleStrict(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    Scanner in(text, false);
    const ReadNumber number = readNumber(in, true);
    if (!number.wellFormed || !in.atEnd()) throw VbError(vberr::kTypeMismatch);
    return number.value();
}

std::string NumberText(double value) {
    if (const auto whole = smallWholeNumber(value)) return std::to_string(*whole);
    return DecimalNumber::fromDouble(CheckedResult(value)).plainText();
}

std::string NumberText(std::optional<double> value) {
    return value ? NumberText(*value) : "";
}

std::string FormatNumber(double value, std::string_view pattern) {
    const auto* format = std::find_if(kFixedPatterns.begin(), kFixedPatterns.end(),
                                      [&](const FixedPattern& p) { return p.pattern == pattern; });
    if (format == kFixedPatterns.end()) throw VbError(vberr::kInvalidProcedureCall);
    if (const auto whole = smallWholeNumber(value)) {
        std::string text = std::to_string(format->percent ? *whole * 100 : *whole);
        if (format->decimals > 0) text += "." + std::string(format->decimals, '0');
        return format->percent ? text + "%" : text;
    }
    DecimalNumber number = DecimalNumber::fromDouble(CheckedResult(value));
    if (format->percent) number.shiftPoint(2);
    number.roundToDecimals(format->decimals, Tie::AwayFromZero);
    return number.fixedText(format->decimals) + (format->percent ? "%" : "");
}

double Round(double x, int decimals) {
    if (decimals < 0) throw VbError(vberr::kInvalidProcedureCall);
    if (smallWholeNumber(x)) return x == 0 ? 0.0 : x;
    DecimalNumber number = DecimalNumber::fromDouble(CheckedResult(x));
    number.roundToDecimals(decimals, Tie::ToEven);
    return number.toDouble();
}

long CLng(double x) {
    return static_cast<long>(toWholeNumber(x, std::numeric_limits<std::int32_t>::min(),
                                           std::numeric_limits<std::int32_t>::max()));
}

int CInt(double x) {
    return static_cast<int>(toWholeNumber(x, std::numeric_limits<std::int16_t>::min(),
                                          std::numeric_limits<std::int16_t>::max()));
}

double Divide(double a, double b) {
    if (b == 0.0) throw VbError(a == 0.0 ? vberr::kOverflow : vberr::kDivisionByZero);
    return CheckedResult(a / b);
}

double CheckedResult(double value) {
    if (!std::isfinite(value)) throw VbError(vberr::kOverflow);
    return value;
}

}  // namespace lumbrix
