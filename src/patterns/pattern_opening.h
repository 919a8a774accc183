#pragma once

#include <filesystem>
#include <string>

#include "patterns/pattern_file.h"

namespace lumbrix {

class frmMain;

// A pattern pair read and checked for the main window, with what the planner is told.
struct PatternOpening {
    PatternRead read;
    // The text of the refusal box when the pair cannot be opened; empty when it can.
    std::string refusal;
    bool refused() const { return !refusal.empty(); }
};

// The heading of every refusal in each message language; the file and what is wrong follow.
inline constexpr const char* kOpenErrorText = "Viga kavafaili avamisel!";
inline constexpr const char* kOpenErrorTextEnglish = "Error opening the pattern file!";
// The title of the refusal box in each message language.
inline constexpr const char* kOpenErrorTitle = "Viga";
inline constexpr const char* kOpenErrorTitleEnglish = "Error";

// Reads the pair and checks that the pattern is one the program writes, with a log that the
// main window's log fields take. Nothing on screen or on disk changes: a refusal names the
// file and what is wrong in the current message language.
PatternOpening readPatternForOpening(const frmMain& main, const std::filesystem::path& patternPath,
                                     const std::filesystem::path& notesPath);

// Shows a refusal as the critical box titled "Viga" ("Error" in English).
void showOpeningRefusal(const frmMain& main, const std::string& text);

// For an opening whose notes file is damaged: keeps a copy of it aside as NAME.rtf.damaged (or
// NAME.rtf.damaged2, ... beside an earlier copy of other bytes; NAME cut to fit the folder's
// file-name limit), written atomically and never over another copy, before anything can write over
// it, and gives the message that tells the planner where. In a folder that cannot be written (no
// permission, a read-only file system) no copy is made: the notes file is left as it is, which
// nothing can save over there either, and the message says so. When the copy fails otherwise (a
// full disk) the opening is refused instead, so the notes are never lost. Without damaged notes:
// nothing, and an empty message.
std::string keepDamagedNotes(const frmMain& main, PatternOpening& opening,
                             const std::filesystem::path& notesPath);

}  // namespace lumbrix
