// The catalogue editor on the products tab: its product type, picking a product into the
// fields, and deleting one product or all products of the type.
#include "catalogue/product_lists.h"
#include "catalogue/product_row.h"
#include "localisation/message_language.h"
#include "mainwindow/frm_main.h"
#include "platform/vb_error.h"
#include "store/numbers.h"

namespace lumbrix {

namespace {

constexpr int kFullStop = 46;   // the character that deletes the selected product
constexpr int kDeleteKey = 46;  // the Delete key's code, which deletes it too

constexpr int kCentreOversize = 3;
constexpr int kBoardOversize = 4;

}  // namespace

void frmMain::optTootedSydmat_Click() {
    switchEditorType(producttype::kCentre, imgToodeSyda, kCentreOversize);
}

void frmMain::optTootedSeimrilaud_Click() {
    switchEditorType(producttype::kEdger, imgToodeSeimrilauad, kBoardOversize);
}

void frmMain::optTootedKyljelaud_Click() {
    switchEditorType(producttype::kSide, imgToodeKyljelauad, kBoardOversize);
}

void frmMain::switchEditorType(const char* type, const Image& picture, int oversize) {
    Tootetyyp = type;
    lstTootedDim.clear();
    Lae_tooted(lstTootedDim);
    imgToodeMaterjal.setPicture(picture.picture());
    txtYlemoot.setText(std::to_string(oversize));
    VScroll1.setValue(oversize);
    Kustuta_tooteandmed();
    Arvuta_kvaliteedijagunemine();
}

// Fills the fields from the selected row. A row whose numbers cannot be read is offered for
// deletion.
void frmMain::lstTootedDim_Click() {
    if (markingEditorRow_) return;
    try {
        txtvalitudristloige.setText(lstTootedDim.text());
        const ProductColumns c = productColumns(txtvalitudristloige.text());
        txtDimPaksus.setText(c.nominalThickness);
        txtDimLaius.setText(c.nominalWidth);
        txtSaagPaksus.setText(c.sawingThickness);
        txtSaagLaius.setText(c.sawingWidth);
        lblvalitudindex.setCaption(std::to_string(lstTootedDim.listIndex()));
        for (int k = 0; k < productrow::kQualities; ++k) {
            txtQualShare(k + 1).setText(c.shares[k]);
            txtQualPrice(k + 1).setText(c.prices[k]);
        }
        txtDimNiiskus.setText(c.moisture);
        txtComment.setText(c.comment);
        Arvuta_kvaliteedijagunemine();

        // The oversize that gives the stored sawing thickness from the nominal one.
        const double ratio =
            Divide(ToDoubleStrict(txtSaagPaksus.text()), ToDoubleStrict(txtDimPaksus.text()));
        txtYlemoot.setText(FormatNumber(ratio * 100 - 100, "0"));
        cmdKustutaDim.setEnabled(true);
        cmdMuudaDim.setEnabled(true);
    } catch (const VbError&) {
        const MsgResult answer = runtime::msgBox(
            bilingual(*this, "Valitud toote info on vigane ning häirib programmi tööd. Kustutame?",
                      "Selected product info is invalid and must be removed. Delete?"),
            mb::kYesNo, bilingual(*this, "Kustutame?", "Delete?"));
        if (answer == MsgResult::Yes) {
            lblvalitudindex.setCaption(std::to_string(lstTootedDim.listIndex()));
            mnuKustutaValitud_Click();
        }
    }
}

void frmMain::markEditorRow(int row) {
    markingEditorRow_ = true;
    try {
        lstTootedDim.setListIndex(row);
    } catch (...) {
        markingEditorRow_ = false;
        throw;
    }
    markingEditorRow_ = false;
}

void frmMain::lstTootedDim_KeyPress(int& keyAscii) {
    if (keyAscii == kFullStop) {
        keyAscii = 0;
        mnuKustutaValitud_Click();
        return;
    }
    runtime::desktop().beep();
    keyAscii = 0;  // typing never moves the selection
}

void frmMain::lstTootedDim_KeyDown(int& keyCode, int /*shift*/) {
    if (keyCode != kDeleteKey) return;
    keyCode = 0;
    mnuKustutaValitud_Click();
}

// The pop-up menu opens under the delete button.
void frmMain::cmdKustutaDim_Click() {
    popupMenuBelow(mnutootedkustuta, cmdKustutaDim);
}

void frmMain::mnuKustutaValitud_Click() {
    if (txtvalitudristloige.text().empty()) {
        runtime::msgBox(bilingual(*this, "Esmalt valige toode, mida soovite kustutada!",
                                  "Please choose product you want to delete!"),
                        mb::kInformation, "Info");
        return;
    }
    if (productListFileName(Tootetyyp)) {
        const int row = lstTootedDim.listIndex();
        if (row >= 0) lstTootedDim.removeItem(row);
        if (!saveEditorList()) return;
    }
    clearFieldsAfterDelete();
    optKyljelaud.setValue(true);
    optSeimrilaud.setValue(true);
    optSydmat.setValue(true);
}

void frmMain::mnuKustutaKoik_Click() {
    const MsgResult answer =
        runtime::msgBox(bilingual(*this, "Kas olete kindel, et kustutame kõik ristlõiked?",
                                  "Are you sure you want to delete all dimensions?"),
                        mb::kYesNo, bilingual(*this, "Kustutame kõik?", "Delete all?"));
    if (answer != MsgResult::Yes) return;
    if (productListFileName(Tootetyyp)) {
        lstTootedDim.clear();
        if (!saveEditorList()) return;
    }
    clearFieldsAfterDelete();
    optKyljelaud.setValue(true);
    optSeimrilaud.setValue(true);
    optSydmat.setValue(true);
}

void frmMain::clearFieldsAfterDelete() {
    for (TextBox* t :
         {&txtDimPaksus, &txtDimLaius, &txtSaagPaksus, &txtSaagLaius, &txtvalitudristloige}) {
        t->setText("");
    }
    lblvalitudindex.setCaption("");
    for (int k = 1; k <= productrow::kQualities; ++k) {
        txtQualShare(k).setText("");
        txtQualPrice(k).setText("");
    }
    txtDimNiiskus.setText("");
    txtComment.setText("");
}

// The list always shows what its file holds: a list that could not be saved is read again.
bool frmMain::saveEditorList() {
    if (Salvesta_tooted(lstTootedDim)) return true;
    lstTootedDim.clear();
    Lae_tooted(lstTootedDim);
    return false;
}

}  // namespace lumbrix
