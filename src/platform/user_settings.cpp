#include "platform/user_settings.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>
#include <system_error>
#include <utility>

#include "platform/ini_file.h"
#include "platform/vb_error.h"

namespace lumbrix {

namespace fs = std::filesystem;

namespace {

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
            return FileResult::failure(writeErrorNumber(ec.value()), iniPath_,
                                       "Cannot create the folder " +
                                           iniPath_.parent_path().string() + ": " + ec.message());
        }
    }
    const std::optional<std::string> stored = storedProfileValue(value);
    if (!stored) {
        return FileResult::failure(vberr::kInvalidProcedureCall, iniPath_,
                                   "Cannot write " + iniPath_.string() + ": the value of " + key +
                                       " holds a line break or is too long");
    }
    IniDocument document;
    if (FileResult loaded = document.load(iniPath_); !loaded) return loaded;
    document.set(kSection, key, *stored);
    document.setEncoding(TextEncoding::Utf8);  // the file is ours alone: always UTF-8
    return document.save(iniPath_);
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
