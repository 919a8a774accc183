#include "store/saved_list.h"

#include <cstdint>
#include <utility>

#include "platform/codec.h"
#include "platform/list_box.h"
#include "platform/vb_error.h"

namespace lumbrix {

namespace {

SavedListRead refused(SavedListRead::Outcome outcome, int number, std::filesystem::path path,
                      std::string reason) {
    SavedListRead result;
    result.outcome = outcome;
    result.number = number;
    result.description = VbError::standardDescription(number);
    result.path = std::move(path);
    result.reason = std::move(reason);
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

}  // namespace

SavedListRead parseSavedList(std::string_view bytes, const std::filesystem::path& path) {
    using Outcome = SavedListRead::Outcome;
    if (bytes.substr(0, savedlist::kSignature.size()) != savedlist::kSignature) {
        SavedListRead result;
        result.outcome = Outcome::NotASavedList;
        result.path = path;
        return result;
    }
    if (bytes.size() < savedlist::kHeaderSize) {
        return refused(Outcome::Invalid, vberr::kInvalidFileFormat, path,
                       "the file ends inside its row count");
    }
    const std::int32_t count = readCount(bytes);
    // The readers' loop bound count - 1 is a 16-bit integer: beyond it the original reader
    // stopped with an overflow, and so does this one.
    const long long bound = static_cast<long long>(count) - 1;
    if (bound > savedlist::kMaxRows - 1 || bound < -32768) {
        return refused(
            Outcome::Invalid, vberr::kOverflow, path,
            "the file counts " + std::to_string(count) + " rows; a list holds at most 32767");
    }

    SavedListRead result;
    result.path = path;
    std::size_t pos = savedlist::kHeaderSize;
    for (std::int32_t i = 0; i < count; ++i) {
        if (pos >= bytes.size()) {
            return refused(Outcome::Invalid, vberr::kInvalidFileFormat, path,
                           "the file ends before row " + std::to_string(i + 1) + " of " +
                               std::to_string(count));
        }
        const std::size_t length = static_cast<unsigned char>(bytes[pos]);
        ++pos;
        if (bytes.size() - pos < length) {
            return refused(Outcome::Invalid, vberr::kInvalidFileFormat, path,
                           "the file ends inside row " + std::to_string(i + 1) + " of " +
                               std::to_string(count));
        }
        result.rows.push_back(decodeRow(bytes.substr(pos, length)));
        pos += length;
    }
    return result;
}

SavedListRead readSavedList(const std::filesystem::path& path) {
    FileBytes file = readFileBytes(path);
    if (!file && file.number == vberr::kFileNotFound) {
        // A missing list is an empty one: create the file as the list's first save would.
        const FileResult created = writeFileAtomically(path, "");
        if (!created) {
            return refused(SavedListRead::Outcome::FileError, created.number, path, created.reason);
        }
        SavedListRead result;
        result.outcome = SavedListRead::Outcome::NotASavedList;
        result.path = path;
        return result;
    }
    if (!file) return refused(SavedListRead::Outcome::FileError, file.number, path, file.reason);
    return parseSavedList(file.bytes, path);
}

SavedListBytes serializeSavedList(const std::vector<std::string>& rows) {
    SavedListBytes result;
    if (rows.size() > static_cast<std::size_t>(savedlist::kMaxRows)) {
        result.number = vberr::kOverflow;
        result.reason = std::to_string(rows.size()) + " rows do not fit a list file (at most " +
                        std::to_string(savedlist::kMaxRows) + ")";
        return result;
    }
    std::string bytes(savedlist::kSignature);
    appendCount(bytes, static_cast<std::int32_t>(rows.size()));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::string encoded = encodeWindows1257(rows[i]);
        if (encoded.size() > savedlist::kMaxRowBytes) {
            result.number = vberr::kOverflow;
            result.reason = "row " + std::to_string(i + 1) + " is " +
                            std::to_string(encoded.size()) +
                            " characters long; a list row holds at most 255";
            return result;
        }
        bytes.push_back(static_cast<char>(encoded.size()));
        bytes += encoded;
    }
    result.ok = true;
    result.bytes = std::move(bytes);
    return result;
}

FileResult writeSavedList(const std::filesystem::path& path, const std::vector<std::string>& rows) {
    const SavedListBytes content = serializeSavedList(rows);
    if (!content.ok) return FileResult::failure(content.number, path, content.reason);
    return writeFileAtomically(path, content.bytes);
}

SavedListRead appendSavedListRows(const std::filesystem::path& path, ListBox& list) {
    SavedListRead read = readSavedList(path);
    for (const std::string& row : read.rows)
        list.addItem(row);
    return read;
}

FileResult saveSavedListRows(const std::filesystem::path& path, const ListBox& list) {
    return writeSavedList(path, list.rows());
}

}  // namespace lumbrix
