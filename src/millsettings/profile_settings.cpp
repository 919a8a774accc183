#include "millsettings/profile_settings.h"

#include <optional>

#include "platform/ini_file.h"
#include "platform/vb_error.h"
#include "store/frm_main_sub.h"
#include "store/numbers.h"
#include "store/saved_list.h"

namespace lumbrix {

namespace {

using S = frmMainSub;

constexpr SettingsKey kKappimineSydMat{"KappimineSydMat", &S::txtKappimineSydmat, true};
constexpr SettingsKey kKappimineLauad{"KappimineLauad", &S::txtKappimineLauad, true};
constexpr SettingsKey kPalgiMoodul{"PalgiMoodul", &S::txtPalgiMoodul, true};
constexpr SettingsKey kPalgimahukoefitsent{"Palgimahukoefitsent", &S::txtPalgimahukoefitsent, true};
constexpr SettingsKey kKuisedPysikuludKokku{"KuisedPysikuludKokku", &S::txtKuisedPysikuludKokku,
                                            true};
constexpr SettingsKey kKuisedAmordikuludKokku{"KuisedAmordikuludKokku",
                                              &S::txtKuisedAmordikuludKokku, true};
constexpr SettingsKey kYhikuMuutuvkulud{"YhikuMuutuvkulud", &S::txtYhikuMuutuvkulud, true};
constexpr SettingsKey kKuineTootmismaht{"KuineTootmismaht", &S::txtKuineTootmismaht, true};
constexpr SettingsKey kKetas1saag{"Ketas1saag", &S::txtKetas1saag, true};
constexpr SettingsKey kKetas2saag{"Ketas2saag", &S::txtKetas2saag, true};
constexpr SettingsKey kKetasSeimer{"KetasSeimer", &S::txtKetasSeimer, true};
constexpr SettingsKey kKetasTrimmer{"KetasTrimmer", &S::txtKetasTrimmer, true};
constexpr SettingsKey kKoefitsentHake{"KoefitsentHake", &S::txtKoefitsentHake, true};
constexpr SettingsKey kKoefitsentPuru{"KoefitsentPuru", &S::txtKoefitsentPuru, true};
constexpr SettingsKey kKoefitsentKoor{"KoefitsentKoor", &S::txtKoefitsentKoor, true};
constexpr SettingsKey kKoefitsentKoorPalgist{"KoefitsentKoorPalgist", &S::txtKoefitsentKoorPalgist,
                                             true};
constexpr SettingsKey kHakehind{"Hakehind", &S::txtHakehind, true};
constexpr SettingsKey kSaepuruHind{"saepuruHind", &S::txtsaepuruHind, true};
constexpr SettingsKey kKoorHind{"KoorHind", &S::txtkoorhind, true};
constexpr SettingsKey kSalvestatud{"Salvestatud", &S::lblSalvestatud, false};
constexpr SettingsKey kArvutaTaiskant{"ArvutaTaiskant", &S::lblArvutaTaiskant, false};

constexpr const char* kSavedStampKey = "Salvestatud";

}  // namespace

const std::array<SettingsKey, settingsfile::kKeyCount>& settingsKeysInLoadOrder() {
    static const std::array<SettingsKey, settingsfile::kKeyCount> keys = {
        kKappimineSydMat,
        kKappimineLauad,
        kArvutaTaiskant,
        kPalgiMoodul,
        kPalgimahukoefitsent,
        kKuisedPysikuludKokku,
        kKuisedAmordikuludKokku,
        SettingsKey{"ce", &S::txtCE, true},
        kYhikuMuutuvkulud,
        kKuineTootmismaht,
        kKetas1saag,
        kKetas2saag,
        kKetasSeimer,
        kKetasTrimmer,
        kKoefitsentHake,
        kKoefitsentPuru,
        kKoefitsentKoor,
        kKoefitsentKoorPalgist,
        kHakehind,
        kSaepuruHind,
        kKoorHind,
        kSalvestatud,
    };
    return keys;
}

const std::array<SettingsKey, settingsfile::kKeyCount>& settingsKeysInSaveOrder() {
    static const std::array<SettingsKey, settingsfile::kKeyCount> keys = {
        kKappimineSydMat,
        kKappimineLauad,
        kPalgiMoodul,
        kPalgimahukoefitsent,
        kKuisedPysikuludKokku,
        kKuisedAmordikuludKokku,
        SettingsKey{"CE", &S::txtCE, true},
        kYhikuMuutuvkulud,
        kKuineTootmismaht,
        kKetas1saag,
        kKetas2saag,
        kKetasSeimer,
        kKetasTrimmer,
        kKoefitsentHake,
        kKoefitsentPuru,
        kKoefitsentKoor,
        kKoefitsentKoorPalgist,
        kHakehind,
        kSaepuruHind,
        kKoorHind,
        kSalvestatud,
        kArvutaTaiskant,
    };
    return keys;
}

std::filesystem::path settingsFilePath(const std::filesystem::path& profileFolder) {
    return profileFolder / settingsfile::kFileName;
}

namespace {

// A key as the writers spell it in the file ("CE" where the load asks for "ce").
const char* savedKeyName(const SettingsKey& key) {
    for (const SettingsKey& saved : settingsKeysInSaveOrder()) {
        if (saved.field == key.field) return saved.key;
    }
    return key.key;
}

}  // namespace

std::vector<std::string> readSettingsIntoStore(const IniDocument& file, frmMainSub& store) {
    std::vector<std::string> unreadable;
    for (const SettingsKey& key : settingsKeysInLoadOrder()) {
        const std::string value = file.get(settingsfile::kSection, key.key, settingsfile::kMissing);
        if (!key.numeric) {
            store.*key.field = value;
            continue;
        }
        // A value beyond the number range counts as 0; the caller reports the keys together.
        const std::optional<double> number = RegionCompValQuiet(value);
        if (!number) unreadable.emplace_back(savedKeyName(key));
        store.*key.field = NumberText(number.value_or(0.0));
    }
    if (store.txtPalgimahukoefitsent == "0") store.txtPalgimahukoefitsent = "1";
    for (std::string* divisor : {&store.txtKuisedPysikuludKokku, &store.txtKuineTootmismaht,
                                 &store.txtKuisedAmordikuludKokku, &store.txtYhikuMuutuvkulud}) {
        if (RegionCompVal(*divisor) == 0) *divisor = "0.1";
    }
    return unreadable;
}

DerivedCosts derivedCosts(double monthlyFixedCosts, double monthlyDepreciation,
                          double variableCostPerM3, double monthlyVolume) {
    const double production =
        CheckedResult(Divide(monthlyFixedCosts, monthlyVolume) + variableCostPerM3);
    const double depreciation = Divide(monthlyDepreciation, monthlyVolume);
    return {NumberText(Round(production, 2)), NumberText(Round(depreciation, 2))};
}

void updateDerivedCosts(frmMainSub& store) {
    const DerivedCosts costs = derivedCosts(RegionCompVal(store.txtKuisedPysikuludKokku),
                                            RegionCompVal(store.txtKuisedAmordikuludKokku),
                                            RegionCompVal(store.txtYhikuMuutuvkulud),
                                            RegionCompVal(store.txtKuineTootmismaht));
    store.txtKuluTootmine = costs.production;
    store.txtKuluAmort = costs.depreciation;
}

ProfileEntries settingsEntries(const frmMainSub& store, std::string_view savedStamp) {
    ProfileEntries entries;
    for (const SettingsKey& key : settingsKeysInSaveOrder()) {
        const bool stamp = std::string_view(key.key) == kSavedStampKey;
        entries.emplace_back(key.key, stamp ? std::string(savedStamp) : store.*key.field);
    }
    return entries;
}

FileResult writeSettingsFile(const std::filesystem::path& file, const ProfileEntries& entries,
                             std::filesystem::path* keptAs) {
    IniDocument document;
    if (FileResult loaded = document.load(file); !loaded) return loaded;
    // Each value is written so that it reads back exactly; one that cannot be is refused
    // before anything is written.
    ProfileEntries lines;
    for (const auto& [key, value] : entries) {
        const std::optional<std::string> stored = storedProfileValue(value);
        if (!stored) {
            return FileResult::failure(vberr::kInvalidProcedureCall, file,
                                       "Cannot write " + file.string() + ": the value of " + key +
                                           " holds a line break or is too long");
        }
        lines.emplace_back(key, *stored);
    }
    if (!document.isText()) {
        // A damaged file is kept whole beside it, then written anew as clean text: its lines
        // would carry their stray bytes (and a UTF-16 file its halves of characters) along.
        const FileBytes old = readFileBytes(file);
        if (!old) return old;
        const std::filesystem::path copy = damagedListCopyPath(file);
        if (FileResult kept = writeFileAtomically(copy, old.bytes); !kept) return kept;
        if (keptAs) *keptAs = copy;
        document = IniDocument();
    }
    for (const auto& [key, value] : lines)
        document.set(settingsfile::kSection, key, value);
    return document.save(file);
}

}  // namespace lumbrix
