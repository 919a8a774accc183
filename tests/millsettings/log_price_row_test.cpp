// The log price row: widths of its parts, refusals, and its fixed columns.
#include "millsettings/log_price_row.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace lumbrix {
namespace {

TEST(LogPriceRow, PartsGetTheirWidthsWithDecimalsChosenAfterRounding) {
    using Format = std::optional<std::string> (*)(std::string_view);
    const Format diameter = logPriceDiameterText, price = logPriceText;
    // 9.9996 rounds into the next range and takes its decimals; 999.95 would be "1000.0",
    // wider than the column; in "45,5" the comma ends the number. nullptr: refused.
    const struct {
        Format text;
        const char *entry, *expected;
    } cases[] = {
        {diameter, "5", "005"},      {diameter, "", "000"},      {diameter, "999", "999"},
        {diameter, "1000", nullptr}, {price, "5", "5.000"},      {price, "", "0.000"},
        {price, "9.9994", "9.999"},  {price, "9.9996", "10.00"}, {price, "99.996", "100.0"},
        {price, "999.94", "999.9"},  {price, "999.95", nullptr}, {price, "1000", nullptr},
        {price, "45,5", "45.00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entry);
        EXPECT_EQ(c.text(c.entry).value_or("refused"), c.expected ? c.expected : "refused");
        if (c.expected) {
            EXPECT_EQ(c.text(c.expected), c.expected) << "stable";
        }
    }
}

TEST(LogPriceRow, ABuiltRowGivesBackItsEntriesThroughTheReadersColumnsAndSortsByDiameter) {
    // Entries as typed; the parts as the log cost and the editor's row click read them back.
    const struct {
        const char *minimum, *maximum, *price, *pocket;
        const char *readMinimum, *readMaximum, *readPrice, *readPocket;
    } cases[] = {
        {"5", "49", "40", "11", "005", "049", "40.00", "11"},
        {"50", "99", "45.5", "12", "050", "099", "45.50", "12"},
        {"100", "600", "120", "7", "100", "600", "120.0", "7"},
        {"130", "159", "9.9996", "123", "130", "159", "10.00", "123"},
        {"600", "999", "999.9", "0", "600", "999", "999.9", "0"},
    };
    std::vector<std::string> rows;
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.minimum) + " / " + c.price);
        const LogPriceRowBuild built = buildLogPriceRow(c.minimum, c.maximum, c.price, c.pocket);
        ASSERT_TRUE(built.ok());
        const LogPriceColumns read = logPriceColumns(built.row);
        EXPECT_EQ(read.minimum, c.readMinimum);
        EXPECT_EQ(read.maximum, c.readMaximum);
        EXPECT_EQ(read.price, c.readPrice);
        EXPECT_EQ(read.pocket, c.readPocket);
        EXPECT_EQ(built.row.back(), c.pocket[std::string(c.pocket).size() - 1]) << "no blanks";
        // What the row click puts back into the entries builds the same row again.
        EXPECT_EQ(buildLogPriceRow(read.minimum, read.maximum, read.price, read.pocket).row,
                  built.row);
        rows.push_back(built.row);
    }
    EXPECT_TRUE(std::is_sorted(rows.begin(), rows.end())) << "text order is diameter order";
}

TEST(LogPriceRow, EntriesTheRowCannotHoldAreNamed) {
    const struct {
        const char *minimum, *maximum, *price, *pocket;
        LogPriceEntry refused;
    } cases[] = {
        {"1000", "99", "45", "1", LogPriceEntry::Minimum},
        {"50", "1000", "45", "1", LogPriceEntry::Maximum},
        {"50", "99", "999.95", "1", LogPriceEntry::Price},
        {"50", "99", "-1", "1", LogPriceEntry::Price},
        {"50", "99", "45", "", LogPriceEntry::Pocket},
        {"50", "99", "45", "1234", LogPriceEntry::Pocket},
        {"50", "99", "45", "1a", LogPriceEntry::Pocket},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.minimum) + " " + c.maximum + " " + c.price + " " + c.pocket);
        const LogPriceRowBuild built = buildLogPriceRow(c.minimum, c.maximum, c.price, c.pocket);
        EXPECT_EQ(built.refused, c.refused);
        EXPECT_EQ(built.row, "");
    }
}

}  // namespace
}  // namespace lumbrix
