#include "calculation/cut_block.h"

#include <algorithm>
#include <cmath>

#include "mainwindow/frm_main.h"
#include "store/board_row.h"

namespace lumbrix {

double sumOfSawingThicknesses(const ListBox& centre) {
    double total = 0;
    for (const std::string& row : centre.rows())
        total += BoardRow(row).sawingThickness();
    return total;
}

double CutBlock::diagonal() const {
    return std::sqrt(width * width + height * height);
}

CutBlock governingCutBlock(const frmMain& m, double k1, double k2, double thicknesses) {
    const int n = m.lstSyda.listCount();
    if (!m.sideBoardMode()) {
        double tallest = 0;
        for (const PictureBox& box : m.picsyda)
            tallest = std::max(tallest, box.height());
        return {thicknesses + (n + 1) * k2, tallest + 2 * k1};
    }
    const CutBlock edgerStack{std::max(m.picseimeryleval[0].width(), m.picseimerall[0].width()),
                              m.picsyda[0].height() + 2 * k1 + m.picseimeryleval[0].height() +
                                  m.picseimeryleval[1].height() + m.picseimerall[0].height() +
                                  m.picseimerall[1].height()};
    const CutBlock sideRow{thicknesses + m.pickylgvasak[0].width() + m.pickylgvasak[1].width() +
                               m.pickylgparem[0].width() + m.pickylgparem[1].width() + (n + 2) * k2,
                           std::max(m.pickylgvasak[0].height(), m.pickylgparem[0].height())};
    return edgerStack.diagonal() > sideRow.diagonal() ? edgerStack : sideRow;
}

}  // namespace lumbrix
