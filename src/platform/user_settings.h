#pragma once

#include <filesystem>
#include <string>

#include "platform/atomic_file.h"

namespace lumbrix {

// The per-user settings: named text values kept in section "Settings" of an INI file
// (normally defaultUserSettingsPath()), always written in UTF-8. A value reads back exactly as
// it was saved, blanks and quotes at its ends included; a value that cannot (a line break,
// more than 254 characters) is refused.
class UserSettings {
  public:
    inline static constexpr const char* kSection = "Settings";

    explicit UserSettings(std::filesystem::path iniPath);

    const std::filesystem::path& path() const { return iniPath_; }

    // The saved value of key, or defaultValue when it was never saved.
    std::string get(const std::string& key, const std::string& defaultValue) const;

    // Saves the value of key, creating the settings folder and file when they are missing.
    FileResult save(const std::string& key, const std::string& value);

  private:
    std::filesystem::path iniPath_;
};

// $XDG_CONFIG_HOME/VTLumbrix/settings.ini, with ~/.config in place of an unset, empty or
// relative XDG_CONFIG_HOME.
std::filesystem::path defaultUserSettingsPath();

}  // namespace lumbrix
