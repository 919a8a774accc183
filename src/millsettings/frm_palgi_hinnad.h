#pragma once

#include <string>

#include "platform/controls.h"

namespace lumbrix {

class Application;
class frmMain;

// The log price editor: the current profile's log price table, one row per top-diameter class
// with its price per m3 and its log pocket. Rows are added, changed and deleted in the list;
// Back writes a changed table to the profile's "logprices" file, starts a new pattern and
// reloads the profile. Shown modally from the main window, or without blocking it by the log
// cost when the profile has no log prices.
class frmPalgiHinnad : public Form {
  public:
    explicit frmPalgiHinnad(Application& app);

    // ---- entries (the pocket first in the keyboard order) and commands
    TextBox txtpalgitasku{*this, "txtpalgitasku"};
    TextBox txtMinDiameeter{*this, "txtMinDiameeter"};
    TextBox txtMaxDiameeter{*this, "txtMaxDiameeter"};
    TextBox txtHind{*this, "txtHind"};
    CommandButton cmdLisaHind{*this, "cmdLisaHind"};
    CommandButton cmdMuuda{*this, "cmdMuuda"};
    CommandButton cmdKustuta{*this, "cmdKustuta"};
    CommandButton cmdNew{*this, "cmdNew"};
    CommandButton cmdTagasi{*this, "cmdTagasi"};
    ListBox lstPalgiHinnad{*this, "lstPalgiHinnad"};  // sorted log price rows
    Label lblPalgihinnadLabelPalgiTasku{*this, "lblPalgihinnadLabelPalgiTasku"};
    Label lblPalgihinnadLabelMinDiam{*this, "lblPalgihinnadLabelMinDiam"};
    Label lblPalgihinnadLabelMaxDiam{*this, "lblPalgihinnadLabelMaxDiam"};
    Label lblPalgihinnadLabelHind{*this, "lblPalgihinnadLabelHind"};

    // ---- hidden working state, all text
    Label lblerror{*this, "lblerror"};                // "1": the last entries were refused
    Label lblchanged{*this, "lblchanged"};            // "1": the table changed since opening
    Label lblvalitudindex{*this, "lblvalitudindex"};  // index of the row clicked last, or ""
    Label lblexitmessage{*this, "lblexitmessage"};    // warning before a pattern is cleared
    TextBox txtvalitud{*this, "txtvalitud"};          // the row clicked last

    // ---- the delete button's pop-up menu
    Menu mnuKustuta{*this, "mnuKustuta"};
    Menu mnuKustutaValitud{*this, "mnuKustutaValitud", &mnuKustuta};
    Menu mnuKustutaKoik{*this, "mnuKustutaKoik", &mnuKustuta};

    void Form_Load();
    void cmdLisaHind_Click();
    void cmdMuuda_Click();
    void cmdNew_Click();
    void cmdKustuta_Click();
    void cmdTagasi_Click();
    void lstPalgiHinnad_Click();
    void mnuKustutaValitud_Click();
    void mnuKustutaKoik_Click();
    // Digits and Backspace pass (the price also takes the point); anything else beeps.
    void wholeNumber_KeyPress(int& keyAscii);
    void txtHind_KeyPress(int& keyAscii);

    // Brings the diameters and the price to the row's widths in their fields, checks the
    // pocket and builds the row (buildLogPriceRow), telling the planner which entry it cannot
    // hold; sets lblerror.
    void Sobita_sisestus();
    // The back button reads "Salvesta" / "Save" once the table has changed.
    void Uuenda_muudatus();
    // Captions from the language file's section "PH".
    void Lae_keel();

  private:
    void layOutControls();
    void connectHandlers();
    // Sets an entry's text as the program, past the paste guard.
    void setEntry(TextBox& entry, const std::string& text);
    // Empties the four entries.
    void emptyEntries();
    // Empties the four entries and forgets the clicked row.
    void clearEntries();
    void markChanged();
    frmMain& main() const;

    Application& app_;
    bool programWrites_ = false;
    std::string enteredRow_;  // the row Sobita_sisestus built from the entries last
};

// Opens the log price editor over `owner`, modally. When the editor is already open without
// blocking (the log cost opened it), that window is brought to the front instead.
void showLogPriceEditor(Application& app, Form& owner);

}  // namespace lumbrix
