#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lumbrix {

// The longest name, in characters, that becomes a file or folder name.
inline constexpr int kMaxPathNameLength = 64;

// Checks a name that the user typed and that becomes a file or folder name (a profile, a
// pattern). Refused are: an empty name, a name of blanks only, "." and "..", a name with "/"
// or "\", text that is not valid UTF-8, a control character (C0, DEL or C1 such as U+0085), a
// blank at either end, more than kMaxPathNameLength characters, and a name ending in ".set"
// (in any letter case: it would collide with the profiles' marker files). An accepted name is
// one folder directly below the folder it is put in. Returns why the name is refused, in
// English, or nullopt when the name can be used.
std::optional<std::string> checkNameForPath(std::string_view name);

}  // namespace lumbrix
