#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/atomic_file.h"
#include "platform/codec.h"

namespace lumbrix {

// INI files (profile settings, pattern files, language files, user settings) with the rules of
// the classic private-profile functions:
//
// - A section line is "[name]" (blanks around it and around the name are ignored; the name
//   ends at the first "]"). A key line is "key=value": the key is the text before the first
//   "=", the value everything after it to the end of the line. Lines without "=", blank lines
//   and lines starting with ";" are not keys. Key lines before the first section belong to no
//   section.
// - Section and key names match regardless of letter case (ASCII, Latin-1 and Baltic
//   letters). The first matching section, and in it the first matching key, count.
// - A value has its blanks (spaces and tabs) trimmed at both ends, then one pair of enclosing
//   quotes dropped (the same quote, single or double, at both ends), then is cut to its first
//   kMaxProfileValueLength characters.
// - Lines end in CR LF or LF on read; every line is written with CR LF.
// - A file keeps the encoding it was read in (see codec.h); a new file is written in
//   Windows-1257 when every character fits, else in UTF-8. Writes are atomic.
//
// A write replaces the key's line in place (keeping the key's spelling in the file), or adds
// the key after the last key line of its section (after the section line when it has none),
// or adds the section with the key at the end of the file. Every other line stays as it was.

// The longest value a read returns, in characters (a 255-character buffer with its NUL).
inline constexpr int kMaxProfileValueLength = 254;

using ProfileEntries = std::vector<std::pair<std::string, std::string>>;

// An INI file as lines of text, for reading and changing several keys with one read and one
// write.
class IniDocument {
  public:
    IniDocument() = default;
    // The document of decoded file text (CR LF or LF line ends).
    explicit IniDocument(std::string_view text);
    // The document of a file's bytes, remembering the encoding they were read in.
    static IniDocument fromBytes(std::string_view bytes);

    // Replaces the document by the file at path. A missing file (or folder) gives an empty
    // document and success; any other failure is returned and leaves the document empty.
    FileResult load(const std::filesystem::path& path);

    // Writes the document to path atomically with CR LF line ends, in the encoding it was
    // read in (a new document: Windows-1257 when every character fits, else UTF-8).
    FileResult save(const std::filesystem::path& path) const;

    // The encoding the document was read in; setting it chooses the encoding of the next save
    // (the user settings file is always UTF-8).
    TextEncoding encoding() const { return encoding_; }
    void setEncoding(TextEncoding encoding) { encoding_ = encoding; }

    // False when the bytes loaded were not text (a NUL byte or other control characters).
    bool isText() const { return isText_; }

    // The document's text as it is written (UTF-8, each line ended by CR LF).
    std::string text() const;

    const std::vector<std::string>& lines() const { return lines_; }

    // The value of the key, or nullopt when the section or the key is missing.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;

    // The value of the key, or defaultValue (without its trailing spaces, cut to
    // kMaxProfileValueLength characters) when the section or the key is missing.
    std::string get(std::string_view section, std::string_view key,
                    std::string_view defaultValue) const;

    bool hasSection(std::string_view section) const;

    // The keys of the section in file order with their values (read as by value()); empty when
    // the section is missing.
    ProfileEntries entries(std::string_view section) const;

    // Sets the key's line to key=value as described above.
    void set(std::string_view section, std::string_view key, std::string_view value);

    // Removes the key's line; false when there was none.
    bool removeKey(std::string_view section, std::string_view key);

    // Removes the section line and every line up to the next section; false when there was none.
    bool removeSection(std::string_view section);

  private:
    struct Range {
        std::size_t header;  // index of the section line
        std::size_t end;     // index one past the section's last line
    };
    std::optional<Range> findSection(std::string_view section) const;
    std::optional<std::size_t> findKey(const Range& range, std::string_view key) const;

    std::vector<std::string> lines_;
    TextEncoding encoding_ = TextEncoding::Undecided;
    bool byteOrderMark_ = false;
    bool isText_ = true;
};

// The text to write as a key's value so that a read gives `value` back exactly: the value
// itself, or the value inside double quotes when a read would trim its blanks or drop its
// enclosing quotes. nullopt when no text reads back as `value`: it holds a line break or a
// NUL, or is longer than kMaxProfileValueLength characters.
std::optional<std::string> storedProfileValue(std::string_view value);

// The key's value, or defaultValue when the file, the section or the key is missing or the file
// cannot be read. A key with an empty value gives "".
std::string readProfileString(const std::filesystem::path& path, std::string_view section,
                              std::string_view key, std::string_view defaultValue);

// The section's keys and values in file order; empty when the file or the section is missing.
ProfileEntries readProfileSection(const std::filesystem::path& path, std::string_view section);

// Writes key=value into the section, creating the file when it is missing (but not a missing
// folder: kPathNotFound). A file that exists but cannot be read is not overwritten.
FileResult writeProfileString(const std::filesystem::path& path, std::string_view section,
                              std::string_view key, std::string_view value);

// Removes the key, or the whole section. Success without writing when there is nothing to
// remove (also when the file is missing).
FileResult deleteProfileKey(const std::filesystem::path& path, std::string_view section,
                            std::string_view key);
FileResult deleteProfileSection(const std::filesystem::path& path, std::string_view section);

}  // namespace lumbrix
