#include "mainwindow/board_lists.h"

#include <gtest/gtest.h>

#include "main_window_fixture.h"

namespace lumbrix {
namespace {

using test::MainWindowTest;

class BoardLists : public MainWindowTest {};

TEST_F(BoardLists, NoListTakesMoreBoardsThanItsPositionHolds) {
    frmMain& m = main();
    struct Case {
        ListBox& list;
        int capacity;
    };
    const Case cases[] = {{m.lstSyda, 8},
                          {m.lstSeimerAll, 2},
                          {m.lstSeimerYleval, 2},
                          {m.lstKylgVasak, 2},
                          {m.lstKylgParem, 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.list.name());
        EXPECT_EQ(boardListCapacity(c.list), c.capacity);
        for (int i = 0; i < c.capacity; ++i)
            EXPECT_TRUE(appendBoardRow(c.list, "row"));
        EXPECT_FALSE(appendBoardRow(c.list, "one too many"));
        EXPECT_EQ(c.list.listCount(), c.capacity);
    }
}

}  // namespace
}  // namespace lumbrix
