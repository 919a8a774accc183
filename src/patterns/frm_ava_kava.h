#pragma once

#include "platform/controls.h"

namespace lumbrix {

class Application;
class frmMain;

// The open dialog: browses drives and folders for pattern files, opens one into the main
// window or deletes one. Loaded and never shown, it can be driven by setting File1's folder,
// selecting an entry and pressing cmdAvaKava.
class frmAvaKava : public Form {
  public:
    explicit frmAvaKava(Application& app);

    DriveListBox Drive1{*this, "Drive1"};
    DirListBox Dir1{*this, "Dir1"};
    FileListBox File1{*this, "File1"};
    Label lblAvaKavaSaekavaNimi{*this, "lblAvaKavaSaekavaNimi"};
    TextBox txtfailinimi{*this, "txtfailinimi"};
    CommandButton cmdAvaKava{*this, "cmdAvaKava"};
    CommandButton cmdKavadeKaust{*this, "cmdKavadeKaust"};
    CommandButton cmdKustutaKava{*this, "cmdKustutaKava"};
    LineControl Line1{*this, "Line1"};
    LineControl Line2{*this, "Line2"};
    CommandButton cmdTyhista{*this, "cmdTyhista"};

    void Form_Load();
    void Lae_keel();
    void Drive1_Change();
    void Dir1_Change();
    void File1_Click();
    void File1_DblClick();
    void cmdKavadeKaust_Click();
    void cmdAvaKava_Click();
    void cmdKustutaKava_Click();
    void cmdTyhista_Click();

    // True once a pattern has been read into the main window (the dialog then unloads).
    bool opened() const { return opened_; }

  private:
    frmMain& main() const;
    // Moves the lists to the patterns folder; false when it does not exist.
    bool goToPatternsFolder();
    // The chosen entry of File1 when it is a regular file; empty otherwise.
    std::string chosenFile() const;

    Application& app_;
    bool opened_ = false;
};

}  // namespace lumbrix
