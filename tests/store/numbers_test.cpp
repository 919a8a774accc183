// Reading and writing numbers: separators, overflow, the 15-digit text, rounding and refusals.
#include "store/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <limits>
#include <optional>
#include <random>
#include <string>

#include "platform/desktop.h"
#include "platform/event_runtime.h"
#include "platform/vb_error.h"
#include "test_desktop.h"

namespace lumbrix {
namespace {

// The error number `action` raises, or 0 when it raises none.
int errorNumberOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const VbError& error) {
        return error.number();
    }
    return 0;
}

struct ReadCase {
    std::string text;
    double expected;
};

// A box shown during a reading that should succeed fails the test through the test desktop.
class NumberReading : public ::testing::Test {
  protected:
    test::TestDesktop desktop;
};

TEST_F(NumberReading, RegionCompValReadsTheLeadingNumberWithCommaOrPoint) {
    const ReadCase cases[] = {
        {"12,5", 12.5}, {"12.5", 12.5},     {" 1 234,5", 1234.5}, {"5 mm", 5},    {"-3", -3},
        {"", 0},        {"abc", 0},         {"1.234,5", 1.234},   {"&H1F", 31},   {"&o 1 7", 15},
        {"&X1", 0},     {"- 4,5", -4.5},    {",5", 0.5},          {"1,2,3", 1.2}, {"--3", 0},
        {"1,5D2", 150}, {"2,5E-3", 0.0025}, {"1E+", 1},           {"1E-400", 0},  {"3.5%", 3.5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("text \"" + c.text + "\"");
        EXPECT_EQ(RegionCompVal(c.text), c.expected);
        EXPECT_EQ(RegionCompValOrNone(c.text), c.expected);
    }
    // A number reads as its plain text; no value reads as the empty text.
    EXPECT_EQ(RegionCompVal(7), 7.0);
    EXPECT_EQ(RegionCompVal(0.1 + 0.2), 0.3);
    EXPECT_EQ(RegionCompVal(1234567890123456.0), 1234567890123460.0);
    EXPECT_EQ(RegionCompVal(std::nullopt), 0.0);
    EXPECT_FALSE(std::signbit(RegionCompVal("-0")));
    EXPECT_TRUE(desktop.messages().empty());
}

TEST_F(NumberReading, BeyondTheDoubleRangeShowsTheBoxAndGivesNoValue) {
    const std::function<std::optional<double>()> readings[] = {
        [] { return RegionCompValOrNone("1E400"); },
        [] { return RegionCompValOrNone("9 9 9E999 mm"); },
        [] { return RegionCompValOrNone("&H" + std::string(300, 'F')); },
        [] { return RegionCompValOrNone(-INFINITY); },
        [] { return RegionCompValOrNone(double(NAN)); },
    };
    for (std::size_t i = 0; i < std::size(readings); ++i) {
        SCOPED_TRACE(i);
        desktop.clearMessages();
        desktop.expectMessage(MsgResult::Ok);
        EXPECT_EQ(readings[i](), std::nullopt);
        ASSERT_EQ(desktop.messages().size(), 1u);
        EXPECT_EQ(desktop.messages()[0].text, "Error number 6\nOverflowRegionCompVal");
        EXPECT_EQ(desktop.messages()[0].style, mb::kOkOnly);
        EXPECT_EQ(desktop.messages()[0].title, kApplicationTitle);
    }
    desktop.expectMessage(MsgResult::Ok);
    EXPECT_EQ(RegionCompVal("2,5") + RegionCompVal("1E400") + RegionCompVal("4"), 6.5)
        << "no value counts as 0 in a sum";
}

TEST_F(NumberReading, ValTakesAPointOnlyAndStrictReadAcceptsOnlyAWholeNumber) {
    const ReadCase val[] = {{"12,5", 12}, {" 1 234.5 mm", 1234.5}, {"&H1F", 31}, {"2,5E3", 2}};
    for (const auto& c : val) {
        SCOPED_TRACE("Val \"" + c.text + "\"");
        EXPECT_EQ(Val(c.text), c.expected);
    }
    const ReadCase accepted[] = {
        {" 12,5 ", 12.5}, {"1d-2", 0.01}, {"5.", 5}, {"&o17", 15}, {"\t7\r\n", 7}, {"1E-400", 0},
    };
    for (const auto& c : accepted) {
        SCOPED_TRACE("strict \"" + c.text + "\"");
        EXPECT_EQ(ToDoubleStrict(c.text), c.expected);
    }
    for (const char* text : {"", "5 mm", "1 234", "1.2.3", "1E+", ".", "1,234.5", "&H1G", "- 3"}) {
        SCOPED_TRACE(std::string("strict \"") + text + "\"");
        EXPECT_EQ(errorNumberOf([&] { ToDoubleStrict(text); }), vberr::kTypeMismatch);
    }
    EXPECT_TRUE(desktop.messages().empty()) << "neither shows a box";
}

TEST(NumberText, WritesAtMostFifteenSignificantDigitsWithoutTrailingZerosOrMinusZero) {
    const struct {
        double value;
        const char* expected;
    } cases[] = {
        {-0.0, "0"},
        {-0.5, "-0.5"},
        {0.1 + 0.2, "0.3"},
        {2.0 / 3.0, "0.666666666666667"},
        {0.0001, "0.0001"},
        {0.00001, "1E-05"},
        {-0.000015, "-1.5E-05"},
        {123456789012345.0, "123456789012345"},
        {-42.0, "-42"},
        {999999999999999.9, "1E+15"},
        {1234567890123456.0, "1.23456789012346E+15"},
        {9.9999999999999995e-5, "0.0001"},
        {4.9e-324, "4.94065645841247E-324"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(NumberText(c.value), c.expected);
    }
    EXPECT_EQ(NumberText(std::optional<double>()), "");
    EXPECT_EQ(NumberText(RegionCompVal("-0.000")), "0");
}

// The value the C library gives for the same 15 significant digits: an independent reference.
double roundedToFifteenDigits(double value) {
    char text[40];
    std::snprintf(text, sizeof text, "%.14e", value);
    return std::strtod(text, nullptr);
}

TEST(NumberText, ReadsBackAsTheFifteenDigitValue) {
    test::TestDesktop desktop;  // any box would fail the test
    std::mt19937_64 random(20260314);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> power(-25, 25);
    std::uniform_int_distribution<std::uint64_t> bits;
    for (int i = 0; i < 4000; ++i) {
        double value = mantissa(random) * std::pow(10.0, power(random));
        if (i % 2 == 1) value = -value;
        if (i % 5 == 4) {  // any finite bit pattern, from subnormals to the largest doubles
            const std::uint64_t raw = bits(random);
            std::memcpy(&value, &raw, sizeof value);
            if (!std::isfinite(value) || std::fabs(value) > 1.79769313486231e308) continue;
        }
        const std::string text = NumberText(value);
        SCOPED_TRACE(text);
        const double expected = roundedToFifteenDigits(value);
        ASSERT_EQ(RegionCompVal(text), expected);
        ASSERT_EQ(Val(text), expected);
        ASSERT_EQ(RegionCompVal(value), expected);
        ASSERT_EQ(text.find_first_of(", "), std::string::npos);
        ASSERT_NE(text.back(), '.');
    }
}

TEST(NumberText, TheLargestDoublesAreCutTowardZeroAndReadBack) {
    test::TestDesktop desktop;  // any box would fail the test
    const double largest = std::numeric_limits<double>::max();
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {largest, "1.79769313486231E+308"},
        {-largest, "-1.79769313486231E+308"},
        {std::nextafter(largest, 0.0), "1.79769313486231E+308"},
        {1.7976931348623e308, "1.7976931348623E+308"},
        {1.5e308, "1.5E+308"},  // below the top: rounded as ever
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(NumberText(c.value), c.text);
        EXPECT_TRUE(std::isfinite(RegionCompVal(NumberText(c.value))));
        EXPECT_LE(std::fabs(RegionCompVal(NumberText(c.value))), std::fabs(c.value));
        EXPECT_EQ(RegionCompVal(c.value), RegionCompVal(std::string(c.text)));
    }
    EXPECT_EQ(FormatNumber(largest, "0").substr(0, 16), "1797693134862310");
}

TEST(FormatNumber, RoundsTiesAwayFromZeroOnTheDecimalValue) {
    const struct {
        double value;
        const char* pattern;
        const char* expected;
    } cases[] = {
        {1.005, "0.00", "1.01"},
        {0.125, "0.00", "0.13"},
        {-1.45, "0.0", "-1.5"},
        {-2.5, "0", "-3"},
        {-0.49, "0", "0"},
        {0.00005, "0.0000", "0.0001"},
        {-0.004, "0.00", "0.00"},
        {-0.0, "0.00", "0.00"},
        {-99.95, "0.0", "-100.0"},
        {0.005, "0%", "1%"},
        {0.0115, "0.00%", "1.15%"},
        {-0.00004, "0.00%", "0.00%"},
        // Whole numbers, written without a decimal conversion.
        {-0.0, "0", "0"},
        {-7, "0.0", "-7.0"},
        {5, "0.00%", "500.00%"},
        {-0.0, "0%", "0%"},
        {999999999999999, "0", "999999999999999"},
    };
    EXPECT_EQ(FormatNumber(1e20, "0"), "100000000000000000000") << "no exponent";
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.pattern) + " -> " + c.expected);
        EXPECT_EQ(FormatNumber(c.value, c.pattern), c.expected);
    }
}

TEST(Round, SendsTiesToTheEvenDigitOnTheDecimalValue) {
    const struct {
        double value;
        int decimals;
        double expected;
    } cases[] = {
        {0.0125, 3, 0.012},
        {0.0255, 3, 0.026},
        {2.5, 0, 2.0},
        {-3.5, 0, -4.0},
        {1.005, 2, 1.0},
        {1.015, 2, 1.02},
        {0.5, 0, 0.0},
        {-9.995, 2, -10.0},
        {0.00049, 3, 0.0},
        {0.1 + 0.2, 15, 0.3},
        {1e20, 2, 1e20},
        {-42, 2, -42},
        {999999999999999, 0, 999999999999999},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(NumberText(c.value) + " to " + std::to_string(c.decimals));
        EXPECT_EQ(Round(c.value, c.decimals), c.expected);
    }
    EXPECT_FALSE(std::signbit(Round(-0.4, 0)));
    EXPECT_FALSE(std::signbit(Round(-0.0, 2)));
}

TEST(WholeNumbers, SendTiesToEven) {
    const struct {
        double value;
        long expected;
    } cases[] = {
        {2.5, 2},     {3.5, 4},   {-2.5, -2},
        {154.5, 154}, {-2.6, -3}, {1.4999999999999998, 2},  // 1.5 in 15 digits: a tie
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(NumberText(c.value));
        EXPECT_EQ(CLng(c.value), c.expected);
        EXPECT_EQ(CInt(c.value), c.expected);
    }
    EXPECT_EQ(CLng(2147483647.4), 2147483647);
    EXPECT_EQ(CLng(-2147483648.5), -2147483648);
    EXPECT_EQ(CInt(32767.4), 32767);
    EXPECT_EQ(CInt(-32768.5), -32768);
}

// Each call that must refuse its arguments, with the error it raises.
TEST(Numbers, RefuseOverflowDivisionByZeroAndInvalidArgumentsWithTheirErrors) {
    const struct {
        const char* what;
        std::function<void()> call;
        int number;
    } cases[] = {
        {"Val beyond the range", [] { Val("-2.5D309"); }, vberr::kOverflow},
        {"strict read beyond the range", [] { ToDoubleStrict("1E400"); }, vberr::kOverflow},
        {"NumberText of NaN", [] { NumberText(NAN); }, vberr::kOverflow},
        {"FormatNumber of infinity", [] { FormatNumber(INFINITY, "0.00"); }, vberr::kOverflow},
        {"FormatNumber \"0.0%\"", [] { FormatNumber(1, "0.0%"); }, vberr::kInvalidProcedureCall},
        {"FormatNumber \"0,00\"", [] { FormatNumber(1, "0,00"); }, vberr::kInvalidProcedureCall},
        {"Round to -1 places", [] { Round(1.5, -1); }, vberr::kInvalidProcedureCall},
        {"Round of NaN", [] { Round(NAN, 2); }, vberr::kOverflow},
        {"CLng of 2147483647.5", [] { CLng(2147483647.5); }, vberr::kOverflow},
        {"CLng of -2147483648.6", [] { CLng(-2147483648.6); }, vberr::kOverflow},
        {"CInt of 32767.5", [] { CInt(32767.5); }, vberr::kOverflow},
        {"CInt of -32768.6", [] { CInt(-32768.6); }, vberr::kOverflow},
        {"1 / 0", [] { Divide(1.0, 0.0); }, vberr::kDivisionByZero},
        {"-5 / -0", [] { Divide(-5.0, -0.0); }, vberr::kDivisionByZero},
        {"0 / 0", [] { Divide(0.0, 0.0); }, vberr::kOverflow},
        {"1e308 / 1e-10", [] { Divide(1e308, 1e-10); }, vberr::kOverflow},
        {"checked NaN", [] { CheckedResult(NAN); }, vberr::kOverflow},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(errorNumberOf(c.call), c.number);
    }
    EXPECT_EQ(Divide(6.0, 4.0), 1.5);
    EXPECT_EQ(CheckedResult(-2.5), -2.5);
}

}  // namespace
}  // namespace lumbrix
