#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/atomic_file.h"
#include "platform/codec.h"
#include "platform/rtf.h"

namespace lumbrix {

// A saved sawing pattern: the pattern file `<name>.kava` (INI, sections Saekava, Palk,
// Tulem, Info) and beside it the notes file `<name>.rtf`. Members are named after the keys
// they are stored under; every value is the text of the main-window field it comes from.
struct PatternFile {
    // Board rows per position, in list order: keys syda0.., vasak0.., parem0.., all0..,
    // yleval0.. of section Saekava.
    std::vector<std::string> syda;
    std::vector<std::string> vasak;
    std::vector<std::string> parem;
    std::vector<std::string> all;
    std::vector<std::string> yleval;
    // Section Palk.
    std::string palgitasku;
    std::string palgidiameeter;
    std::string palgityygas;
    std::string palgipikkus;
    std::string palgimaht;
    std::string palgikoone;
    std::string palgikoverus;
    // Section Tulem.
    std::string VALJATULEK;
    std::string EBITDA;
    std::string EBIT;
    // Section Info.
    std::string Kuupaev;
    std::string Koostaja;
    // The notes, with their bold, italic and underline.
    RichText notes;
};

// How many rows a reader takes per position: eight centre boards, two of each other kind.
inline constexpr int kPatternCentreRows = 8;
inline constexpr int kPatternOuterRows = 2;

// The bytes of the pattern file: the four sections with their keys in write order, CR LF
// line ends. The encoding is that of the file the bytes replace, as `replaced` says it was
// read: a UTF-8 file stays UTF-8 (keeping its byte order mark); a Windows-1257 file, and a new
// one, is written in Windows-1257 when every character fits (and the bytes cannot be taken for
// UTF-8), else in UTF-8. A value that the reader would change (blanks or a pair of quotes at
// its ends) is written in double quotes so that it reads back as it is; each CR or LF inside a
// value becomes a blank.
std::string patternFileBytes(const PatternFile& pattern, const DecodedText& replaced = {});

// What a read gives: the pattern, or why the file is not one.
struct PatternRead {
    bool ok = false;
    PatternFile pattern;
    std::string reason;          // in English; empty when ok
    std::string reasonEstonian;  // the same reason in Estonian
    std::filesystem::path file;  // the file of the pair the reason is about, when known
    // The key each board row was read from, in read order: the centre rows, then the left,
    // right, lower and upper ones.
    std::vector<std::string> rowKeys;
    // The log keys (section Palk) that the file lacks; they read as their defaults.
    std::vector<std::string> missingKeys;
    // Notes that are not rich text: the pattern reads with empty notes, and these say why
    // and hold the notes file's bytes, to be kept aside before a save writes over them.
    bool notesDamaged = false;
    std::string notesReason;
    std::string notesReasonEstonian;
    std::string damagedNotesBytes;
};

// Reads the pattern file's bytes as the open dialog does: up to eight centre rows and two
// rows per other position, rows of one character or less skipped, gaps in the keys closed
// up; diameter, taper, length and volume with the default "0", date and author with "-".
// The keys that are not read back (pocket, butt diameter, curvature, results) stay empty.
// Bytes that hold a NUL (not text) or none of the four sections are not a pattern file.
// The log keys the file lacks are listed in missingKeys.
PatternRead parsePatternFile(std::string_view bytes);

// The notes of a notes file's bytes: the RTF document's text and formats, every line break
// made the "\r\n" of the notes box. Bytes that are not RTF raise vberr::kInvalidFileFormat.
RichText readNotes(std::string_view bytes);

// Where a pattern lives: folder / name.kava and folder / name.rtf.
std::filesystem::path patternFilePath(const std::filesystem::path& folder, const std::string& name);
std::filesystem::path notesFilePath(const std::filesystem::path& folder, const std::string& name);

// Saves the pair under `name` in `folder`. Both files are written in full to temporary
// files in the folder before either replaces the old one, so a failure leaves the old pair
// whole. A pattern file saved over keeps the encoding it is in. Empty notes write no notes
// file and remove an old one (a regular file only). A name that cannot be a file name (see
// checkFileName) or is too long for the folder's file system gives vberr::kBadFileName.
FileResult savePatternPair(const std::filesystem::path& folder, const std::string& name,
                           const PatternFile& pattern);

// Reads the pattern file at `patternPath` and the notes at `notesPath` (no notes file:
// empty notes). Nothing is applied anywhere: the caller gets all of it or a reason, in both
// message languages, with the file it is about. A notes file that is not rich text gives the
// pattern with empty notes and notesDamaged; one that cannot be read at all is a failed read.
PatternRead readPatternPair(const std::filesystem::path& patternPath,
                            const std::filesystem::path& notesPath);

}  // namespace lumbrix
