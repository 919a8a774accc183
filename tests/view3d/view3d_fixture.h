#pragma once

#include <string>

#include "main_window_fixture.h"
#include "view3d/frm_3d_show.h"

namespace lumbrix::test {

// The main window with the typical profile (first-saw kerf 5, second-saw kerf 4, trims 100)
// and the 3D view over it.
class View3dTest : public MainWindowTest {
  protected:
    using Family = view3d::BoxFamily;

    frm3dShow& view() { return app->window<frm3dShow>(); }
    ListBox& listOf(Family family);
    // Adds a board of this sawn thickness and width to a position.
    void place(Family family, double thickness, double width);
    // Lays out the boxes as the central update does and computes the corner table.
    void computeCorners();
    // A board's corners as "x1,y1 x2,y2 x3,y3 x4,y4" from the corner table.
    std::string corners(Family family, int board);
    // What `corners` gives for a position whose texts are empty.
    static constexpr const char* kNoCorners = ", , , ,";
};

}  // namespace lumbrix::test
