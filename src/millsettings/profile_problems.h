#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace lumbrix {

class frmMain;
struct SavedListRead;

// The current profile's folder, made when it is missing (one level: the database folder itself
// is not made), so that a new profile starts without a message whichever procedure reads its
// files first. When the name cannot be a folder name or the folder cannot be made, the
// planner is told once per event in the message language ("number" separator "description",
// then the folder and why, critical icon, `title`) and nullopt is returned.
std::optional<std::filesystem::path> profileFolderOrReport(const frmMain& main,
                                                           const std::string& title,
                                                           const std::string& separator);

// Tells the planner, in the message language, what is wrong with a list file that could not be
// used (once per file and event): "number" separator "description" when the failure has a
// number, then the file's name and the reason, and for a damaged file where it is kept.
// Critical icon, `title`; `heading`, when given, is the first line.
void reportListFileProblem(const frmMain& main, const SavedListRead& read, const std::string& title,
                           const std::string& separator, const std::string& heading = "");

// The same for the log price file, under the log price file's own heading and title.
void reportLogPriceFileProblem(const frmMain& main, const SavedListRead& read);

}  // namespace lumbrix
