#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lumbrix {

// The log price row `Palgihinnarida`: one top-diameter class of the log price table as one
// line of text. Columns are 1-based and count characters:
//
//   1-3    minimum top diameter, mm, three digits with leading zeros    "050"
//   4-6    " - "
//   7-9    maximum top diameter, mm, three digits with leading zeros    "099"
//   10-11  two blanks
//   12-16  price per m3, five characters with a decimal point           "45.50"
//   17-18  two blanks
//   19-21  log pocket: one to three digits, not padded                  "12"
//
// The row has no trailing blanks. Zero-padded diameters make text order the order of the
// minimum diameter, then of the maximum.
namespace logpricerow {
inline constexpr int kMinimum = 1;
inline constexpr int kMaximum = 7;
inline constexpr int kDiameterWidth = 3;
inline constexpr int kPrice = 12;
inline constexpr int kPriceWidth = 5;
inline constexpr int kPocket = 19;
inline constexpr int kPocketWidth = 3;
}  // namespace logpricerow

// A diameter entry as the row holds it: the entry's leading number (a point as decimal
// separator, empty = 0) as a whole number with leading zeros to three digits: "5" -> "005",
// "50" -> "050", "150" -> "150", "050" -> "050". Nullopt when it needs more than three digits.
std::optional<std::string> logPriceDiameterText(std::string_view entry);

// A price entry as the row holds it: the entry's leading number (a point as decimal separator,
// empty = 0) with three decimals below 10, two below 100 and one from there, the decimals
// chosen after rounding (9.9996 -> "10.00", 99.996 -> "100.0"). Always five characters:
// nullopt for a price that does not fit (from 999.95 on, or negative).
std::optional<std::string> logPriceText(std::string_view entry);

// The row from parts already brought to width.
std::string composeLogPriceRow(std::string_view minimum, std::string_view maximum,
                               std::string_view price, std::string_view pocket);

// The entry that keeps a row from being built.
enum class LogPriceEntry { None, Minimum, Maximum, Price, Pocket };

// A row built from the editor's four entries, or which entry cannot be stored.
struct LogPriceRowBuild {
    std::string row;  // the row, when nothing is refused
    LogPriceEntry refused = LogPriceEntry::None;
    bool ok() const { return refused == LogPriceEntry::None; }
};

// Brings the entries to width and builds the row: the one way the editor builds its rows.
// Refused, in this order: a minimum or maximum diameter of more than three digits, a price
// that does not fit its five characters, a pocket that is empty or not one to three digits.
LogPriceRowBuild buildLogPriceRow(std::string_view minimum, std::string_view maximum,
                                  std::string_view price, std::string_view pocket);

// A row's fields as their readers take them from fixed columns (blanks included; shorter when
// the row is shorter).
struct LogPriceColumns {
    std::string minimum;
    std::string maximum;
    std::string price;
    std::string pocket;
};
LogPriceColumns logPriceColumns(std::string_view row);

}  // namespace lumbrix
