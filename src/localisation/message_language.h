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

// A run-time error's description in the current message language: `english` is the error's
// own description.
std::string errorDescription(const frmMain& main, int number, const std::string& english);
// The "number - description" line of a run-time error in the current message language.
std::string errorLine(const frmMain& main, int number, const std::string& english,
                      const std::string& separator = " - ");

// The text for the current message language.
const std::string& bilingual(const frmMain& main, const std::string& estonian,
                             const std::string& english);

}  // namespace lumbrix
