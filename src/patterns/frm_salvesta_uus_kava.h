#pragma once

#include <string>

#include "patterns/pattern_file.h"
#include "platform/controls.h"

namespace lumbrix {

class Application;
class frmMain;

// The save dialog: stores the main window's pattern as a pattern file pair under a name
// that the planner types or picks, in a folder the planner browses. It takes its working
// copy of the pattern when it loads, and can propose a name (the AutoName setting).
// Loaded and never shown, it can be driven by setting File1's folder and txtfailinimi and
// pressing cmdSave.
class frmSalvestaUusKava : public Form {
  public:
    explicit frmSalvestaUusKava(Application& app);

    DirListBox Dir1{*this, "Dir1"};
    FileListBox File1{*this, "File1"};
    Label lblSalvestaUuekavanimi{*this, "lblSalvestaUuekavanimi"};
    TextBox txtfailinimi{*this, "txtfailinimi"};
    CommandButton cmdSave{*this, "cmdSave"};
    CommandButton cmdTagasi{*this, "cmdTagasi"};
    CheckBox chkAutoName{*this, "chkAutoName"};

    // The working copy of the pattern, taken from the main window when the dialog loads.
    PatternFile kava;

    void Form_Load();
    void kava_andmed();
    void Lae_keel();
    void cmdSave_Click();
    void cmdTagasi_Click();
    void Dir1_Change();
    void File1_Click();

    // True once a save has written the pair (the dialog then unloads itself).
    bool saved() const { return saved_; }
    // Shows why a save failed, in the dialog's own error box.
    void reportFailedSave(int number, const std::string& description) const;

  private:
    frmMain& main() const;
    // The proposed name: profile_diameter_first 14 characters of the first centre row_countex.
    std::string proposedName();
    void storeAutoName();

    Application& app_;
    bool saved_ = false;
};

// The AutoName setting as stored: "0" (or another spelling of the whole number 0) means
// unticked; any other whole number, and anything that is not one, means ticked.
bool autoNameTicked(const std::string& stored);

}  // namespace lumbrix
