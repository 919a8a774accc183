#pragma once

#include <string>

#include "main_window_fixture.h"
#include "millsettings/frm_seaded.h"

namespace lumbrix::test {

inline constexpr const char* kSettingsFile = "database/LUMBRIX/settings";
inline constexpr const char* kCostsHelp =
    "Please insert average costs to calculate costs for 1 m3 of timber productions.";
inline constexpr const char* kBarkHint =
    "To insert bark yield % please use format 0.00:\r\nExample: 10% = 0.10 and 8% = 0.08";
inline constexpr const char* kTypicalCosts =
    "KuisedPysikuludKokku=1000\r\nKuisedAmordikuludKokku=500\r\nYhikuMuutuvkulud=20\r\n"
    "KuineTootmismaht=100\r\nCE=2000\r\n";

// The main window with the settings dialog of the current profile at hand.
class SettingsDialogTest : public MainWindowTest {
  protected:
    // The profile's settings file: its section with these lines.
    void writeSettings(const std::string& lines) {
        folder.writeFile(kSettingsFile, "[SEADED]\r\n" + lines);
    }
    frmSeaded& dialog() { return app->window<frmSeaded>(); }
    // Typing `text` into a field, key by key, as the planner does.
    static void type(TextBox& field, const std::string& text) {
        for (char c : text)
            field.typeKey(static_cast<unsigned char>(c));
    }
    // The field emptied, then `text` typed into it.
    static void retype(TextBox& field, const std::string& text) {
        field.setText("");
        type(field, text);
    }
};

}  // namespace lumbrix::test
