#pragma once

namespace lumbrix {

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

}  // namespace lumbrix
