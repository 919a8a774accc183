#include "mainwindow/board_lists.h"

namespace lumbrix {

int boardListCapacity(const ListBox& list) {
    return list.name() == "lstSyda" ? 8 : 2;
}

bool appendBoardRow(ListBox& list, const std::string& row) {
    if (list.listCount() >= boardListCapacity(list)) return false;
    list.addItem(row);
    return true;
}

}  // namespace lumbrix
