#include "platform/rich_text_box.h"

#include <algorithm>
#include <utility>

#include "platform/atomic_file.h"
#include "platform/text.h"
#include "platform/vb_error.h"

namespace lumbrix {

RichTextBox::RichTextBox(Form& form, std::string name, int index)
    : Control(form, ControlKind::RichTextBox, std::move(name), index) {
    bindEvent(Change, "Change");
    bindEvent(SelChange, "SelChange");
    setBackColor(colors::kWindowBackground);
    setForeColor(colors::kWindowText);
}

void RichTextBox::replaceContent(std::string text, std::vector<CharFormat> formats) {
    const bool changed = text != text_;
    const bool moved = selStart_ != 0 || selLength_ != 0;
    text_ = std::move(text);
    formats_ = std::move(formats);
    formats_.resize(static_cast<std::size_t>(Len(text_)));
    selStart_ = 0;
    selLength_ = 0;
    typing_ = formats_.empty() ? CharFormat{} : formats_.front();
    touch();
    if (changed) Change.raise();
    if (moved) SelChange.raise();
}

void RichTextBox::setText(const std::string& text) {
    replaceContent(text, {});
}

bool RichTextBox::placeSelection(int start, int length) {
    if (start < 0 || length < 0) throw VbError(vberr::kInvalidPropertyValue);
    const int n = charCount();
    start = std::min(start, n);
    length = std::min(length, n - start);
    if (start == selStart_ && length == selLength_) return false;
    selStart_ = start;
    selLength_ = length;
    const auto at = static_cast<std::size_t>(start);
    if (length > 0) {
        typing_ = formats_[at];
    } else if (start > 0) {
        typing_ = formats_[at - 1];
    } else if (n > 0) {
        typing_ = formats_.front();
    }
    touch();
    return true;
}

void RichTextBox::setSelStart(int start) {
    if (placeSelection(start, 0)) SelChange.raise();
}

void RichTextBox::setSelLength(int length) {
    if (placeSelection(selStart_, length)) SelChange.raise();
}

void RichTextBox::select(int start, int length) {
    if (placeSelection(start, length)) SelChange.raise();
}

std::string RichTextBox::selText() const {
    if (selLength_ == 0) return "";
    return Mid(text_, selStart_ + 1, selLength_);
}

void RichTextBox::setSelText(const std::string& text) {
    const CharFormat format = typing_;
    const int inserted = Len(text);
    std::string value = Left(text_, selStart_) + text + Mid(text_, selStart_ + selLength_ + 1);

    const auto from = formats_.begin() + selStart_;
    formats_.erase(from, from + selLength_);
    formats_.insert(formats_.begin() + selStart_, static_cast<std::size_t>(inserted), format);
    // Stray bytes on both sides of the insertion may join into one character.
    formats_.resize(static_cast<std::size_t>(Len(value)), format);

    const bool changed = value != text_;
    const int caret = std::min(selStart_ + inserted, charCount());
    const bool moved = caret != selStart_ || selLength_ != 0;
    text_ = std::move(value);
    selStart_ = caret;
    selLength_ = 0;
    typing_ = format;
    touch();
    if (changed) Change.raise();
    if (moved) SelChange.raise();
}

void RichTextBox::typeText(const std::string& text) {
    setSelText(text);
}

std::optional<bool> RichTextBox::selStyle(Style style) const {
    if (selLength_ == 0) return typing_.*style;
    const auto first = formats_.begin() + selStart_;
    const bool value = (*first).*style;
    const bool uniform = std::all_of(first, first + selLength_,
                                     [&](const CharFormat& f) { return f.*style == value; });
    if (!uniform) return std::nullopt;
    return value;
}

void RichTextBox::setSelStyle(Style style, bool on) {
    if (selLength_ == 0) {
        typing_.*style = on;
    } else {
        const auto first = formats_.begin() + selStart_;
        std::for_each(first, first + selLength_, [&](CharFormat& f) { f.*style = on; });
        typing_ = *first;
    }
    touch();
}

void RichTextBox::saveFile(const std::filesystem::path& path) const {
    const FileResult result = writeFileAtomically(path, writeRtf(RichText{text_, formats_}));
    if (!result) throw VbError(vberr::kPathFileAccessError);
}

void RichTextBox::loadFile(const std::filesystem::path& path) {
    FileBytes file = readFileBytes(path);
    if (!file) throw file.toVbError();
    RichText doc = readRtf(file.bytes);
    replaceContent(std::move(doc.text), std::move(doc.formats));
}

}  // namespace lumbrix
