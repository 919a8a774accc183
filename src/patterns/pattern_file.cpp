// The pattern file pair: the INI pattern file and its notes, written and read whole.
#include "patterns/pattern_file.h"

#include <cstdint>
#include <system_error>

#include "platform/codec.h"
#include "platform/estonian_file_reasons.h"
#include "platform/ini_file.h"
#include "platform/path_names.h"
#include "platform/text.h"
#include "platform/vb_error.h"

namespace lumbrix {

namespace fs = std::filesystem;

namespace {

constexpr const char* kSaekava = "Saekava";
constexpr const char* kPalk = "Palk";
constexpr const char* kTulem = "Tulem";
constexpr const char* kInfo = "Info";
// The longer of the pair's two extensions.
constexpr const char* kPatternExtension = ".kava";

struct BoardKeys {
    const char* prefix;
    std::vector<std::string> PatternFile::*rows;
    int count;
};

// Write and read order of the board positions.
constexpr BoardKeys kBoardKeys[] = {{"syda", &PatternFile::syda, kPatternCentreRows},
                                    {"vasak", &PatternFile::vasak, kPatternOuterRows},
                                    {"parem", &PatternFile::parem, kPatternOuterRows},
                                    {"all", &PatternFile::all, kPatternOuterRows},
                                    {"yleval", &PatternFile::yleval, kPatternOuterRows}};

bool isQuote(char c) {
    return c == '"' || c == '\'';
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// The value as it goes behind "=": on one line, and quoted when the reader would otherwise
// drop its end blanks or its enclosing quotes.
std::string storedValue(std::string value) {
    for (char& c : value) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    if (value.empty()) return value;
    const bool blankEnds = isBlank(value.front()) || isBlank(value.back());
    const bool quotedEnds =
        value.size() >= 2 && isQuote(value.front()) && value.back() == value.front();
    if (blankEnds || quotedEnds) return '"' + value + '"';
    return value;
}

// How the pattern file that a save replaces was read: its encoding, or none decided when
// there is no such file or it cannot be read.
DecodedText encodingOfFile(const fs::path& path) {
    const FileBytes old = readFileBytes(path);
    DecodedText decoded;
    if (old) {
        decoded = decodeFileTextKeepingEncoding(old.bytes);
        decoded.text.clear();
    }
    return decoded;
}

// A pattern name is refused only when it cannot be a file name: the rules of profile names
// (length, blanks at the ends, ".set") are not a pattern's.
FileResult checkName(const fs::path& folder, const std::string& name) {
    const fs::path target = patternFilePath(folder, name);
    if (auto refusal = checkFileName(name)) {
        return FileResult::failure(vberr::kBadFileName, target, *refusal);
    }
    if (name.size() + std::string_view(kPatternExtension).size() > longestFileName(folder)) {
        return FileResult::failure(vberr::kBadFileName, target,
                                   "The name is too long for a file name.");
    }
    return FileResult::success(target);
}

// The whole content of a regular file of a sensible size.
FileBytes readRegularFile(const fs::path& path) {
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    FileBytes result;
    if (!fs::is_regular_file(status)) {
        static_cast<FileResult&>(result) = FileResult::failure(
            fs::exists(status) ? vberr::kPathFileAccessError : vberr::kFileNotFound, path,
            path.string() + " is not a file");
        return result;
    }
    const std::uintmax_t size = fs::file_size(path, ec);
    if (!ec && size > kMaxReadFileBytes) {
        static_cast<FileResult&>(result) = FileResult::failure(
            vberr::kPathFileAccessError, path, path.string() + " is too large for a pattern");
        return result;
    }
    return readFileBytes(path);
}

PatternRead failedRead(std::string reason, std::string reasonEstonian = {}, fs::path file = {}) {
    PatternRead read;
    read.reason = std::move(reason);
    read.reasonEstonian = std::move(reasonEstonian);
    read.file = std::move(file);
    return read;
}

// A file of the pair that could not be read, in both languages.
PatternRead unreadable(const FileBytes& bytes, const fs::path& path) {
    if (bytes.number == vberr::kFileNotFound) {
        return failedRead("The file is not found.", "Faili ei leitud.", path);
    }
    return failedRead(
        "The file cannot be read: " + bytes.reason + ".",
        "Faili ei saa lugeda: " + estonianFailureReason(bytes.reason, bytes.number) + ".", path);
}

}  // namespace

std::string patternFileBytes(const PatternFile& pattern, const DecodedText& replaced) {
    IniDocument document;
    const auto put = [&](const char* section, const std::string& key, const std::string& value) {
        document.set(section, key, storedValue(value));
    };
    for (const BoardKeys& keys : kBoardKeys) {
        const std::vector<std::string>& rows = pattern.*keys.rows;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            put(kSaekava, keys.prefix + std::to_string(i), rows[i]);
        }
    }
    put(kPalk, "palgitasku", pattern.palgitasku);
    put(kPalk, "palgidiameeter", pattern.palgidiameeter);
    put(kPalk, "palgityygas", pattern.palgityygas);
    put(kPalk, "palgipikkus", pattern.palgipikkus);
    put(kPalk, "palgimaht", pattern.palgimaht);
    put(kPalk, "palgikoone", pattern.palgikoone);
    put(kPalk, "palgikoverus", pattern.palgikoverus);
    put(kTulem, "VALJATULEK", pattern.VALJATULEK);
    put(kTulem, "EBITDA", pattern.EBITDA);
    put(kTulem, "EBIT", pattern.EBIT);
    put(kInfo, "Kuupaev", pattern.Kuupaev);
    put(kInfo, "Koostaja", pattern.Koostaja);
    // In the encoding the replaced file was read in; a new file in Windows-1257 when the text
    // fits and cannot be mistaken for UTF-8, else in UTF-8.
    return encodeFileText(document.text(), replaced.encoding, replaced.byteOrderMark);
}

PatternRead parsePatternFile(std::string_view bytes) {
    if (bytes.find('\0') != std::string_view::npos) {
        return failedRead("The file is not text.", "Fail ei ole tekstifail.");
    }
    const IniDocument document(decodeFileText(bytes));
    const bool anySection = document.hasSection(kSaekava) || document.hasSection(kPalk) ||
                            document.hasSection(kTulem) || document.hasSection(kInfo);
    if (!anySection) return failedRead("The file holds no pattern.", "Failis ei ole saekava.");

    PatternRead read;
    read.ok = true;
    PatternFile& p = read.pattern;
    for (const BoardKeys& keys : kBoardKeys) {
        for (int i = 0; i < keys.count; ++i) {
            std::string key = keys.prefix + std::to_string(i);
            std::string row = document.get(kSaekava, key, "0");
            if (Len(row) <= 1) continue;
            (p.*keys.rows).push_back(std::move(row));
            read.rowKeys.push_back(std::move(key));
        }
    }
    p.palgidiameeter = document.get(kPalk, "palgidiameeter", "0");
    p.palgikoone = document.get(kPalk, "palgikoone", "0");
    p.palgipikkus = document.get(kPalk, "palgipikkus", "0");
    p.palgimaht = document.get(kPalk, "palgimaht", "0");
    p.Kuupaev = document.get(kInfo, "Kuupaev", "-");
    p.Koostaja = document.get(kInfo, "Koostaja", "-");
    for (const char* key : {"palgidiameeter", "palgikoone", "palgipikkus", "palgimaht"}) {
        if (!document.value(kPalk, key)) read.missingKeys.emplace_back(key);
    }
    return read;
}

RichText readNotes(std::string_view bytes) {
    const RichText read = readRtf(bytes);
    RichText notes;
    std::size_t character = 0;
    for (std::size_t pos = 0; pos < read.text.size(); ++character) {
        const Utf8Char ch = decodeUtf8At(read.text, pos);
        const CharFormat format =
            character < read.formats.size() ? read.formats[character] : CharFormat{};
        const bool crLf = read.text.compare(pos, 2, "\r\n") == 0;
        if (crLf || ch.codePoint == U'\r' || ch.codePoint == U'\n') {
            notes.text += "\r\n";
            notes.formats.push_back(format);
            notes.formats.push_back(
                crLf && character + 1 < read.formats.size() ? read.formats[character + 1] : format);
            pos += crLf ? 2 : 1;
            character += crLf ? 1 : 0;
            continue;
        }
        notes.text.append(read.text, pos, ch.length);
        notes.formats.push_back(format);
        pos += ch.length;
    }
    return notes;
}

fs::path patternFilePath(const fs::path& folder, const std::string& name) {
    return folder / (name + kPatternExtension);
}

fs::path notesFilePath(const fs::path& folder, const std::string& name) {
    return folder / (name + ".rtf");
}

FileResult savePatternPair(const fs::path& folder, const std::string& name,
                           const PatternFile& pattern) {
    if (FileResult named = checkName(folder, name); !named) return named;
    const fs::path kava = patternFilePath(folder, name);
    const fs::path rtf = notesFilePath(folder, name);
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) {
        return FileResult::failure(vberr::kPathNotFound, kava,
                                   "Cannot write " + kava.string() + ": the folder " +
                                       folder.string() + " does not exist");
    }
    // The pair goes in place together or not at all: both files are written in full before
    // either replaces the old one, and a notes file that cannot be put in place brings the old
    // pattern file back. Notes of an earlier save under this name do not outlive this one.
    const bool withNotes = !pattern.notes.text.empty();
    std::vector<FileWrite> files{{kava, patternFileBytes(pattern, encodingOfFile(kava))}};
    std::vector<fs::path> removals;
    if (withNotes) {
        files.push_back({rtf, writeRtf(pattern.notes)});
    } else {
        removals.push_back(rtf);
    }
    if (FileResult written = writeFilesAtomically(files, removals); !written) return written;
    return FileResult::success(kava);
}

PatternRead readPatternPair(const fs::path& patternPath, const fs::path& notesPath) {
    const FileBytes kava = readRegularFile(patternPath);
    if (!kava) return unreadable(kava, patternPath);
    PatternRead read = parsePatternFile(kava.bytes);
    if (!read.ok) return failedRead(read.reason, read.reasonEstonian, patternPath);

    std::error_code ec;
    if (!fs::exists(fs::status(notesPath, ec))) return read;  // no notes file: no notes
    const FileBytes notes = readRegularFile(notesPath);
    if (!notes) return unreadable(notes, notesPath);
    try {
        read.pattern.notes = readNotes(notes.bytes);
    } catch (const VbError& e) {
        read.notesDamaged = true;
        read.notesReason = "It is not rich text (RTF): " + e.description() + ".";
        read.notesReasonEstonian =
            "See ei ole RTF-vormingus tekst: " + VbError::standardDescription(e.number(), true) +
            ".";
        read.damagedNotesBytes = notes.bytes;
    }
    return read;
}

}  // namespace lumbrix
