#include "platform/list_box.h"

#include <algorithm>
#include <cmath>

#include "platform/text.h"
#include "platform/vb_error.h"

namespace lumbrix {

ListBox::ListBox(Form& form, std::string name, int index)
    : Control(form, ControlKind::ListBox, std::move(name), index) {
    bindEvent(Change, "Change");
    bindEvent(Scroll, "Scroll");
    setBackColor(colors::kWindowBackground);
    setForeColor(colors::kWindowText);
}

void ListBox::checkRow(int i) const {
    if (i < 0 || i >= listCount()) throw VbError(vberr::kInvalidPropertyArrayIndex);
}

const std::string& ListBox::list(int i) const {
    checkRow(i);
    return rows_[static_cast<std::size_t>(i)];
}

void ListBox::setList(int i, const std::string& text) {
    checkRow(i);
    rows_[static_cast<std::size_t>(i)] = text;
    touch();
}

int ListBox::sortedPosition(const std::string& text) const {
    // After every row that sorts before or equal to it, as the desktop's sorted lists do.
    auto it = std::upper_bound(
        rows_.begin(), rows_.end(), text,
        [](const std::string& a, const std::string& b) { return StrCompText(a, b) < 0; });
    return static_cast<int>(it - rows_.begin());
}

void ListBox::addItem(const std::string& text, int at) {
    int pos;
    if (sorted_) {
        pos = sortedPosition(text);
    } else if (at < 0) {
        pos = listCount();
    } else {
        if (at > listCount()) throw VbError(vberr::kInvalidProcedureCall);
        pos = at;
    }
    rows_.insert(rows_.begin() + pos, text);
    itemData_.insert(itemData_.begin() + pos, 0);
    if (listIndex_ >= pos) ++listIndex_;  // the selection stays on its row
    touch();
}

void ListBox::removeItem(int i) {
    if (i < 0 || i >= listCount()) throw VbError(vberr::kInvalidProcedureCall);
    rows_.erase(rows_.begin() + i);
    itemData_.erase(itemData_.begin() + i);
    if (listIndex_ == i) {
        listIndex_ = -1;
    } else if (listIndex_ > i) {
        --listIndex_;
    }
    topIndex_ = std::clamp(topIndex_, 0, std::max(0, listCount() - 1));
    touch();
}

void ListBox::clear() {
    rows_.clear();
    itemData_.clear();
    listIndex_ = -1;
    topIndex_ = 0;
    touch();
}

void ListBox::setListIndex(int i) {
    if (i < -1 || i >= listCount()) throw VbError(vberr::kInvalidPropertyValue);
    if (i == listIndex_) return;
    listIndex_ = i;
    touch();
    Click.raise();
}

std::string ListBox::text() const {
    if (listIndex_ < 0) return "";
    return rows_[static_cast<std::size_t>(listIndex_)];
}

long ListBox::itemData(int i) const {
    checkRow(i);
    return itemData_[static_cast<std::size_t>(i)];
}

void ListBox::setItemData(int i, long value) {
    checkRow(i);
    itemData_[static_cast<std::size_t>(i)] = value;
}

void ListBox::setSorted(bool v) {
    sorted_ = v;
    if (sorted_ && !rows_.empty()) {
        // Rows added before the list became sorted take their places; each keeps its data.
        std::vector<std::pair<std::string, long>> pairs;
        for (std::size_t i = 0; i < rows_.size(); ++i)
            pairs.emplace_back(rows_[i], itemData_[i]);
        std::stable_sort(pairs.begin(), pairs.end(), [](const auto& a, const auto& b) {
            return StrCompText(a.first, b.first) < 0;
        });
        for (std::size_t i = 0; i < pairs.size(); ++i) {
            rows_[i] = pairs[i].first;
            itemData_[i] = pairs[i].second;
        }
        listIndex_ = -1;
    }
    touch();
}

void ListBox::setTopIndex(int i) {
    const int clamped = std::clamp(i, 0, std::max(0, listCount() - 1));
    if (clamped == topIndex_) return;
    topIndex_ = clamped;
    touch();
}

int ListBox::rowAtPixel(double yPixels) const {
    if (yPixels < 0) return -1;
    // Row i spans the pixels top..bottom, both included: a pixel on the boundary between two
    // rows is the upper row's.
    const int shown =
        yPixels == 0 ? 0 : static_cast<int>(std::ceil(yPixels / rowHeightPixels_)) - 1;
    const int row = topIndex_ + shown;
    return row < listCount() ? row : -1;
}

}  // namespace lumbrix
