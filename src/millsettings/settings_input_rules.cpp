#include "millsettings/settings_input_rules.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "store/numbers.h"

namespace lumbrix {

namespace {
constexpr int kBackspace = 8;
constexpr int kCopy = 3;
constexpr double kStep = 0.01;

// The characters of `after` that a change from `before` brought in: what lies between the
// prefix and the suffix the two texts share.
std::string_view broughtIn(std::string_view before, std::string_view after) {
    std::size_t prefix = 0;
    while (prefix < before.size() && prefix < after.size() && before[prefix] == after[prefix])
        ++prefix;
    std::size_t suffix = 0;
    while (suffix < before.size() - prefix && suffix < after.size() - prefix &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    return after.substr(prefix, after.size() - prefix - suffix);
}
}  // namespace

bool keyPasses(KeyRule rule, int keyAscii) {
    if ((keyAscii >= '0' && keyAscii <= '9') || keyAscii == kBackspace) return true;
    if (keyAscii == '.') return rule != KeyRule::Digits;
    return keyAscii == kCopy && rule == KeyRule::DigitsPointAndCopy;
}

bool changeKeepsToRule(KeyRule rule, const std::string& before, const std::string& after) {
    // Control characters never stand in the text: only digits and the point can pass.
    return std::ranges::all_of(broughtIn(before, after), [rule](char c) {
        return c != kBackspace && c != kCopy && keyPasses(rule, static_cast<unsigned char>(c));
    });
}

std::optional<std::string> steppedFactor(const FactorStepper& stepper, const std::string& text) {
    const double value = RegionCompVal(text);
    const bool acts = stepper.direction < 0 ? value > stepper.limit : value < stepper.limit;
    if (!acts) return std::nullopt;
    // A step never passes the limit: a stored value off the hundredths grid (0.005) stops
    // at the bound instead of stepping beyond it.
    const double stepped = value + stepper.direction * kStep;
    return FormatNumber(
        stepper.direction < 0 ? std::max(stepped, stepper.limit) : std::min(stepped, stepper.limit),
        "0.00");
}

int spinnerStart(const std::string& fieldText) {
    const double value = RegionCompVal(fieldText);
    if (!(value > kSpinnerMin)) return kSpinnerMin;
    if (value >= kSpinnerMax) return kSpinnerMax;
    return static_cast<int>(std::lround(value));
}

bool barkShareNeedsHint(const std::string& text) {
    return RegionCompVal(text) > 1.0;
}

}  // namespace lumbrix
