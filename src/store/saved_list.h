#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/atomic_file.h"

namespace lumbrix {

class ListBox;

// The `SavedList` list file that holds a profile's log price table and its three product
// lists. Byte layout, offsets from the start of the file:
//
//   0   9 bytes  the ASCII signature "SavedList" (no length, no terminator)
//   9   4 bytes  the row count, signed 32-bit little-endian
//   13  ...      each row: one length byte n (0 to 255), then n bytes of text, one byte per
//                character, in Windows-1257 or (a row that needs it, or was read so) UTF-8
//
// A file written here ends right after its last row. Files written by earlier writers may
// carry old bytes behind the counted rows; readers never look at them.
namespace savedlist {
inline constexpr std::string_view kSignature = "SavedList";
inline constexpr std::size_t kHeaderSize = 13;
inline constexpr std::size_t kMaxRowBytes = 255;
// Readers walk the rows with a 16-bit loop bound (count - 1), so a file may hold at most
// 32767 rows; a longer list can be neither read nor written.
inline constexpr long kMaxRows = 32767;
}  // namespace savedlist

// What reading a list file gave.
struct SavedListRead {
    enum class Outcome {
        Rows,           // a list file: `rows` holds its rows (maybe none)
        Empty,          // an empty or newly created file: no rows, nothing to report
        NotASavedList,  // a non-empty file that does not start with the signature (damaged,
                        // garbage, another format): no rows, reported, kept on the next save
        Invalid,        // a list file that ends before its counted rows or counts too many:
                        // refused whole, no rows, reported, kept on the next save
        FileError,      // the file could not be opened, created or read
    };

    Outcome outcome = Outcome::Rows;
    std::vector<std::string> rows;
    // Invalid and FileError: the run-time error number and description the program reports
    // (for example 6 "Overflow" for a count beyond the 16-bit bound, 321 "Invalid file format"
    // for a file that ends early, 76 "Path not found" for a missing folder) and why.
    int number = 0;
    std::string description;
    std::filesystem::path path;
    std::string reason;
    // The same reason in Estonian, where the reader or its caller wrote it; otherwise the
    // Estonian message tells `reason` in Estonian words.
    std::string estonianReason;
    // NotASavedList and Invalid: where the next save keeps the damaged file.
    std::filesystem::path keptAs;

    // True for Rows and Empty: the loaders add what there is and report nothing.
    bool ok() const { return outcome == Outcome::Rows || outcome == Outcome::Empty; }
    // True when the file exists with content that is not a readable list.
    bool damaged() const {
        return outcome == Outcome::NotASavedList || outcome == Outcome::Invalid;
    }

    // What the planner is told when the read is not ok(), in Estonian or English: the file's
    // name, what is wrong with it, and for a damaged file where it is kept.
    std::string message(bool estonian = false) const;
};

// The rows of a list file's bytes (path is only recorded in the result). Rows are decoded
// one by one: a row that is valid UTF-8 is taken as such, any other as Windows-1257.
SavedListRead parseSavedList(std::string_view bytes, const std::filesystem::path& path = {});

// Reads the list file at path. A missing file is created empty (its folder must exist) and
// gives no rows. A path that is not a regular file (a folder, a named pipe, a device) is
// refused without being opened.
SavedListRead readSavedList(const std::filesystem::path& path);

// Where a damaged list file at path is kept: "NAME.damaged" beside it, or "NAME.damaged2",
// "NAME.damaged3", ... when that name is taken.
std::filesystem::path damagedListCopyPath(const std::filesystem::path& path);

// The bytes of a list file holding rows, or the reason they cannot be stored: a row longer
// than 255 bytes on disk, or more than 32767 rows (VbError 6 "Overflow"). A row keeps the
// encoding of a row of the same text in `previous` (the rows a file held, with the encoding
// each was read in; each used once, in order); another row is written in Windows-1257 when
// every character fits, else in UTF-8.
struct SavedListBytes {
    bool ok = false;
    std::string bytes;
    int number = 0;
    std::string reason;
};
struct StoredRow {
    std::string text;
    bool utf8 = false;  // read as UTF-8 (a row of plain ASCII counts as either)
};
SavedListBytes serializeSavedList(const std::vector<std::string>& rows,
                                  const std::vector<StoredRow>& previous = {});

// The rows of a list file's bytes with the encoding each was read in; empty when the bytes
// are not a readable list.
std::vector<StoredRow> storedRows(std::string_view bytes);

// Writes rows to path atomically: the file then holds exactly the new list, or, when the
// write fails or the rows cannot be stored, its old content unchanged. Rows that the file
// held in UTF-8 are written in UTF-8 again. A damaged file at path (not empty, not a readable
// list) is first kept at damagedListCopyPath(path); when that fails nothing is written. A file
// that is there but cannot be read (too large, no permission) is not written over.
FileResult writeSavedList(const std::filesystem::path& path, const std::vector<std::string>& rows);

// Reads the list file at path and appends its rows to the end of `list` (a sorted list puts
// each at its place). A refused file adds nothing and reports nothing (the result says why).
// The list is not cleared first.
SavedListRead appendSavedListRows(const std::filesystem::path& path, ListBox& list);

// Writes the rows of `list`, first to last, to the list file at path (atomically).
FileResult saveSavedListRows(const std::filesystem::path& path, const ListBox& list);

}  // namespace lumbrix
