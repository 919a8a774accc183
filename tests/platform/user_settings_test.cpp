#include "platform/user_settings.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <utility>

#include "platform/vb_error.h"
#include "temp_install.h"

namespace lumbrix {
namespace {

namespace fs = std::filesystem;
using test::TempInstallFolder;

TEST(UserSettings, SavedValuesReadBackExactly) {
    TempInstallFolder folder;
    UserSettings settings(folder.userSettingsPath());
    for (const std::string value :
         {"", "õunapuu šž", "  leading", "trailing  ", "\"quoted\"", "'single'", "\""}) {
        SCOPED_TRACE("[" + value + "]");
        ASSERT_TRUE(settings.save("Value", value).ok);
        EXPECT_EQ(settings.get("Value", "default"), value);
        EXPECT_EQ(UserSettings(folder.userSettingsPath()).get("VALUE", "default"), value);
    }
}

TEST(UserSettings, FileLayoutDefaultsAndAFolderThatCannotBeMade) {
    TempInstallFolder folder;
    const fs::path path = folder / "deep" / "VTLumbrix" / "settings.ini";
    UserSettings settings(path);
    EXPECT_EQ(settings.get("AutoName", "0"), "0");
    EXPECT_FALSE(fs::exists(path));
    ASSERT_TRUE(settings.save("AutoName", "1").ok);
    ASSERT_TRUE(settings.save("Language", "EST").ok);
    ASSERT_TRUE(settings.save("AutoName", "0").ok);
    EXPECT_EQ(folder.readFile("deep/VTLumbrix/settings.ini"),
              "[Settings]\r\nAutoName=0\r\nLanguage=EST\r\n");

    folder.writeFile("blocker", "a file where the folder should be");
    UserSettings blocked(folder / "blocker" / "settings.ini");
    EXPECT_EQ(blocked.save("AutoName", "1").number, vberr::kPathNotFound);
    EXPECT_EQ(blocked.get("AutoName", "0"), "0");
}

TEST(UserSettings, TheFileIsAlwaysUtf8AndAValueWithALineBreakIsRefused) {
    TempInstallFolder folder;
    // Written earlier in Windows-1257 ("õ" is F5): read as such, written back in UTF-8.
    folder.writeFile("user/settings.ini", "[Settings]\r\nDefaultLanguage=\xf5un.keel\r\n");
    UserSettings settings(folder.userSettingsPath());
    ASSERT_TRUE(settings.save("DefaultProfile", "Профиль").ok);
    ASSERT_TRUE(settings.save("Autofit", "0").ok);
    EXPECT_EQ(folder.readFile("user/settings.ini"),
              "[Settings]\r\nDefaultLanguage=õun.keel\r\nDefaultProfile=Профиль\r\nAutofit=0\r\n");
    EXPECT_EQ(settings.get("DefaultProfile", "LUMBRIX"), "Профиль");

    for (const char* broken : {"two\r\nlines", "line\nfeed", "[Other]\rx=1"}) {
        SCOPED_TRACE(broken);
        const FileResult refused = settings.save("DefaultProfile", broken);
        EXPECT_FALSE(refused.ok);
        EXPECT_NE(refused.reason.find("settings.ini"), std::string::npos);
        EXPECT_EQ(settings.get("DefaultProfile", "LUMBRIX"), "Профиль");
    }
    EXPECT_FALSE(settings.save("Long", std::string(255, 'x')).ok);
    EXPECT_TRUE(settings.save("Long", std::string(254, 'x')).ok);
}

// Sets or unsets an environment variable for one scope.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        set(value);
    }
    ~ScopedEnv() { set(old_ ? old_->c_str() : nullptr); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

  private:
    void set(const char* value) { value ? ::setenv(name_, value, 1) : ::unsetenv(name_); }
    const char* name_;
    std::optional<std::string> old_;
};

TEST(UserSettings, DefaultPathFromEnvironment) {
    const ScopedEnv home("HOME", "/home/mari");
    const std::pair<const char*, fs::path> cases[] = {
        {"/xdg/config", "/xdg/config/VTLumbrix/settings.ini"},
        {nullptr, "/home/mari/.config/VTLumbrix/settings.ini"},
        {"relative/config", "/home/mari/.config/VTLumbrix/settings.ini"}};
    for (const auto& [xdgValue, expected] : cases) {
        SCOPED_TRACE(xdgValue == nullptr ? "unset" : xdgValue);
        const ScopedEnv xdg("XDG_CONFIG_HOME", xdgValue);
        EXPECT_EQ(defaultUserSettingsPath(), expected);
    }
}

}  // namespace
}  // namespace lumbrix
