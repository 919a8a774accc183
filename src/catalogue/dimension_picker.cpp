// The dimension picker beside the pattern drawing: the product type, the picked product in the
// store, the placement buttons that fit it, auto-scroll and the tooltip.
#include "catalogue/dimension_picker.h"

#include "catalogue/product_lists.h"
#include "catalogue/product_row.h"
#include "mainwindow/frm_main.h"
#include "platform/vb_error.h"
#include "store/frm_main_sub.h"
#include "store/numbers.h"

namespace lumbrix {

namespace {

// Right of this many pixels from the list's left edge the pointer no longer picks rows.
constexpr int kPickingStripPixels = 75;

}  // namespace

std::string pickerToolTip(const std::string& moisture, const std::string& comment) {
    if (!moisture.empty() && !comment.empty()) return moisture + "%, " + comment;
    if (!moisture.empty()) return moisture + "%";
    return comment;
}

int rowUnderPointer(const ListBox& list, double xTwips, double yTwips) {
    const int px = CInt(xTwips / kTwipsPerPixel);
    const int py = CInt(yTwips / kTwipsPerPixel);
    const int rows = list.listCount();
    if (rows == 0) return -1;
    if (px > kPickingStripPixels) return list.listIndex();
    const int row = list.rowAtPixel(py);
    return row >= 0 ? row : rows - 1;
}

void frmMain::optSydmat_Click() {
    switchPickerType(producttype::kCentre, imgCenter);
}

void frmMain::optSeimrilaud_Click() {
    switchPickerType(producttype::kEdger, imgSeimer);
}

void frmMain::optKyljelaud_Click() {
    switchPickerType(producttype::kSide, imgSideboard);
}

// After a switch no product is picked and no placement button is enabled; the profile load
// refills lstDim with the type's rows.
void frmMain::switchPickerType(const char* type, const Image& picture) {
    imgMaterjal.setPicture(picture.picture());
    Lauatyyp = type;
    lstDim.clear();
    if (Lauatyyp == producttype::kCentre) Lae_dim(lstDim);
    frmMainSub& s = store();
    s.txtristloige.clear();
    s.txtpaksus.clear();
    s.txtlaius.clear();
    Uuenda_lauanupud();
}

void frmMain::Uuenda_lauanupud() {
    for (CommandButton* b :
         {&cmdCenter, &cmdSideLeft, &cmdSideRight, &cmdSeimerAll, &cmdSeimerYleval})
        b->setEnabled(false);
    cmdLaeprofiil.press();
}

void frmMain::lstDim_Click() {
    frmMainSub& s = store();
    s.txtristloige = lstDim.text();
    const ProductColumns c = productColumns(s.txtristloige);
    s.txtpaksus = c.sawingThickness;
    s.txtlaius = c.sawingWidth;
    s.txttootehind = c.price;
    s.txtNiiskus = c.moisture;
    s.txtKommentaar = c.comment;

    bool centre = false;
    bool side = false;
    bool edger = false;
    if (optSydmat.value()) {
        centre = true;
    } else if (optKyljelaud.value()) {
        side = true;
    } else if (optSeimrilaud.value()) {
        edger = true;
    } else {
        return;  // no type selected: the buttons stay as they are
    }
    cmdCenter.setEnabled(centre);
    cmdSideLeft.setEnabled(side);
    cmdSideRight.setEnabled(side);
    cmdSeimerAll.setEnabled(edger);
    cmdSeimerYleval.setEnabled(edger);
}

void frmMain::lstDim_MouseDown(int button, int /*shift*/, double /*x*/, double /*y*/) {
    if (button == mouse::kRight) popupMenu(mnuscroll);
}

// With auto-scroll the row under the pointer becomes the picked product (selecting it runs
// lstDim_Click first), so the tooltip always describes the product just picked.
void frmMain::lstDim_MouseMove(int /*button*/, int /*shift*/, double x, double y) {
    try {
        if (mnuautoscroll.checked()) lstDim.setListIndex(GetListItemFromPt(lstDim, x, y));
        const frmMainSub& s = store();
        lstDim.setToolTipText(pickerToolTip(s.txtNiiskus, s.txtKommentaar));
    } catch (const VbError&) {
        // A pointer position the picker cannot use changes nothing.
    }
}

void frmMain::mnuautoscroll_Click() {
    if (mnuautoscroll.checked()) {
        mnuautoscroll.setChecked(false);
        lstDim.setToolTipText("");
    } else {
        mnuautoscroll.setChecked(true);
    }
}

int frmMain::GetListItemFromPt(const ListBox& list, double x, double y) const {
    return rowUnderPointer(list, x, y);
}

}  // namespace lumbrix
