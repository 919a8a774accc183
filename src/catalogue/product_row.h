#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace lumbrix {

// The product row `Tooterida`: one product of the catalogue as one line of text, in the
// catalogue editor's list, the dimension picker's list and the product list files. Columns are
// 1-based and count characters:
//
//   1-6     nominal (dry) thickness, mm, size format
//   7       "x"
//   8-13    nominal (dry) width, mm, size format
//   14-25   twelve blanks
//   26-31   sawing (green) thickness, mm, size format
//   32      "x"
//   33-38   sawing (green) width, mm, size format
//   39-42   four blanks
//   43-47   product price per m3, product price format
//   48      one blank
//   49-83   shares of qualities 1 to 6 in %, share format, five characters and a blank each
//   85-119  prices of qualities 1 to 6 per m3, quality price format, likewise
//   121-122 moisture in %, two digits
//   123     one blank
//   124-    comment, 0 to 50 characters as typed
//
// Every reader takes its fields from these fixed columns, so every field is written with
// exactly its width. Each format chooses its decimals by the value as below; where that gives
// another width (99.91 mm in the size format is "99.91"), the nearest number of decimals that
// gives the width is used instead ("99.910"). A value that no number of decimals brings to the
// width (a product price of 1500: "1500" or "1500.0") cannot be stored.
namespace productrow {
inline constexpr int kNominalThickness = 1;
inline constexpr int kNominalWidth = 8;
inline constexpr int kSawingThickness = 26;
inline constexpr int kSawingWidth = 33;
inline constexpr int kSizeWidth = 6;
inline constexpr int kPrice = 43;
inline constexpr int kFirstShare = 49;
inline constexpr int kFirstQualityPrice = 85;
inline constexpr int kQualityStep = 6;  // five characters and a blank
inline constexpr int kNumberWidth = 5;  // price, shares and quality prices
inline constexpr int kMoisture = 121;
inline constexpr int kMoistureWidth = 2;
inline constexpr int kComment = 124;
inline constexpr int kMaxCommentLength = 50;
inline constexpr int kQualities = 6;
inline constexpr int kLengthWithoutComment = 123;
}  // namespace productrow

// value with `decimals` decimals (0 to 4) when that gives exactly `width` characters;
// otherwise with the nearest number of decimals that does; nullopt when none does.
std::optional<std::string> fixedWidthNumber(double value, int decimals, int width);

// Size format, six characters: above 99.9 two decimals, below 10 four, otherwise three
// (8 -> "8.0000", 22 -> "22.000", 104 -> "104.00").
std::optional<std::string> productSizeText(double mm);

// Share format, five characters: above 99.9 one decimal, below 10 (and 0) three, otherwise
// two (100 -> "100.0", 50 -> "50.00", 5 -> "5.000").
std::optional<std::string> qualityShareText(double percent);

// Quality price format, five characters, for quality 1 to 6: above 99.0 (quality 5: above
// 99.9) one decimal, 0 and below 10 three, otherwise two (180 -> "180.0", 90 -> "90.00").
std::optional<std::string> qualityPriceText(int quality, double price);

// Product price format, five characters: above 999.9 no decimals, above 99.9 one, exactly 0
// three, otherwise two (144 -> "144.0", 45.5 -> "45.50", 0 -> "0.000").
std::optional<std::string> productPriceText(double price);

// The moisture field as the row holds it: one character gets a leading "0", an empty field
// becomes "00".
std::string paddedMoisture(std::string_view moisture);

// The texts of the catalogue editor's fields at the moment a product is added or changed.
struct ProductFields {
    std::string nominalThickness;                            // txtDimPaksus
    std::string nominalWidth;                                // txtDimLaius
    std::string sawingThickness;                             // txtSaagPaksus
    std::string sawingWidth;                                 // txtSaagLaius
    std::string productPrice;                                // the caption of lblproductPrice
    std::array<std::string, productrow::kQualities> shares;  // txtQual1Share ... txtQual6Share
    std::array<std::string, productrow::kQualities> prices;  // txtQual1Price ... txtQual6Price
    std::string moisture;                                    // txtDimNiiskus
    std::string comment;                                     // txtComment
};

// A product row, or why it cannot be built.
struct ProductRowBuild {
    std::string row;      // the row, when refusal is empty
    std::string refusal;  // in plain English: which field cannot be stored and why
    bool ok() const { return refusal.empty(); }
};

// Builds the row from the fields. The sizes are read by their leading number (a point as
// decimal separator, 0 when the text begins with no number) and written in the size format.
// The price, shares and quality prices, which the quality distribution has already written in
// their formats, are read with a comma or a point and written in their formats again: a field
// in its format stays exactly as it is, and one that is not (a price left at "0" by a refused
// distribution) gets its width. Refused: a number that cannot get its width, a moisture of more
// than two characters, a comment of more than 50 characters.
ProductRowBuild buildProductRow(const ProductFields& fields);

// A row's fields as its readers take them from fixed columns (blanks included; shorter when the
// row is shorter).
struct ProductColumns {
    std::string nominalThickness;
    std::string nominalWidth;
    std::string sawingThickness;
    std::string sawingWidth;
    std::string price;
    std::array<std::string, productrow::kQualities> shares;
    std::array<std::string, productrow::kQualities> prices;
    std::string moisture;
    std::string comment;
};
ProductColumns productColumns(std::string_view row);

}  // namespace lumbrix
