#include "platform/user_settings.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <system_error>
#include <utility>

#include "platform/ini_file.h"
#include "platform/vb_error.h"

namespace lumbrix {

namespace fs = std::filesystem;

namespace {

// The INI reader trims blanks and drops one pair of enclosing quotes. A value that would lose
// something that way is saved inside quotes, which the reader then drops again.
std::string protectedValue(const std::string& value) {
    if (value.empty()) return value;
    const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    const auto isQuote = [](char c) { return c == '"' || c == '\''; };
    const bool changedByRead =
        isBlank(value.front()) || isBlank(value.back()) ||
        (value.size() >= 2 && isQuote(value.front()) && value.back() == value.front());
    return changedByRead ? "\"" + value + "\"" : value;
}

fs::path homeFolder() {
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') return home;
    if (const passwd* entry = ::getpwuid(::getuid()); entry != nullptr && entry->pw_dir) {
        return entry->pw_dir;
    }
    return {};
}

}  // namespace

UserSettings::UserSettings(fs::path iniPath) : iniPath_(std::move(iniPath)) {}

std::string UserSettings::get(const std::string& key, const std::string& defaultValue) const {
    return readProfileString(iniPath_, kSection, key, defaultValue);
}

FileResult UserSettings::save(const std::string& key, const std::string& value) {
    if (iniPath_.has_parent_path()) {
        std::error_code ec;
        fs::create_directories(iniPath_.parent_path(), ec);
        if (ec) {
            const int number = ec == std::errc::permission_denied    ? vberr::kPermissionDenied
                               : ec == std::errc::no_space_on_device ? vberr::kDiskFull
                                                                     : vberr::kPathNotFound;
            return FileResult::failure(number, iniPath_,
                                       "Cannot create the folder " +
                                           iniPath_.parent_path().string() + ": " + ec.message());
        }
    }
    return writeProfileString(iniPath_, kSection, key, protectedValue(value));
}

fs::path defaultUserSettingsPath() {
    fs::path configHome;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && *xdg != '\0') {
        configHome = xdg;
    }
    if (!configHome.is_absolute()) configHome = homeFolder() / ".config";
    return configHome / "VTLumbrix" / "settings.ini";
}

}  // namespace lumbrix
