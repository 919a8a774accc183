#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace lumbrix {

// The longest profile name, in characters.
inline constexpr int kMaxPathNameLength = 64;

// Checks a name that the user typed and that becomes a file name as it stands (a pattern
// name, to which the caller adds its extension). Refused is only what cannot be a file name
// directly in its folder: an empty name, a name of blanks only, "." and "..", a name with "/"
// or "\", text that is not valid UTF-8, and a control character (C0, DEL or C1 such as
// U+0085). Blanks at the ends, dots and any length are the file system's business (see
// longestFileName). Returns why the name is refused, in English, or nullopt when it can be
// used.
std::optional<std::string> checkFileName(std::string_view name);

// Checks a profile name, which becomes a folder name and a marker file name: everything that
// checkFileName refuses, and also a blank at either end, more than kMaxPathNameLength
// characters, and a name ending in ".set" (in any letter case: it would collide with the
// profiles' marker files). An accepted name is one folder directly below the folder it is put
// in. Returns why the name is refused, in English, or nullopt when the name can be used.
std::optional<std::string> checkNameForPath(std::string_view name);

// `text` made usable as a file name for checkFileName: each "/", "\", control character and
// byte that is not valid UTF-8 becomes "_". Other text is returned as it is.
std::string asFileName(std::string_view text);

// The longest start of `name` of at most `bytes` bytes that ends on a character boundary, so
// that a name cut to fit a file-name limit never splits a UTF-8 character.
std::string fileNamePrefix(std::string_view name, std::size_t bytes);

// The longest file name, in bytes, that the file system of `folder` takes (255 when it
// cannot tell).
std::size_t longestFileName(const std::filesystem::path& folder);

}  // namespace lumbrix
