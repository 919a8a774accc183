#include "millsettings/frm_seaded.h"

#include <filesystem>
#include <optional>

#include "app/application.h"
#include "localisation/dialog_captions.h"
#include "localisation/frm_keele_valik.h"
#include "localisation/message_language.h"
#include "mainwindow/frm_main.h"
#include "millsettings/frm_palgi_hinnad.h"
#include "millsettings/profile_files.h"
#include "millsettings/profile_folder.h"
#include "millsettings/profile_settings.h"
#include "millsettings/user_preferences.h"
#include "platform/ini_file.h"
#include "platform/vb_error.h"
#include "store/numbers.h"

namespace lumbrix {

namespace {

using S = frmMainSub;
using D = frmSeaded;

// A numeric key of the settings file, the dialog field that shows it and the store field
// that Save fills from it, in the order Save writes them.
struct SettingsField {
    const char* key;
    TextBox D::*field;
    std::string S::*storeField;
};

constexpr SettingsField kNumericFields[] = {
    {"KappimineSydMat", &D::txtKappimineSydmat, &S::txtKappimineSydmat},
    {"KappimineLauad", &D::txtKappimineLauad, &S::txtKappimineLauad},
    {"PalgiMoodul", &D::txtPalgiMoodul, &S::txtPalgiMoodul},
    {"Palgimahukoefitsent", &D::txtPalgimahukoefitsent, &S::txtPalgimahukoefitsent},
    {"KuisedPysikuludKokku", &D::txtKuisedPysikuludKokku, &S::txtKuisedPysikuludKokku},
    {"KuisedAmordikuludKokku", &D::txtKuisedAmordikuludKokku, &S::txtKuisedAmordikuludKokku},
    {"CE", &D::txtCE, &S::txtCE},
    {"YhikuMuutuvkulud", &D::txtYhikuMuutuvkulud, &S::txtYhikuMuutuvkulud},
    {"KuineTootmismaht", &D::txtKuineTootmismaht, &S::txtKuineTootmismaht},
    {"Ketas1saag", &D::txtKetas1saag, &S::txtKetas1saag},
    {"Ketas2saag", &D::txtKetas2saag, &S::txtKetas2saag},
    {"KetasSeimer", &D::txtKetasSeimer, &S::txtKetasSeimer},
    {"KetasTrimmer", &D::txtKetasTrimmer, &S::txtKetasTrimmer},
    {"KoefitsentHake", &D::txtKoefitsentHake, &S::txtKoefitsentHake},
    {"KoefitsentPuru", &D::txtKoefitsentPuru, &S::txtKoefitsentPuru},
    {"KoefitsentKoor", &D::txtKoefitsentKoor, &S::txtKoefitsentKoor},
    {"KoefitsentKoorPalgist", &D::txtKoefitsentKoorPalgist, &S::txtKoefitsentKoorPalgist},
    {"Hakehind", &D::txtHakehind, &S::txtHakehind},
    {"saepuruHind", &D::txtsaepuruHind, &S::txtsaepuruHind},
    {"KoorHind", &D::txtkoorhind, &S::txtkoorhind},
};

constexpr const char* kSavedStampKey = "Salvestatud";
constexpr const char* kFullEdgeKey = "ArvutaTaiskant";
constexpr const char* kLiftedCost = "0.1";

bool ticked(const CheckBox& box) {
    return box.value() == checkstate::kChecked;
}

// "1" when the box is ticked, else "0".
std::string tickText(const CheckBox& box) {
    return std::string(ticked(box) ? "1" : "0");
}

// The full-edge switch ticks only for a whole-number value of 1; anything else leaves it clear.
bool fullEdgeOn(const std::string& stored) {
    try {
        return ToDoubleStrict(stored) == 1;
    } catch (const VbError&) {
        return false;
    }
}

// The number text the store keeps of a text: a text beyond the number range counts 0.
std::string storeText(const std::string& text) {
    return NumberText(RegionCompValQuiet(text).value_or(0.0));
}

}  // namespace

frmSeaded::frmSeaded(Application& app) : Form("frmSeaded"), app_(app) {
    layOut();
    Load.connect([this] { Form_Load(); });
    onClick(cmdSalvesta, [this] { cmdSalvesta_Click(); });
    onClick(cmdOK, [this] { cmdOK_Click(); });
    onClick(cmdLogPrice, [this] { cmdLogPrice_Click(); });
    chkArvutaTaiskant.Click.connect([this] { chkArvutaTaiskant_Click(); });
    onClick(cmdHelp_Trimmings_Settings, [this] { cmdHelp_Trimmings_Settings_Click(); });
    onClick(cmdHelp_blades_settings, [this] { cmdHelp_blades_settings_Click(); });
    onClick(cmdHelp_Log_Settings, [this] { cmdHelp_Log_Settings_Click(); });
    onClick(Command1, [this] { Command1_Click(); });
    onClick(Command4, [this] { Command4_Click(); });
    connectInputRules();
}

frmMain& frmSeaded::main() const {
    return app_.window<frmMain>();
}

void frmSeaded::Form_Load() {
    const frmMain& m = main();
    move(m.left() + (m.width() - width()) / 2, m.top() + 1200);
    fillFromSettingsFile();
    // A tick offers the language choice at start-up, as the caption says; the stored "1"
    // keeps meaning what the start-up dialog reads: start without asking.
    const std::string show = app_.userSettings().get(languagechoice::kShowLanguageBox, "0");
    chkNaitaKeeleValikut.setValue(startsWithoutLanguageBox(show) ? checkstate::kUnchecked
                                                                 : checkstate::kChecked);
    programWrites_ = true;
    for (TextBox* cost : {&txtKuisedPysikuludKokku, &txtKuineTootmismaht,
                          &txtKuisedAmordikuludKokku, &txtYhikuMuutuvkulud, &txtCE}) {
        if (RegionCompVal(cost->text()) == 0) cost->setText(kLiftedCost);
    }
    programWrites_ = false;
    txtKappimineLauad.setEnabled(!ticked(chkArvutaTaiskant));
    try {
        showDerivedCosts();
    } catch (const VbError&) {
        // Figures beyond the number range give no cost per m3; Save refuses nothing for it.
    }
    startSpinners();
    loadDialogCaptions(app_, *this, dialogcaptions::kSeaded);
}

void frmSeaded::fillFromSettingsFile() {
    IniDocument file;
    try {
        // A missing or unreadable file reads "0" for every key, without a message.
        (void)file.load(settingsFilePath(currentProfileFolder(main())));
    } catch (const VbError&) {
        // A current profile name that cannot be a folder name has no file to read.
    }
    // A file that is not text is damaged: its values count 0, as the profile load says.
    if (!file.isText()) file = IniDocument();
    auto stored = [&file](const char* key) {
        return file.get(settingsfile::kSection, key, settingsfile::kMissing);
    };
    programWrites_ = true;
    for (const SettingsField& f : kNumericFields) {
        (this->*f.field).setText(storeText(stored(f.key)));
    }
    // A coefficient of 0 would make every volume 0: it shows as the profile load uses it.
    if (txtPalgimahukoefitsent.text() == "0") txtPalgimahukoefitsent.setText("1");
    programWrites_ = false;
    chkArvutaTaiskant.setValue(fullEdgeOn(stored(kFullEdgeKey)) ? checkstate::kChecked
                                                                : checkstate::kUnchecked);
    lblSalvestatud.setCaption(stored(kSavedStampKey));
}

void frmSeaded::showDerivedCosts() {
    const DerivedCosts costs = derivedCosts(RegionCompVal(txtKuisedPysikuludKokku.text()),
                                            RegionCompVal(txtKuisedAmordikuludKokku.text()),
                                            RegionCompVal(txtYhikuMuutuvkulud.text()),
                                            RegionCompVal(txtKuineTootmismaht.text()));
    txtKuluTootmine.setText(costs.production);
    txtKuluAmort.setText(costs.depreciation);
}

bool frmSeaded::Arvuta_kulud() {
    for (TextBox* cost : {&txtKuisedPysikuludKokku, &txtKuineTootmismaht,
                          &txtKuisedAmordikuludKokku, &txtYhikuMuutuvkulud}) {
        try {
            if (ToDoubleStrict(cost->text()) != 0) continue;
        } catch (const VbError&) {
            return false;
        }
        programWrites_ = true;
        cost->setText(kLiftedCost);
        programWrites_ = false;
    }
    try {
        showDerivedCosts();
    } catch (const VbError&) {
        return false;
    }
    return true;
}

bool frmSeaded::costFieldsAreNumbers() const {
    for (const TextBox* cost : {&txtKuisedPysikuludKokku, &txtKuineTootmismaht,
                                &txtKuisedAmordikuludKokku, &txtYhikuMuutuvkulud, &txtCE}) {
        try {
            if (ToDoubleStrict(cost->text()) == 0) return false;
        } catch (const VbError&) {
            return false;
        }
    }
    return true;
}

bool frmSeaded::storeCostsComputable() const {
    try {
        (void)derivedCosts(RegionCompVal(storeText(txtKuisedPysikuludKokku.text())),
                           RegionCompVal(storeText(txtKuisedAmordikuludKokku.text())),
                           RegionCompVal(storeText(txtYhikuMuutuvkulud.text())),
                           RegionCompVal(storeText(txtKuineTootmismaht.text())));
        return true;
    } catch (const VbError&) {
        return false;
    }
}

void frmSeaded::cmdSalvesta_Click() {
    dropFieldBox();  // Save checks the costs and the bark share itself
    // Costs that are no numbers, or monthly figures whose costs per m3 lie beyond the number
    // range, are refused before anything is written.
    if (!costFieldsAreNumbers() || !storeCostsComputable()) {
        Command4_Click();
        return;
    }
    // A bark share above 1 (8 typed for 8 %) would count as that many log volumes: Save
    // shows the hint on its form and leaves the dialog open for the planner to mend it.
    if (barkShareNeedsHint(txtKoefitsentKoorPalgist.text())) {
        showBarkShareHint();
        return;
    }
    frmMain& m = main();
    txtaeg.setText(generalDateText(app_.desktop().now()));
    ProfileEntries entries;
    for (const SettingsField& f : kNumericFields)
        entries.emplace_back(f.key, (this->*f.field).text());
    entries.emplace_back(kSavedStampKey, txtaeg.text());
    entries.emplace_back(kFullEdgeKey, tickText(chkArvutaTaiskant));
    FileResult written;
    std::filesystem::path settingsFile;
    std::filesystem::path keptAs;
    try {
        settingsFile = settingsFilePath(currentProfileFolder(m));
        written = writeSettingsFile(settingsFile, entries, &keptAs);
    } catch (const VbError& e) {
        written = FileResult::failure(e.number(), {}, e.description());
    }
    if (!written) {
        // Nothing changed anywhere: the planner's entries stay for another try.
        runtime::msgBox(
            bilingual(m, "Seadeid ei saanud salvestada: ", "The settings could not be saved: ") +
                fileFailureText(m, written),
            mb::kCritical);
        return;
    }
    frmMainSub& store = m.store();
    for (const SettingsField& f : kNumericFields) {
        store.*f.storeField = storeText((this->*f.field).text());
    }
    store.lblArvutaTaiskant = tickText(chkArvutaTaiskant);
    updateDerivedCosts(store);
    const FileResult preference = saveLanguageOffer();
    close();
    if (!keptAs.empty()) {
        runtime::msgBox(bilingual(m,
                                  "Seadete fail " + settingsFile.string() +
                                      " ei olnud tekstifail. See on hoiul nimega " +
                                      keptAs.string() + "; seaded on kirjutatud uude faili.",
                                  "The settings file " + settingsFile.string() +
                                      " was not a text file. It is kept as " + keptAs.string() +
                                      "; the settings have been written to a new file."),
                        mb::kInformation, "Info");
    }
    if (!preference) {
        runtime::msgBox(bilingual(m, "Keelevaliku seadet ei saanud salvestada: ",
                                  "The language choice setting could not be saved: ") +
                            fileFailureText(m, preference),
                        mb::kExclamation);
    }
    // The figures on screen follow the new settings: the placed boards take the new trims as
    // a change of the log length gives them, then the update runs. Without centre boards
    // there is no pattern to recompute.
    if (m.lstSyda.listCount() > 0) {
        m.rebuildBoardRows();
        m.uuenda_materjalid();
    }
}

FileResult frmSeaded::saveLanguageOffer() {
    UserSettings& settings = app_.userSettings();
    if (ticked(chkNaitaKeeleValikut)) return settings.save(languagechoice::kShowLanguageBox, "0");
    // Starting without the dialog applies the remembered language: the one in use now.
    return rememberStartLanguage(settings, main().lblValitudKeel.caption());
}

void frmSeaded::cmdOK_Click() {
    dropFieldBox();
    close();
}

void frmSeaded::close() {
    hide();
    unload();
}

void frmSeaded::cmdLogPrice_Click() {
    frmMain& m = main();
    const MsgResult answer =
        runtime::msgBox(bilingual(m,
                                  "Kõik tehtud muutused seadetes jäävad salvestamata! Kas avame "
                                  "palgihinnad?",
                                  "All changed settings will not be saved! Open logprices?"),
                        mb::kYesNo, bilingual(m, "Palgihinnad", "Logprices"));
    if (answer != MsgResult::Yes) return;
    dropFieldBox();
    close();
    showLogPriceEditor(app_, m);
}

void frmSeaded::chkArvutaTaiskant_Click() {
    txtKappimineLauad.setEnabled(!ticked(chkArvutaTaiskant));
}

void frmSeaded::cmdHelp_Trimmings_Settings_Click() {
    runtime::msgBox(bilingual(main(),
                              "Palun sisestage keskmised kappimise pikkused toodetele\r\n"
                              " millimeetrites (südame- ja küljelauad)",
                              "Please insert average trimming lengths for products\r\n"
                              " (center- and sideboards)"));
}

void frmSeaded::cmdHelp_blades_settings_Click() {
    runtime::msgBox(bilingual(main(),
                              "Palun sisestage kasutatavate kettaste paksused millimeetrites.",
                              "Please insert blade thicknesses in millimeters."));
}

void frmSeaded::cmdHelp_Log_Settings_Click() {
    runtime::msgBox(
        bilingual(main(),
                  "Palun sisestage palgipikkusmoodulid ning mahukoefitsent.\r\n"
                  "Kasutades mahukoefitsenti 1, siis vastab mahuarvutus Eesti mahutabelile.",
                  "Please insert log length module and volume coeficent.\r\n"
                  "If coeficent 1 is used, then calculation is based on Estonian volume tabel."));
}

void frmSeaded::Command1_Click() {
    runtime::msgBox(
        bilingual(main(),
                  "Palun sisestage koefitsendid, millega arvutate puistekandi tihedat mahtu\r\n"
                  " puistekandi mahuks. Näide: 1 hakke tihekant = 2.9m3 puistekanti.",
                  "Please insert converting factors to calculate solid volume of by-products\r\n"
                  "to loose cbm volume. Example: 1 m3 of solid chips = 2.9lcbm (loose cbm)."));
}

void frmSeaded::Command4_Click() {
    if (pendingBox_ == FieldBox::Costs) dropFieldBox();  // this is the box it waited to show
    runtime::msgBox(bilingual(main(),
                              "Palun sisestage keskmised kulud, et arvutada 1 tihumeetri "
                              "saematerjali tootmiskulud.",
                              "Please insert average costs to calculate costs for 1 m3 of timber "
                              "productions."));
}

}  // namespace lumbrix
