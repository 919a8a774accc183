#pragma once

#include <optional>
#include <string>

#include "patterns/pattern_file.h"

namespace lumbrix {

// A reason in both message languages.
struct TwoLanguageText {
    std::string estonian;
    std::string english;
};

// The whole numbers the log fields' scroll bars take: the drawing refuses a log beyond them.
struct LogFieldRanges {
    int diameterLow = 0;
    int diameterHigh = 0;
    int taperLow = 0;
    int taperHigh = 0;
    int lengthLow = 0;
    int lengthHigh = 0;
};

// The largest board volume a row may hold, m3: above the volume the drawing works out for the
// largest sizes the row's columns hold (999999 mm) on the longest log, so that every pattern
// the program saves opens again.
inline constexpr double kLargestBoardVolume = 10000000;
// A row's price is the five price characters of its product.
inline constexpr int kBoardPriceWidth = 5;

// Why a pattern that was read is not one the program writes, or nothing when it is one:
// a diameter, taper or length missing; a diameter, taper or length that the drawing refuses (not a
// number, or a whole value beyond its scroll bar); a log volume that is not a number; a board row
// without the board row's columns, with a size that is not a number above 0, a length
// that is not a number above 0 up to the longest log, a volume that is not a number from 0
// to kLargestBoardVolume, a price that is not a number of at most five characters, or more
// than those three values behind its sizes; no centre board at all.
std::optional<TwoLanguageText> patternContentProblem(const PatternRead& read,
                                                     const LogFieldRanges& ranges);

}  // namespace lumbrix
