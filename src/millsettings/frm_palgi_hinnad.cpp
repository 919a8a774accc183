#include "millsettings/frm_palgi_hinnad.h"

#include "app/application.h"
#include "localisation/dialog_captions.h"
#include "localisation/message_language.h"
#include "mainwindow/frm_main.h"
#include "millsettings/log_price_row.h"
#include "millsettings/log_prices.h"
#include "millsettings/paste_guard.h"
#include "millsettings/profile_problems.h"
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
    // A paste that brings a character the key filter drops is refused whole, with the
    // filter's beep: "45,5" must not become the price 45.
    for (TextBox* wholeNumber : {&txtpalgitasku, &txtMinDiameeter, &txtMaxDiameeter})
        guardAgainstPaste(*wholeNumber, KeyRule::Digits, programWrites_, app_.desktop());
    guardAgainstPaste(txtHind, KeyRule::DigitsPoint, programWrites_, app_.desktop());
}

frmMain& frmPalgiHinnad::main() const {
    return app_.window<frmMain>();
}

void frmPalgiHinnad::Form_Load() {
    // A file that cannot be read opens an empty table, and the planner is told which file and
    // why, as the main window's list tells it.
    const SavedListRead read = appendLogPriceRows(main(), lstPalgiHinnad);
    if (!read.ok()) {
        lstPalgiHinnad.clear();
        reportLogPriceFileProblem(main(), read);
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
    enteredRow_.clear();
    for (TextBox* diameter : {&txtMinDiameeter, &txtMaxDiameeter}) {
        if (auto text = logPriceDiameterText(diameter->text())) setEntry(*diameter, *text);
    }
    if (auto price = logPriceText(txtHind.text())) setEntry(txtHind, *price);

    const frmMain& m = main();
    if (txtpalgitasku.text().empty()) {
        runtime::msgBox(
            bilingual(m, "Palgitasku tunnus sisestamata!", "Log pocket identifier missing!"),
            mb::kCritical, kMessageTitle);
        lblerror.setCaption("1");
        txtpalgitasku.setFocus();
        return;
    }
    // The row as it is stored, or the entry that the row cannot hold.
    const LogPriceRowBuild built =
        buildLogPriceRow(txtMinDiameeter.text(), txtMaxDiameeter.text(),
                         Replace(txtHind.text(), ",", "."), txtpalgitasku.text());
    if (!built.ok()) {
        const struct {
            LogPriceEntry entry;
            TextBox& field;
            const char *estonian, *english;
        } refusals[] = {
            {LogPriceEntry::Minimum, txtMinDiameeter, "Läbimõõt peab olema kuni kolmekohaline!",
             "The diameter must have at most three digits!"},
            {LogPriceEntry::Maximum, txtMaxDiameeter, "Läbimõõt peab olema kuni kolmekohaline!",
             "The diameter must have at most three digits!"},
            // The row's price column holds five characters: 999.9 is the highest price.
            {LogPriceEntry::Price, txtHind, "Palgi hind peab olema väiksem kui 1000!",
             "Log price must be less than 1000!"},
            {LogPriceEntry::Pocket, txtpalgitasku,
             "Palgitasku tunnus peab olema ühe- kuni kolmekohaline number!",
             "Log pocket identifier must be a number of one to three digits!"},
        };
        for (const auto& r : refusals) {
            if (r.entry != built.refused) continue;
            runtime::msgBox(bilingual(m, r.estonian, r.english), mb::kCritical, kMessageTitle);
            r.field.setFocus();
        }
        lblerror.setCaption("1");
        return;
    }
    enteredRow_ = built.row;
    lblerror.setCaption("0");
}

void frmPalgiHinnad::Uuenda_muudatus() {
    if (lblchanged.caption() == "1") cmdTagasi.setCaption(bilingual(main(), "Salvesta", "Save"));
}

void frmPalgiHinnad::setEntry(TextBox& entry, const std::string& text) {
    programWrites_ = true;
    entry.setText(text);
    programWrites_ = false;
}

void frmPalgiHinnad::emptyEntries() {
    for (TextBox* entry : {&txtpalgitasku, &txtMinDiameeter, &txtMaxDiameeter, &txtHind})
        setEntry(*entry, "");
}

void frmPalgiHinnad::clearEntries() {
    emptyEntries();
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
    lstPalgiHinnad.addItem(enteredRow_);
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
    lstPalgiHinnad.addItem(enteredRow_);
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
    setEntry(txtMinDiameeter, Left(Mid(text, 1, 5), 3));
    setEntry(txtMaxDiameeter, Left(Mid(text, 7, 5), 3));
    setEntry(txtHind, Mid(text, 12, 5));
    setEntry(txtpalgitasku, Mid(text, 19, 3));
    lblvalitudindex.setCaption(std::to_string(row));
    cmdMuuda.setEnabled(true);
    cmdKustuta.setEnabled(true);
}

void frmPalgiHinnad::cmdNew_Click() {
    emptyEntries();
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
    emptyEntries();
    markChanged();
}

void frmPalgiHinnad::cmdTagasi_Click() {
    frmMain& m = main();
    const bool changed = lblchanged.caption() == "1";
    if (changed) {
        if (m.lstSyda.listCount() > 0) {
            runtime::msgBox(lblexitmessage.caption(), mb::kExclamation | mb::kOkOnly, "LUMBRIX");
        }
        // A table that was not written keeps the editor open with the planner's rows; the
        // file keeps its old rows and the pattern stays, which the box says after the warning.
        const FileResult saved = saveLogPriceRows(m, lstPalgiHinnad);
        if (!saved) {
            runtime::msgBox(
                bilingual(
                    m, "Palgihindu ei saanud salvestada: ", "The log prices could not be saved: ") +
                    fileFailureText(m, saved) +
                    bilingual(m, ". Kava jääb alles ja palgihinnad jäävad redaktorisse.",
                              ". The pattern stays open and the log prices stay in the editor."),
                mb::kCritical, kMessageTitle);
            return;
        }
        m.cmdUusKava.press();
    }
    m.cmdLaeprofiil.press();
    unload();
    // A pattern that stays (the planner cancelled the save question) shows the figures of the
    // prices just saved. Without centre boards there is nothing to recompute (the update would
    // reset the pattern); without a change the figures stand.
    if (changed && m.lstSyda.listCount() > 0) m.uuenda_materjalid();
}

void showLogPriceEditor(Application& app, Form& owner) {
    if (frmPalgiHinnad* open = app.loadedWindow<frmPalgiHinnad>(); open && open->visible()) {
        open->show();  // brings the open editor to the front
        return;
    }
    app.window<frmPalgiHinnad>().showModal(&owner);
}

}  // namespace lumbrix
