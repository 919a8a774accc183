#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/ini_file.h"

namespace lumbrix {

class Application;

// The folder of the language files below the installation folder.
inline constexpr const char* kLanguageFolder = "language";
// The pattern of the language files' names.
inline constexpr const char* kLanguageFilePattern = "*.keel";
// What a caption reads when its file, section or key is missing.
inline constexpr const char* kMissingCaption = "0";

// One language file as its readers see it: INI sections of captions, read once. Section and
// key names match regardless of letter case; a value is trimmed, loses one pair of enclosing
// quotes and is cut to its first 254 characters; a key with an empty value gives ""; a missing
// file, section or key gives "0". The file is read when the object is made, so one loader
// sees one state of the file.
class LanguageFile {
  public:
    explicit LanguageFile(const std::filesystem::path& path);
    // A file's text as it stands (for readers that have the bytes already).
    static LanguageFile fromText(std::string_view text);

    std::string caption(std::string_view section, std::string_view key) const;

    // False when the file exists but cannot be read as a whole: not text (binary, UTF-16),
    // larger than the program reads, or refused by the system. Its captions then read "0".
    bool readable() const { return problem_ == Problem::None; }
    const std::filesystem::path& path() const { return path_; }
    // Why the file cannot be read, in Estonian or English.
    std::string problem(bool estonian) const;

  private:
    enum class Problem { None, NotText, TooLarge, System };

    LanguageFile() = default;
    IniDocument document_;
    std::filesystem::path path_;
    Problem problem_ = Problem::None;
    int errorNumber_ = 0;
};

// Tells the planner once which language file cannot be read and why; the captions keep the
// texts they have.
void reportUnreadableLanguageFile(const LanguageFile& file, bool estonian);

// The language file `fileName` (name and extension, no folder) of the installation: an empty
// name gives the language folder itself, which reads as a missing file.
std::filesystem::path languageFilePath(const Application& app, const std::string& fileName);

}  // namespace lumbrix
