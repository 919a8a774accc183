// The catalogue editor's commands: computing the sawing sizes, starting a new product,
// clearing the fields, and adding or changing a product.
#include "catalogue/product_lists.h"
#include "catalogue/product_row.h"
#include "catalogue/sawing_size.h"
#include "localisation/message_language.h"
#include "mainwindow/frm_main.h"
#include "platform/text.h"
#include "platform/vb_error.h"
#include "store/numbers.h"

namespace lumbrix {

namespace {

constexpr const char* kDefaultMoisture = "18";
constexpr int kDefaultOversize = 4;

// The last row of `list` with exactly this text: a sorted list puts an added row after every
// row that sorts with it, so this is the row just added.
int lastRowWithText(const ListBox& list, const std::string& text) {
    for (int i = list.listCount() - 1; i >= 0; --i) {
        if (list.list(i) == text) return i;
    }
    return -1;
}

}  // namespace

// The row of lstTootedDim that holds the picked product: the one at the picked index when it
// still holds it, otherwise the last with its text; -1 when the list no longer holds it.
int frmMain::pickedEditorRow() const {
    const std::string& picked = txtvalitudristloige.text();
    const std::string& index = lblvalitudindex.caption();
    if (!index.empty() && index.find_first_not_of("0123456789") == std::string::npos &&
        index.size() < 6) {
        const int row = std::stoi(index);
        if (row < lstTootedDim.listCount() && lstTootedDim.list(row) == picked) return row;
    }
    return lastRowWithText(lstTootedDim, picked);
}

void frmMain::cmdArvuta_Click() {
    if (txtDimPaksus.text().empty()) {
        runtime::msgBox(
            bilingual(*this,
                      "Esmalt valige tooteliik ning siis sisestage ristlõike paksus ja laius!",
                      "Please select product type and then insert thicknes and width!"),
            mb::kInformation, "Info");
        optTootedSydmat.setValue(true);
        txtDimPaksus.setFocus();
        return;
    }
    try {
        const SawingSize s = sawingSize(txtDimPaksus.text(), txtDimLaius.text(), txtYlemoot.text());
        txtSaagPaksus.setText(s.thickness);
        txtSaagLaius.setText(s.width);
        cmdLisaDim.setEnabled(true);
        cmdMuudaDim.setEnabled(true);
    } catch (const VbError&) {
        runtime::msgBox(
            bilingual(*this, "Viga toote arvutamisel, palun kontrollige paksus ja laius infot!",
                      "Error calculating measures. Please check measure info!"),
            mb::kInformation, "Info");
    }
}

// The picked product stays picked: a change right after this replaces it with the new entry.
void frmMain::cmdNew_Click() {
    for (TextBox* t : {&txtDimPaksus, &txtDimLaius, &txtSaagPaksus, &txtSaagLaius})
        t->setText("");
    for (int k = 1; k <= productrow::kQualities; ++k)
        txtQualShare(k).setText("");
    for (int k = 1; k <= productrow::kQualities; ++k)
        txtQualPrice(k).setText("");
    txtDimNiiskus.setText(kDefaultMoisture);
    txtYlemoot.setText(std::to_string(kDefaultOversize));
    VScroll1.setValue(kDefaultOversize);
    txtComment.setText("");
    txtDimPaksus.setFocus();
    Arvuta_kvaliteedijagunemine();
}

void frmMain::Kustuta_tooteandmed() {
    for (TextBox* t :
         {&txtDimPaksus, &txtDimLaius, &txtSaagPaksus, &txtSaagLaius, &txtvalitudristloige}) {
        t->setText("");
    }
    lblvalitudindex.setCaption("");
    for (int k = 1; k <= productrow::kQualities; ++k)
        txtQualShare(k).setText("");
    for (int k = 1; k <= productrow::kQualities; ++k)
        txtQualPrice(k).setText("");
    txtDimNiiskus.setText(kDefaultMoisture);
    txtComment.setText("");
}

std::optional<std::string> frmMain::editedProductRow() {
    txtDimNiiskus.setText(paddedMoisture(txtDimNiiskus.text()));
    ProductFields f;
    // Sizes read with a comma or a point, as everywhere in the editor.
    f.nominalThickness = Replace(txtDimPaksus.text(), ",", ".");
    f.nominalWidth = Replace(txtDimLaius.text(), ",", ".");
    f.sawingThickness = Replace(txtSaagPaksus.text(), ",", ".");
    f.sawingWidth = Replace(txtSaagLaius.text(), ",", ".");
    f.productPrice = lblproductPrice.caption();
    for (int k = 0; k < productrow::kQualities; ++k) {
        f.shares[k] = txtQualShare(k + 1).text();
        f.prices[k] = txtQualPrice(k + 1).text();
    }
    f.moisture = txtDimNiiskus.text();
    f.comment = txtComment.text();
    const ProductRowBuild built = buildProductRow(f);
    if (built.ok()) return built.row;
    runtime::msgBox(bilingual(*this, "Toodet ei saa salvestada: mõni väärtus ei mahu oma veergu!",
                              "The product cannot be stored: " + built.refusal + "!"),
                    mb::kInformation, "Info");
    return std::nullopt;
}

bool frmMain::refuseInvalidQualities() {
    if (checkQualityDistribution(false)) return false;
    runtime::msgBox(bilingual(*this, "Info: Kvaliteedijagunemine sisestamata või vigane!",
                              "Info: Quality distibution is missing or invalid!"),
                    mb::kInformation, "Info!");
    return true;
}

void frmMain::cmdLisaDim_Click() {
    if (txtDimPaksus.text().empty()) {
        runtime::msgBox(
            bilingual(*this, "Esmalt valige tooteliik ning siis sisestage toote paksus ja laius!",
                      "Please choose product type and then insert measures!"),
            mb::kInformation, "Info");
        optTootedSydmat_Click();
        optTootedSydmat.setValue(true);
        txtDimPaksus.setFocus();
        return;
    }
    if (refuseInvalidQualities()) return;
    const std::optional<std::string> row = editedProductRow();
    if (!row) return;

    if (productListFileName(Tootetyyp)) {
        lstTootedDim.addItem(*row);
        if (!saveEditorList()) return;
        if (Tootetyyp == producttype::kCentre) optSydmat.setValue(true);
        if (Tootetyyp == producttype::kEdger) optSeimrilaud.setValue(true);
        if (Tootetyyp == producttype::kSide) optKyljelaud.setValue(true);
    }
    for (TextBox* t : {&txtDimPaksus, &txtDimLaius, &txtSaagPaksus, &txtSaagLaius}) {
        t->setText("");
    }
    for (int k = 1; k <= productrow::kQualities; ++k) {
        txtQualShare(k).setText("");
        txtQualPrice(k).setText("");
    }
    txtDimNiiskus.setText("");
    txtComment.setText("");
    optKyljelaud.setValue(true);
    optSeimrilaud.setValue(true);
    optSydmat.setValue(true);
}

// Replaces the picked product (found by its row) with the fields' product. The new row takes
// its place in text order and becomes the picked product, so a second change replaces it.
void frmMain::cmdMuudaDim_Click() {
    const std::string picked = txtvalitudristloige.text();
    const auto refuseNoPick = [this] {
        runtime::msgBox(bilingual(*this, "Esmalt valige toode, mida soovite muuta!",
                                  "Please choose product you want to change!"),
                        mb::kInformation, "Info");
    };
    if (picked.empty()) {
        refuseNoPick();
        return;
    }
    if (refuseInvalidQualities()) return;
    const std::optional<std::string> row = editedProductRow();
    if (!row || !productListFileName(Tootetyyp)) return;

    const int oldRow = pickedEditorRow();
    if (oldRow < 0) {
        refuseNoPick();
        return;
    }
    lstTootedDim.removeItem(oldRow);
    lstTootedDim.addItem(*row);
    if (!saveEditorList()) return;
    const int newRow = lastRowWithText(lstTootedDim, *row);
    txtvalitudristloige.setText(*row);
    lblvalitudindex.setCaption(std::to_string(newRow));
    markEditorRow(newRow);

    if (Tootetyyp == producttype::kCentre) {
        showPickerType(optSydmat);
    } else if (Tootetyyp == producttype::kEdger) {
        showPickerType(optSeimrilaud);
    } else {
        optSydmat.setValue(true);
        optKyljelaud.setValue(true);
        showPickerType(optSeimrilaud);
    }
}

// The picker's list is read afresh even when it already shows the type.
void frmMain::showPickerType(OptionButton& option) {
    if (option.value()) {
        option.Click.raise();
    } else {
        option.setValue(true);
    }
}

}  // namespace lumbrix
