#pragma once

#include "calculation/centre_suggestion.h"
#include "platform/controls.h"

namespace lumbrix {

class Application;
class frmMain;

// The centre-board suggestion dialog: the planner steps the log's top diameter, the number of
// centre boards and their oversize, and sees at once the nominal and the sawn cross-section of
// the boards that fill the square inscribed in the log. Show pattern writes that many boards
// into the main window's centre list and lets the main window fit the log and recompute.
// Shown modally by the main window's Suggest command; every opening starts from the design
// values and the main window's diameter.
class frmSoovita : public Form {
  public:
    explicit frmSoovita(Application& app);

    Label lblSoovitaPalgiDiam{*this, "lblSoovitaPalgiDiam"};
    Label lblPalgiDiameeter{*this, "lblPalgiDiameeter"};
    CommandButton cmdPalkMiinus{*this, "cmdPalkMiinus"};
    CommandButton cmdPalkPluss{*this, "cmdPalkPluss"};
    Label lblSoovitaExLog{*this, "lblSoovitaExLog"};
    TextBox txtExLog{*this, "txtExLog"};
    CommandButton cmdExLogMiinus{*this, "cmdExLogMiinus"};
    CommandButton cmdExLogPluss{*this, "cmdExLogPluss"};
    Label lblSoovitaSydMat{*this, "lblSoovitaSydMat"};
    TextBox txtYlemoot{*this, "txtYlemoot"};
    CommandButton cmdYlemootMiinus{*this, "cmdYlemootMiinus"};
    CommandButton cmdYlemootPluss{*this, "cmdYlemootPluss"};
    Label lblSoovitaSoovitus{*this, "lblSoovitaSoovitus"};
    Label lblParimRistloige{*this, "lblParimRistloige"};          // nominal t x w
    Label lblparimristloigesaag{*this, "lblparimristloigesaag"};  // sawn T x W
    CommandButton cmdJoonistaKava{*this, "cmdJoonistaKava"};
    CommandButton cmdTagasi{*this, "cmdTagasi"};
    CommandButton cmdHelp_sugest{*this, "cmdHelp_sugest"};

    void Form_Load();
    // Puts the current language file's captions on the dialog's labels and buttons.
    void Lae_keel();
    // Computes the suggestion from the fields and shows it. The count and the oversize are
    // kept within their ranges and the fields show the values used.
    void Arvuta_soovitus();

    void cmdPalkMiinus_Click();
    void cmdPalkPluss_Click();
    void cmdExLogMiinus_Click();
    void cmdExLogPluss_Click();
    void cmdYlemootMiinus_Click();
    void cmdYlemootPluss_Click();
    void cmdJoonistaKava_Click();
    void cmdTagasi_Click();
    void cmdHelp_sugest_Click();

  private:
    frmMain& main() const;
    void layOutControls();
    void connectHandlers();
    // Steps the diameter by `step` when it stays within the range; then recomputes.
    void stepDiameter(double step);
    void stepBoardCount(int step);
    void stepOversize(double step);
    // The suggestion can become rows of the centre list: boards with a thickness and a width,
    // sizes that fill their columns, and a diameter that the main window's drawing takes.
    bool canShowPattern() const;

    Application& app_;
    CentreSuggestion suggestion_;
    int boardCount_ = suggestion::kDesignBoards;
};

}  // namespace lumbrix
