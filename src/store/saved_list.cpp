#include "store/saved_list.h"

#include <cstdint>
#include <deque>
#include <system_error>
#include <unordered_map>
#include <utility>

#include "platform/codec.h"
#include "platform/estonian_file_reasons.h"
#include "platform/list_box.h"
#include "platform/vb_error.h"

namespace lumbrix {

namespace {

namespace fs = std::filesystem;

SavedListRead refused(SavedListRead::Outcome outcome, int number, fs::path path, std::string reason,
                      std::string estonianReason = {}) {
    SavedListRead result;
    result.outcome = outcome;
    result.number = number;
    result.description = VbError::standardDescription(number);
    result.path = std::move(path);
    result.reason = std::move(reason);
    result.estonianReason = std::move(estonianReason);
    return result;
}

SavedListRead withoutRows(SavedListRead::Outcome outcome, fs::path path, std::string reason = {},
                          std::string estonianReason = {}) {
    SavedListRead result;
    result.outcome = outcome;
    result.path = std::move(path);
    result.reason = std::move(reason);
    result.estonianReason = std::move(estonianReason);
    return result;
}

std::int32_t readCount(std::string_view bytes) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) {
        value = (value << 8) | static_cast<unsigned char>(bytes[savedlist::kSignature.size() + i]);
    }
    return static_cast<std::int32_t>(value);
}

void appendCount(std::string& out, std::int32_t count) {
    const auto value = static_cast<std::uint32_t>(count);
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// A row's text: UTF-8 when its bytes are valid UTF-8, else Windows-1257.
std::string decodeRow(std::string_view bytes) {
    return isValidUtf8(bytes) ? std::string(bytes) : decodeWindows1257(bytes);
}

// Parses the bytes; each row's raw bytes go to `raw` when it is given.
SavedListRead parseRows(std::string_view bytes, const fs::path& path,
                        std::vector<std::string_view>* raw) {
    using Outcome = SavedListRead::Outcome;
    if (bytes.empty()) return withoutRows(Outcome::Empty, path);
    if (bytes.substr(0, savedlist::kSignature.size()) != savedlist::kSignature) {
        const std::string signature = "\"" + std::string(savedlist::kSignature) + "\"";
        return withoutRows(
            Outcome::NotASavedList, path,
            "it does not start with " + signature + ", so it is not a list file",
            "see ei alga märkidega " + signature + ", seega ei ole see nimekirjafail");
    }
    if (bytes.size() < savedlist::kHeaderSize) {
        return refused(Outcome::Invalid, vberr::kInvalidFileFormat, path,
                       "the file ends inside its row count", "fail lõpeb keset ridade arvu");
    }
    const std::int32_t count = readCount(bytes);
    // The readers' loop bound count - 1 is a 16-bit integer: beyond it the original reader
    // stopped with an overflow, and so does this one.
    const long long bound = static_cast<long long>(count) - 1;
    if (bound > savedlist::kMaxRows - 1 || bound < -32768) {
        return refused(
            Outcome::Invalid, vberr::kOverflow, path,
            "the file counts " + std::to_string(count) + " rows; a list holds at most 32767",
            "fail loeb ridu " + std::to_string(count) +
                ", aga nimekirjas saab olla kuni 32767 rida");
    }

    SavedListRead result;
    result.path = path;
    std::size_t pos = savedlist::kHeaderSize;
    for (std::int32_t i = 0; i < count; ++i) {
        // Only a file that ends early needs the row's number in words.
        const auto row = [i] { return std::to_string(i + 1); };
        const auto rows = [count] { return std::to_string(count); };
        if (pos >= bytes.size()) {
            return refused(Outcome::Invalid, vberr::kInvalidFileFormat, path,
                           "the file ends before row " + row() + " of " + rows(),
                           "fail lõpeb enne rida " + row() + ", kuigi ridu peab olema " + rows());
        }
        const std::size_t length = static_cast<unsigned char>(bytes[pos]);
        ++pos;
        if (bytes.size() - pos < length) {
            return refused(Outcome::Invalid, vberr::kInvalidFileFormat, path,
                           "the file ends inside row " + row() + " of " + rows(),
                           "fail lõpeb keset rida " + row() + ", kuigi ridu peab olema " + rows());
        }
        const std::string_view text = bytes.substr(pos, length);
        result.rows.push_back(decodeRow(text));
        if (raw) raw->push_back(text);
        pos += length;
    }
    return result;
}

// Marks a damaged read with the place its file is kept.
SavedListRead withKeptPlace(SavedListRead read) {
    if (read.damaged() && !read.path.empty()) read.keptAs = damagedListCopyPath(read.path);
    return read;
}

}  // namespace

std::string SavedListRead::message(bool estonian) const {
    if (ok()) return {};
    const std::string name = path.empty() ? std::string() : " " + path.string();
    if (estonian) {
        const std::string why =
            estonianReason.empty() ? estonianFailureReason(reason, number) : estonianReason;
        if (outcome == Outcome::FileError) {
            return "Nimekirjafaili" + name + " ei saa lugeda: " + why + ".";
        }
        std::string text =
            "Nimekirjafail" + name + " on vigane: " + why + ". Selle ridu ei näidata.";
        if (!keptAs.empty()) {
            text +=
                " Fail jääb muutmata, kuni nimekiri salvestatakse; siis hoitakse see alles "
                "nimega " +
                keptAs.string() + ".";
        }
        return text;
    }
    const std::string file = "The list file" + name;
    if (outcome == Outcome::FileError) {
        // The reasons of the file functions name the file themselves.
        if (!path.empty() && reason.find(path.string()) != std::string::npos) return reason + ".";
        return file + " cannot be read: " + reason + ".";
    }
    std::string text = file + " is damaged: " + reason + ". Its rows are not shown.";
    if (!keptAs.empty()) {
        text += " The file stays as it is until the list is saved; then it is kept as " +
                keptAs.string() + ".";
    }
    return text;
}

SavedListRead parseSavedList(std::string_view bytes, const fs::path& path) {
    return withKeptPlace(parseRows(bytes, path, nullptr));
}

SavedListRead readSavedList(const fs::path& path) {
    FileBytes file = readFileBytes(path);
    if (!file && file.number == vberr::kFileNotFound) {
        // A missing list is an empty one: create the file as the list's first save would.
        const FileResult created = writeFileAtomically(path, "");
        if (!created) {
            return refused(SavedListRead::Outcome::FileError, created.number, path, created.reason);
        }
        return withoutRows(SavedListRead::Outcome::Empty, path);
    }
    if (!file) return refused(SavedListRead::Outcome::FileError, file.number, path, file.reason);
    return parseSavedList(file.bytes, path);
}

fs::path damagedListCopyPath(const fs::path& path) {
    const std::string base = path.filename().string() + ".damaged";
    fs::path candidate = path.parent_path() / base;
    std::error_code ec;
    for (int n = 2; fs::exists(fs::symlink_status(candidate, ec)) && n < 10000; ++n) {
        candidate = path.parent_path() / (base + std::to_string(n));
    }
    return candidate;
}

std::vector<StoredRow> storedRows(std::string_view bytes) {
    std::vector<std::string_view> raw;
    const SavedListRead read = parseRows(bytes, {}, &raw);
    std::vector<StoredRow> rows;
    if (read.outcome != SavedListRead::Outcome::Rows) return rows;
    for (std::size_t i = 0; i < raw.size(); ++i)
        rows.push_back({read.rows[i], !isAscii(raw[i]) && isValidUtf8(raw[i])});
    return rows;
}

SavedListBytes serializeSavedList(const std::vector<std::string>& rows,
                                  const std::vector<StoredRow>& previous) {
    SavedListBytes result;
    if (rows.size() > static_cast<std::size_t>(savedlist::kMaxRows)) {
        result.number = vberr::kOverflow;
        result.reason = std::to_string(rows.size()) + " rows do not fit a list file (at most " +
                        std::to_string(savedlist::kMaxRows) + ")";
        return result;
    }
    // The encodings of the previous rows of each text, in file order.
    std::unordered_map<std::string, std::deque<bool>> previousUtf8;
    for (const StoredRow& row : previous)
        previousUtf8[row.text].push_back(row.utf8);
    std::string bytes(savedlist::kSignature);
    appendCount(bytes, static_cast<std::int32_t>(rows.size()));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        bool keptUtf8 = false;
        if (const auto found = previousUtf8.find(rows[i]); found != previousUtf8.end()) {
            if (!found->second.empty()) {
                keptUtf8 = found->second.front();
                found->second.pop_front();
            }
        }
        const std::string encoded =
            encodeFileText(rows[i], keptUtf8 ? TextEncoding::Utf8 : TextEncoding::Undecided);
        if (encoded.size() > savedlist::kMaxRowBytes) {
            result.number = vberr::kOverflow;
            result.reason = "row " + std::to_string(i + 1) + " is " +
                            std::to_string(encoded.size()) +
                            " bytes long; a list row holds at most 255";
            return result;
        }
        bytes.push_back(static_cast<char>(encoded.size()));
        bytes += encoded;
    }
    result.ok = true;
    result.bytes = std::move(bytes);
    return result;
}

FileResult writeSavedList(const fs::path& path, const std::vector<std::string>& rows) {
    // What the file holds now: rows whose encoding is kept, or damaged content to keep aside.
    const FileBytes old = readFileBytes(path);
    if (!old && old.number != vberr::kFileNotFound && old.number != vberr::kPathNotFound) {
        // A file that cannot be read (too large, unreadable) is not written over unseen.
        return FileResult::failure(old.number, path, old.reason + "; it is not written over");
    }
    const bool damaged = old && parseRows(old.bytes, path, nullptr).damaged();
    const SavedListBytes content =
        serializeSavedList(rows, old ? storedRows(old.bytes) : std::vector<StoredRow>{});
    if (!content.ok) {
        return FileResult::failure(content.number, path,
                                   "Cannot write " + path.string() + ": " + content.reason);
    }
    if (damaged) {
        const FileResult kept = writeFileAtomically(damagedListCopyPath(path), old.bytes);
        if (!kept) return kept;
    }
    return writeFileAtomically(path, content.bytes);
}

SavedListRead appendSavedListRows(const fs::path& path, ListBox& list) {
    SavedListRead read = readSavedList(path);
    for (const std::string& row : read.rows)
        list.addItem(row);
    return read;
}

FileResult saveSavedListRows(const fs::path& path, const ListBox& list) {
    return writeSavedList(path, list.rows());
}

}  // namespace lumbrix
