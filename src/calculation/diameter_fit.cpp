// The diameter fit: the smallest top diameter whose circle holds the governing rectangle of
// boards and saw cuts, and the calculation mode that chooses that rectangle.
#include <algorithm>
#include <cmath>

#include "localisation/message_language.h"
#include "mainwindow/frm_main.h"
#include "store/board_row.h"
#include "store/frm_main_sub.h"
#include "store/numbers.h"

namespace lumbrix {

namespace {

constexpr double kLargestDiameter = 600;

struct Rectangle {
    double width = 0;
    double height = 0;
    double diagonal() const { return std::sqrt(width * width + height * height); }
};

double sumOfSawingThicknesses(const ListBox& centre) {
    double total = 0;
    for (const std::string& row : centre.rows())
        total += BoardRow(row).sawingThickness();
    return total;
}

}  // namespace

void frmMain::mnuArvutusedKyljelauad_Click() {
    const bool side = mnuArvutusedKyljelauad.checked();
    mnuArvutusedKyljelauad.setChecked(!side);
    mnuArvutusedSydamematerjal.setChecked(side);
}

void frmMain::mnuArvutusedSydamematerjal_Click() {
    const bool centre = mnuArvutusedSydamematerjal.checked();
    mnuArvutusedSydamematerjal.setChecked(!centre);
    mnuArvutusedKyljelauad.setChecked(centre);
}

void frmMain::cmdSobita_Click() {
    const bool noOuterBoards = lstSeimerYleval.listCount() == 0 && lstSeimerAll.listCount() == 0 &&
                               lstKylgParem.listCount() == 0 && lstKylgVasak.listCount() == 0;
    if (sideBoardMode() && noOuterBoards) {
        mnuArvutusedSydamematerjal_Click();
        return;
    }

    // The boxes are measured as the current rows give them, also right after a board was
    // added and before an update laid it out.
    refreshBoardBoxes();
    const double k1 = RegionCompVal(store().txtKetas1saag);
    const double k2 = RegionCompVal(store().txtKetas2saag);
    const double thicknesses = sumOfSawingThicknesses(lstSyda);
    const int n = lstSyda.listCount();

    Rectangle governing;
    if (!sideBoardMode()) {
        double tallest = 0;
        for (const PictureBox& box : picsyda)
            tallest = std::max(tallest, box.height());
        governing = {thicknesses + (n + 1) * k2, tallest + 2 * k1};
    } else {
        const Rectangle edgerStack{std::max(picseimeryleval[0].width(), picseimerall[0].width()),
                                   picsyda[0].height() + 2 * k1 + picseimeryleval[0].height() +
                                       picseimeryleval[1].height() + picseimerall[0].height() +
                                       picseimerall[1].height()};
        const Rectangle sideRow{thicknesses + pickylgvasak[0].width() + pickylgvasak[1].width() +
                                    pickylgparem[0].width() + pickylgparem[1].width() +
                                    (n + 2) * k2,
                                std::max(pickylgvasak[0].height(), pickylgparem[0].height())};
        governing = edgerStack.diagonal() > sideRow.diagonal() ? edgerStack : sideRow;
    }

    const double diameter = governing.diagonal();
    if (diameter > kLargestDiameter) {
        runtime::msgBox(bilingual(*this, "Palgidiameeter ületab maksimaalse lubatud (600mm)!",
                                  "Log diameter exceeds maximum allowed (600mm)!"),
                        mb::kInformation | mb::kOkOnly);
        return;
    }
    // The diameter scroll bar starts at 10 mm: a smaller fit (almost no boards) takes that.
    const double whole = std::max(RegionCompVal(FormatNumber(diameter, "0")),
                                  static_cast<double>(scrDiameeter.min()));
    txtPalk.setText(NumberText(whole));
    scrDiameeter.setValue(CInt(whole));
    Joonista_palk();
    lblUpdated.setCaption("1");
    uuenda_materjalid();
}

}  // namespace lumbrix
