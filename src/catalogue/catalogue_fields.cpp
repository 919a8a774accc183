// The catalogue editor's input fields: which keys each takes, the width limit, the oversize
// scroll bar with its default moisture, and the price fields' focus rule.
#include "localisation/message_language.h"
#include "mainwindow/frm_main.h"
#include "store/numbers.h"

namespace lumbrix {

namespace {

constexpr int kBackspace = 8;
constexpr int kEnter = 13;
constexpr double kWidestProduct = 400;  // mm

// The moisture (%) that goes with an oversize (%), or none when the oversize names none.
const char* moistureForOversize(double oversize) {
    if (oversize == 3) return "18";
    if (oversize == 5) return "12";
    if (oversize == 6) return "10";
    if (oversize == 7) return "08";
    return nullptr;
}

}  // namespace

void frmMain::filterKey(int& keyAscii, const std::string& extra) {
    const bool digit = keyAscii >= '0' && keyAscii <= '9';
    const bool listed = keyAscii > 0 && keyAscii < 128 &&
                        extra.find(static_cast<char>(keyAscii)) != std::string::npos;
    if (digit || keyAscii == kBackspace || listed) return;
    runtime::desktop().beep();
    keyAscii = 0;
}

void frmMain::txtDimPaksus_KeyPress(int& keyAscii) {
    filterKey(keyAscii, "");
}

// Enter computes the sawing sizes and goes on to the first share.
void frmMain::txtDimLaius_KeyPress(int& keyAscii) {
    if (keyAscii == kEnter) {
        keyAscii = 0;
        cmdArvuta_Click();
        txtQual1Share.setFocus();
        return;
    }
    filterKey(keyAscii, ".");
}

// A new width needs new sawing sizes before the product can be stored.
void frmMain::txtDimLaius_Change() {
    if (Val(txtDimLaius.text()) > kWidestProduct) {
        runtime::msgBox(
            bilingual(*this, "Laius ei saa ületada 400mm!", "Wideness can't exceed 400mm"),
            mb::kInformation, bilingual(*this, "Viga!", "Error!"));
        return;
    }
    cmdLisaDim.setEnabled(false);
    cmdMuudaDim.setEnabled(false);
    cmdKustutaDim.setEnabled(false);
}

void frmMain::txtDimNiiskus_KeyPress(int& keyAscii) {
    filterKey(keyAscii, "");
}

void frmMain::decimalField_KeyPress(int& keyAscii) {
    filterKey(keyAscii, ".,");
}

void frmMain::txtYlemoot_Change() {
    cmdLisaDim.setEnabled(false);
    cmdMuudaDim.setEnabled(false);
    cmdKustutaDim.setEnabled(false);
}

void frmMain::VScroll1_Change() {
    txtYlemoot.setText(std::to_string(VScroll1.value()));
    if (const char* moisture = moistureForOversize(Val(txtYlemoot.text()))) {
        txtDimNiiskus.setText(moisture);
    }
}

// A price field that shows no price is emptied for typing.
void frmMain::txtQualPrice_GotFocus(TextBox& field) {
    if (field.text() == "0.000") field.setText("");
}

}  // namespace lumbrix
