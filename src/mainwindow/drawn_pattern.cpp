// The drawn pattern: hovering a board highlights it and shows its sizes, leaving the boards
// restores their colour, the right button opens the pattern's menu, two buttons zoom.
#include "app/application.h"
#include "localisation/message_language.h"
#include "mainwindow/frm_main.h"
#include "platform/text.h"
#include "store/numbers.h"

namespace lumbrix {

namespace {

// The height of the drawing area, in mm, shown at 100 % zoom, and the zoom's step and ends.
constexpr double kFullZoomHeight = 465.772;
constexpr double kZoomStep = 50;
constexpr double kSmallestBeforeZoomIn = 51;
constexpr double kLargestBeforeZoomOut = 950;

// Columns 1-29 of a board row: its nominal and sawing sizes.
constexpr int kSizeColumns = 29;

void paint(const ControlArray<PictureBox>& boxes, Color colour) {
    for (PictureBox& box : boxes)
        box.setBackColor(colour);
}

}  // namespace

std::string frmMain::zoomCaption() const {
    return bilingual(*this, "Suurendus: ", "Zoom: ") +
           FormatNumber(Round(kFullZoomHeight / picBack.scaleHeight(), 1), "0%");
}

void frmMain::hoverOuterBoard(BoardList which, int index) {
    const BoardPosition position = boardPosition(which);
    if (index >= position.list.listCount()) return;
    position.list.setListIndex(index);
    const std::string sizes = Left(position.list.text(), kSizeColumns);
    lblinfo.setCaption(sizes);
    paint(position.boxes, colors::kOrange);
    position.boxes[index].setBackColor(colors::kRed);
    position.boxes[index].setToolTipText(sizes);
}

void frmMain::picsyda_MouseMove(int index) {
    if (index >= lstSyda.listCount()) return;
    lstSyda.setListIndex(index);
    const std::string sizes = Left(lstSyda.text(), kSizeColumns);
    lblinfo.setCaption(sizes);
    lblActiveBoard.setCaption(bilingual(*this, "Süda ", "Centre ") + std::to_string(index));
    paint(picsyda, colors::kOrange);
    picsyda[index].setBackColor(colors::kRed);
    for (const auto* boxes : {&picseimeryleval, &picseimerall, &pickylgparem, &pickylgvasak}) {
        paint(*boxes, colors::kOrange);
    }
    picsyda[index].setToolTipText(sizes);
}

void frmMain::Form_MouseMove() {
    paint(picsyda, colors::kOrange);
    for (const auto* boxes : {&picseimeryleval, &picseimerall, &pickylgparem, &pickylgvasak}) {
        paint(*boxes, colors::kOrange);
    }
    lblinfo.setCaption("");
}

void frmMain::picBack_MouseMove() {
    lblinfo.setCaption("");
    paint(picsyda, colors::kOrange);
    lblZoom.setCaption(zoomCaption());
    for (const auto* boxes : {&picseimeryleval, &picseimerall, &pickylgparem, &pickylgvasak}) {
        paint(*boxes, colors::kOrange);
    }
    Uuenda_taustavarv();
    cmdSobita.setToolTipText(
        bilingual(*this, "Parema nupuga avaneb menüü", "Right click for menu"));
}

void frmMain::Uuenda_taustavarv() {
    for (Label* label :
         {&lblPalgimaht, &lblPalgikuluHind, &lblMuudkuludHind, &lblMarginHake, &lblMarginPuru}) {
        label->setBackColor(colors::kWhite);
    }
    for (Label& bar : lblCompare)
        bar.setTransparent(false);
}

void frmMain::boardMouseDown(int button) {
    if (button == mouse::kRight) popupMenu(mnupalk);
}

void frmMain::Command2_Click() {
    if (picBack.scaleHeight() < kSmallestBeforeZoomIn) {
        app_.desktop().beep();
        return;
    }
    picBack.setScaleHeight(picBack.scaleHeight() - kZoomStep);
    picBack.setScaleWidth(picBack.scaleWidth() - kZoomStep);
    lblZoom.setCaption(zoomCaption());
    uuenda_materjalid();
    Joonista_palk();
    uuenda_materjalid();
}

void frmMain::Command3_Click() {
    if (picBack.scaleHeight() > kLargestBeforeZoomOut) {
        app_.desktop().beep();
        return;
    }
    picBack.setScaleHeight(picBack.scaleHeight() + kZoomStep);
    picBack.setScaleWidth(picBack.scaleWidth() + kZoomStep);
    lblZoom.setCaption(zoomCaption());
    uuenda_materjalid();
    Joonista_palk();
    uuenda_materjalid();
}

}  // namespace lumbrix
