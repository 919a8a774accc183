#pragma once

#include <optional>
#include <string>

namespace lumbrix {

// The input rules of the settings dialog's fields, free of any window.

// Which characters a typed field takes besides digits and Backspace.
enum class KeyRule {
    Digits,              // whole numbers: trims, monthly costs and volume
    DigitsPoint,         // prices, bark share, capital employed
    DigitsPointAndCopy,  // the variable cost also lets Ctrl+C through
};

// Whether `keyAscii` (8 is Backspace, 3 is Ctrl+C) passes the field's key filter.
bool keyPasses(KeyRule rule, int keyAscii);

// Whether a change of the field's text from `before` to `after` (a paste, a cut) keeps to the
// key filter: every character it brings passes as a typed one would. A change that brings in
// a refused character is refused as a whole; deleting is always fine.
bool changeKeepsToRule(KeyRule rule, const std::string& before, const std::string& after);

// A minus or plus stepper of a factor: it acts only while the field's number lies beyond
// `limit` on the side away from the step (above it for minus, below it for plus), and moves
// the number by 0.01, but not past `limit`, written "0.00". Returns the new text, or nothing
// when it does not act.
struct FactorStepper {
    int direction;  // -1 minus, +1 plus
    double limit;
};
std::optional<std::string> steppedFactor(const FactorStepper& stepper, const std::string& text);

// The steppers' limits: the by-product factors move within 0.00..10.00, the log volume
// coefficient within 0.01..2.00.
namespace steppers {
inline constexpr FactorStepper kByProductMinus{-1, 0.0};
inline constexpr FactorStepper kByProductPlus{+1, 10.0};
inline constexpr FactorStepper kLogCoefficientMinus{-1, 0.01};
inline constexpr FactorStepper kLogCoefficientPlus{+1, 2.0};
}  // namespace steppers

// A spinner's range and where it starts: the field's number as a whole number, held to the
// range, so that the first step moves the value the field shows.
inline constexpr int kSpinnerMin = 0;
inline constexpr int kSpinnerMax = 32767;
int spinnerStart(const std::string& fieldText);

// The bark share is a fraction (8 % is 0.08): a value above 1 earns the hint on its form.
bool barkShareNeedsHint(const std::string& text);

}  // namespace lumbrix
