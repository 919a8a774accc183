// The 3D view's corner table: the cross-section corners of every board position, in whole mm
// from the log's centre (x to the right, y downward), written as text into the view's labels.
// Each board is placed from the value already written for its neighbour, so the rounding of
// every written value carries along the chain of boards. Sizes and kerfs are read as their
// leading number within +-100 km, so that no setting, however large, overflows a value.
#include "app/application.h"
#include "mainwindow/frm_main.h"
#include "store/board_row.h"
#include "store/frm_main_sub.h"
#include "store/numbers.h"
#include "view3d/frm_3d_show.h"

namespace lumbrix {

namespace {

using view3d::BoxFamily;

// Writes one board's corners in the order 1x, 1y, 2x, 2y, 3x, 3y, 4x, 4y; each value is
// written before the next is computed.
class CornerWriter {
  public:
    CornerWriter(frm3dShow& view, BoxFamily family, int board)
        : view_(view), family_(family), board_(board) {}

    void put(int coordinate, double value) const {
        view_.corner(family_, coordinate)[board_].setCaption(FormatNumber(value, "0"));
    }
    // The value written for a corner coordinate, read back as a number.
    double written(int coordinate) const {
        return Val(view_.corner(family_, coordinate)[board_].caption());
    }

  private:
    frm3dShow& view_;
    BoxFamily family_;
    int board_;
};

enum Coordinate { k1x, k1y, k2x, k2y, k3x, k3y, k4x, k4y };

// A board standing upright (centre and side): x from `left` to `right`, y centred on 0.
void putUpright(const CornerWriter& w, double left, double right, double height) {
    w.put(k1x, left);
    w.put(k1y, -(height / 2));
    w.put(k2x, left);
    w.put(k2y, height / 2);
    w.put(k3x, right);
    w.put(k3y, height / 2);
    w.put(k4x, right);
    w.put(k4y, -(height / 2));
}

// An edger board lying across: x centred on 0, y from `top` to `bottom`.
void putLying(const CornerWriter& w, double width, double top, double bottom) {
    w.put(k1x, -(width / 2));
    w.put(k1y, top);
    w.put(k2x, -(width / 2));
    w.put(k2y, bottom);
    w.put(k3x, width / 2);
    w.put(k3y, bottom);
    w.put(k4x, width / 2);
    w.put(k4y, top);
}

}  // namespace

void frmMain::Arvuta_3d() {
    frm3dShow& view = app_.window<frm3dShow>();
    const int n = lstSyda.listCount();
    // Without a centre board there is no block to place the others from; the view then
    // leaves out every position, as their boxes are hidden.
    if (n == 0) return;

    // 1. The centre block's width: the sawn thicknesses, each row reached by selecting it.
    double thicknesses = 0;
    for (int i = 0; i < n; ++i) {
        lstSyda.setListIndex(i);
        thicknesses += view3d::limitedNumber(BoardRow(lstSyda.list(i)).sawingThicknessText());
    }
    const double k2 = view3d::limitedNumber(store().txtKetas2saag);
    const double k1 = view3d::limitedNumber(store().txtKetas1saag);
    const double block = thicknesses + (n - 1) * k2;

    const auto writer = [&view](BoxFamily family, int board) {
        return CornerWriter(view, family, board);
    };

    // 2.-3. Centre boards side by side, each from its left neighbour's written corner.
    {
        const double left = -(block / 2);
        putUpright(writer(BoxFamily::Centre, 0), left, left + picsyda[0].width(),
                   picsyda[0].height());
    }
    for (int i = 1; i < picsyda.count(); ++i) {
        const CornerWriter w = writer(BoxFamily::Centre, i);
        const double left =
            writer(BoxFamily::Centre, i - 1).written(k1x) + picsyda[i - 1].width() + k2;
        const double height = picsyda[i].height();
        w.put(k1x, left);
        w.put(k1y, -(height / 2));
        w.put(k2x, left);
        w.put(k2y, height / 2);
        w.put(k3x, w.written(k2x) + picsyda[i].width());
        w.put(k3y, height / 2);
        w.put(k4x, w.written(k1x) + picsyda[i].width());
        w.put(k4y, -(height / 2));
    }

    // 4. Left side boards, outward from the left edge of centre board 0.
    for (int i = 0; i < 2; ++i) {
        const double inner = i == 0 ? writer(BoxFamily::Centre, 0).written(k1x)
                                    : writer(BoxFamily::LeftSide, 0).written(k1x);
        const PictureBox& box = pickylgvasak[i];
        putUpright(writer(BoxFamily::LeftSide, i), inner - (box.width() + k2), inner - k2,
                   box.height());
    }

    // 5. Right side boards, outward from the right edge of the last centre board.
    for (int i = 0; i < 2; ++i) {
        const PictureBox& neighbour = i == 0 ? picsyda[n - 1] : pickylgparem[0];
        const double inner = (i == 0 ? writer(BoxFamily::Centre, n - 1).written(k1x)
                                     : writer(BoxFamily::RightSide, 0).written(k1x)) +
                             neighbour.width();
        const PictureBox& box = pickylgparem[i];
        putUpright(writer(BoxFamily::RightSide, i), inner + k2, inner + (box.width() + k2),
                   box.height());
    }

    // 6. Upper edger boards, stacked upward from the top edge of centre board 0.
    for (int i = 0; i < 2; ++i) {
        const double below = i == 0 ? writer(BoxFamily::Centre, 0).written(k1y)
                                    : writer(BoxFamily::UpperEdger, 0).written(k1y);
        const PictureBox& box = picseimeryleval[i];
        putLying(writer(BoxFamily::UpperEdger, i), box.width(), below - k1 - box.height(),
                 below - k1);
    }

    // 7. Lower edger boards, stacked downward from the bottom edge of centre board 0.
    for (int i = 0; i < 2; ++i) {
        const double above = i == 0 ? writer(BoxFamily::Centre, 0).written(k2y)
                                    : writer(BoxFamily::LowerEdger, 0).written(k2y);
        const PictureBox& box = picseimerall[i];
        putLying(writer(BoxFamily::LowerEdger, i), box.width(), above + k1,
                 above + k1 + box.height());
    }
}

}  // namespace lumbrix
