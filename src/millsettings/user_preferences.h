#pragma once

#include <string>

namespace lumbrix {

class UserSettings;
struct FileResult;

// The planner's preferences among the per-user settings (section "Settings"), with the values
// a first run reads.
namespace preference {
inline constexpr const char* kAutofit = "Autofit";  // "1": the log is fitted automatically
inline constexpr const char* kAutofitDefault = "1";
inline constexpr const char* kDefaultProfile = "DefaultProfile";  // the profile loaded at start
inline constexpr const char* kDefaultProfileDefault = "LUMBRIX";
inline constexpr const char* kDefaultLanguage = "DefaultLanguage";  // a language file name
inline constexpr const char* kDefaultLanguageDefault = "english.keel";
}  // namespace preference

// Whether a stored ShowLanguageBox asks to start without the language dialog: its value as a
// whole number is 1. A value that is no number counts as 0 (the dialog is shown). The start
// and the settings dialog both read the value by this rule.
bool startsWithoutLanguageBox(const std::string& stored);

// Stores that the next start applies `languageFile` without the language dialog: the language
// before the flag, so that a failed write never leaves the flag without it.
FileResult rememberStartLanguage(UserSettings& settings, const std::string& languageFile);

}  // namespace lumbrix
