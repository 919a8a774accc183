#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lumbrix {

// The dialog's ranges: the steppers reach these, and typed values are kept within them.
namespace suggestion {
inline constexpr double kSmallestDiameter = 115;
inline constexpr double kLargestDiameter = 200;
inline constexpr int kFewestBoards = 1;
inline constexpr int kMostBoards = 8;  // the centre list holds eight boards
inline constexpr double kLeastOversize = 0;
inline constexpr double kMostOversize = 10;
inline constexpr int kDesignBoards = 1;
inline constexpr double kDesignOversize = 3;
}  // namespace suggestion

// The centre boards that fill a log best: the square inscribed in the log's top circle, its
// width split into `count` equal boards with a saw kerf between neighbouring boards and one
// outside each outer board. The sawn (green) sizes are those of the square; the nominal (dry)
// sizes are the sawn ones less the oversize.
struct CentreSuggestion {
    // The four sizes in the size format of the product row.
    std::string nominalThickness;  // t
    std::string nominalWidth;      // w
    std::string sawingThickness;   // T
    std::string sawingWidth;       // W
    long kerfTotal = 0;            // K, whole millimetres

    // "t x w" and "T x W", as the dialog shows them.
    std::string nominal() const { return nominalThickness + " x " + nominalWidth; }
    std::string sawn() const { return sawingThickness + " x " + sawingWidth; }
    // A board can be sawn only with a thickness and a width above zero (a small log with
    // many boards and wide kerfs leaves none).
    bool sawable() const;
    // Every size fills its six-character column of the board row exactly: a size that the
    // size format cannot write in six characters (a log of 14143 mm or more) would move the
    // row's columns, and its readers would take other sizes than these.
    bool fitsBoardRow() const;
};

// `diameterMm`: the log's top diameter; `count`: boards side by side (1 or more); `kerfMm`:
// the second saw's kerf; `oversizePercent`: the green allowance of the centre boards.
// The width is the inscribed square's side with one decimal; the kerf total is written with
// one decimal and then made whole with halves going to the even number (13.5 -> 14,
// 22.5 -> 22). A kerf total beyond the whole-number range is VbError 6.
CentreSuggestion suggestCentreBoards(double diameterMm, int count, double kerfMm,
                                     double oversizePercent);

// One centre board row of the suggestion: the four sizes, the board length `lengthMm` as plain
// number text, the volume from the nominal sizes' texts written as the plain text of the
// rounded number ("0.03", which moves the price one place left; the row readers take the tail
// as words), and the price "0.000": a suggested board carries no product price.
std::string suggestedCentreRow(const CentreSuggestion& suggestion, double lengthMm);

// The number a field of the dialog holds: its whole text, less blanks at either end, as one
// number with a point or a comma; none when the text is no number.
std::optional<double> fieldNumber(std::string_view text);

// The board count the dialog works with: the typed number made whole (halves to even) and
// kept within 1..8; a text that is no number counts as 1.
int usedBoardCount(std::string_view text);
// The oversize the dialog works with: the typed per cent kept within 0..10; a text that is no
// number counts as 3.
double usedOversize(std::string_view text);

}  // namespace lumbrix
