// The diameter fit: the smallest top diameter whose circle holds the governing rectangle of
// boards and saw cuts, and the calculation mode that chooses that rectangle.
#include <algorithm>

#include "calculation/cut_block.h"
#include "localisation/message_language.h"
#include "mainwindow/frm_main.h"
#include "store/board_row.h"
#include "store/frm_main_sub.h"
#include "store/numbers.h"

namespace lumbrix {

namespace {

constexpr double kLargestDiameter = 600;

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

    const CutBlock governing = governingCutBlock(*this, k1, k2, thicknesses);
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
