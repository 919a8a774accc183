// Loading the current profile into the store and the main window's lists.
#include <filesystem>

#include "mainwindow/frm_main.h"
#include "millsettings/profile_folder.h"
#include "millsettings/profile_settings.h"
#include "platform/event_runtime.h"
#include "platform/ini_file.h"
#include "platform/vb_error.h"
#include "store/frm_main_sub.h"

namespace lumbrix {

namespace fs = std::filesystem;

void frmMain::cmdLaeprofiil_Click() {
    try {
        const fs::path folder = currentProfileFolder(*this);
        ensureProfileFolder(folder);

        // An unreadable settings file reads as a missing one: every value "0", then lifted.
        IniDocument settings;
        if (!settings.load(settingsFilePath(folder))) settings = IniDocument();
        frmMainSub& s = store();
        readSettingsIntoStore(settings, s);
        updateDerivedCosts(s);

        lstPalgiHinnad.clear();
        Lae_palgihinnad(lstPalgiHinnad);
        lstDim.clear();
        Lae_dim(lstDim);
    } catch (const VbError& e) {
        runtime::showErrorBox(e.number(), e.description(), "frmmain\\cmdLaeprofiil");
    }
}

}  // namespace lumbrix
