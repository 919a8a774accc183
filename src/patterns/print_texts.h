#pragma once

#include <string>

#include "platform/desktop.h"

namespace lumbrix {

class frmMain;

// Texts that the printed report and the pattern sheet share.

// The date a sheet or report was made: "dd.mm.yyyy" followed by " ," ("05.12.2026 ,").
std::string printedDate(Desktop& desktop);
// The time of day it was made: "hh:mm:ss".
std::string printedTime(Desktop& desktop);

// A pattern whose name label holds fewer than 2 characters (empty or the single blank of a
// new pattern, or the digit of a comparison slot) prints as unnamed.
bool printsAsUnnamed(const frmMain& main);
// The printed name: "  NIMETU" (Estonian) or "  UNNAMED" for an unnamed pattern, else the
// name label's text unchanged.
std::string printedPatternName(const frmMain& main);

}  // namespace lumbrix
