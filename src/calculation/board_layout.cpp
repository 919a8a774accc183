// The board boxes: one rectangle per board position on the drawing area, in mm of the log's
// cross-section, laid out from the rows of the five board lists.
#include <algorithm>

#include "mainwindow/frm_main.h"
#include "platform/text.h"
#include "platform/vb_error.h"
#include "store/board_row.h"
#include "store/frm_main_sub.h"
#include "store/numbers.h"

namespace lumbrix {

namespace {

void hideBox(PictureBox& box) {
    box.setVisible(false);
    box.setWidth(0);
    box.setHeight(0);
}

void paintFamily(const ControlArray<PictureBox>& boxes) {
    for (PictureBox& box : boxes)
        box.setBackColor(colors::kOrange);
}

// Size first, then position, then shown: the order in which the boxes are written.
void placeBox(PictureBox& box, double width, double height, double left, double top) {
    box.setWidth(width);
    box.setHeight(height);
    box.setTop(top);
    box.setLeft(left);
    box.setVisible(true);
}

// The row of `list` at `i`, reached by selecting it as every pass over a board list does
// (the list's selection handler paints the family's boxes).
BoardRow selectRow(ListBox& list, int i) {
    list.setListIndex(i);
    return BoardRow(list.list(i));
}

// Rows beyond a position's boxes are never laid out (the lists refuse them anyway).
int rowsToLayOut(const ListBox& list, const ControlArray<PictureBox>& boxes) {
    return std::min(list.listCount(), boxes.count());
}

}  // namespace

void frmMain::hideBoardBoxes() {
    for (PictureBox& box : picsyda)
        hideBox(box);
    for (int i = 0; i < 2; ++i) {
        hideBox(picseimerall[i]);
        hideBox(picseimeryleval[i]);
        hideBox(pickylgvasak[i]);
        hideBox(pickylgparem[i]);
    }
}

std::string frmMain::boardLayoutSource() const {
    // Box sizes and places follow from the rows' size columns, the kerfs and the zoom.
    std::string source = store().txtKetas1saag + "|" + store().txtKetas2saag + "|" +
                         NumberText(picBack.scaleWidth()) + "|" + NumberText(picBack.scaleHeight());
    for (const ListBox* list :
         {&lstSyda, &lstSeimerYleval, &lstSeimerAll, &lstKylgVasak, &lstKylgParem}) {
        source += "#";
        for (const std::string& row : list->rows())
            source += Left(row, boardrow::kSizesWidth) + "|";
    }
    return source;
}

void frmMain::refreshBoardBoxes() {
    if (boardLayoutSource() == laidOutFrom_) return;
    hideBoardBoxes();
    layOutBoardBoxes();
}

void frmMain::layOutBoardBoxes() {
    laidOutFrom_ = boardLayoutSource();
    const int n = rowsToLayOut(lstSyda, picsyda);
    if (n == 0) return;
    const double areaWidth = picBack.scaleWidth();
    const double areaHeight = picBack.scaleHeight();

    // The centre block: a kerf of the second saw on each side of every centre board.
    double blockThickness = 0;
    for (int i = 0; i < n; ++i)
        blockThickness += selectRow(lstSyda, i).sawingThickness();
    pattern.ketas2saag = store().txtKetas2saag;
    pattern.ketas1saag = ToDoubleStrict(store().txtKetas1saag);
    const double k2 = RegionCompVal(pattern.ketas2saag);
    const double k1 = pattern.ketas1saag;
    const double blockWidth = blockThickness + (n + 1) * k2;

    // Centre boards stand side by side, centred on the area.
    for (int i = 0; i < n; ++i) {
        const BoardRow row = selectRow(lstSyda, i);
        const double t = row.sawingThickness();
        const double w = row.sawingWidth();
        const double left = i == 0 ? (areaWidth - blockWidth) / 2 + k2
                                   : picsyda[i - 1].left() + picsyda[i - 1].width() + k2;
        placeBox(picsyda[i], t, w, left, (areaHeight - w) / 2);
    }
    PictureBox& firstCentre = picsyda[0];
    PictureBox& lastCentre = picsyda[n - 1];

    // Edger boards lie across, stacked upward and downward from the first centre box.
    for (int i = 0; i < rowsToLayOut(lstSeimerYleval, picseimeryleval); ++i) {
        const BoardRow row = selectRow(lstSeimerYleval, i);
        const double width = row.sawingWidth();
        const double height = row.sawingThickness();
        const double top =
            i == 0 ? firstCentre.top() - k1 - height : picseimeryleval[i - 1].top() - k1 - height;
        placeBox(picseimeryleval[i], width, height, (areaWidth - width) / 2, top);
    }
    for (int i = 0; i < rowsToLayOut(lstSeimerAll, picseimerall); ++i) {
        const BoardRow row = selectRow(lstSeimerAll, i);
        const double width = row.sawingWidth();
        const double height = row.sawingThickness();
        const PictureBox& above = i == 0 ? firstCentre : picseimerall[i - 1];
        const double top = above.top() + above.height() + k1;
        placeBox(picseimerall[i], width, height, (areaWidth - width) / 2, top);
    }

    // Side boards stand outward from the first and the last centre box.
    for (int i = 0; i < rowsToLayOut(lstKylgVasak, pickylgvasak); ++i) {
        const BoardRow row = selectRow(lstKylgVasak, i);
        const double t = row.sawingThickness();
        const double w = row.sawingWidth();
        const double left =
            i == 0 ? firstCentre.left() - k2 - t : pickylgvasak[i - 1].left() - k2 - t;
        placeBox(pickylgvasak[i], t, w, left, (areaHeight - w) / 2);
    }
    for (int i = 0; i < rowsToLayOut(lstKylgParem, pickylgparem); ++i) {
        const BoardRow row = selectRow(lstKylgParem, i);
        const double t = row.sawingThickness();
        const double w = row.sawingWidth();
        const PictureBox& inner = i == 0 ? lastCentre : pickylgparem[i - 1];
        placeBox(pickylgparem[i], t, w, inner.left() + inner.width() + k2, (areaHeight - w) / 2);
    }
}

void frmMain::lstSyda_Click() {
    paintFamily(picsyda);
}
void frmMain::lstSeimerAll_Click() {
    paintFamily(picseimerall);
}
void frmMain::lstSeimerYleval_Click() {
    paintFamily(picseimeryleval);
}
void frmMain::lstKylgVasak_Click() {
    paintFamily(pickylgvasak);
}
void frmMain::lstKylgParem_Click() {
    paintFamily(pickylgparem);
}

}  // namespace lumbrix
