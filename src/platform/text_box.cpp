#include "platform/text_box.h"

#include <algorithm>

#include "platform/codec.h"
#include "platform/text.h"

namespace lumbrix {

namespace {
constexpr int kBackspace = 8;

int charCount(const std::string& s) {
    return static_cast<int>(Len(s));
}
}  // namespace

TextBox::TextBox(Form& form, std::string name, int index)
    : Control(form, ControlKind::TextBox, std::move(name), index) {
    bindEvent(Change, "Change");
    setBackColor(colors::kWindowBackground);
    setForeColor(colors::kWindowText);
}

void TextBox::setText(const std::string& text) {
    // The maximum length limits what the planner types or pastes; text that the program puts
    // in is kept whole.
    if (text == text_) return;
    text_ = text;
    // Setting the text from code puts the caret at the start, as the desktop's boxes do.
    selStart_ = 0;
    selLength_ = 0;
    touch();
    Change.raise();
}

void TextBox::setMaxLength(int n) {
    maxLength_ = std::max(0, n);
    touch();
}

void TextBox::setLocked(bool v) {
    locked_ = v;
    touch();
}

void TextBox::setMultiLine(bool v) {
    multiLine_ = v;
    touch();
}

void TextBox::setAlignment(Alignment a) {
    alignment_ = a;
    touch();
}

void TextBox::clampSelection() {
    const int n = charCount(text_);
    selStart_ = std::clamp(selStart_, 0, n);
    selLength_ = std::clamp(selLength_, 0, n - selStart_);
}

void TextBox::setSelStart(int start) {
    selStart_ = start;
    selLength_ = 0;
    clampSelection();
    touch();
}

void TextBox::setSelLength(int length) {
    selLength_ = length;
    clampSelection();
    touch();
}

std::string TextBox::selText() const {
    if (selLength_ == 0) return "";
    return Mid(text_, selStart_ + 1, selLength_);
}

void TextBox::setSelText(const std::string& text) {
    clampSelection();
    const std::string before = Left(text_, selStart_);
    const std::string after = Mid(text_, selStart_ + selLength_ + 1);
    std::string inserted = text;
    if (maxLength_ > 0) {
        const int room = maxLength_ - charCount(before) - charCount(after);
        inserted = room > 0 ? Left(inserted, room) : std::string();
    }
    const int caret = selStart_ + charCount(inserted);
    std::string value = before + inserted + after;
    if (value != text_) {
        text_ = std::move(value);
        selStart_ = caret;
        selLength_ = 0;
        touch();
        Change.raise();
    } else {
        selStart_ = caret;
        selLength_ = 0;
        touch();
    }
}

bool TextBox::typeKey(int keyAscii) {
    int key = keyAscii;
    KeyPress.raise(key);
    if (key == 0 || locked_) return false;
    if (key == kBackspace) {
        clampSelection();
        if (selLength_ == 0) {
            if (selStart_ == 0) return true;
            --selStart_;
            selLength_ = 1;
        }
        setSelText("");
        return true;
    }
    if (key < 32 && key != '\t' && !(multiLine_ && (key == '\r' || key == '\n'))) return false;
    std::string ch;
    appendUtf8(ch, static_cast<char32_t>(key));
    setSelText(ch);
    return true;
}

}  // namespace lumbrix
