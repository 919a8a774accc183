#include "millsettings/frm_palgi_hinnad.h"

#include "app/application.h"
#include "localisation/dialog_captions.h"
#include "localisation/message_language.h"
#include "mainwindow/frm_main.h"
#include "millsettings/log_price_row.h"
#include "millsettings/log_prices.h"
#include "platform/text.h"
#include "store/numbers.h"

namespace lumbrix {

namespace {

constexpr int kBackspace = 8;
constexpr int kPoint = '.';
constexpr const char* kMessageTitle = "Lumbrix";
const Font kRowFont{"Courier New", 8};

bool isDigit(int key) {
    return key >= '0' && key <= '9';
}

}  // namespace

frmPalgiHinnad::frmPalgiHinnad(Application& app) : Form("frmPalgiHinnad"), app_(app) {
    layOutControls();
    connectHandlers();
}

void frmPalgiHinnad::layOutControls() {
    setCaption("LUMBRIX - Log prices");
    move(0, 0, 6900, 5100);
    setFixedSize(true);

    lstPalgiHinnad.setSorted(true);
    lstPalgiHinnad.setFont(kRowFont);
    lstPalgiHinnad.move(120, 120, 3150, 4320);

    const struct {
        Label& label;
        TextBox& entry;
        const char* caption;
        int maxLength;
    } entries[] = {
        {lblPalgihinnadLabelPalgiTasku, txtpalgitasku, "Log pocket", 3},
        {lblPalgihinnadLabelMinDiam, txtMinDiameeter, "Min. top diameter, mm", 3},
        {lblPalgihinnadLabelMaxDiam, txtMaxDiameeter, "Max. top diameter, mm", 3},
        {lblPalgihinnadLabelHind, txtHind, "Price per m3", 0},
    };
    double top = 150;
    for (const auto& e : entries) {
        e.label.move(3450, top + 30, 2100, 255);
        e.label.setCaption(e.caption);
        e.entry.move(5640, top, 1020, 300);
        e.entry.setMaxLength(e.maxLength);
        e.entry.setAlignment(Alignment::Center);
        top += 420;
    }

    const struct {
        CommandButton& button;
        const char* caption;
        double left, top;
    } buttons[] = {
        {cmdLisaHind, "Add", 3450, 1950},   {cmdMuuda, "Change", 5160, 1950},
        {cmdKustuta, "Delete", 3450, 2430}, {cmdNew, "New", 5160, 2430},
        {cmdTagasi, "Back", 5160, 3990},
    };
    for (const auto& b : buttons) {
        b.button.move(b.left, b.top, 1500, 405);
        b.button.setCaption(b.caption);
    }
    cmdMuuda.setEnabled(false);
    cmdKustuta.setEnabled(false);

    // The working state sits below the visible area, hidden.
    for (Label* hidden : {&lblerror, &lblchanged, &lblvalitudindex, &lblexitmessage}) {
        hidden->move(120, 5400, 1000, 255);
        hidden->setVisible(false);
    }
    txtvalitud.move(120, 5400, 1000, 300);
    txtvalitud.setVisible(false);
    lblerror.setCaption("0");
    lblchanged.setCaption("0");
    lblexitmessage.setCaption(
        "The log prices have changed: the pattern in the editor is closed and a new one begins.");

    mnuKustuta.setVisible(false);
    mnuKustuta.setCaption("Delete");
    mnuKustutaValitud.setCaption("Selected");
    mnuKustutaKoik.setCaption("All");
}

void frmPalgiHinnad::connectHandlers() {
    Load.connect([this] { Form_Load(); });
    cmdLisaHind.Click.connect([this] { cmdLisaHind_Click(); });
    cmdMuuda.Click.connect([this] { cmdMuuda_Click(); });
    cmdNew.Click.connect([this] { cmdNew_Click(); });
    cmdKustuta.Click.connect([this] { cmdKustuta_Click(); });
    cmdTagasi.Click.connect([this] { cmdTagasi_Click(); });
    lstPalgiHinnad.Click.connect([this] { lstPalgiHinnad_Click(); });
    mnuKustutaValitud.Click.connect([this] { mnuKustutaValitud_Click(); });
    mnuKustutaKoik.Click.connect([this] { mnuKustutaKoik_Click(); });
    for (TextBox* wholeNumber : {&txtpalgitasku, &txtMinDiameeter, &txtMaxDiameeter}) {
        wholeNumber->KeyPress.connect([this](int& key) { wholeNumber_KeyPress(key); });
    }
    txtHind.KeyPress.connect([this](int& key) { txtHind_KeyPress(key); });
}

frmMain& frmPalgiHinnad::main() const {
    return app_.window<frmMain>();
}

void frmPalgiHinnad::Form_Load() {
    // A file that cannot be read opens an empty table, and the planner is told why.
    const SavedListRead read = appendLogPriceRows(main(), lstPalgiHinnad);
    if (!read.ok()) {
        lstPalgiHinnad.clear();
        runtime::msgBox(kInvalidLogPricesMessage, mb::kCritical, kLogPricesFileErrorTitle);
    }
    Lae_keel();
}

void frmPalgiHinnad::Lae_keel() {
    loadDialogCaptions(app_, *this, dialogcaptions::kPalgiHinnad);
}

void frmPalgiHinnad::wholeNumber_KeyPress(int& keyAscii) {
    if (isDigit(keyAscii) || keyAscii == kBackspace) return;
    app_.desktop().beep();
    keyAscii = 0;
}

void frmPalgiHinnad::txtHind_KeyPress(int& keyAscii) {
    if (keyAscii == kPoint) return;
    wholeNumber_KeyPress(keyAscii);
}

void frmPalgiHinnad::Sobita_sisestus() {
    for (TextBox* diameter : {&txtMinDiameeter, &txtMaxDiameeter}) {
        if (auto text = logPriceDiameterText(diameter->text())) diameter->setText(*text);
    }
    const std::optional<std::string> price = logPriceText(txtHind.text());
    if (price) txtHind.setText(*price);

    const frmMain& m = main();
    if (txtpalgitasku.text().empty()) {
        runtime::msgBox(
            bilingual(m, "Palgitasku tunnus sisestamata!", "Log pocket identifier missing!"),
            mb::kCritical, kMessageTitle);
        lblerror.setCaption("1");
        txtpalgitasku.setFocus();
        return;
    }
    // The row's price column holds five characters: 999.9 is the highest price it takes.
    if (!price) {
        runtime::msgBox(bilingual(m, "Palgi hind peab olema väiksem kui 1000!",
                                  "Log price must be less than 1000!"),
                        mb::kCritical, kMessageTitle);
        lblerror.setCaption("1");
        txtHind.setFocus();
        return;
    }
    lblerror.setCaption("0");
}

void frmPalgiHinnad::Uuenda_muudatus() {
    if (lblchanged.caption() == "1") cmdTagasi.setCaption(bilingual(main(), "Salvesta", "Save"));
}

void frmPalgiHinnad::addEnteredRow() {
    lstPalgiHinnad.addItem(composeLogPriceRow(txtMinDiameeter.text(), txtMaxDiameeter.text(),
                                              Replace(txtHind.text(), ",", "."),
                                              txtpalgitasku.text()));
}

void frmPalgiHinnad::clearEntries() {
    for (TextBox* entry : {&txtpalgitasku, &txtMinDiameeter, &txtMaxDiameeter, &txtHind})
        entry->setText("");
    lblvalitudindex.setCaption("");
}

void frmPalgiHinnad::markChanged() {
    lblerror.setCaption("0");
    lblchanged.setCaption("1");
    Uuenda_muudatus();
}

void frmPalgiHinnad::cmdLisaHind_Click() {
    Sobita_sisestus();
    if (lblerror.caption() != "0") return;
    addEnteredRow();
    clearEntries();
    txtMinDiameeter.setFocus();
    markChanged();
}

void frmPalgiHinnad::cmdMuuda_Click() {
    Sobita_sisestus();
    if (lblerror.caption() != "0") return;
    const std::string& remembered = lblvalitudindex.caption();
    if (remembered.empty()) return;
    const int row = static_cast<int>(Val(remembered));
    if (row < 0 || row >= lstPalgiHinnad.listCount()) return;
    lstPalgiHinnad.removeItem(row);
    addEnteredRow();
    clearEntries();
    txtMinDiameeter.setFocus();
    markChanged();
}

void frmPalgiHinnad::lstPalgiHinnad_Click() {
    const int row = lstPalgiHinnad.listIndex();
    if (row < 0) return;
    const std::string text = lstPalgiHinnad.list(row);
    txtvalitud.setText(text);
    // Columns 1-5 and 7-11, of which the diameter fields keep their three characters.
    txtMinDiameeter.setText(Left(Mid(text, 1, 5), 3));
    txtMaxDiameeter.setText(Left(Mid(text, 7, 5), 3));
    txtHind.setText(Mid(text, 12, 5));
    txtpalgitasku.setText(Mid(text, 19, 3));
    lblvalitudindex.setCaption(std::to_string(row));
    cmdMuuda.setEnabled(true);
    cmdKustuta.setEnabled(true);
}

void frmPalgiHinnad::cmdNew_Click() {
    for (TextBox* entry : {&txtpalgitasku, &txtMinDiameeter, &txtMaxDiameeter, &txtHind})
        entry->setText("");
    txtpalgitasku.setFocus();
}

void frmPalgiHinnad::cmdKustuta_Click() {
    popupMenuBelow(mnuKustuta, cmdKustuta);
}

void frmPalgiHinnad::mnuKustutaValitud_Click() {
    const int row = lstPalgiHinnad.listIndex();
    if (row < 0) return;
    lstPalgiHinnad.removeItem(row);
    clearEntries();
    markChanged();
}

void frmPalgiHinnad::mnuKustutaKoik_Click() {
    lstPalgiHinnad.clear();
    for (TextBox* entry : {&txtpalgitasku, &txtMinDiameeter, &txtMaxDiameeter, &txtHind})
        entry->setText("");
    markChanged();
}

void frmPalgiHinnad::cmdTagasi_Click() {
    frmMain& m = main();
    if (lblchanged.caption() == "1") {
        if (m.lstSyda.listCount() > 0) {
            runtime::msgBox(lblexitmessage.caption(), mb::kExclamation | mb::kOkOnly, "LUMBRIX");
        }
        // A table that was not written keeps the editor open with the planner's rows; the
        // file keeps its old rows and the pattern stays.
        const FileResult saved = saveLogPriceRows(m, lstPalgiHinnad);
        if (!saved) {
            runtime::msgBox(bilingual(m, "Palgihindu ei saanud salvestada: ",
                                      "The log prices could not be saved: ") +
                                saved.reason,
                            mb::kCritical, kMessageTitle);
            return;
        }
        m.cmdUusKava.press();
    }
    m.cmdLaeprofiil.press();
    unload();
}

void showLogPriceEditor(Application& app, Form& owner) {
    if (frmPalgiHinnad* open = app.loadedWindow<frmPalgiHinnad>(); open && open->visible()) {
        open->show();  // brings the open editor to the front
        return;
    }
    app.window<frmPalgiHinnad>().showModal(&owner);
}

}  // namespace lumbrix
