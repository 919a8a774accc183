#include "localisation/language_file.h"

#include <system_error>

#include "app/application.h"
#include "platform/atomic_file.h"
#include "platform/desktop.h"
#include "platform/file_reports.h"

namespace lumbrix {

LanguageFile::LanguageFile(const std::filesystem::path& path) : path_(path) {
    const FileResult loaded = document_.load(path);
    std::error_code folder;
    if (std::filesystem::is_directory(path, folder)) {
        // An empty language name names the language folder: read as a missing file.
    } else if (!loaded) {
        std::error_code ec;
        const bool tooLarge = std::filesystem::is_regular_file(path, ec) &&
                              std::filesystem::file_size(path, ec) > kMaxReadFileBytes;
        problem_ = tooLarge ? Problem::TooLarge : Problem::System;
        errorNumber_ = loaded.number;
    } else if (!document_.isText()) {
        problem_ = Problem::NotText;
    }
    // A file that cannot be read leaves the document empty: every caption reads "0".
    if (problem_ != Problem::None) document_ = IniDocument();
}

LanguageFile LanguageFile::fromText(std::string_view text) {
    LanguageFile file;
    file.document_ = IniDocument(text);
    return file;
}

std::string LanguageFile::caption(std::string_view section, std::string_view key) const {
    return document_.get(section, key, kMissingCaption);
}

std::string LanguageFile::problem(bool estonian) const {
    switch (problem_) {
        case Problem::None:
            return "";
        case Problem::NotText:
            return estonian ? "see ei ole tekstifail (binaarne või UTF-16)"
                            : "it is not a text file (binary or UTF-16)";
        case Problem::TooLarge: {
            const std::string most = std::to_string(kMaxReadFileBytes / (1024 * 1024)) + " MB";
            return estonian ? "see on suurem kui " + most : "it is larger than " + most;
        }
        case Problem::System:
            break;
    }
    return fileFailureReason(errorNumber_, estonian);
}

void reportUnreadableLanguageFile(const LanguageFile& file, bool estonian) {
    const std::string name = file.path().string();
    const std::string text =
        estonian ? "Keelefaili " + name + " ei saa lugeda: " + file.problem(true) +
                       ".\r\nPealdised jäävad programmi enda tekstideks."
                 : "The language file " + name + " cannot be read: " + file.problem(false) +
                       ".\r\nThe captions keep the program's own texts.";
    reportFileProblem(file.path(), text, mb::kExclamation, "LUMBRIX");
}

std::filesystem::path languageFilePath(const Application& app, const std::string& fileName) {
    return app.installFolder() / kLanguageFolder / fileName;
}

}  // namespace lumbrix
