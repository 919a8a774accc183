#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "app/application.h"
#include "temp_install.h"
#include "test_desktop.h"
#include "test_paths.h"

namespace lumbrix::test {

// An application in a temporary installation folder whose windows are not loaded yet, as at
// the program's start.
class LocalisationTest : public ::testing::Test {
  protected:
    LocalisationTest() {
        desktop.setUserSettingsPath(folder.userSettingsPath());
        std::filesystem::create_directories(folder / "database" / "LUMBRIX");
        std::filesystem::create_directories(folder / "language");
        app = std::make_unique<Application>(desktop, folder.path());
    }

    // A language file of the installation with this text (UTF-8).
    void writeLanguage(const std::string& name, const std::string& text) const {
        folder.writeFile("language/" + name, text);
    }
    void copyShippedLanguages() const {
        for (const char* name : {"eesti.keel", "english.keel"}) {
            std::filesystem::copy_file(std::filesystem::path(kShippedDataDir) / "language" / name,
                                       folder / "language" / name,
                                       std::filesystem::copy_options::overwrite_existing);
        }
    }
    void saveSetting(const std::string& key, const std::string& value) {
        ASSERT_TRUE(app->userSettings().save(key, value));
    }
    std::string setting(const std::string& key) { return app->userSettings().get(key, "-"); }

    TestDesktop desktop;
    TempInstallFolder folder;
    std::unique_ptr<Application> app;
};

}  // namespace lumbrix::test
