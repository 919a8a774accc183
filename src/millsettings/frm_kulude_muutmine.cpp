#include "millsettings/frm_kulude_muutmine.h"

#include "app/application.h"
#include "localisation/message_language.h"
#include "mainwindow/frm_main.h"
#include "millsettings/profile_folder.h"
#include "millsettings/profile_settings.h"
#include "platform/ini_file.h"
#include "platform/vb_error.h"
#include "store/numbers.h"

namespace lumbrix {

namespace {

constexpr const char* kVolumeKey = "KuineTootmismaht";
constexpr int kBackspace = 8;

}  // namespace

frmKuludeMuutmine::frmKuludeMuutmine(Application& app) : Form("frmKuludeMuutmine"), app_(app) {
    move(0, 0, 3780, 1515);
    setFixedSize(true);
    txtKuineTootmismaht.move(120, 150, 1500, 315);
    txtKuineTootmismaht.setMaxLength(6);
    txtKuineTootmismaht.setAlignment(Alignment::Center);
    cmdOK.move(1740, 120, 1200, 375);
    cmdOK.setCaption("OK");
    cmdOK.setDefault(true);
    cmdHelp_ProductionVolume.move(3060, 120, 480, 375);
    cmdHelp_ProductionVolume.setCaption("?");

    Load.connect([this] { Form_Load(); });
    cmdOK.Click.connect([this] { cmdOK_Click(); });
    cmdHelp_ProductionVolume.Click.connect([this] { cmdHelp_ProductionVolume_Click(); });
    txtKuineTootmismaht.KeyPress.connect([this](int& key) { txtKuineTootmismaht_KeyPress(key); });
}

frmMain& frmKuludeMuutmine::main() const {
    return app_.window<frmMain>();
}

void frmKuludeMuutmine::Form_Load() {
    const frmMain& m = main();
    move(m.left() + 2000, m.top() + 8000);
    std::string volume = settingsfile::kMissing;
    try {
        volume = readProfileString(settingsFilePath(currentProfileFolder(m)),
                                   settingsfile::kSection, kVolumeKey, settingsfile::kMissing);
    } catch (const VbError&) {
        // A current profile name that cannot be a folder name has no file to read.
    }
    txtKuineTootmismaht.setText(volume);
    setCaption(bilingual(m, "Kuise tootmismahu muutmine", "Change monthly production volume"));
}

void frmKuludeMuutmine::txtKuineTootmismaht_KeyPress(int& keyAscii) {
    if ((keyAscii >= '0' && keyAscii <= '9') || keyAscii == kBackspace) return;
    app_.desktop().beep();
    keyAscii = 0;
}

void frmKuludeMuutmine::cmdOK_Click() {
    frmMain& m = main();
    const std::string volume = txtKuineTootmismaht.text();
    // Read as every setting is read ("12,5" is 12.5). A volume below zero can only be pasted;
    // it would turn every cost negative, so it is refused with zero.
    if (RegionCompVal(volume) <= 0) {
        runtime::msgBox(bilingual(m, "Arvutusteks peab kuine tootmismaht peab olema vähemalt 1m3",
                                  "For calculations the monthly production volume must be "
                                  "atleast 1m3"),
                        mb::kCritical, "LUMBRIX");
        txtKuineTootmismaht.setFocus();
        return;
    }
    // The file first: a volume that was not stored changes nothing on screen either.
    FileResult written;
    try {
        written = writeProfileString(settingsFilePath(currentProfileFolder(m)),
                                     settingsfile::kSection, kVolumeKey, volume);
    } catch (const VbError& e) {
        written = FileResult::failure(e.number(), {}, e.description());
    }
    if (!written) {
        runtime::msgBox(bilingual(m, "Kuist tootmismahtu ei saanud salvestada: ",
                                  "The monthly production volume could not be saved: ") +
                            fileFailureText(m, written),
                        mb::kCritical, "LUMBRIX");
        txtKuineTootmismaht.setFocus();
        return;
    }
    frmMainSub& store = m.store();
    store.txtKuineTootmismaht = volume;
    updateDerivedCosts(store);
    hide();
    unload();
    m.cmdSobita.press();
}

void frmKuludeMuutmine::cmdHelp_ProductionVolume_Click() {
    const frmMain& m = main();
    const std::string estonian =
        "Sisestage kuine tootmismaht, et arvutada kulud 1 ühiku kohta.\r\n"
        "Amordikulu 1m3 = Kuine amordikulu / kuine tootmismaht.\r\n"
        "Püsikulud 1m3 = Kuised püsikulud / kuine tootmismaht.\r\n"
        "Muutuvkulud 1m3 = Muutuvkulud 1 toodetud ühiku kohta.\r\n"
        " \r\n"
        "TOOTMISKULU 1m3 kohta = Püsikulud 1m3 + Muutuvkulud 1m3 + Amordikulu 1m3";
    const std::string english =
        "Please insert monthly production volume to calculate 1m3 costs.\r\n"
        "Amortization 1m3 = Monthly amortization / Monthly production volume.\r\n"
        "Fixed costs 1m3 = Monthly fixed costs / Monthly production volume.\r\n"
        "Variable costs 1m3 = Variable costs for 1m3.\r\n"
        " \r\n"
        "PRODUCTION COSTS 1m3 = Fixed costs 1m3 + Variable costs 1m3 + Amortization 1m3";
    runtime::msgBox(bilingual(m, estonian, english), mb::kInformation,
                    bilingual(m, "Tootmiskulude valem", "Production costs formula"));
}

}  // namespace lumbrix
