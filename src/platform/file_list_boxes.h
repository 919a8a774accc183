#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/control.h"

namespace lumbrix {

// The drive list. This system has one drive, the root "/", which holds every path.
class DriveListBox : public Control {
  public:
    DriveListBox(Form& form, std::string name, int index = -1);

    const std::string& drive() const { return drive_; }
    // Chooses the drive of `path`, a drive or any absolute path ("/", "/opt/x"). Raises
    // Change when the drive differs; error 68 "Device unavailable" for a text that names no
    // drive.
    void setDrive(const std::string& path);

    int listCount() const { return 1; }
    // Row `i` (0-based). Error 381 outside 0..count-1.
    const std::string& list(int i) const;

    Event<> Change;

  private:
    std::string drive_ = "/";
};

// The folder list: the chain of folders from the root down to the current folder, then the
// current folder's subfolders sorted case-insensitively. Hidden folders (names starting
// with ".") are not listed. Selecting a row raises Click; opening a row (the planner's
// double-click) makes it the current folder and raises Change.
class DirListBox : public Control {
  public:
    // Starts at the program's working folder.
    DirListBox(Form& form, std::string name, int index = -1);

    // The current folder, exactly as it was set.
    const std::string& path() const { return path_; }
    // Error 76 "Path not found" when `path` is not a folder. A different path raises Change;
    // the same path re-reads the folder.
    void setPath(const std::string& path);
    // Re-reads the current folder's subfolders.
    void refresh();

    int listCount() const { return static_cast<int>(rows_.size()); }
    // The folder name of row `i` ("/" for the root). Error 381 outside 0..count-1.
    const std::string& list(int i) const;
    // The full path of row `i`.
    const std::string& listPath(int i) const;
    // Depth of row `i` for indenting: 0 for the root.
    int listLevel(int i) const;
    // The row of the current folder.
    int currentRow() const { return currentRow_; }

    // The selected row (the current folder's after a change of folder). Error 380 outside
    // -1..count-1; Click when the selection changes.
    int listIndex() const { return listIndex_; }
    void setListIndex(int i);
    // The planner opened row `i`: its folder becomes the current folder.
    void openRow(int i);

    Event<> Change;

  private:
    struct Row {
        std::string name;
        std::string path;
        int level = 0;
    };

    const Row& row(int i) const;
    void readRows();

    std::string path_;
    std::vector<Row> rows_;
    int currentRow_ = 0;
    int listIndex_ = 0;
};

// True when `fileName` matches `pattern`: one or more patterns separated by ";", each with
// "*" (any characters) and "?" (one character), letter case ignored. "*.*" and an empty
// pattern match every name.
bool matchesFilePattern(std::string_view fileName, std::string_view pattern);

// The file list: the regular files of a folder that match the pattern, sorted
// case-insensitively; hidden files (names starting with ".") are not listed. A folder that
// cannot be read shows no files.
class FileListBox : public Control {
  public:
    // Starts at the program's working folder with the pattern "*.*".
    FileListBox(Form& form, std::string name, int index = -1);

    // The folder, exactly as it was set.
    const std::string& path() const { return path_; }
    // Error 76 "Path not found" when `path` is not a folder. A different path re-reads the
    // list, clears the selection and raises PathChange; the same path is a refresh.
    void setPath(const std::string& path);

    const std::string& pattern() const { return pattern_; }
    // A different pattern re-reads the list, clears the selection and raises PatternChange;
    // the same pattern is a refresh.
    void setPattern(const std::string& pattern);

    // The selected file's name, "" with none.
    std::string fileName() const;
    // A name with "*" or "?" sets the pattern. Otherwise the listed file of that name (exact
    // letter case first, else ignoring it) is selected; a name that is not listed clears
    // the selection.
    void setFileName(const std::string& name);

    int listCount() const { return static_cast<int>(rows_.size()); }
    // Row `i` (0-based). Error 381 outside 0..count-1.
    const std::string& list(int i) const;
    const std::vector<std::string>& rows() const { return rows_; }

    // The selected row, -1 for none. Error 380 outside -1..count-1; Click when it changes.
    int listIndex() const { return listIndex_; }
    void setListIndex(int i);

    // Re-reads the folder; the selection stays on the same file name while it is listed.
    // Raises nothing.
    void refresh();

    Event<> PathChange;
    Event<> PatternChange;

  private:
    void readRows();

    std::string path_;
    std::string pattern_ = "*.*";
    std::vector<std::string> rows_;
    int listIndex_ = -1;
};

}  // namespace lumbrix
