// Full-edge lengths: over which length of the tapered log the outer corners of the side and
// edger boards stay inside the log.
#include <algorithm>
#include <cmath>

#include "calculation/cut_block.h"
#include "mainwindow/frm_main.h"
#include "platform/vb_error.h"
#include "store/board_row.h"
#include "store/frm_main_sub.h"
#include "store/numbers.h"

namespace lumbrix {

namespace {

// No board is shorter than this; a position that would be is marked out of the log.
constexpr double kShortestBoard = 1000;

double diagonal(double width, double height) {
    return std::sqrt(width * width + height * height);
}

// The full-edge length of a position whose corners need the diameter `needed`, on a log of
// top diameter `top`, taper `taper` (mm per m) and length `length`. A log without taper is a
// cylinder: the corners either lie within the top circle over the whole length or nowhere.
double fullEdgeLength(double needed, double top, double taper, double length) {
    if (taper == 0) return needed <= top ? length : 0;
    if ((top - needed) / taper > 0) return length;
    return Round(length - std::fabs(1000 * (top - needed) / taper), 0);
}

struct OuterPosition {
    double diameter;
    bool holdsBoard;
};

}  // namespace

void frmMain::arvuta_taiskant() {
    try {
        pattern.palgistvaljas = 0;
        frmMainSub& sub = store();
        const double k1 = RegionCompVal(sub.txtKetas1saag);
        const double k2 = RegionCompVal(sub.txtKetas2saag);
        double thicknesses = 0;
        for (const std::string& row : lstSyda.rows())
            thicknesses += BoardRow(row).sawingThickness();
        const int n = lstSyda.listCount();

        // Side positions: the taller and wider box of the two sides stands for both.
        const bool anySide = lstKylgVasak.listCount() > 0 || lstKylgParem.listCount() > 0;
        const double leftPair = pickylgvasak[0].width() + pickylgvasak[1].width();
        const double rightPair = pickylgparem[0].width() + pickylgparem[1].width();
        pattern.kylgdiameeter0 =
            anySide ? diagonal(thicknesses +
                                   2 * std::max(pickylgvasak[0].width(), pickylgparem[0].width()) +
                                   (n + 2) * k2,
                               std::max(pickylgvasak[0].height(), pickylgparem[0].height()))
                    : 0;
        pattern.kylgdiameeter1 =
            anySide ? diagonal(thicknesses + 2 * std::max(leftPair, rightPair) + (n + 4) * k2,
                               std::max(pickylgvasak[1].height(), pickylgparem[1].height()))
                    : 0;

        // Edger positions: stacked above and below the first centre box.
        const bool anyEdger = lstSeimerAll.listCount() > 0 || lstSeimerYleval.listCount() > 0;
        const double centreHeight = picsyda[0].height();
        const double lowerPair = picseimerall[0].height() + picseimerall[1].height();
        const double upperPair = picseimeryleval[0].height() + picseimeryleval[1].height();
        pattern.seimerdiameeter0 =
            anyEdger
                ? diagonal(std::max(picseimerall[0].width(), picseimeryleval[0].width()),
                           centreHeight +
                               2 * std::max(picseimerall[0].height(), picseimeryleval[0].height()) +
                               3 * k1)
                : 0;
        pattern.seimerdiameeter1 =
            anyEdger ? diagonal(std::max(picseimerall[1].width(), picseimeryleval[1].width()),
                                centreHeight + 2 * std::max(lowerPair, upperPair) + 5 * k1)
                     : 0;

        const double top = RegionCompVal(txtPalk.text());
        const double taper = RegionCompVal(txtKoone.text());
        const double length = RegionCompVal(txtPikkus.text());
        const auto rowsAt = [](const ListBox& a, const ListBox& b, int position) {
            return std::max(a.listCount(), b.listCount()) > position;
        };
        const OuterPosition positions[4] = {
            {pattern.kylgdiameeter0, rowsAt(lstKylgVasak, lstKylgParem, 0)},
            {pattern.kylgdiameeter1, rowsAt(lstKylgVasak, lstKylgParem, 1)},
            {pattern.seimerdiameeter0, rowsAt(lstSeimerAll, lstSeimerYleval, 0)},
            {pattern.seimerdiameeter1, rowsAt(lstSeimerAll, lstSeimerYleval, 1)},
        };
        double lengths[4];
        for (int i = 0; i < 4; ++i) {
            lengths[i] = fullEdgeLength(positions[i].diameter, top, taper, length);
            // Only a position that holds a board can be too short for the log.
            if (positions[i].holdsBoard && lengths[i] < kShortestBoard) {
                lengths[i] = kShortestBoard;
                pattern.palgistvaljas = 1;
            }
        }

        if (sub.lblArvutaTaiskant == "0") return;
        struct Rewrite {
            ListBox& list;
            const double* lengthAt;  // position 0 and 1 of the list's family
        };
        const Rewrite rewrites[] = {{lstKylgParem, &lengths[0]},
                                    {lstKylgVasak, &lengths[0]},
                                    {lstSeimerAll, &lengths[2]},
                                    {lstSeimerYleval, &lengths[2]}};
        for (const Rewrite& r : rewrites) {
            lstTemp.clear();
            for (int i = 0; i < r.list.listCount(); ++i) {
                lstTemp.addItem(rebuildFullEdgeRow(r.list.list(i), r.lengthAt[i == 0 ? 0 : 1]));
            }
            r.list.clear();
            for (const std::string& row : lstTemp.rows())
                r.list.addItem(row);
            lstTemp.clear();
        }
    } catch (const VbError& e) {
        runtime::showErrorBox(e.number(), e.description(), "arvuta_taiskant");
    }
}

}  // namespace lumbrix
