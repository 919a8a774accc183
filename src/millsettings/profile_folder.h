#pragma once

#include <filesystem>
#include <string_view>

namespace lumbrix {

class frmMain;

// The profile a new installation starts with, and the one used when the stored default
// profile's name cannot be a folder name.
inline constexpr const char* kDefaultProfileName = "LUMBRIX";

// The folder that holds the profiles (their folders and their NAME.set files).
std::filesystem::path databaseFolder(const std::filesystem::path& installFolder);

// The folder of the profile `name`: the installation folder, "database", name. A name that
// cannot be a folder name (empty, "." or "..", with "/", "\" or a control character) raises
// VbError 52 "Bad file name or number" before it becomes a path.
std::filesystem::path profileFolder(const std::filesystem::path& installFolder,
                                    std::string_view name);

// The folder of the main window's current profile (the caption of lblValitudProfiil).
std::filesystem::path currentProfileFolder(const frmMain& main);

}  // namespace lumbrix
