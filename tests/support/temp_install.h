#pragma once

#include <filesystem>
#include <string>

namespace lumbrix::test {

// A temporary installation folder for one test, removed when the test ends. It can be
// filled with the shipped content (database, language files, pattern folders).
class TempInstallFolder {
  public:
    TempInstallFolder();
    ~TempInstallFolder();
    TempInstallFolder(const TempInstallFolder&) = delete;
    TempInstallFolder& operator=(const TempInstallFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& relative) const { return path_ / relative; }
    // The per-user settings file of this test (inside the folder, so nothing leaks out).
    std::filesystem::path userSettingsPath() const { return path_ / "user" / "settings.ini"; }

    // Copies the shipped installation content (the repository's data/ folder) in.
    void copyShippedData() const;
    // Writes a file (creating its folders) with exactly these bytes.
    void writeFile(const std::string& relative, const std::string& bytes) const;
    std::string readFile(const std::string& relative) const;

  private:
    std::filesystem::path path_;
};

}  // namespace lumbrix::test
