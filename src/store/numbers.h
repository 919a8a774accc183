#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lumbrix {

// Every number the program reads from text or writes as text goes through here. The program
// writes a point as decimal separator; `RegionCompVal` also accepts a comma. Rounding is
// judged on the value's 15-significant-digit decimal text, as a person reads it, so that
// 1.005 is a tie although the nearest double lies just below it.

// ---- reading

// Reads the leading number of `text` as the store and the calculations do: every comma counts
// as a decimal point; blanks, tabs, CR and LF are skipped wherever they stand; then an optional
// sign, digits with at most one point, an optional exponent (E or D, optional sign, digits).
// Reading stops at the first character that does not fit; no digits read 0. A text beginning
// with &H or &O reads as a hexadecimal or octal whole number ("&H1F" -> 31).
// A number beyond the double range shows the box "Error number 6\nOverflowRegionCompVal"
// (OK only, no icon, the application's title) and gives no value (std::nullopt).
std::optional<double> RegionCompValOrNone(std::string_view text);
// A number reads as its plain number text would (rounded to 15 significant digits);
// a non-finite number shows the overflow box and gives no value.
std::optional<double> RegionCompValOrNone(double value);
// No value (an empty value) reads as the empty text: 0.
std::optional<double> RegionCompValOrNone(std::optional<double> value);

// The reading of RegionCompValOrNone without its box, for readers that gather what they
// cannot read and report it once (a number beyond the double range gives nullopt).
std::optional<double> RegionCompValQuiet(std::string_view text);

// The same readings where no value counts as 0, as it does in arithmetic.
double RegionCompVal(std::string_view text);
double RegionCompVal(double value);
double RegionCompVal(std::optional<double> value);

// The leading number of `text` with a point as the only decimal separator (a comma ends the
// number); otherwise read as `RegionCompVal` reads. Beyond the double range: VbError 6.
double Val(std::string_view text);

// The whole text, less blanks at either end, must be one number: optional sign, digits with at
// most one decimal point or comma, optional exponent (E or D, optional sign, digits), or
// &H / &O with digits. Anything else: VbError 13 "Type mismatch"; beyond the range: VbError 6.
double ToDoubleStrict(std::string_view text);

// ---- writing

// Plain number text: rounded to 15 significant digits, no trailing zeros, no trailing point,
// never "-0", a point as separator, "0.5" rather than ".5", no thousands separators;
// "1E+15", "1.5E-05" when the leading digit's power of ten is >= 15 or <= -5.
// A non-finite value: VbError 6.
std::string NumberText(double value);
// No value is the empty text.
std::string NumberText(std::optional<double> value);

// Fixed formats "0", "0.0", "0.00", "0.000", "0.0000", "0%" and "0.00%" (percent multiplies
// by 100 and appends "%"). Ties go away from zero (1.005 -> "1.01", -2.5 -> "-3"); a value
// that rounds to zero has no sign. Another pattern: VbError 5; a non-finite value: VbError 6.
std::string FormatNumber(double value, std::string_view pattern);

// ---- rounding and whole numbers

// `x` rounded to `decimals` places (0 and up), ties to even (Round(2.5, 0) = 2,
// Round(0.0125, 3) = 0.012). Negative `decimals`: VbError 5; non-finite `x`: VbError 6.
double Round(double x, int decimals);

// Whole numbers, ties to even (2.5 -> 2, 3.5 -> 4). Outside -2147483648..2147483647
// (CLng) or -32768..32767 (CInt), or not finite: VbError 6 "Overflow".
long CLng(double x);
int CInt(double x);

// ---- arithmetic that must not show inf or NaN

// a / b. b = 0: VbError 11 "Division by zero", or VbError 6 "Overflow" when a is 0 too;
// a result beyond the double range: VbError 6.
double Divide(double a, double b);

// `value` itself when finite; otherwise VbError 6 "Overflow".
double CheckedResult(double value);

}  // namespace lumbrix
