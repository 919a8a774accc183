#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

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

// Creates the profile folder `folder` when there is none (one level: the database folder
// itself is not created); raises the run-time error of a failure.
void ensureProfileFolder(const std::filesystem::path& folder);

// The folder of the main window's current profile (the caption of lblValitudProfiil).
std::filesystem::path currentProfileFolder(const frmMain& main);

// The profile the program starts with when `stored` is the stored default profile: that one,
// or the shipped profile kDefaultProfileName when the stored name cannot be a folder name or,
// being another name, has no folder any more (nothing is made in its place). When it is
// replaced, why, in both message languages.
struct StartProfile {
    std::string name;
    std::string estonian;  // empty when the stored profile is used
    std::string english;
    bool replaced() const { return !english.empty(); }
};
StartProfile chooseStartProfile(const std::filesystem::path& installFolder,
                                const std::string& stored);

}  // namespace lumbrix
