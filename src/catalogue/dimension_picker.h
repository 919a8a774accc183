#pragma once

#include <string>

namespace lumbrix {

class ListBox;

// The tooltip of the dimension picker, from the picked product's moisture (%) and comment:
// "18%, kuusk", "18%", "kuusk" or "".
std::string pickerToolTip(const std::string& moisture, const std::string& comment);

// The row of `list` under the pointer at (x, y), twips from the list's top left corner.
// An empty list gives -1. More than 75 pixels right of the list's left edge (over its scroll
// bar, say) the selected row stays the answer. Below the last row, the last row is.
// A position beyond the 16-bit pixel range is VbError 6.
int rowUnderPointer(const ListBox& list, double xTwips, double yTwips);

}  // namespace lumbrix
