#include "localisation/language_file.h"

#include "app/application.h"

namespace lumbrix {

LanguageFile::LanguageFile(const std::filesystem::path& path) {
    // A file that cannot be read leaves the document empty: every caption reads "0".
    if (!document_.load(path)) document_ = IniDocument();
}

LanguageFile LanguageFile::fromText(std::string_view text) {
    LanguageFile file;
    file.document_ = IniDocument(text);
    return file;
}

std::string LanguageFile::caption(std::string_view section, std::string_view key) const {
    return document_.get(section, key, kMissingCaption);
}

std::filesystem::path languageFilePath(const Application& app, const std::string& fileName) {
    return app.installFolder() / kLanguageFolder / fileName;
}

}  // namespace lumbrix
