// The log price row: widths of its parts, refusals, and its fixed columns.
#include "millsettings/log_price_row.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace lumbrix {
namespace {

TEST(LogPriceRow, DiametersGetThreeDigits) {
    struct Case {
        const char* entry;
        std::optional<std::string> expected;
    };
    const Case cases[] = {
        {"5", "005"},   {"50", "050"},          {"150", "150"}, {"050", "050"},
        {"", "000"},  // an empty entry counts as 0
        {"999", "999"}, {"1000", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry);
        EXPECT_EQ(logPriceDiameterText(c.entry), c.expected);
        if (c.expected) {
            EXPECT_EQ(logPriceDiameterText(*c.expected), c.expected) << "stable";
        }
    }
}

TEST(LogPriceRow, PricesGetFiveCharactersWithDecimalsChosenAfterRounding) {
    struct Case {
        const char* entry;
        std::optional<std::string> expected;
    };
    const Case cases[] = {
        {"5", "5.000"},           {"45.5", "45.50"},   {"120", "120.0"},
        {"45.50", "45.50"},       {"", "0.000"},       {"9.9994", "9.999"},
        {"9.9996", "10.00"},  // rounds into the next range and takes its decimals
        {"99.994", "99.99"},      {"99.996", "100.0"}, {"999.94", "999.9"},
        {"999.95", std::nullopt},                     // would be 1000.0: wider than the column
        {"1000", std::nullopt},   {"45,5", "45.00"},  // the leading number with a point: the comma
                                                      // ends it
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry);
        EXPECT_EQ(logPriceText(c.entry), c.expected);
        if (c.expected) {
            EXPECT_EQ(logPriceText(*c.expected), c.expected) << "stable";
        }
    }
}

TEST(LogPriceRow, BuildsTheRowOrSaysWhyNot) {
    struct Case {
        const char *minimum, *maximum, *price, *pocket;
        std::string row;  // empty: refused
    };
    const Case cases[] = {
        {"50", "99", "45.5", "12", "050 - 099  45.50  12"},
        {"5", "49", "40", "11", "005 - 049  40.00  11"},
        {"100", "600", "120", "7", "100 - 600  120.0  7"},
        {"50", "99", "1000", "12", ""},
        {"50", "99", "45", "", ""},
        {"50", "99", "45", "1234", ""},
        {"50", "99", "45", "1a", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.price) + " / " + c.pocket);
        const LogPriceRowBuild built = buildLogPriceRow(c.minimum, c.maximum, c.price, c.pocket);
        EXPECT_EQ(built.ok(), !c.row.empty()) << built.refusal;
        EXPECT_EQ(built.row, c.row);
    }
}

TEST(LogPriceRow, ReadersTakeFixedColumns) {
    const LogPriceColumns c = logPriceColumns("050 - 099  45.50  12");
    EXPECT_EQ(c.minimum, "050");
    EXPECT_EQ(c.maximum, "099");
    EXPECT_EQ(c.price, "45.50");
    EXPECT_EQ(c.pocket, "12");
    EXPECT_EQ(composeLogPriceRow("050", "099", "45.50", "12").size(), 20u);
}

}  // namespace
}  // namespace lumbrix
