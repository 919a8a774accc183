#include "view3d_fixture.h"

namespace lumbrix::test {

ListBox& View3dTest::listOf(Family family) {
    frmMain& m = main();
    switch (family) {
        case Family::LeftSide:
            return m.lstKylgVasak;
        case Family::RightSide:
            return m.lstKylgParem;
        case Family::UpperEdger:
            return m.lstSeimerYleval;
        case Family::LowerEdger:
            return m.lstSeimerAll;
        case Family::Centre:
        default:
            return m.lstSyda;
    }
}

void View3dTest::place(Family family, double thickness, double width) {
    listOf(family).addItem(boardRow(thickness - 3, width - 5, thickness, width, 5100, 0.03));
}

void View3dTest::computeCorners() {
    main().hideBoardBoxes();
    main().layOutBoardBoxes();
    main().Arvuta_3d();
}

std::string View3dTest::corners(Family family, int board) {
    std::string text;
    for (int c = 0; c < 8; ++c) {
        text += view().corner(family, c)[board].caption();
        text += c % 2 == 0 ? "," : (c < 7 ? " " : "");
    }
    return text;
}

}  // namespace lumbrix::test
