#pragma once

#include <string>

#include "platform/control.h"

namespace lumbrix {

// A command button. `press()` is what the planner's click and the program's "set its
// value" do: it raises Click.
class CommandButton : public Control {
  public:
    CommandButton(Form& form, std::string name, int index = -1)
        : Control(form, ControlKind::CommandButton, std::move(name), index) {}

    void press() { Click.raise(); }

    // A picture shown on the button beside its caption (a file path; empty for none).
    const std::string& picture() const { return picture_; }
    void setPicture(const std::string& path) { change(picture_, path); }

    // The button pressed by Enter / Escape in its window.
    bool isDefault() const { return default_; }
    void setDefault(bool v) {
        default_ = v;
        touch();
    }
    bool isCancel() const { return cancel_; }
    void setCancel(bool v) {
        cancel_ = v;
        touch();
    }

  private:
    bool default_ = false;
    bool cancel_ = false;
    std::string picture_;
};

// An option button. Options with the same container (frame, picture box or the window)
// form one group: selecting one clears the others. Selecting raises Click only when the
// option was not selected before.
class OptionButton : public Control {
  public:
    OptionButton(Form& form, std::string name, int index = -1)
        : Control(form, ControlKind::OptionButton, std::move(name), index) {}

    bool value() const { return value_; }
    void setValue(bool selected);

    // Drawn as a push button that stays down when selected.
    bool graphical() const { return graphical_; }
    void setGraphical(bool v) {
        graphical_ = v;
        touch();
    }

  private:
    void setValueSilently(bool v);

    bool value_ = false;
    bool graphical_ = false;
};

namespace checkstate {
inline constexpr int kUnchecked = 0;
inline constexpr int kChecked = 1;
inline constexpr int kGrayed = 2;
}  // namespace checkstate

// A check box: 0 unchecked, 1 checked, 2 grayed. A changed value raises Click.
class CheckBox : public Control {
  public:
    CheckBox(Form& form, std::string name, int index = -1)
        : Control(form, ControlKind::CheckBox, std::move(name), index) {}

    int value() const { return value_; }
    void setValue(int v);
    // The planner clicked it: checked becomes unchecked, anything else checked.
    void toggle() {
        setValue(value_ == checkstate::kChecked ? checkstate::kUnchecked : checkstate::kChecked);
    }

  private:
    int value_ = checkstate::kUnchecked;
};

}  // namespace lumbrix
