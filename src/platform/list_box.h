#pragma once

#include <string>
#include <vector>

#include "platform/control.h"

namespace lumbrix {

// A list box of text rows. Selecting a row from code or by the planner raises Click when
// the selected row changes; adding, removing and clearing rows raise nothing. A sorted list
// inserts each added row at its place in case-insensitive text order and keeps the
// selection on the selected row.
class ListBox : public Control {
  public:
    ListBox(Form& form, std::string name, int index = -1);

    int listCount() const { return static_cast<int>(rows_.size()); }
    // Row `i` (0-based). Error 381 outside 0..count-1.
    const std::string& list(int i) const;
    void setList(int i, const std::string& text);
    const std::vector<std::string>& rows() const { return rows_; }

    // Adds a row: at its sorted place, at `at` (0..count), or at the end.
    void addItem(const std::string& text, int at = -1);
    void removeItem(int i);
    void clear();

    // The selected row, -1 for none. Error 380 outside -1..count-1.
    int listIndex() const { return listIndex_; }
    void setListIndex(int i);
    // The selected row's text, "" with none.
    std::string text() const;

    long itemData(int i) const;
    void setItemData(int i, long value);

    bool sorted() const { return sorted_; }
    void setSorted(bool v);  // design time: before any row is added

    // The first row shown; the front end scrolls to it.
    int topIndex() const { return topIndex_; }
    void setTopIndex(int i);

    // Height of one row in pixels, as the front end draws it; used to find the row under
    // the pointer.
    static constexpr int kRowHeightPixels = 16;
    // A list may draw smaller rows than that (the printed pattern sheet's); set at design.
    int rowHeightPixels() const { return rowHeightPixels_; }
    void setRowHeightPixels(int pixels) {
        rowHeightPixels_ = pixels;
        touch();
    }
    // The row under a point `yPixels` down from the top of the list, -1 when none. A row
    // reaches from its top to its bottom pixel, both included, so a point on the boundary of
    // two rows is the upper one's.
    int rowAtPixel(double yPixels) const;

    Event<> Change;  // unused by list boxes of this program; kept for the kind's shape
    Event<> Scroll;

  private:
    void checkRow(int i) const;
    int sortedPosition(const std::string& text) const;

    std::vector<std::string> rows_;
    int rowHeightPixels_ = kRowHeightPixels;
    std::vector<long> itemData_;
    int listIndex_ = -1;
    int topIndex_ = 0;
    bool sorted_ = false;
};

}  // namespace lumbrix
