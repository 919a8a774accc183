#include "platform/path_names.h"

#include <unistd.h>

#include "platform/codec.h"
#include "platform/text.h"

namespace lumbrix {

namespace {

constexpr std::size_t kDefaultLongestFileName = 255;

bool isControlCharacter(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

}  // namespace

std::optional<std::string> checkFileName(std::string_view name) {
    if (name.empty()) return "The name is empty.";
    if (name.find_first_not_of(' ') == std::string_view::npos) {
        return "The name cannot consist of blanks only.";
    }
    if (name == "." || name == "..") return "The name cannot be \".\" or \"..\".";
    if (name.find_first_of("/\\") != std::string_view::npos) {
        return "The name cannot contain \"/\" or \"\\\".";
    }
    if (!isValidUtf8(name)) return "The name is not valid text.";
    for (std::size_t pos = 0; pos < name.size();) {
        const Utf8Char c = decodeUtf8At(name, pos);
        if (isControlCharacter(c.codePoint)) return "The name cannot contain control characters.";
        pos += c.length;
    }
    return std::nullopt;
}

std::optional<std::string> checkNameForPath(std::string_view name) {
    if (auto refusal = checkFileName(name)) return refusal;
    if (name.front() == ' ' || name.back() == ' ') {
        return "The name cannot begin or end with a blank.";
    }
    if (Len(name) > kMaxPathNameLength) {
        return "The name cannot be longer than " + std::to_string(kMaxPathNameLength) +
               " characters.";
    }
    if (LCase(Right(name, 4)) == ".set") return "The name cannot end in \".set\".";
    return std::nullopt;
}

std::string asFileName(std::string_view text) {
    std::string name;
    for (std::size_t pos = 0; pos < text.size();) {
        const Utf8Char c = decodeUtf8At(text, pos);
        const bool unsafe = !c.valid || isControlCharacter(c.codePoint) || c.codePoint == U'/' ||
                            c.codePoint == U'\\';
        name += unsafe ? std::string("_") : std::string(text.substr(pos, c.length));
        pos += c.length;
    }
    return name;
}

std::string fileNamePrefix(std::string_view name, std::size_t bytes) {
    std::size_t end = 0;
    while (end < name.size()) {
        const std::size_t next = end + decodeUtf8At(name, end).length;
        if (next > bytes) break;
        end = next;
    }
    return std::string(name.substr(0, end));
}

std::size_t longestFileName(const std::filesystem::path& folder) {
    const long longest = ::pathconf(folder.c_str(), _PC_NAME_MAX);
    return longest > 0 ? static_cast<std::size_t>(longest) : kDefaultLongestFileName;
}

}  // namespace lumbrix
