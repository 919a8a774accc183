#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lumbrix {

// A profile's name becomes the name of its folder and of its marker file NAME.set in the
// database folder. Refused are: an empty name, a name of blanks only, "." and "..", a name
// with "/" or "\", text that is not valid UTF-8, a control character (C0, DEL or C1 such as
// U+0085), a blank at either end, more than kMaxProfileNameLength characters, and a name
// ending in ".set" in any letter case (it would collide with the marker files).
inline constexpr int kMaxProfileNameLength = 64;

// Why a profile name is refused, in both message languages.
struct ProfileNameRefusal {
    std::string estonian;
    std::string english;
};

// Nullopt when `name` can be a profile's name.
std::optional<ProfileNameRefusal> checkProfileName(std::string_view name);

}  // namespace lumbrix
