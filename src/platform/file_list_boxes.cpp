#include "platform/file_list_boxes.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platform/codec.h"
#include "platform/text.h"
#include "platform/vb_error.h"

namespace lumbrix {

namespace fs = std::filesystem;

namespace {

std::string workingFolder() {
    std::error_code ec;
    const fs::path cwd = fs::current_path(ec);
    return ec ? std::string("/") : cwd.string();
}

bool isFolder(const std::string& path) {
    std::error_code ec;
    return !path.empty() && fs::is_directory(path, ec);
}

void requireFolder(const std::string& path) {
    if (!isFolder(path)) throw VbError(vberr::kPathNotFound);
}

// Names in case-insensitive order; names equal but for letter case keep a fixed order.
void sortNames(std::vector<std::string>& names) {
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const int order = StrCompText(a, b);
        return order != 0 ? order < 0 : a < b;
    });
}

enum class EntryKind { Folder, File };

// The visible entries of one kind in `folder`, sorted; none when it cannot be read.
std::vector<std::string> readFolder(const std::string& folder, EntryKind kind,
                                    std::string_view pattern = {}) {
    std::vector<std::string> names;
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::string name = it->path().filename().string();
        if (name.empty() || name.front() == '.') continue;
        std::error_code typeError;
        const bool wanted = kind == EntryKind::Folder ? it->is_directory(typeError)
                                                      : it->is_regular_file(typeError);
        if (typeError || !wanted) continue;
        if (kind == EntryKind::File && !matchesFilePattern(name, pattern)) continue;
        names.push_back(std::move(name));
    }
    sortNames(names);
    return names;
}

std::u32string lowerCodePoints(std::string_view text) {
    const std::string lower = LCase(text);
    std::u32string out;
    for (std::size_t pos = 0; pos < lower.size();) {
        const Utf8Char ch = decodeUtf8At(lower, pos);
        out += ch.codePoint;
        pos += ch.length;
    }
    return out;
}

// "*" any run of characters, "?" exactly one.
bool wildcardMatch(const std::u32string& name, const std::u32string& pattern) {
    std::size_t n = 0;
    std::size_t p = 0;
    std::size_t starAt = std::u32string::npos;
    std::size_t resumeAt = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == U'?' || pattern[p] == name[n])) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == U'*') {
            starAt = p++;
            resumeAt = n;
        } else if (starAt != std::u32string::npos) {
            p = starAt + 1;
            n = ++resumeAt;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == U'*')
        ++p;
    return p == pattern.size();
}

std::string joinPath(const std::string& folder, const std::string& name) {
    if (!folder.empty() && folder.back() == '/') return folder + name;
    return folder + "/" + name;
}

}  // namespace

bool matchesFilePattern(std::string_view fileName, std::string_view pattern) {
    const std::u32string name = lowerCodePoints(fileName);
    bool anyPattern = false;
    std::size_t start = 0;
    while (start <= pattern.size()) {
        std::size_t end = pattern.find(';', start);
        if (end == std::string_view::npos) end = pattern.size();
        const std::string piece = Trim(pattern.substr(start, end - start));
        start = end + 1;
        if (piece.empty()) continue;
        anyPattern = true;
        if (piece == "*.*" || wildcardMatch(name, lowerCodePoints(piece))) return true;
    }
    return !anyPattern;
}

// ---------------------------------------------------------------- DriveListBox

DriveListBox::DriveListBox(Form& form, std::string name, int index)
    : Control(form, ControlKind::DriveListBox, std::move(name), index) {
    bindEvent(Change, "Change");
    setBackColor(colors::kWindowBackground);
    setForeColor(colors::kWindowText);
}

void DriveListBox::setDrive(const std::string& path) {
    if (path.empty() || path.front() != '/')
        throw VbError(vberr::kDeviceUnavailable, "Device unavailable");
    const std::string drive = "/";
    if (drive == drive_) return;
    drive_ = drive;
    touch();
    Change.raise();
}

const std::string& DriveListBox::list(int i) const {
    if (i != 0) throw VbError(vberr::kInvalidPropertyArrayIndex);
    return drive_;
}

// ---------------------------------------------------------------- DirListBox

DirListBox::DirListBox(Form& form, std::string name, int index)
    : Control(form, ControlKind::DirListBox, std::move(name), index), path_(workingFolder()) {
    bindEvent(Change, "Change");
    setBackColor(colors::kWindowBackground);
    setForeColor(colors::kWindowText);
    readRows();
}

void DirListBox::readRows() {
    rows_.clear();
    std::error_code ec;
    fs::path absolute = fs::absolute(path_, ec).lexically_normal();
    if (!absolute.has_filename() && absolute != absolute.root_path()) {
        absolute = absolute.parent_path();  // a trailing "/"
    }
    fs::path chain;
    int level = 0;
    for (const fs::path& part : absolute) {
        chain /= part;
        rows_.push_back(Row{part.string(), chain.string(), level++});
    }
    if (rows_.empty()) rows_.push_back(Row{"/", "/", level++});
    rows_.back().path = path_;  // the current folder keeps the text it was given
    currentRow_ = listCount() - 1;
    for (std::string& sub : readFolder(path_, EntryKind::Folder)) {
        std::string full = joinPath(path_, sub);
        rows_.push_back(Row{std::move(sub), std::move(full), level});
    }
    listIndex_ = currentRow_;
    touch();
}

void DirListBox::setPath(const std::string& path) {
    requireFolder(path);
    if (path == path_) {
        refresh();
        return;
    }
    path_ = path;
    readRows();
    Change.raise();
}

void DirListBox::refresh() {
    const std::string selected = listIndex_ >= 0 ? row(listIndex_).path : std::string();
    readRows();
    for (int i = 0; i < listCount(); ++i) {
        if (rows_[static_cast<std::size_t>(i)].path == selected) listIndex_ = i;
    }
}

const DirListBox::Row& DirListBox::row(int i) const {
    if (i < 0 || i >= listCount()) throw VbError(vberr::kInvalidPropertyArrayIndex);
    return rows_[static_cast<std::size_t>(i)];
}

const std::string& DirListBox::list(int i) const {
    return row(i).name;
}

const std::string& DirListBox::listPath(int i) const {
    return row(i).path;
}

int DirListBox::listLevel(int i) const {
    return row(i).level;
}

void DirListBox::setListIndex(int i) {
    if (i < -1 || i >= listCount()) throw VbError(vberr::kInvalidPropertyValue);
    if (i == listIndex_) return;
    listIndex_ = i;
    touch();
    Click.raise();
}

void DirListBox::openRow(int i) {
    setPath(listPath(i));
}

// ---------------------------------------------------------------- FileListBox

FileListBox::FileListBox(Form& form, std::string name, int index)
    : Control(form, ControlKind::FileListBox, std::move(name), index), path_(workingFolder()) {
    bindEvent(PathChange, "PathChange");
    bindEvent(PatternChange, "PatternChange");
    setBackColor(colors::kWindowBackground);
    setForeColor(colors::kWindowText);
    readRows();
}

void FileListBox::readRows() {
    rows_ = readFolder(path_, EntryKind::File, pattern_);
    listIndex_ = -1;
    touch();
}

void FileListBox::setPath(const std::string& path) {
    requireFolder(path);
    if (path == path_) {
        refresh();
        return;
    }
    path_ = path;
    readRows();
    PathChange.raise();
}

void FileListBox::setPattern(const std::string& pattern) {
    if (pattern == pattern_) {
        refresh();
        return;
    }
    pattern_ = pattern;
    readRows();
    PatternChange.raise();
}

std::string FileListBox::fileName() const {
    return listIndex_ >= 0 ? rows_[static_cast<std::size_t>(listIndex_)] : std::string();
}

void FileListBox::setFileName(const std::string& name) {
    if (name.find_first_of("*?") != std::string::npos) {
        setPattern(name);
        return;
    }
    auto it = std::find(rows_.begin(), rows_.end(), name);
    if (it == rows_.end()) {
        it = std::find_if(rows_.begin(), rows_.end(),
                          [&](const std::string& row) { return StrCompText(row, name) == 0; });
    }
    setListIndex(it == rows_.end() ? -1 : static_cast<int>(it - rows_.begin()));
}

const std::string& FileListBox::list(int i) const {
    if (i < 0 || i >= listCount()) throw VbError(vberr::kInvalidPropertyArrayIndex);
    return rows_[static_cast<std::size_t>(i)];
}

void FileListBox::setListIndex(int i) {
    if (i < -1 || i >= listCount()) throw VbError(vberr::kInvalidPropertyValue);
    if (i == listIndex_) return;
    listIndex_ = i;
    touch();
    Click.raise();
}

void FileListBox::refresh() {
    const std::string selected = fileName();
    readRows();
    const auto it = std::find(rows_.begin(), rows_.end(), selected);
    if (!selected.empty() && it != rows_.end()) {
        listIndex_ = static_cast<int>(it - rows_.begin());
    }
}

}  // namespace lumbrix
