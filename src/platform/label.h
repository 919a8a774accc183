#pragma once

#include "platform/control.h"

namespace lumbrix {

enum class Alignment { Left = 0, Right = 1, Center = 2 };

// A label: text the planner reads (and, in this program, many hidden labels that keep
// working values as text). Change is raised when the caption changes.
class Label : public Control {
  public:
    Label(Form& form, std::string name, int index = -1)
        : Control(form, ControlKind::Label, std::move(name), index) {
        bindEvent(Change, "Change");
    }

    void setCaption(const std::string& text) override {
        if (text == caption()) return;
        Control::setCaption(text);
        Change.raise();
    }

    Alignment alignment() const { return alignment_; }
    void setAlignment(Alignment a) {
        alignment_ = a;
        touch();
    }
    bool bordered() const { return bordered_; }
    void setBordered(bool b) {
        bordered_ = b;
        touch();
    }
    bool transparent() const { return transparent_; }
    void setTransparent(bool t) {
        transparent_ = t;
        touch();
    }
    bool wordWrap() const { return wordWrap_; }
    void setWordWrap(bool w) {
        wordWrap_ = w;
        touch();
    }

    Event<> Change;

  private:
    Alignment alignment_ = Alignment::Left;
    bool bordered_ = false;
    bool transparent_ = false;
    bool wordWrap_ = true;
};

// A frame groups controls; option buttons inside it form one group.
class Frame : public Control {
  public:
    Frame(Form& form, std::string name, int index = -1)
        : Control(form, ControlKind::Frame, std::move(name), index) {}
};

}  // namespace lumbrix
