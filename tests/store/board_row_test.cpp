#include "store/board_row.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/text.h"
#include "test_desktop.h"

namespace lumbrix {
namespace {

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
        {5400, 50, 100, 0.027}, {5125, 40, 100, 0.020},         // 0.0205: down to the even digit
        {5100, 50, 100, 0.026}, {3950, 29.466, 137.28, 0.016},  // 0.0255: up to the even digit
        {0, 50, 100, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.length << " x " << c.thickness << " x " << c.width);
        EXPECT_DOUBLE_EQ(boardVolume(c.length, c.thickness, c.width), c.expected);
    }
}

TEST_F(BoardRowTest, WritersPutEveryFieldInItsColumns) {
    // A product row: sizes, price, then quality fields, moisture and comment.
    const auto product = [](const std::string& sizes, const std::string& price) {
        return sizes + Space(4) + price + " 100.0 0.000 0.000 0.000 0.000 0.000 45.0  0     0" +
               "     0     0     0     18 kuusk";
    };
    const std::string sizes5x10 = "50.000x100.00" + Space(12) + "52.000x104.00";
    const std::string sizes4x10 = "40.000x100.00" + Space(12) + "42.000x104.00";
    EXPECT_EQ(placedBoardRow(product(sizes5x10, "45.00"), "45.00", 5500, 100),
              kHead5x10 + "5400     0.027     45.00");
    EXPECT_EQ(placedBoardRow(product(sizes4x10, "38.50"), "38.50", 5200, 75),
              "40.000x100.00  42.000x104.00   5125     0.020     38.50");
    EXPECT_EQ(placedBoardRow(product(sizes5x10, "45.00"), "", 5200, 100),
              kHead5x10 + "5100     0.026     ")
        << "the price comes from the picked price field";
    EXPECT_EQ(placedBoardRow(product(sizes5x10, "45.00"), "45.00", 2800, 1900),
              kHead5x10 + "900     0.004     45.00")
        << "a trim longer than the log: a short length that nothing pads";

    EXPECT_EQ(composeBoardRow(boardRowHead("25.000", "100.00", "27.500", "104.00"), 5400,
                              boardVolume(5400, 25, 100), "112.5"),
              "25.000x100.00  27.500x104.00   5400     0.014     112.5");
    EXPECT_EQ(composeBoardRowText(boardRowHead("29.466", "137.28", "30.350", "141.40"), "3950",
                                  "0.016", "0.000"),
              "29.466x137.28  30.350x141.40   3950     0.016     0.000");
}

TEST_F(BoardRowTest, ColumnsCountCharactersNotBytes) {
    const std::string head = boardRowHead("25.00õ", "100.0š", "27.50ä", "104.0ž");
    const std::string row = composeBoardRow(head, 5200, 0.013, "45.00");
    EXPECT_EQ(Len(row), 55);
    EXPECT_EQ(Mid(row, 51, 5), "45.00");

    const BoardRow read(row);
    EXPECT_EQ(read.sawingWidthText(), "104.0ž");
    EXPECT_DOUBLE_EQ(read.sawingThickness(), 27.5);
    EXPECT_DOUBLE_EQ(read.nominalWidth(), 100);
    EXPECT_DOUBLE_EQ(read.length(), 5200);

    const std::string rebuilt = rebuildRowTail(row, 5400);
    EXPECT_EQ(Left(rebuilt, 31), head);
    EXPECT_EQ(Mid(rebuilt, 32), "5400     0.014     45.00");  // 5400 x 25 x 100
}

TEST_F(BoardRowTest, ReadsSizesFromColumnsAndTheTailAsWords) {
    struct Case {
        std::string label;
        std::string row;
        double nominalThickness, sawingWidth;
        std::string length, volume, price;
        double lengthValue, volumeValue, priceValue;
    };
    const Case cases[] = {
        {"well formed", kHead5x10 + "5400     0.027     45.00", 50, 104, "5400", "0.027", "45.00",
         5400, 0.027, 45},
        {"three-digit length moves the tail left", kHead5x10 + "950     0.005     45.00", 50, 104,
         "950", "0.005", "45.00", 950, 0.005, 45},
        {"suggested row with a short volume", kHead5x10 + "3950     0.03     0.000", 50, 104,
         "3950", "0.03", "0.000", 3950, 0.03, 0},
        {"decimal commas", kHead5x10 + "5400     0,027     45,50", 50, 104, "5400", "0,027",
         "45,50", 5400, 0.027, 45.5},
        {"sizes only", kHead5x10, 50, 104, "", "", "", 0, 0, 0},
        {"garbage", PadRight("x%&/()=?`*'_:;><|@#$~^{}[]ÕÄÖÜš", 31) + " ??? .,.,  --- e+ &O9", 0, 0,
         "???", ".,.,", "---", 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const BoardRow row(c.row);
        EXPECT_DOUBLE_EQ(row.nominalThickness(), c.nominalThickness);
        EXPECT_DOUBLE_EQ(row.sawingWidth(), c.sawingWidth);
        EXPECT_EQ(row.lengthText(), c.length);
        EXPECT_EQ(row.volumeText(), c.volume);
        EXPECT_EQ(row.priceText(), c.price);
        EXPECT_DOUBLE_EQ(row.length(), c.lengthValue);
        EXPECT_DOUBLE_EQ(row.volume(), c.volumeValue);
        EXPECT_DOUBLE_EQ(row.price(), c.priceValue);
    }
}

TEST_F(BoardRowTest, NewLengthRewritesLengthAndVolumeAndKeepsSizesAndPrice) {
    struct Case {
        std::string label;
        bool fullEdge;  // the full-edge writer keeps columns 1-28 and blanks 29-31
        std::string row;
        double length;
        std::string expected;
    };
    const Case cases[] = {
        {"5500 less a trim of 100", false, kHead5x10 + "5100     0.026     45.00", 5400,
         kHead5x10 + "5400     0.027     45.00"},
        {"tie to the even digit", false, "40.000x100.00  42.000x104.00   5100     0.020     38.50",
         5125, "40.000x100.00  42.000x104.00   5125     0.020     38.50"},
        {"shifted by a three-digit length", false, kHead5x10 + "950     0.005     45.00", 5400,
         kHead5x10 + "5400     0.027     45.00"},
        {"shifted by a short suggested volume", false, kHead5x10 + "3950     0.03     0.000", 4000,
         kHead5x10 + "4000     0.020     0.000"},
        {"no price", false, kHead5x10 + "5100     0.026     ", 5400,
         kHead5x10 + "5400     0.027     "},
        {"short row filled to its head", false, "abc", 5400,
         PadRight("abc", 31) + "5400     0.000     "},
        {"full edge: side board", true, "25.000x100.00  25.000x100.00   5100     0.013     30.00",
         3742, "25.000x100.00  25.000x100.00   3742     0.009     30.00"},
        {"full edge: columns 29-31", true,
         "25.000x100.00  25.000x100.00###5100     0.013     30.00", 1000,
         "25.000x100.00  25.000x100.00   1000     0.002     30.00"},
        {"full edge: shifted row", true, kHead5x10 + "950     0.005     45.00", 5200,
         kHead5x10 + "5200     0.026     45.00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(
            c.fullEdge ? rebuildFullEdgeRow(c.row, c.length) : rebuildRowTail(c.row, c.length),
            c.expected);
    }
}

}  // namespace
}  // namespace lumbrix
