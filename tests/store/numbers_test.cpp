#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <optional>
#include <string>

#include "platform/desktop.h"
#include "platform/event_runtime.h"
#include "platform/vb_error.h"
#include "store/numbers.h"
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
        {"12,5", 12.5},
        {"12.5", 12.5},
        {" 1 234,5", 1234.5},
        {"5 mm", 5},
        {"-3", -3},
        {"", 0},
        {"abc", 0},
        {"1.234,5", 1.234},
        {"&H1F", 31},
        {"&h1f", 31},
        {"&O17", 15},
        {"&o 1 7", 15},
        {"&H", 0},
        {"&X1", 0},
        {"&O8", 0},
        {"+7", 7},
        {"- 4,5", -4.5},
        {",5", 0.5},
        {".5", 0.5},
        {"-.25", -0.25},
        {"\t12\n3\r", 123},
        {"1 2 . 5", 12.5},
        {"1,2,3", 1.2},
        {"1..2", 1},
        {"12abc3", 12},
        {"--3", 0},
        {"+-3", 0},
        {"E5", 0},
        {"-", 0},
        {",", 0},
        {"00012", 12},
        {"0.1", 0.1},
        {"0,3", 0.3},
        {"1e3", 1000},
        {"1,5D2", 150},
        {"2,5E-3", 0.0025},
        {"2.5 e - 3", 0.0025},
        {"1E", 1},
        {"1E+", 1},
        {"1Ex", 1},
        {"3.5%", 3.5},
        {"1E-400", 0},
        {"0.1000000000000000055511151231257827", 0.1},
        {"123456789012345678901234567890", 123456789012345678901234567890.0},
        {"1.7976931348623157E308", 1.7976931348623157e308},
        {"4.9E-324", 4.9e-324},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("text \"" + c.text + "\"");
        EXPECT_EQ(RegionCompVal(c.text), c.expected);
        EXPECT_EQ(RegionCompValOrNone(c.text), c.expected);
    }
    EXPECT_TRUE(desktop.messages().empty());
}

TEST_F(NumberReading, MinusZeroReadsAsPlainZero) {
    EXPECT_FALSE(std::signbit(RegionCompVal("-0")));
    EXPECT_FALSE(std::signbit(Val("-0,0")));
    EXPECT_EQ(NumberText(RegionCompVal("-0.000")), "0");
}

TEST_F(NumberReading, RegionCompValOfANumberGoesThroughItsPlainText) {
    EXPECT_EQ(RegionCompVal(7.0), 7.0);
    EXPECT_EQ(RegionCompVal(7), 7.0);
    EXPECT_EQ(RegionCompVal(-12.5), -12.5);
    EXPECT_EQ(RegionCompVal(0.1 + 0.2), 0.3);
    EXPECT_EQ(RegionCompVal(1.0 / 3.0), 0.333333333333333);
    EXPECT_EQ(RegionCompVal(1234567890123456.0), 1234567890123460.0);
    EXPECT_TRUE(desktop.messages().empty());
}

TEST_F(NumberReading, AnEmptyValueReadsZeroWithoutABox) {
    EXPECT_EQ(RegionCompVal(std::nullopt), 0.0);
    EXPECT_EQ(RegionCompValOrNone(std::nullopt), 0.0);
    EXPECT_EQ(RegionCompVal(std::optional<double>(2.5)), 2.5);
    EXPECT_EQ(NumberText(std::optional<double>()), "");
    EXPECT_TRUE(desktop.messages().empty());
}

TEST_F(NumberReading, ANumberBeyondTheDoubleRangeShowsTheBoxAndGivesNoValue) {
    const std::string texts[] = {"1E400", "-1e400", "1,5D+999", "9 9 9E999 mm",
                                 "&H" + std::string(300, 'F')};
    for (const auto& text : texts) {
        SCOPED_TRACE("text \"" + text + "\"");
        desktop.clearMessages();
        desktop.expectMessage(MsgResult::Ok);
        EXPECT_EQ(RegionCompValOrNone(text), std::nullopt);
        ASSERT_EQ(desktop.messages().size(), 1u);
        const auto& box = desktop.messages()[0];
        EXPECT_EQ(box.text, "Error number 6\nOverflowRegionCompVal");
        EXPECT_EQ(box.style, mb::kOkOnly);
        EXPECT_EQ(box.title, kApplicationTitle);
    }
}

TEST_F(NumberReading, NoValueCountsAsZeroInAFollowingSum) {
    desktop.expectMessage(MsgResult::Ok);
    const double sum = RegionCompVal("2,5") + RegionCompVal("1E400") + RegionCompVal("4");
    EXPECT_EQ(sum, 6.5);
    EXPECT_EQ(desktop.messages().size(), 1u);
    EXPECT_EQ(NumberText(std::optional<double>()), "");
}

TEST_F(NumberReading, ANonFiniteNumberShowsTheOverflowBox) {
    const double values[] = {INFINITY, -INFINITY, NAN};
    for (double value : values) {
        SCOPED_TRACE(value);
        desktop.clearMessages();
        desktop.expectMessage(MsgResult::Ok);
        EXPECT_EQ(RegionCompValOrNone(value), std::nullopt);
        ASSERT_EQ(desktop.messages().size(), 1u);
        EXPECT_EQ(desktop.messages()[0].text, "Error number 6\nOverflowRegionCompVal");
    }
    desktop.expectMessage(MsgResult::Ok);
    EXPECT_EQ(RegionCompVal(INFINITY), 0.0);
}

TEST_F(NumberReading, ValTakesAPointOnlyAndACommaEndsTheNumber) {
    const ReadCase cases[] = {
        {"12,5", 12},     {"12.5", 12.5}, {" 1 234.5 mm", 1234.5}, {",5", 0},
        {"-0.75", -0.75}, {"&H1F", 31},   {"1.5E3,2", 1500},       {"2,5E3", 2},
        {"", 0},          {"x12", 0},     {"\t4\n2", 42},          {"1.2.3", 1.2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("text \"" + c.text + "\"");
        EXPECT_EQ(Val(c.text), c.expected);
    }
}

TEST_F(NumberReading, ValRaisesOverflowBeyondTheRangeWithoutABox) {
    EXPECT_EQ(errorNumberOf([] { Val("1E400"); }), vberr::kOverflow);
    EXPECT_EQ(errorNumberOf([] { Val("-2.5D309"); }), vberr::kOverflow);
    EXPECT_TRUE(desktop.messages().empty());
}

TEST_F(NumberReading, StrictReadAcceptsOnlyAWholeNumber) {
    const ReadCase accepted[] = {
        {"12.5", 12.5}, {" 12,5 ", 12.5},  {"-3", -3}, {"+3", 3},    {"1E3", 1000},
        {"1d-2", 0.01}, {".5", 0.5},       {"5.", 5},  {"&H1F", 31}, {"\t7\r\n", 7},
        {"0", 0},       {"2.5e+2", 250.0}, {"007", 7}, {"&o17", 15}, {"1E-400", 0},
    };
    for (const auto& c : accepted) {
        SCOPED_TRACE("text \"" + c.text + "\"");
        EXPECT_EQ(ToDoubleStrict(c.text), c.expected);
    }
    const std::string refused[] = {"",    "  ",  "abc", "5 mm", "1 234",   "1.2.3",
                                   "1E",  "1E+", "-",   ".",    "1,234.5", "&H",
                                   "12a", "- 3", "&X1", "--1",  "1e3x",    "&H1G"};
    for (const auto& text : refused) {
        SCOPED_TRACE("text \"" + text + "\"");
        EXPECT_EQ(errorNumberOf([&] { ToDoubleStrict(text); }), vberr::kTypeMismatch);
    }
    EXPECT_EQ(errorNumberOf([] { ToDoubleStrict("1E400"); }), vberr::kOverflow);
    EXPECT_TRUE(desktop.messages().empty());
}

}  // namespace
}  // namespace lumbrix
