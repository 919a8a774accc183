#include "platform/ini_file.h"

#include "platform/codec.h"
#include "platform/text.h"
#include "platform/vb_error.h"

namespace lumbrix {

namespace fs = std::filesystem;

namespace {

std::string_view trimBlanks(std::string_view s) {
    const std::size_t first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const std::size_t last = s.find_last_not_of(" \t");
    return s.substr(first, last - first + 1);
}

// What a line of an INI file is.
struct ParsedLine {
    enum class Kind { kOther, kSection, kKey };
    Kind kind = Kind::kOther;
    std::string_view name;   // section or key name
    std::string_view value;  // key value with its blanks trimmed
};

ParsedLine parseLine(std::string_view line) {
    const std::string_view text = trimBlanks(line);
    if (text.empty() || text.front() == ';') return {};
    if (text.front() == '[') {
        const std::size_t close = text.find(']');
        if (close != std::string_view::npos) {
            return {ParsedLine::Kind::kSection, trimBlanks(text.substr(1, close - 1)), {}};
        }
    }
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos) return {};
    return {ParsedLine::Kind::kKey, trimBlanks(text.substr(0, equals)),
            trimBlanks(text.substr(equals + 1))};
}

bool sameName(std::string_view a, std::string_view b) {
    return StrCompText(a, b) == 0;
}

// A trimmed value as a read returns it: one pair of enclosing quotes dropped, then cut.
std::string readValue(std::string_view trimmed) {
    if (trimmed.size() >= 2 && (trimmed.front() == '"' || trimmed.front() == '\'') &&
        trimmed.back() == trimmed.front()) {
        trimmed = trimmed.substr(1, trimmed.size() - 2);
    }
    return Left(trimmed, kMaxProfileValueLength);
}

bool isMissing(const FileResult& result) {
    return result.number == vberr::kFileNotFound || result.number == vberr::kPathNotFound;
}

}  // namespace

IniDocument::IniDocument(std::string_view text) {
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (line.ends_with('\r')) line.remove_suffix(1);
        lines_.emplace_back(line);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
}

IniDocument IniDocument::fromBytes(std::string_view bytes) {
    DecodedText decoded = decodeFileTextKeepingEncoding(bytes);
    IniDocument document(decoded.text);
    document.encoding_ = decoded.encoding;
    document.byteOrderMark_ = decoded.byteOrderMark;
    document.isText_ = looksLikeText(bytes);
    return document;
}

FileResult IniDocument::load(const fs::path& path) {
    *this = IniDocument();
    FileBytes file = readFileBytes(path);
    if (!file.ok) {
        return isMissing(file) ? FileResult::success(path) : static_cast<FileResult&>(file);
    }
    *this = fromBytes(file.bytes);
    return FileResult::success(path);
}

FileResult IniDocument::save(const fs::path& path) const {
    return writeFileAtomically(path, encodeFileText(text(), encoding_, byteOrderMark_));
}

std::string IniDocument::text() const {
    std::string out;
    for (const std::string& line : lines_) {
        out += line;
        out += "\r\n";
    }
    return out;
}

std::optional<IniDocument::Range> IniDocument::findSection(std::string_view section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const ParsedLine line = parseLine(lines_[i]);
        if (line.kind != ParsedLine::Kind::kSection || !sameName(line.name, section)) continue;
        std::size_t end = i + 1;
        while (end < lines_.size() && parseLine(lines_[end]).kind != ParsedLine::Kind::kSection) {
            ++end;
        }
        return Range{i, end};
    }
    return std::nullopt;
}

std::optional<std::size_t> IniDocument::findKey(const Range& range, std::string_view key) const {
    for (std::size_t i = range.header + 1; i < range.end; ++i) {
        const ParsedLine line = parseLine(lines_[i]);
        if (line.kind == ParsedLine::Kind::kKey && sameName(line.name, key)) return i;
    }
    return std::nullopt;
}

std::optional<std::string> IniDocument::value(std::string_view section,
                                              std::string_view key) const {
    const auto range = findSection(section);
    if (!range) return std::nullopt;
    const auto index = findKey(*range, key);
    if (!index) return std::nullopt;
    return readValue(parseLine(lines_[*index]).value);
}

std::string IniDocument::get(std::string_view section, std::string_view key,
                             std::string_view defaultValue) const {
    if (auto found = value(section, key)) return *std::move(found);
    // The classic function drops trailing blanks of the default and fills the same buffer.
    return Left(RTrim(defaultValue), kMaxProfileValueLength);
}

bool IniDocument::hasSection(std::string_view section) const {
    return findSection(section).has_value();
}

ProfileEntries IniDocument::entries(std::string_view section) const {
    ProfileEntries result;
    const auto range = findSection(section);
    if (!range) return result;
    for (std::size_t i = range->header + 1; i < range->end; ++i) {
        const ParsedLine line = parseLine(lines_[i]);
        if (line.kind == ParsedLine::Kind::kKey) {
            result.emplace_back(std::string(line.name), readValue(line.value));
        }
    }
    return result;
}

void IniDocument::set(std::string_view section, std::string_view key, std::string_view value) {
    const auto range = findSection(section);
    if (!range) {
        lines_.push_back("[" + std::string(section) + "]");
        lines_.push_back(std::string(key) + "=" + std::string(value));
        return;
    }
    if (const auto index = findKey(*range, key)) {
        std::string& line = lines_[*index];
        line = std::string(parseLine(line).name) + "=" + std::string(value);
        return;
    }
    std::size_t insertAt = range->header + 1;
    for (std::size_t i = range->header + 1; i < range->end; ++i) {
        if (parseLine(lines_[i]).kind == ParsedLine::Kind::kKey) insertAt = i + 1;
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt),
                  std::string(key) + "=" + std::string(value));
}

bool IniDocument::removeKey(std::string_view section, std::string_view key) {
    const auto range = findSection(section);
    if (!range) return false;
    const auto index = findKey(*range, key);
    if (!index) return false;
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*index));
    return true;
}

bool IniDocument::removeSection(std::string_view section) {
    const auto range = findSection(section);
    if (!range) return false;
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(range->header),
                 lines_.begin() + static_cast<std::ptrdiff_t>(range->end));
    return true;
}

std::optional<std::string> storedProfileValue(std::string_view value) {
    if (value.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos) {
        return std::nullopt;
    }
    if (Len(value) > kMaxProfileValueLength) return std::nullopt;
    if (value.empty()) return std::string();
    const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    const auto isQuote = [](char c) { return c == '"' || c == '\''; };
    const bool changedByRead =
        isBlank(value.front()) || isBlank(value.back()) ||
        (value.size() >= 2 && isQuote(value.front()) && value.back() == value.front());
    if (!changedByRead) return std::string(value);
    return "\"" + std::string(value) + "\"";
}

std::string readProfileString(const fs::path& path, std::string_view section, std::string_view key,
                              std::string_view defaultValue) {
    IniDocument document;
    document.load(path);  // an unreadable file reads as an empty one: the default
    return document.get(section, key, defaultValue);
}

ProfileEntries readProfileSection(const fs::path& path, std::string_view section) {
    IniDocument document;
    document.load(path);
    return document.entries(section);
}

FileResult writeProfileString(const fs::path& path, std::string_view section, std::string_view key,
                              std::string_view value) {
    IniDocument document;
    if (FileResult loaded = document.load(path); !loaded.ok) return loaded;
    document.set(section, key, value);
    return document.save(path);
}

FileResult deleteProfileKey(const fs::path& path, std::string_view section, std::string_view key) {
    IniDocument document;
    if (FileResult loaded = document.load(path); !loaded.ok) return loaded;
    if (!document.removeKey(section, key)) return FileResult::success(path);
    return document.save(path);
}

FileResult deleteProfileSection(const fs::path& path, std::string_view section) {
    IniDocument document;
    if (FileResult loaded = document.load(path); !loaded.ok) return loaded;
    if (!document.removeSection(section)) return FileResult::success(path);
    return document.save(path);
}

}  // namespace lumbrix
