#pragma once

#include "platform/label.h"

namespace lumbrix {

// A text box. Setting the text raises Change when it differs. Keys typed by the planner go
// through `typeKey`, which raises KeyPress first (a handler drops the key by setting it to
// 0) and then edits the text at the selection.
class TextBox : public Control {
  public:
    TextBox(Form& form, std::string name, int index = -1);

    const std::string& text() const { return text_; }
    void setText(const std::string& text);

    // The most characters the planner can type or paste (0: no limit); setText keeps the
    // program's text whole whatever its length.
    int maxLength() const { return maxLength_; }
    void setMaxLength(int n);
    bool locked() const { return locked_; }
    void setLocked(bool v);
    bool multiLine() const { return multiLine_; }
    void setMultiLine(bool v);
    Alignment alignment() const { return alignment_; }
    void setAlignment(Alignment a);

    // Selection in characters (0-based start).
    int selStart() const { return selStart_; }
    int selLength() const { return selLength_; }
    void setSelStart(int start);
    void setSelLength(int length);
    std::string selText() const;
    // Replaces the selection with `text` and puts the caret after it.
    void setSelText(const std::string& text);

    // The planner typed a character (its code; 8 is Backspace). Returns true when the text
    // box took the key.
    bool typeKey(int keyAscii);

    Event<> Change;

  private:
    void clampSelection();

    std::string text_;
    int maxLength_ = 0;
    bool locked_ = false;
    bool multiLine_ = false;
    Alignment alignment_ = Alignment::Left;
    int selStart_ = 0;
    int selLength_ = 0;
};

}  // namespace lumbrix
