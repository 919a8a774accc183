#pragma once

#include <string>

#include "platform/controls.h"

namespace lumbrix {

class Application;

// The per-user settings of the start-up dialog.
namespace languagechoice {
// "1": start without the dialog and apply DefaultLanguage.
inline constexpr const char* kShowLanguageBox = "ShowLanguageBox";
// The file name of the language applied at start when the dialog is skipped.
inline constexpr const char* kDefaultLanguage = "DefaultLanguage";
inline constexpr const char* kDefaultLanguageAtStart = "eesti.keel";
// The language file whose name selects the Estonian texts.
inline constexpr const char* kEstonianFile = "eesti.keel";
}  // namespace languagechoice

// The start-up language dialog, the program's first window: it lists the language files, lets
// the planner pick one (and remember it), applies it to the main window, which loads on the
// way, and then shows the main window. When the planner asked not to see it again it applies
// the remembered file at once and is never shown.
class frmKeeleValik : public Form {
  public:
    explicit frmKeeleValik(Application& app);

    FileListBox File1{*this, "File1"};
    CheckBox chkSkipNextTime{*this, "chkSkipNextTime"};
    CommandButton cmdOK{*this, "cmdOK"};
    CommandButton cmdCancel{*this, "cmdCancel"};
    Label Label1{*this, "Label1"};
    Label lblVaikimisiKeelePath{*this, "lblVaikimisiKeelePath"};

    void Form_Load();
    void Form_QueryUnload(int& cancel, int mode);
    void File1_Click();
    void cmdOK_Click();
    void cmdCancel_Click();

    // Applies the selected file of File1 to the main window, the store and the 3D view.
    void Lae_keelefail();

  private:
    // Applies the language and shows the main window in place of this dialog.
    void startMainWindow();

    Application& app_;
};

// The program's start: loads the language dialog, which either starts the main window at once
// or is shown and waits for the planner.
void startProgram(Application& app);

}  // namespace lumbrix
