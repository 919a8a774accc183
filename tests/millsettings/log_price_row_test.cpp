// The log price row: widths of its parts, refusals, and its fixed columns.
#include "millsettings/log_price_row.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

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

TEST(LogPriceRow, BuildsTheRowOrSaysWhyNot) {
    const struct {
        const char *minimum, *maximum, *price, *pocket;
        std::string row;  // empty: refused
    } cases[] = {
        {"50", "99", "45.5", "12", "050 - 099  45.50  12"},
        {"100", "600", "120", "7", "100 - 600  120.0  7"},
        {"50", "99", "1000", "12", ""},
        {"50", "99", "45", "", ""},
        {"50", "99", "45", "1234", ""},
        {"50", "99", "45", "1a", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.price) + " / " + c.pocket);
        const LogPriceRowBuild built = buildLogPriceRow(c.minimum, c.maximum, c.price, c.pocket);
        EXPECT_EQ(built.ok(), !c.row.empty()) << built.refusal;
        EXPECT_EQ(built.row, c.row);
    }
    const LogPriceColumns c = logPriceColumns("050 - 099  45.50  12");
    EXPECT_EQ(c.minimum + "|" + c.maximum + "|" + c.price + "|" + c.pocket, "050|099|45.50|12");
}

}  // namespace
}  // namespace lumbrix
