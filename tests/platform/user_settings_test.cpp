#include "platform/user_settings.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "platform/vb_error.h"
#include "temp_install.h"

namespace lumbrix {
namespace {

namespace fs = std::filesystem;
using test::TempInstallFolder;

TEST(UserSettings, SavedValuesReadBackExactly) {
    TempInstallFolder folder;
    UserSettings settings(folder.userSettingsPath());
    const std::vector<std::string> values = {
        "1",       "",           "Eesti",    "õunapuu šž", "  leading", "trailing  ",
        "\tTab\t", "\"quoted\"", "'single'", "\"",         "a \"b\" c", "/home/mari/my_patterns",
    };
    for (const auto& value : values) {
        SCOPED_TRACE("[" + value + "]");
        ASSERT_TRUE(settings.save("Value", value).ok);
        EXPECT_EQ(settings.get("Value", "default"), value);
        EXPECT_EQ(UserSettings(folder.userSettingsPath()).get("VALUE", "default"), value);
    }
}

TEST(UserSettings, FileLayoutAndDefaults) {
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
    EXPECT_EQ(settings.get("Missing", "x"), "x");
}

TEST(UserSettings, SaveReportsAFolderThatCannotBeMade) {
    TempInstallFolder folder;
    folder.writeFile("blocker", "a file where the folder should be");
    UserSettings settings(folder / "blocker" / "settings.ini");

    const FileResult result = settings.save("AutoName", "1");

    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.number, vberr::kPathNotFound);
    EXPECT_FALSE(result.reason.empty());
    EXPECT_EQ(settings.get("AutoName", "0"), "0");
}

// Sets or unsets an environment variable for one scope.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value != nullptr) {
            ::setenv(name, value, 1);
        } else {
            ::unsetenv(name);
        }
    }
    ~ScopedEnv() {
        if (old_) {
            ::setenv(name_, old_->c_str(), 1);
        } else {
            ::unsetenv(name_);
        }
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

  private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(UserSettings, DefaultPathFromEnvironment) {
    struct Case {
        const char* xdg;
        const char* home;
        fs::path expected;
    };
    const std::vector<Case> cases = {
        {"/xdg/config", "/home/mari", "/xdg/config/VTLumbrix/settings.ini"},
        {nullptr, "/home/mari", "/home/mari/.config/VTLumbrix/settings.ini"},
        {"", "/home/mari", "/home/mari/.config/VTLumbrix/settings.ini"},
        {"relative/config", "/home/mari", "/home/mari/.config/VTLumbrix/settings.ini"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.xdg == nullptr ? "unset" : c.xdg);
        const ScopedEnv xdg("XDG_CONFIG_HOME", c.xdg);
        const ScopedEnv home("HOME", c.home);
        EXPECT_EQ(defaultUserSettingsPath(), c.expected);
    }
}

}  // namespace
}  // namespace lumbrix
