#pragma once

#include <string>

namespace lumbrix {

// How a value exactly half-way between two candidates is rounded.
enum class Tie {
    ToEven,        // rounding to decimals and to whole numbers: 2.5 -> 2, 3.5 -> 4
    AwayFromZero,  // fixed display formats: 2.5 -> 3, -2.5 -> -3
};

// A finite decimal number, sign x 0.d1d2...dk x 10^exponent, on which the program rounds and
// writes numbers the way a person does on paper, free of binary representation errors
// (1.005 is a tie here, although the nearest double lies just below it).
// `digits` has no leading and no trailing zeros; empty `digits` is zero (never negative zero).
struct DecimalNumber {
    bool negative = false;
    std::string digits;
    int exponent = 0;

    bool isZero() const { return digits.empty(); }

    // The value rounded to 15 significant digits, as the program shows a double.
    // `value` must be finite.
    static DecimalNumber fromDouble(double value);

    // The double nearest to the number. Beyond the double range: VbError 6 "Overflow";
    // too small for a double: 0.
    double toDouble() const;

    // Restores the form above after digits were appended freely: drops leading zeros
    // (lowering the exponent) and trailing zeros.
    void normalise();

    // Multiplies by 10^places (moves the decimal point to the right).
    void shiftPoint(int places);

    // Rounds to `decimals` digits after the decimal point (decimals >= 0).
    void roundToDecimals(int decimals, Tie tie);

    // Exactly `decimals` digits after a point, a zero before a point of a number below 1,
    // a minus sign only for a non-zero number. Digits beyond `decimals` are cut off, so
    // round first.
    std::string fixedText(int decimals) const;

    // Plain number text: all digits, no trailing zeros, no trailing point; scientific form
    // ("1.5E-05", "1E+15") when the leading digit's power of ten is 15 or more, or -5 or less.
    std::string plainText() const;

  private:
    void incrementLastDigit();
};

}  // namespace lumbrix
