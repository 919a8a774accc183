#pragma once

#include <string>

#include "platform/desktop.h"

namespace lumbrix {

// Today's date as the pattern header shows it: "DD.MM.YY".
std::string todayForHeader(Desktop& desktop);
// The pattern's author: the user name from the environment (USERNAME, else USER).
std::string authorFromEnvironment(Desktop& desktop);

}  // namespace lumbrix
