#pragma once

#include <filesystem>

#include "platform/atomic_file.h"
#include "store/saved_list.h"

namespace lumbrix {

class frmMain;
class ListBox;

// The profile's log price table: the list file "logprices" in the profile's folder, one log
// price row (`Palgihinnarida`) per item, in the order of the editor's sorted list.
inline constexpr const char* kLogPricesFileName = "logprices";

// What the planner is told when the log price file cannot be read, and the box's title, in
// English; an Estonian program says them in Estonian.
inline constexpr const char* kInvalidLogPricesMessage = "File logprices is missing or invalid!";
inline constexpr const char* kLogPricesFileErrorTitle = "File error";

std::filesystem::path logPricesFilePath(const std::filesystem::path& profileFolder);

// Appends the rows of the current profile's log price file to `list` without clearing it and
// without reporting anything: the result says what happened (a current profile name that
// cannot be a folder name is a FileError with number 52). A missing file is created empty.
SavedListRead appendLogPriceRows(const frmMain& main, ListBox& list);

// Writes the rows of `list`, in list order, to the current profile's log price file,
// atomically; reports nothing.
FileResult saveLogPriceRows(const frmMain& main, const ListBox& list);

}  // namespace lumbrix
