#include "patterns/sheet_sources.h"

#include "app/application.h"
#include "millsettings/frm_seaded.h"
#include "patterns/frm_arvutused.h"

namespace lumbrix {

SettingsSheetTexts currentSettingsTexts(Application& app) {
    // The settings dialog as it would open now: loaded fresh from the profile's file (a window
    // left loaded could hold stale settings), read, and let go again.
    if (frmSeaded* loaded = app.loadedWindow<frmSeaded>()) loaded->unload();
    frmSeaded& dialog = app.window<frmSeaded>();
    SettingsSheetTexts texts{
        dialog.lblSeadedLabelTootmiskulu.caption(), dialog.lblSeadedLabelAmordikulu.caption(),
        dialog.txtKuluTootmine.text(), dialog.txtKuluAmort.text(), dialog.cmdOK.caption()};
    dialog.unload();
    return texts;
}

std::string reportNetRawMaterialCaption(Application& app) {
    frmArvutused report(app);
    report.Lae_keel();
    return report.lblArvutusedlblNETRawmaterial.caption();
}

}  // namespace lumbrix
