#include "platform/scroll_bar.h"

#include <algorithm>

#include "platform/vb_error.h"

namespace lumbrix {

namespace {
constexpr int kLowest = -32768;
constexpr int kHighest = 32767;
}  // namespace

ScrollBar::ScrollBar(Form& form, ControlKind kind, std::string name, int index)
    : Control(form, kind, std::move(name), index) {
    bindEvent(Change, "Change");
    bindEvent(Scroll, "Scroll");
}

void ScrollBar::checkLimits(int v) const {
    if (v < kLowest || v > kHighest) throw VbError(vberr::kInvalidPropertyValue);
}

void ScrollBar::setValue(int v) {
    if (!holds(v)) throw VbError(vberr::kInvalidPropertyValue);
    if (v == value_) return;
    value_ = v;
    touch();
    Change.raise();
}

void ScrollBar::setMin(int v) {
    checkLimits(v);
    min_ = v;
    touch();
    const int pulled = std::clamp(value_, low(), high());
    if (pulled != value_) setValue(pulled);
}

void ScrollBar::setMax(int v) {
    checkLimits(v);
    max_ = v;
    touch();
    const int pulled = std::clamp(value_, low(), high());
    if (pulled != value_) setValue(pulled);
}

void ScrollBar::setSmallChange(int v) {
    if (v < 0 || v > kHighest) throw VbError(vberr::kInvalidPropertyValue);
    smallChange_ = v;
    touch();
}

void ScrollBar::setLargeChange(int v) {
    if (v < 0 || v > kHighest) throw VbError(vberr::kInvalidPropertyValue);
    largeChange_ = v;
    touch();
}

void ScrollBar::step(int amount, int direction) {
    const int towardsMax = max_ >= min_ ? 1 : -1;
    const long target = static_cast<long>(value_) +
                        static_cast<long>(amount) * towardsMax * (direction >= 0 ? 1 : -1);
    setValue(static_cast<int>(std::clamp<long>(target, low(), high())));
}

void ScrollBar::stepSmall(int direction) {
    step(smallChange_, direction);
}

void ScrollBar::stepLarge(int direction) {
    step(largeChange_, direction);
}

}  // namespace lumbrix
