#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lumbrix {

// Checks a name that the user typed and that becomes a file or folder name (a profile, a
// pattern). Refused are: an empty name, "." and "..", a name with "/" or "\", and a name with
// a control character (below 0x20, or 0x7F). Returns why the name is refused, in English, or
// nullopt when the name can be used.
std::optional<std::string> checkNameForPath(std::string_view name);

}  // namespace lumbrix
