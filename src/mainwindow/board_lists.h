#pragma once

#include <string>

#include "platform/list_box.h"

namespace lumbrix {

// How many boards a board list holds at most: eight centre boards side by side, two at
// every other position.
int boardListCapacity(const ListBox& list);

// Appends a board row unless the list is full; true when the row was added. Every writer of
// board rows goes through here, so no list ever takes a ninth centre row or a third row at
// another position.
bool appendBoardRow(ListBox& list, const std::string& row);

}  // namespace lumbrix
