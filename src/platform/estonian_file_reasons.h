#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lumbrix {

// The Estonian words for the reason of a failed file operation, found in its English text: the
// system's own reasons (which exist in English only) and the sentences the program's file and
// name checks write. Nothing when the text holds no reason this table knows.
std::optional<std::string> estonianFileReason(std::string_view englishReason);

// The reason of a failed file operation in Estonian: the words for its English text when the
// table knows them, else the program's own words for its run-time error number.
std::string estonianFailureReason(std::string_view englishReason, int number);

}  // namespace lumbrix
