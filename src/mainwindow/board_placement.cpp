// Placing boards from the picked product and removing them again.
#include "localisation/message_language.h"
#include "mainwindow/board_lists.h"
#include "mainwindow/frm_main.h"
#include "project_version.h"
#include "store/board_row.h"
#include "store/numbers.h"

namespace lumbrix {

namespace {

std::string version() {
    return std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor);
}

void refuse(const frmMain& m, const std::string& estonian, const std::string& english) {
    runtime::msgBox(bilingual(m, estonian, english), mb::kInformation | mb::kOkOnly, "Info");
}

}  // namespace

frmMain::BoardPosition frmMain::boardPosition(BoardList which) {
    switch (which) {
        case BoardList::Syda:
            return {which, lstSyda, picsyda, true};
        case BoardList::SeimerAll:
            return {which, lstSeimerAll, picseimerall, false};
        case BoardList::SeimerYleval:
            return {which, lstSeimerYleval, picseimeryleval, false};
        case BoardList::KylgVasak:
            return {which, lstKylgVasak, pickylgvasak, false};
        case BoardList::KylgParem:
            break;
    }
    return {BoardList::KylgParem, lstKylgParem, pickylgparem, false};
}

void frmMain::cmdCenter_Click() {
    lblUpdated.setCaption("0");
    Lisa_sydamematerjal();
    if (mnuAutoFit.checked()) cmdSobita_Click();
    if (lblUpdated.caption() == "0") uuenda_materjalid();
}

void frmMain::Lisa_sydamematerjal() {
    if (lstSyda.listCount() >= boardListCapacity(lstSyda)) {
        refuseNinthCentreBoard();
        return;
    }
    const frmMainSub& sub = store();
    appendBoardRow(lstSyda, placedBoardRow(sub.txtristloige, sub.txttootehind,
                                           Val(txtPikkus.text()), Val(sub.txtKappimineSydmat)));
    // The centre boxes at once; the update lays out everything again.
    hideBoardBoxes();
    layOutBoardBoxes();
}

void frmMain::refuseNinthCentreBoard() {
    refuse(*this, "Versioonis " + version() + " lubatud maksimaalselt 8 ex.log kavad",
           "In version " + version() + " maximum 8 ex log patterns allowed");
}

void frmMain::placeOuterBoard(BoardList which) {
    if (lstSyda.listCount() == 0) {
        refuse(*this, "Palun määrake esmalt südamematerjal!", "Please select centerboards first!");
        return;
    }
    ListBox& list = boardPosition(which).list;
    if (list.listCount() >= boardListCapacity(list)) {
        refuse(*this,
               "Versioonis " + version() + " lubatud maksimaalselt 2 seimrilauda ühelt poolt",
               "In version " + version() + " maximum 2 edgerboards allowed from one side");
        return;
    }
    const frmMainSub& sub = store();
    appendBoardRow(list, placedBoardRow(sub.txtristloige, sub.txttootehind, Val(txtPikkus.text()),
                                        Val(sub.txtKappimineLauad)));
    if (mnuAutoFit.checked() && sideBoardMode()) cmdSobita_Click();
    uuenda_materjalid();
}

void frmMain::cmdSeimerAll_Click() {
    placeOuterBoard(BoardList::SeimerAll);
}
void frmMain::cmdSeimerYleval_Click() {
    placeOuterBoard(BoardList::SeimerYleval);
}
void frmMain::cmdSideLeft_Click() {
    placeOuterBoard(BoardList::KylgVasak);
}
void frmMain::cmdSideRight_Click() {
    placeOuterBoard(BoardList::KylgParem);
}

void frmMain::removeBoard(BoardList which, int row, bool fromDrawing) {
    const BoardPosition position = boardPosition(which);
    // A double click below the rows, or on a box whose board is gone, removes nothing.
    if (row < 0 || row >= position.list.listCount()) return;
    position.list.removeItem(row);
    for (PictureBox& box : position.boxes) {
        box.setVisible(false);
        box.setHeight(0);
        box.setWidth(0);
    }
    store().clearBoardResults(which);
    uuenda_materjalid();
    const bool fit = fromDrawing && !position.centre ? mnuAutoFit.checked() && sideBoardMode()
                                                     : mnuAutoFit.checked();
    if (fit) cmdSobita_Click();
}

}  // namespace lumbrix
