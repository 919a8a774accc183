#pragma once

#include <string>

namespace lumbrix {

class Application;

// What the pattern sheet shows of the settings dialog: two cost headings, the production cost
// and depreciation per m3 of the current profile, and the dialog's close caption.
struct SettingsSheetTexts {
    std::string productionCaption;
    std::string depreciationCaption;
    std::string production;    // as the settings dialog's txtKuluTootmine shows it
    std::string depreciation;  // as its txtKuluAmort shows it
    std::string closeCaption;
};

// The settings texts as the settings dialog shows them when it is opened now: its captions in
// the current language and the costs it works out afresh from the current profile's settings
// file, never from a window or store that may be stale. Nothing is left loaded.
SettingsSheetTexts currentSettingsTexts(Application& app);

// The heading of the net raw-material line as the calculations report shows it, taken from a
// report that is made for the purpose and never loaded.
std::string reportNetRawMaterialCaption(Application& app);

}  // namespace lumbrix
