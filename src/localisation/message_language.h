#pragma once

#include <string>

namespace lumbrix {

class frmMain;
struct FileResult;

// Messages exist in Estonian and English. Estonian is chosen exactly when the main window's
// current language file is "eesti.keel" (letter case counts); any other file gives English.
// The rule is tested anew at every use.
bool messagesInEstonian(const frmMain& main);
// The same rule on a language file's name.
bool estonianLanguageFile(const std::string& fileName);

// Why a file operation failed, in the current message language: the file, then the program's
// own words for the failure (the system's reasons are English only, and some are cryptic).
std::string fileFailureText(const frmMain& main, const FileResult& failure);

// The text for the current message language.
const std::string& bilingual(const frmMain& main, const std::string& estonian,
                             const std::string& english);

}  // namespace lumbrix
