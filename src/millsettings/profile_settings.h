#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/atomic_file.h"
#include "platform/ini_file.h"

namespace lumbrix {

class frmMainSub;

// The profile's settings file: an INI file named "settings" (no extension) in the profile's
// folder, one section "SEADED", every value text. Key names match regardless of letter case.
// A missing file, section or key reads "0".
namespace settingsfile {
inline constexpr const char* kFileName = "settings";
inline constexpr const char* kSection = "SEADED";
inline constexpr const char* kMissing = "0";
inline constexpr int kKeyCount = 22;
}  // namespace settingsfile

// One key of the file and the store field that holds its value while the program runs.
// Numeric values are stored as the plain number text of their value; the save stamp and the
// full-edge switch are kept as text.
struct SettingsKey {
    const char* key;
    std::string frmMainSub::*field;
    bool numeric;
};

// The keys in the order the profile load reads them (capital employed asked as "ce").
const std::array<SettingsKey, settingsfile::kKeyCount>& settingsKeysInLoadOrder();
// The keys in the order every writer writes them (capital employed written as "CE").
const std::array<SettingsKey, settingsfile::kKeyCount>& settingsKeysInSaveOrder();

std::filesystem::path settingsFilePath(const std::filesystem::path& profileFolder);

// Reads every key of `file` into the store in the load order: a numeric value through
// RegionCompVal (a comma is a decimal point, the leading number counts, no number is 0) and
// written back as plain number text, so "05" becomes "5" and "0,95" "0.95"; the save stamp
// and the full-edge switch exactly as read. Then lifts what would divide by zero: a volume
// coefficient of "0" becomes "1", and monthly fixed costs, monthly volume, monthly
// depreciation and variable cost of value 0 become "0.1". Capital employed stays as read.
// Returns the keys whose values lie beyond the number range (they count 0), without a box.
std::vector<std::string> readSettingsIntoStore(const IniDocument& file, frmMainSub& store);

// Production cost per m3 (monthly fixed costs / monthly volume + variable cost) and
// depreciation per m3 (monthly depreciation / monthly volume), each rounded to 2 decimals with
// a half going to the even digit, as plain number text. A volume of 0: VbError 11.
struct DerivedCosts {
    std::string production;    // txtKuluTootmine
    std::string depreciation;  // txtKuluAmort
};
DerivedCosts derivedCosts(double monthlyFixedCosts, double monthlyDepreciation,
                          double variableCostPerM3, double monthlyVolume);

// Sets txtKuluTootmine and txtKuluAmort from the store's four monthly fields, each read
// through RegionCompVal. Used by the profile load and by every dialog that changes those
// fields.
void updateDerivedCosts(frmMainSub& store);

// The 22 key=value pairs a save writes, in the save order: each numeric key from its store
// field's text unchanged, "Salvestatud" = savedStamp, "ArvutaTaiskant" from lblArvutaTaiskant.
ProfileEntries settingsEntries(const frmMainSub& store, std::string_view savedStamp);

// Writes the entries into section SEADED of `file`, in their order: each key is replaced in
// place or appended to the section; every other line stays. One atomic write, in the file's
// own encoding. A value with blanks or quotes at its ends is written inside quotes so that it
// reads back exactly; a value with a line break refuses the whole write (VbError 5). A file
// that is not text (its values count 0 on every read) is first kept at
// damagedListCopyPath(file), whose path goes to `keptAs`, and then written anew with the
// entries alone; when it cannot be kept nothing is written.
FileResult writeSettingsFile(const std::filesystem::path& file, const ProfileEntries& entries,
                             std::filesystem::path* keptAs = nullptr);

}  // namespace lumbrix
