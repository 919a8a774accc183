#pragma once

#include "platform/controls.h"

namespace lumbrix {

class Application;
class frmMain;

// The monthly production volume dialog: changes the one figure that the per-m3 production and
// depreciation costs divide by, in the current profile's settings file and in the store, and
// has the pattern recomputed with the new costs.
class frmKuludeMuutmine : public Form {
  public:
    explicit frmKuludeMuutmine(Application& app);

    TextBox txtKuineTootmismaht{*this, "txtKuineTootmismaht"};  // m3 per month
    CommandButton cmdOK{*this, "cmdOK"};
    CommandButton cmdHelp_ProductionVolume{*this, "cmdHelp_ProductionVolume"};

    void Form_Load();
    void cmdOK_Click();
    void cmdHelp_ProductionVolume_Click();
    // Digits and Backspace pass; anything else beeps.
    void txtKuineTootmismaht_KeyPress(int& keyAscii);

  private:
    frmMain& main() const;

    Application& app_;
};

}  // namespace lumbrix
