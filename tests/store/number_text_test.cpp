#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <random>
#include <string>

#include "platform/vb_error.h"
#include "store/numbers.h"
#include "test_desktop.h"

namespace lumbrix {
namespace {

int errorNumberOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const VbError& error) {
        return error.number();
    }
    return 0;
}

TEST(NumberText, WritesAtMostFifteenSignificantDigitsWithoutTrailingZeros) {
    const struct {
        double value;
        const char* expected;
    } cases[] = {
        {0.0, "0"},
        {-0.0, "0"},
        {7.0, "7"},
        {-7.0, "-7"},
        {100.0, "100"},
        {0.5, "0.5"},
        {-0.5, "-0.5"},
        {12.5, "12.5"},
        {1234.5, "1234.5"},
        {0.1 + 0.2, "0.3"},
        {1.0 / 3.0, "0.333333333333333"},
        {2.0 / 3.0, "0.666666666666667"},
        {-2.0 / 3.0, "-0.666666666666667"},
        {0.0001, "0.0001"},
        {0.00012345, "0.00012345"},
        {0.00001, "1E-05"},
        {0.000015, "1.5E-05"},
        {-0.000015, "-1.5E-05"},
        {123456789012345.0, "123456789012345"},
        {100000000000000.0, "100000000000000"},
        {1e15, "1E+15"},
        {999999999999999.9, "1E+15"},
        {1234567890123456.0, "1.23456789012346E+15"},
        {-2.5e20, "-2.5E+20"},
        {1e100, "1E+100"},
        {1.23e-100, "1.23E-100"},
        {0.99999999999999994, "1"},
        {9.9999999999999995e-5, "0.0001"},
        {1.7976931348623157e308, "1.79769313486232E+308"},
        {4.9e-324, "4.94065645841247E-324"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(NumberText(c.value), c.expected);
    }
}

TEST(NumberText, RefusesInfinityAndNaN) {
    EXPECT_EQ(errorNumberOf([] { NumberText(INFINITY); }), vberr::kOverflow);
    EXPECT_EQ(errorNumberOf([] { NumberText(-INFINITY); }), vberr::kOverflow);
    EXPECT_EQ(errorNumberOf([] { NumberText(NAN); }), vberr::kOverflow);
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

TEST(FormatNumber, RoundsTiesAwayFromZeroOnTheDecimalValue) {
    const struct {
        double value;
        const char* pattern;
        const char* expected;
    } cases[] = {
        {1.005, "0.00", "1.01"},
        {0.125, "0.00", "0.13"},
        {2.675, "0.00", "2.68"},
        {1.45, "0.0", "1.5"},
        {-1.45, "0.0", "-1.5"},
        {0.35, "0.0", "0.4"},
        {2.5, "0", "3"},
        {-2.5, "0", "-3"},
        {0.5, "0", "1"},
        {-0.5, "0", "-1"},
        {-0.49, "0", "0"},
        {0.0005, "0.000", "0.001"},
        {0.00049, "0.000", "0.000"},
        {-0.004, "0.00", "0.00"},
        {-0.0, "0.00", "0.00"},
        {0.0, "0.000", "0.000"},
        {1e-20, "0.00", "0.00"},
        {9.995, "0.00", "10.00"},
        {99.95, "0.0", "100.0"},
        {-99.95, "0.0", "-100.0"},
        {7.0, "0.0", "7.0"},
        {1.0 / 3.0, "0.0000", "0.3333"},
        {2.0 / 3.0, "0.0000", "0.6667"},
        {1234567.891, "0.00", "1234567.89"},
        {1e20, "0", "100000000000000000000"},
        {0.1 + 0.2, "0.000", "0.300"},
        {0.5, "0%", "50%"},
        {0.005, "0%", "1%"},
        {0.12345, "0.00%", "12.35%"},
        {0.0115, "0.00%", "1.15%"},
        {0.00005, "0.00%", "0.01%"},
        {-0.00004, "0.00%", "0.00%"},
        {1.5, "0.00%", "150.00%"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.pattern) + " -> " + c.expected);
        EXPECT_EQ(FormatNumber(c.value, c.pattern), c.expected);
    }
}

TEST(FormatNumber, RefusesOtherPatternsAndNonFiniteValues) {
    for (const char* pattern : {"", "#", "0.00000", "0.0%", "0,00", "0.00 "}) {
        SCOPED_TRACE(pattern);
        EXPECT_EQ(errorNumberOf([&] { FormatNumber(1.0, pattern); }), vberr::kInvalidProcedureCall);
    }
    EXPECT_EQ(errorNumberOf([] { FormatNumber(INFINITY, "0.00"); }), vberr::kOverflow);
}

TEST(Round, SendsTiesToTheEvenDigitOnTheDecimalValue) {
    const struct {
        double value;
        int decimals;
        double expected;
    } cases[] = {
        {0.0125, 3, 0.012},  {0.0255, 3, 0.026},   {2.5, 0, 2.0},
        {3.5, 0, 4.0},       {-2.5, 0, -2.0},      {-3.5, 0, -4.0},
        {1.005, 2, 1.0},     {1.015, 2, 1.02},     {2.675, 2, 2.68},
        {2.665, 2, 2.66},    {0.5, 0, 0.0},        {1.5, 0, 2.0},
        {0.0005, 3, 0.0},    {0.0015, 3, 0.002},   {0.00049, 3, 0.0},
        {9.9999, 2, 10.0},   {-9.995, 2, -10.0},   {123.456, 1, 123.5},
        {0.1 + 0.2, 1, 0.3}, {0.1 + 0.2, 15, 0.3}, {1234.5678, 15, 1234.5678},
        {1e20, 2, 1e20},     {0.51, 0, 1.0},       {1.23456, 4, 1.2346},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(NumberText(c.value) + " to " + std::to_string(c.decimals));
        EXPECT_EQ(Round(c.value, c.decimals), c.expected);
    }
    EXPECT_FALSE(std::signbit(Round(-0.4, 0)));
}

TEST(Round, RefusesNegativeDecimalsAndNonFiniteValues) {
    EXPECT_EQ(errorNumberOf([] { Round(1.5, -1); }), vberr::kInvalidProcedureCall);
    EXPECT_EQ(errorNumberOf([] { Round(NAN, 2); }), vberr::kOverflow);
    EXPECT_EQ(errorNumberOf([] { Round(-INFINITY, 0); }), vberr::kOverflow);
}

TEST(WholeNumbers, SendTiesToEvenAndRefuseValuesOutsideTheirRange) {
    const struct {
        double value;
        long expected;
    } longCases[] = {
        {2.5, 2},
        {3.5, 4},
        {-2.5, -2},
        {-3.5, -4},
        {13.5, 14},
        {22.5, 22},
        {154.5, 154},
        {51.5, 52},
        {2.4, 2},
        {-2.6, -3},
        {1.4999999999999998, 2},  // 1.5 in 15 digits: a tie
        {2147483647.0, 2147483647},
        {2147483647.4, 2147483647},
        {-2147483648.0, -2147483648},
        {-2147483648.5, -2147483648},
    };
    for (const auto& c : longCases) {
        SCOPED_TRACE(NumberText(c.value));
        EXPECT_EQ(CLng(c.value), c.expected);
    }
    for (double value : {2147483647.5, 2147483648.0, -2147483649.0, -2147483648.6, 1e300,
                         double(NAN), double(INFINITY)}) {
        SCOPED_TRACE(value);
        EXPECT_EQ(errorNumberOf([&] { CLng(value); }), vberr::kOverflow);
    }

    const struct {
        double value;
        int expected;
    } intCases[] = {
        {32767.0, 32767}, {32767.4, 32767}, {-32768.0, -32768}, {-32768.5, -32768},
        {0.5, 0},         {1.5, 2},         {-0.5, 0},          {300.5, 300},
    };
    for (const auto& c : intCases) {
        SCOPED_TRACE(NumberText(c.value));
        EXPECT_EQ(CInt(c.value), c.expected);
    }
    for (double value : {32767.5, 32768.0, -32769.0, -32768.6, 70000.0, double(NAN)}) {
        SCOPED_TRACE(value);
        EXPECT_EQ(errorNumberOf([&] { CInt(value); }), vberr::kOverflow);
    }
}

TEST(Divide, RaisesDivisionByZeroAndOverflowInsteadOfInfinityOrNaN) {
    EXPECT_EQ(Divide(6.0, 4.0), 1.5);
    EXPECT_EQ(Divide(0.0, 5.0), 0.0);
    EXPECT_EQ(errorNumberOf([] { Divide(1.0, 0.0); }), vberr::kDivisionByZero);
    EXPECT_EQ(errorNumberOf([] { Divide(-5.0, -0.0); }), vberr::kDivisionByZero);
    EXPECT_EQ(errorNumberOf([] { Divide(0.0, 0.0); }), vberr::kOverflow);
    EXPECT_EQ(errorNumberOf([] { Divide(1e308, 1e-10); }), vberr::kOverflow);
    EXPECT_EQ(errorNumberOf([] { Divide(INFINITY, 2.0); }), vberr::kOverflow);

    EXPECT_EQ(CheckedResult(-2.5), -2.5);
    EXPECT_EQ(errorNumberOf([] { CheckedResult(NAN); }), vberr::kOverflow);
    EXPECT_EQ(errorNumberOf([] { CheckedResult(-INFINITY); }), vberr::kOverflow);
}

}  // namespace
}  // namespace lumbrix
