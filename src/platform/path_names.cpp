#include "platform/path_names.h"

#include <algorithm>

namespace lumbrix {

std::optional<std::string> checkNameForPath(std::string_view name) {
    if (name.empty()) return "The name is empty.";
    if (name == "." || name == "..") return "The name cannot be \".\" or \"..\".";
    if (name.find_first_of("/\\") != std::string_view::npos) {
        return "The name cannot contain \"/\" or \"\\\".";
    }
    const bool hasControl = std::any_of(name.begin(), name.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7F;
    });
    if (hasControl) return "The name cannot contain control characters.";
    return std::nullopt;
}

}  // namespace lumbrix
