#pragma once

#include <string>
#include <string_view>

namespace lumbrix {

// The board row `Lauarida`: one board of the pattern as one line of text in a board list.
// Columns are 1-based and count characters:
//
//   1-6   nominal (dry) thickness, mm      16-21  sawing (green) thickness, mm
//   7     "x"                              22     "x"
//   8-13  nominal width, mm                23-28  sawing width, mm
//   14-15 two blanks                       29-31  three blanks
//   32-35 length, mm, plain number text    36-40  five blanks
//   41-45 volume, m3, "0.000"              46-50  five blanks
//   51-55 price per m3, the product row's five price characters
//
// The size texts are copied from the product row as they stand and never reformatted.
// The columns from 32 on hold only while the length has four digits and the volume five
// characters; a writer never pads or cuts them, so a shorter or longer value moves what follows.
namespace boardrow {
inline constexpr int kNominalThickness = 1;
inline constexpr int kNominalWidth = 8;
inline constexpr int kSawingThickness = 16;
inline constexpr int kSawingWidth = 23;
inline constexpr int kSizeWidth = 6;
inline constexpr int kLength = 32;
inline constexpr int kVolume = 41;
inline constexpr int kPrice = 51;
inline constexpr int kSizesWidth = 28;  // columns 1-28: the two size pairs
inline constexpr int kHeadWidth = 31;   // the sizes and the three blanks after them
}  // namespace boardrow

// A board row as its readers see it. The sizes (columns 1-31) are read from their fixed
// columns. The tail from column 32 on is read as blank-separated words: length, volume,
// price. For a row in the fixed columns this gives exactly what the columns hold, since the
// blanks between them only separate the values; but a row whose tail has moved (a three-digit
// length, or a volume written as "0.02") still gives its own length, volume and price, where
// fixed columns would cut the price or read part of a neighbouring value.
class BoardRow {
  public:
    explicit BoardRow(std::string_view text);

    const std::string& text() const { return text_; }

    // The six characters of each size column, as they stand.
    std::string nominalThicknessText() const;
    std::string nominalWidthText() const;
    std::string sawingThicknessText() const;
    std::string sawingWidthText() const;

    // The words of the tail; "" when the row has fewer.
    const std::string& lengthText() const { return length_; }
    const std::string& volumeText() const { return volume_; }
    const std::string& priceText() const { return price_; }

    // The numbers, each read through RegionCompVal (a point or a comma; 0 when the text does
    // not begin with a number). Readers that take a point only use Val on the texts.
    double nominalThickness() const;
    double nominalWidth() const;
    double sawingThickness() const;
    double sawingWidth() const;
    double length() const;
    double volume() const;
    double price() const;

  private:
    std::string text_;
    std::string length_;
    std::string volume_;
    std::string price_;
};

// Columns 1-31 from the four size texts: t "x" w, two blanks, T "x" W, three blanks.
std::string boardRowHead(std::string_view nominalThickness, std::string_view nominalWidth,
                         std::string_view sawingThickness, std::string_view sawingWidth);

// A whole row: the head as given, then length, five blanks, volume, five blanks, price.
std::string composeBoardRowText(std::string_view head, std::string_view lengthText,
                                std::string_view volumeText, std::string_view priceText);
// The same with the length as plain number text and the volume formatted "0.000".
std::string composeBoardRow(std::string_view head, double lengthMm, double volume,
                            std::string_view priceText);

// Board volume in m3: length x nominal thickness x nominal width / 1 000 000 000, rounded to
// 3 decimals with a half going to the even digit (5125 x 40 x 100 gives 0.0205, so 0.020).
double boardVolume(double lengthMm, double nominalThickness, double nominalWidth);

// A new board from the picked product row `Tooterida`: its sizes (columns 1-6, 8-13, 26-31,
// 33-38), the length log length - trim, its volume, and `priceText` (the product's price).
std::string placedBoardRow(std::string_view productRow, std::string_view priceText,
                           double logLengthMm, double trimMm);

// The row for a new board length after a change of the log length: columns 1-31 kept, the
// length, the volume from the row's nominal sizes, and the row's price kept.
std::string rebuildRowTail(std::string_view row, double lengthMm);

// The row for a full-edge length: columns 1-28 kept and three blanks, then as above.
std::string rebuildFullEdgeRow(std::string_view row, double lengthMm);

}  // namespace lumbrix
