#include "patterns/sheet_sources.h"

#include "millsettings/profile_folder.h"
#include "millsettings/profile_settings.h"
#include "patterns/frm_arvutused.h"
#include "platform/ini_file.h"
#include "store/frm_main_sub.h"

namespace lumbrix {

SettingsSheetTexts currentSettingsTexts(Application& app, const frmMain& main) {
    IniDocument file;
    if (!file.load(settingsFilePath(currentProfileFolder(main)))) file = IniDocument();
    // A store of its own: the settings as the dialog's load reads them, with the zero
    // divisors lifted, and the costs per m3 derived from them.
    frmMainSub settings(app);
    readSettingsIntoStore(file, settings);
    updateDerivedCosts(settings);
    // The settings dialog's headings and close caption, until its caption loader gives them.
    return {"Production cost per m3", "Depreciation per m3", settings.txtKuluTootmine,
            settings.txtKuluAmort, "Close"};
}

std::string reportNetRawMaterialCaption(Application& app) {
    frmArvutused report(app);
    report.Lae_keel();
    return report.lblArvutusedlblNETRawmaterial.caption();
}

}  // namespace lumbrix
