#pragma once

#include <string>
#include <string_view>

namespace lumbrix {

// The reason of a failed file operation in Estonian: the words for the reason found in its
// English text, where a table knows them (the system's own reasons, which exist in English only,
// and the sentences the program's file and name checks write), else the program's own words for
// its run-time error number.
std::string estonianFailureReason(std::string_view englishReason, int number);

}  // namespace lumbrix
