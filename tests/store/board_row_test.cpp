#include "store/board_row.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/text.h"
#include "test_desktop.h"

namespace lumbrix {
namespace {

// A product row `Tooterida` with the given sizes and price; the quality fields, moisture and
// comment behind the price only have to be there.
std::string productRow(const std::string& t, const std::string& w, const std::string& sawT,
                       const std::string& sawW, const std::string& price) {
    return t + "x" + w + Space(12) + sawT + "x" + sawW + Space(4) + price +
           " 100.0 0.000 0.000 0.000 0.000 0.000 45.0  0     0     0     0     0     18 kuusk";
}

const std::string kHead5x10 = "50.000x100.00  52.000x104.00   ";

// Every reading below either succeeds quietly or the test desktop fails the test on a box.
class BoardRowTest : public ::testing::Test {
  protected:
    test::TestDesktop desktop;
};

TEST_F(BoardRowTest, VolumeRoundsHalvesToTheEvenThousandth) {
    struct Case {
        double length, thickness, width, expected;
    };
    const Case cases[] = {
        {5400, 50, 100, 0.027},        {5125, 40, 100, 0.020},  // 0.0205: down to the even digit
        {5100, 50, 100, 0.026},                                 // 0.0255: up to the even digit
        {4300, 50, 100, 0.022},                                 // 0.0215
        {3742, 25, 100, 0.009},                                 // 0.009355
        {3950, 29.466, 137.28, 0.016}, {0, 50, 100, 0},        {5200, 0, 100, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.length << " x " << c.thickness << " x " << c.width);
        EXPECT_DOUBLE_EQ(boardVolume(c.length, c.thickness, c.width), c.expected);
    }
}

TEST_F(BoardRowTest, PlacedRowTakesTheProductSizesTrimmedLengthVolumeAndPrice) {
    struct Case {
        std::string product;
        std::string price;
        double logLength, trim;
        std::string expected;
    };
    const Case cases[] = {
        {productRow("50.000", "100.00", "52.000", "104.00", "45.00"), "45.00", 5500, 100,
         kHead5x10 + "5400     0.027     45.00"},
        {productRow("40.000", "100.00", "42.000", "104.00", "38.50"), "38.50", 5200, 75,
         "40.000x100.00  42.000x104.00   5125     0.020     38.50"},
        {productRow("22.000", "150.00", "24.500", "155.00", "0.000"), "0.000", 5200, 0,
         "22.000x150.00  24.500x155.00   5200     0.017     0.000"},
        // The price comes from the picked product's price field, not from the row.
        {productRow("50.000", "100.00", "52.000", "104.00", "45.00"), "", 5200, 100,
         kHead5x10 + "5100     0.026     "},
        // A trim longer than the log leaves a length of another width; nothing pads it.
        {productRow("50.000", "100.00", "52.000", "104.00", "45.00"), "45.00", 2800, 1900,
         kHead5x10 + "900     0.004     45.00"},  // 0.0045 goes to the even digit
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(placedBoardRow(c.product, c.price, c.logLength, c.trim), c.expected);
    }
}

TEST_F(BoardRowTest, ComposedRowKeepsEveryFieldInItsColumns) {
    const std::string row = composeBoardRow(boardRowHead("25.000", "100.00", "27.500", "104.00"),
                                            5400, boardVolume(5400, 25, 100), "112.5");
    struct Column {
        int start, width;
        std::string content;
    };
    const Column columns[] = {
        {1, 6, "25.000"}, {7, 1, "x"},       {8, 6, "100.00"}, {14, 2, "  "},   {16, 6, "27.500"},
        {22, 1, "x"},     {23, 6, "104.00"}, {29, 3, "   "},   {32, 4, "5400"}, {36, 5, "     "},
        {41, 5, "0.014"}, {46, 5, "     "},  {51, 5, "112.5"},
    };
    for (const Column& c : columns) {
        SCOPED_TRACE(testing::Message() << "column " << c.start);
        EXPECT_EQ(Mid(row, c.start, c.width), c.content);
    }
    EXPECT_EQ(Len(row), 55);
}

TEST_F(BoardRowTest, ColumnsCountCharactersNotBytes) {
    // Letters outside ASCII in the size columns take one column each.
    const std::string head = boardRowHead("25.00õ", "100.0š", "27.50ä", "104.0ž");
    const std::string row = composeBoardRow(head, 5200, 0.013, "45.00");
    EXPECT_EQ(Len(row), 55);
    EXPECT_EQ(Mid(row, 32, 4), "5200");
    EXPECT_EQ(Mid(row, 51, 5), "45.00");

    const BoardRow read(row);
    EXPECT_EQ(read.sawingThicknessText(), "27.50ä");
    EXPECT_EQ(read.sawingWidthText(), "104.0ž");
    EXPECT_DOUBLE_EQ(read.sawingThickness(), 27.5);
    EXPECT_DOUBLE_EQ(read.sawingWidth(), 104);
    EXPECT_DOUBLE_EQ(read.nominalWidth(), 100);
    EXPECT_DOUBLE_EQ(read.length(), 5200);
    EXPECT_EQ(read.priceText(), "45.00");

    const std::string rebuilt = rebuildRowTail(row, 5400);
    EXPECT_EQ(Left(rebuilt, 31), head);
    EXPECT_EQ(Mid(rebuilt, 32), "5400     0.014     45.00");  // 5400 x 25 x 100
}

TEST_F(BoardRowTest, ReadsSizesFromColumnsAndTheTailAsWords) {
    struct Case {
        std::string label;
        std::string row;
        double nominalThickness, nominalWidth, sawingThickness, sawingWidth;
        std::string length, volume, price;
        double lengthValue, volumeValue, priceValue;
    };
    const Case cases[] = {
        {"well formed", kHead5x10 + "5400     0.027     45.00", 50, 100, 52, 104, "5400", "0.027",
         "45.00", 5400, 0.027, 45},
        {"three-digit length moves the tail left", kHead5x10 + "950     0.005     45.00", 50, 100,
         52, 104, "950", "0.005", "45.00", 950, 0.005, 45},
        {"suggested row with a short volume", kHead5x10 + "3950     0.03     0.000", 50, 100, 52,
         104, "3950", "0.03", "0.000", 3950, 0.03, 0},
        {"five-digit length moves the tail right", kHead5x10 + "10200     0.051     45.00", 50, 100,
         52, 104, "10200", "0.051", "45.00", 10200, 0.051, 45},
        {"volume with a decimal comma", kHead5x10 + "5400     0,027     45,50", 50, 100, 52, 104,
         "5400", "0,027", "45,50", 5400, 0.027, 45.5},
        {"no price", kHead5x10 + "5400     0.027     ", 50, 100, 52, 104, "5400", "0.027", "", 5400,
         0.027, 0},
        {"sizes only", kHead5x10, 50, 100, 52, 104, "", "", "", 0, 0, 0},
        {"empty", "", 0, 0, 0, 0, "", "", "", 0, 0, 0},
        {"letters", "abc", 0, 0, 0, 0, "", "", "", 0, 0, 0},
        {"garbage", PadRight("x%&/()=?`*'_:;><|@#$~^{}[]ÕÄÖÜš", 31) + " ??? .,.,  --- e+ &O9", 0, 0,
         0, 0, "???", ".,.,", "---", 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const BoardRow row(c.row);
        EXPECT_EQ(row.text(), c.row);
        EXPECT_DOUBLE_EQ(row.nominalThickness(), c.nominalThickness);
        EXPECT_DOUBLE_EQ(row.nominalWidth(), c.nominalWidth);
        EXPECT_DOUBLE_EQ(row.sawingThickness(), c.sawingThickness);
        EXPECT_DOUBLE_EQ(row.sawingWidth(), c.sawingWidth);
        EXPECT_EQ(row.lengthText(), c.length);
        EXPECT_EQ(row.volumeText(), c.volume);
        EXPECT_EQ(row.priceText(), c.price);
        EXPECT_DOUBLE_EQ(row.length(), c.lengthValue);
        EXPECT_DOUBLE_EQ(row.volume(), c.volumeValue);
        EXPECT_DOUBLE_EQ(row.price(), c.priceValue);
    }
}

TEST_F(BoardRowTest, RowsInTheFixedColumnsReadAsTheirColumns) {
    for (double length : {1000.0, 2450.0, 5125.0, 6100.0}) {
        for (const char* price : {"45.00", "112.5", "1250", "0.000"}) {
            const std::string text =
                composeBoardRow(boardRowHead("32.000", "125.00", "34.000", "130.00"), length,
                                boardVolume(length, 32, 125), price);
            SCOPED_TRACE(text);
            const BoardRow row(text);
            EXPECT_EQ(row.lengthText(), Trim(Mid(text, 32, 4)));
            EXPECT_EQ(row.volumeText(), Trim(Mid(text, 41, 5)));
            EXPECT_EQ(row.priceText(), Trim(Mid(text, 51, 5)));
            EXPECT_EQ(row.nominalThicknessText(), Mid(text, 1, 6));
            EXPECT_EQ(row.nominalWidthText(), Mid(text, 8, 6));
        }
    }
}

TEST_F(BoardRowTest, LogLengthChangeRewritesLengthAndVolumeAndKeepsSizesAndPrice) {
    struct Case {
        std::string label;
        std::string row;
        double length;
        std::string expected;
    };
    const Case cases[] = {
        {"5200 to 5500 with a trim of 100", kHead5x10 + "5100     0.026     45.00", 5400,
         kHead5x10 + "5400     0.027     45.00"},
        {"tie to the even digit", "40.000x100.00  42.000x104.00   5100     0.020     38.50", 5125,
         "40.000x100.00  42.000x104.00   5125     0.020     38.50"},
        {"shifted by a three-digit length", kHead5x10 + "950     0.005     45.00", 5400,
         kHead5x10 + "5400     0.027     45.00"},
        {"shifted by a short suggested volume", kHead5x10 + "3950     0.03     0.000", 4000,
         kHead5x10 + "4000     0.020     0.000"},
        {"no price", kHead5x10 + "5100     0.026     ", 5400, kHead5x10 + "5400     0.027     "},
        {"short row filled to its head", "abc", 5400, PadRight("abc", 31) + "5400     0.000     "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(rebuildRowTail(c.row, c.length), c.expected);
    }
}

TEST_F(BoardRowTest, FullEdgeRowKeepsColumnsOneTo28AndTheLastPrice) {
    struct Case {
        std::string label;
        std::string row;
        double length;
        std::string expected;
    };
    const Case cases[] = {
        {"side board held to its full-edge length",
         "25.000x100.00  25.000x100.00   5100     0.013     30.00", 3742,
         "25.000x100.00  25.000x100.00   3742     0.009     30.00"},
        {"columns 29-31 become blanks", "25.000x100.00  25.000x100.00###5100     0.013     30.00",
         1000, "25.000x100.00  25.000x100.00   1000     0.002     30.00"},
        {"shifted row keeps its price", kHead5x10 + "950     0.005     45.00", 5200,
         kHead5x10 + "5200     0.026     45.00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(rebuildFullEdgeRow(c.row, c.length), c.expected);
    }
}

TEST_F(BoardRowTest, SuggestionWriterComposesItsOwnVolumeText) {
    const std::string row = composeBoardRowText(
        boardRowHead("29.466", "137.28", "30.350", "141.40"), "3950", "0.016", "0.000");
    EXPECT_EQ(row, "29.466x137.28  30.350x141.40   3950     0.016     0.000");
}

}  // namespace
}  // namespace lumbrix
