#pragma once

#include <filesystem>
#include <string>

namespace lumbrix {

class Application;

// Other windows (the comparison slots) save and open patterns through the save and open
// dialogs without showing them: the dialog is loaded (its whole start-up runs), driven
// through its controls and then always discarded, also when the driven step failed or
// raised an error.

// Saves the main window's pattern as `name` in `folder`; true when the pair was written.
// A refused name, a folder that does not exist and a failed write have been reported in the
// save dialog's error box.
bool savePatternWithoutShowing(Application& app, const std::filesystem::path& folder,
                               const std::string& name);

// Opens the pattern `name` of `folder`: selects the file list's entries one by one until
// the name box shows `name` and presses Open. False when no entry matches or the open did
// not happen (reported by the dialog). Errors (a folder that does not exist: VbError 76)
// reach the caller.
bool openPatternWithoutShowing(Application& app, const std::filesystem::path& folder,
                               const std::string& name);

}  // namespace lumbrix
