#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/desktop.h"

namespace lumbrix {

// A profile on disk is its marker file NAME.set in the database folder (INI, section
// "PROFIIL", key "NIMI" = the profile's name) beside its folder database/NAME, which holds the
// profile's settings, log prices and product lists. Only profiles with a marker file are
// offered in the profiles dialog.
namespace profilemarker {
inline constexpr const char* kExtension = ".set";
inline constexpr const char* kPattern = "*.set";
inline constexpr const char* kSection = "PROFIIL";
inline constexpr const char* kNameKey = "NIMI";
}  // namespace profilemarker

// database/NAME.set. A name that cannot be a folder name raises VbError 52 "Bad file name or
// number" before it becomes a path.
std::filesystem::path profileMarkerPath(const std::filesystem::path& installFolder,
                                        std::string_view name);

// A date and time in the program's general date format: "14.03.2026 10:20:30", the day and
// the hour without a leading zero ("1.03.2026 9:05:00").
std::string generalDateText(const CalendarDate& date);

// Deletes a profile: its marker file, then every regular file in its folder, then the folder
// itself (also when it held no file; a folder that does not exist is nothing to remove). The
// first step that fails raises the run-time error of the failure; what was deleted before it
// stays deleted.
void deleteProfileFiles(const std::filesystem::path& markerFile,
                        const std::filesystem::path& folder);

}  // namespace lumbrix
