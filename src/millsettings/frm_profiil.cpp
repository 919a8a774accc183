#include "millsettings/frm_profiil.h"

#include "app/application.h"
#include "localisation/dialog_captions.h"
#include "localisation/message_language.h"
#include "mainwindow/frm_main.h"
#include "millsettings/profile_files.h"
#include "millsettings/profile_folder.h"
#include "millsettings/profile_name.h"
#include "millsettings/profile_settings.h"
#include "millsettings/user_preferences.h"
#include "platform/ini_file.h"
#include "platform/text.h"
#include "platform/vb_error.h"

namespace lumbrix {

frmProfiil::frmProfiil(Application& app) : Form("frmProfiil"), app_(app) {
    layOutControls();
    connectHandlers();
}

void frmProfiil::layOutControls() {
    setCaption("Profiles");
    ownCaption_ = caption();
    move(0, 0, 5520, 4740);
    setFixedSize(true);

    Filelist.move(120, 120, 2880, 3060);
    Filelist.setPattern(profilemarker::kPattern);
    txtfailinimi.move(120, 3300, 2880, 300);
    txtfailinimi.setLocked(true);
    chkMaaraVaikimisiProfiiliks.move(120, 3720, 5160, 300);
    chkMaaraVaikimisiProfiiliks.setCaption("Määra vaikimisi profiiliks");

    const struct {
        CommandButton& button;
        const char* caption;
    } buttons[] = {{cmdLae, "Use"},
                   {cmdKustuta, "Delete"},
                   {cmdUus, "New"},
                   {cmdSalvesta, "Save"},
                   {cmdTagasi, "Back"}};
    double top = 120;
    for (const auto& b : buttons) {
        b.button.move(3180, top, 2100, 405);
        b.button.setCaption(b.caption);
        top += 480;
    }
    cmdKustuta.setEnabled(false);

    fraUusProfiil.move(3180, 2580, 2100, 1020);
    fraUusProfiil.setCaption("Save as");
    fraUusProfiil.setVisible(false);
    lblNewProfile.setContainer(&fraUusProfiil);
    lblNewProfile.move(120, 270, 1860, 255);
    lblNewProfile.setCaption("New profile name");
    txtUueProfiiliNimi.setContainer(&fraUusProfiil);
    txtUueProfiiliNimi.move(120, 570, 1860, 300);
    txtUueProfiiliNimi.setMaxLength(20);

    txtaeg.move(120, 4500, 1000, 300);
    txtaeg.setVisible(false);
}

void frmProfiil::connectHandlers() {
    Load.connect([this] { Form_Load(); });
    Filelist.Click.connect([this] { Filelist_Click(); });
    cmdLae.Click.connect([this] { cmdLae_Click(); });
    cmdKustuta.Click.connect([this] { cmdKustuta_Click(); });
    cmdUus.Click.connect([this] { cmdUus_Click(); });
    cmdSalvesta.Click.connect([this] { cmdSalvesta_Click(); });
    cmdTagasi.Click.connect([this] { cmdTagasi_Click(); });
}

frmMain& frmProfiil::main() const {
    return app_.window<frmMain>();
}

void frmProfiil::Lae_keel() {
    loadDialogCaptions(app_, *this, dialogcaptions::kProfiil);
}

void frmProfiil::Form_Load() {
    try {
        Lae_keel();
        ownCaption_ = caption();
        Filelist.setPath(databaseFolder(app_.installFolder()).string());
    } catch (const VbError& e) {
        showFileErrorBox(e, "frmProfiil/formload");
    }
}

void frmProfiil::Filelist_Click() {
    const std::string file = Filelist.fileName();
    if (file.empty()) return;
    const std::string name =
        Right(file, 4) == profilemarker::kExtension ? Left(file, Len(file) - 4) : file;
    txtfailinimi.setText(name);
    // The listed file itself: its name needs no check to be read.
    setCaption(readProfileString(databaseFolder(app_.installFolder()) / file,
                                 profilemarker::kSection, profilemarker::kNameKey, "0"));
    cmdKustuta.setEnabled(true);
    chkMaaraVaikimisiProfiiliks.setValue(
        name == main().lblValitudProfiil.caption() ? checkstate::kChecked : checkstate::kUnchecked);
}

bool frmProfiil::refuseProfileName(const std::string& name) {
    const std::optional<ProfileNameRefusal> why = checkProfileName(name);
    if (!why) return false;
    runtime::msgBox(
        bilingual(main(), "Nimi \"" + name + "\" ei sobi profiili nimeks. " + why->estonian,
                  "The name \"" + name + "\" cannot be a profile name. " + why->english),
        mb::kCritical, "LUMBRIX");
    return true;
}

bool frmProfiil::replacingIsRefused(const std::string& name) {
    const std::filesystem::path& install = app_.installFolder();
    std::error_code ec;
    const bool exists = std::filesystem::exists(profileMarkerPath(install, name), ec) ||
                        std::filesystem::exists(profileFolder(install, name), ec);
    if (!exists) return false;
    frmMain& m = main();
    const MsgResult answer = runtime::msgBox(
        bilingual(m, "Profiil \"" + name + "\" on juba olemas. Kas asendame selle seaded?",
                  "The profile \"" + name + "\" already exists. Replace its settings?"),
        mb::kYesNo, bilingual(m, "Asendame?", "Replace?"));
    return answer != MsgResult::Yes;
}

void frmProfiil::cmdLae_Click() {
    const std::string name = txtfailinimi.text();
    if (name.empty() || refuseProfileName(name)) return;
    frmMain& m = main();
    if (chkMaaraVaikimisiProfiiliks.value() == checkstate::kChecked) {
        const FileResult saved = app_.userSettings().save(preference::kDefaultProfile, name);
        if (!saved) {
            runtime::msgBox(bilingual(m, "Vaikimisi profiili ei saanud meelde jätta: ",
                                      "The default profile could not be remembered: ") +
                                fileFailureText(m, saved),
                            mb::kExclamation, preference::kDefaultProfile);
        }
    }
    m.lblValitudProfiil.setCaption(name);
    hide();  // gone from the screen before the profile's own messages show
    unload();
    m.cmdLaeprofiil.press();
    // The figures on screen follow the new profile's costs and prices. Without centre boards
    // there is nothing to recompute (the update would reset the pattern).
    if (m.lstSyda.listCount() > 0) m.uuenda_materjalid();
}

void frmProfiil::cmdKustuta_Click() {
    const std::string name = txtfailinimi.text();
    const std::string file = Filelist.fileName();
    if (name.empty() || file.empty() || refuseProfileName(name)) return;
    frmMain& m = main();
    // A profile folder holds the mill's settings, log prices and catalogues: ask first.
    const MsgResult answer =
        runtime::msgBox(bilingual(m,
                                  "Kas kustutame profiili \"" + name +
                                      "\" koos selle seadete, palgihindade ja toodetega?",
                                  "Delete the profile \"" + name +
                                      "\" with its settings, log prices and products?"),
                        mb::kYesNo, bilingual(m, "Kustutame?", "Delete?"));
    if (answer != MsgResult::Yes) return;
    try {
        const std::filesystem::path folder(Filelist.path());
        deleteProfileFiles(folder / file, profileFolder(app_.installFolder(), name));
    } catch (const VbError& e) {
        showFileErrorBox(e, "frmProfiil\\cmdKustuta");
    }
    Filelist.refresh();
    txtfailinimi.setText("");
    chkMaaraVaikimisiProfiiliks.setValue(checkstate::kUnchecked);
    cmdKustuta.setEnabled(false);
    setCaption(ownCaption_);  // no longer the name of the profile that was clicked
}

void frmProfiil::cmdUus_Click() {
    fraUusProfiil.setVisible(true);
}

FileResult frmProfiil::saveProfile(const std::string& name) {
    const std::filesystem::path& install = app_.installFolder();
    const std::filesystem::path folder = databaseFolder(install) / name;
    try {
        ensureProfileFolder(profileFolder(install, name));
    } catch (const VbError& e) {
        return FileResult::failure(e.number(), folder, "");
    }
    const FileResult marked = writeProfileString(
        profileMarkerPath(install, name), profilemarker::kSection, profilemarker::kNameKey, name);
    if (!marked) return marked;
    return Salvesta_seaded(name);
}

FileResult frmProfiil::Salvesta_seaded(const std::string& name) {
    const std::filesystem::path file = settingsFilePath(profileFolder(app_.installFolder(), name));
    return writeSettingsFile(file, settingsEntries(main().store(), txtaeg.text()));
}

void frmProfiil::showFileErrorBox(const VbError& error, const std::string& title) const {
    runtime::showErrorBox(error.number(),
                          errorDescription(main(), error.number(), error.description()), title);
}

void frmProfiil::showFileErrorBox(const FileResult& failure, const std::string& title) const {
    if (!messagesInEstonian(main())) return showFileErrorBox(failure.toVbError(), title);
    runtime::showErrorBox(failure.number,
                          VbError::standardDescription(failure.number, true) + " (" +
                              fileFailureText(main(), failure) + ")",
                          title);
}

void frmProfiil::cmdSalvesta_Click() {
    txtaeg.setText(generalDateText(app_.desktop().now()));
    const std::string title = "frmProfiil\\cmdSalvesta";
    if (fraUusProfiil.visible()) {
        const std::string name = txtUueProfiiliNimi.text();
        if (name.empty() || refuseProfileName(name) || replacingIsRefused(name)) return;
        const FileResult saved = saveProfile(name);
        if (!saved) return showFileErrorBox(saved, title);
        Filelist.refresh();
        txtUueProfiiliNimi.setText("");
        fraUusProfiil.setVisible(false);
    } else {
        // The current profile's name as it stands: the field holds at most 20 characters.
        const std::string name = main().lblValitudProfiil.caption();
        txtUueProfiiliNimi.setText(name);
        if (name.empty() || refuseProfileName(name)) return;
        if (const FileResult saved = saveProfile(name); !saved) showFileErrorBox(saved, title);
    }
}

void frmProfiil::cmdTagasi_Click() {
    if (fraUusProfiil.visible()) {
        fraUusProfiil.setVisible(false);
    } else {
        unload();
    }
}

}  // namespace lumbrix
