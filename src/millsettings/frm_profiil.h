#pragma once

#include <string>

#include "platform/atomic_file.h"
#include "platform/controls.h"

namespace lumbrix {

class Application;
class VbError;
class frmMain;

// The profiles dialog: lists the profiles (their NAME.set files in the database folder) and
// uses one (optionally as the default at start), deletes one, saves the current settings into
// the current profile, or saves them as a new profile.
class frmProfiil : public Form {
  public:
    explicit frmProfiil(Application& app);

    FileListBox Filelist{*this, "Filelist"};
    TextBox txtfailinimi{*this, "txtfailinimi"};  // the chosen profile; shown, not editable
    CheckBox chkMaaraVaikimisiProfiiliks{*this, "chkMaaraVaikimisiProfiiliks"};
    CommandButton cmdLae{*this, "cmdLae"};
    CommandButton cmdKustuta{*this, "cmdKustuta"};
    CommandButton cmdUus{*this, "cmdUus"};
    CommandButton cmdSalvesta{*this, "cmdSalvesta"};
    CommandButton cmdTagasi{*this, "cmdTagasi"};
    Frame fraUusProfiil{*this, "fraUusProfiil"};  // shown while saving as a new profile
    Label lblNewProfile{*this, "lblNewProfile"};
    TextBox txtUueProfiiliNimi{*this, "txtUueProfiiliNimi"};
    TextBox txtaeg{*this, "txtaeg"};  // hidden: the date and time of the save being made

    void Form_Load();
    void Filelist_Click();
    void cmdLae_Click();
    void cmdKustuta_Click();
    void cmdUus_Click();
    void cmdSalvesta_Click();
    void cmdTagasi_Click();
    // Writes the store's settings into the settings file of the profile `name`; the result
    // says why when it could not.
    FileResult Salvesta_seaded(const std::string& name);
    // Captions from the language file's section "PR".
    void Lae_keel();

  private:
    void layOutControls();
    void connectHandlers();
    // True, after telling the planner, when `name` cannot be a profile's folder name.
    bool refuseProfileName(const std::string& name);
    // True when the profile `name` exists (its marker or its folder) and the planner, asked,
    // does not want its settings replaced.
    bool replacingIsRefused(const std::string& name);
    // Creates the profile's folder when missing, writes its NAME.set file and its settings;
    // the first failure stops it and is returned.
    FileResult saveProfile(const std::string& name);
    // Shows the "number - description" box of a failure in the message language, under
    // `title`; a failed write names its file and reason.
    void showFileErrorBox(const VbError& error, const std::string& title) const;
    void showFileErrorBox(const FileResult& failure, const std::string& title) const;
    frmMain& main() const;

    Application& app_;
    std::string ownCaption_;  // the window caption from the language file
};

}  // namespace lumbrix
