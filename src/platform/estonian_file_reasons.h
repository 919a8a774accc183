#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lumbrix {

// The Estonian words for the reason of a failed file operation, found in its English text: the
// system's own reasons (which exist in English only) and the sentences the program's file and
// name checks write. Nothing when the text holds no reason this table knows.
std::optional<std::string> estonianFileReason(std::string_view englishReason);

}  // namespace lumbrix
