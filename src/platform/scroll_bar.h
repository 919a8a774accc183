#pragma once

#include "platform/control.h"

namespace lumbrix {

// A horizontal or vertical scroll bar with whole-number values. Setting the value raises
// Change when it differs; a value outside Min..Max raises error 380. Min may exceed Max
// (the bar then runs the other way); the range is the values between them.
class ScrollBar : public Control {
  public:
    ScrollBar(Form& form, ControlKind kind, std::string name, int index = -1);

    int value() const { return value_; }
    void setValue(int v);
    int min() const { return min_; }
    int max() const { return max_; }
    // Changing a limit pulls the value into the new range (raising Change if it moves).
    void setMin(int v);
    void setMax(int v);
    // Whether `v` lies in the range, so that setting it raises no error.
    bool holds(int v) const { return v >= low() && v <= high(); }
    int smallChange() const { return smallChange_; }
    void setSmallChange(int v);
    int largeChange() const { return largeChange_; }
    void setLargeChange(int v);

    // The planner's actions: one small or large step towards Max (positive) or Min.
    void stepSmall(int direction);
    void stepLarge(int direction);

    Event<> Change;
    Event<> Scroll;

  private:
    int low() const { return min_ < max_ ? min_ : max_; }
    int high() const { return min_ < max_ ? max_ : min_; }
    void checkLimits(int v) const;
    void step(int amount, int direction);

    int value_ = 0;
    int min_ = 0;
    int max_ = 32767;
    int smallChange_ = 1;
    int largeChange_ = 1;
};

class HScrollBar : public ScrollBar {
  public:
    HScrollBar(Form& form, std::string name, int index = -1)
        : ScrollBar(form, ControlKind::HScrollBar, std::move(name), index) {}
};

class VScrollBar : public ScrollBar {
  public:
    VScrollBar(Form& form, std::string name, int index = -1)
        : ScrollBar(form, ControlKind::VScrollBar, std::move(name), index) {}
};

}  // namespace lumbrix
