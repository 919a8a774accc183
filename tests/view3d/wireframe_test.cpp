// The wireframe model: vertices, projection, rounding, drawing order and colours.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "view3d/wireframe.h"

namespace lumbrix::view3d {
namespace {

constexpr Color kWhite = colour::kAxis, kBlue = colour::kCentre, kRed = colour::kOuter,
                kOrange = colour::kBack;

// One centre board 50 x 150 on a log of 5200 mm with both trims 100; nothing else placed.
WireframeInput oneCentreBoard() {
    WireframeInput in;
    in.corners[0] = {"-25", "-75", "-25", "75", "25", "75", "25", "-75"};
    in.logLength = "5200";
    in.centreTrim = "100";
    in.boardTrim = "100";
    return in;
}

Segment line(ScreenPoint a, ScreenPoint b, Color c, int width = 1) {
    return {a, b, c, width};
}

TEST(Wireframe, LookingAlongTheLogTheBackFaceCoversTheFront) {
    const WireframeScene s = buildWireframe(oneCentreBoard());
    const ScreenPoint c1{-25, -75}, c2{-25, 75}, c3{25, 75}, c4{25, -75};
    const std::vector<Segment> expected = {
        line({0, 0}, {0, 0}, kWhite, 2),  // the log axis is a point
        line({-500, 0}, {500, 0}, kWhite, 2),
        line({0, 500}, {0, -500}, kWhite, 2),
        line(c1, c2, kBlue),
        line(c2, c3, kBlue),
        line(c3, c4, kBlue),
        line(c4, c1, kBlue),
        line(c1, c2, kOrange),
        line(c2, c3, kOrange),
        line(c3, c4, kOrange),
        line(c4, c1, kOrange),
        line(c1, c1, kBlue),  // the long edges shrink to points
        line(c2, c2, kBlue),
        line(c3, c3, kBlue),
        line(c4, c4, kBlue),
    };
    EXPECT_EQ(s.lines, expected);
    EXPECT_EQ(s.punktZ[1], 2550);
    EXPECT_EQ(s.punktZ[5], -2550);
    EXPECT_EQ(s.logEndCaption, "5100");
    EXPECT_EQ(s.logStartCorner, c1);
    EXPECT_EQ(s.logEndCorner, c1) << "both log-end labels sit at the same place";
}

TEST(Wireframe, ProjectionExamples) {
    struct Case {
        const char* what;
        std::string length, boardTrim;
        int roll, tilt, turn;
        int vertex;
        std::int32_t z;
        ScreenPoint screen;
    };
    const Case cases[] = {
        // 45 degrees about the vertical axis, pi taken as 3.1415.
        {"turn 90: front corner 1", "5200", "100", 0, 0, 90, 1, 2550, {-1821, -75}},
        {"turn 90: back corner 1", "5200", "100", 0, 0, 90, 5, -2550, {1785, -75}},
        // L - tS = 5099: zF = 2549.5 rounds to the even 2550, the centre back to -2550, and
        // the side back -((5199 - 51) - 2549.5) = -2598.5 to -2598.
        {"odd length: centre front", "5199", "51", 0, 0, 0, 1, 2550, {-25, -75}},
        {"odd length: centre back", "5199", "51", 0, 0, 0, 5, -2550, {-25, -75}},
        {"odd length: side back", "5199", "51", 0, 0, 0, 69, -2598, {29, -50}},
        {"roll -12: corner 1", "5199", "51", -12, 0, 0, 1, 2550, {-33, -72}},
        {"roll -12: corner 3", "5199", "51", -12, 0, 0, 3, 2550, {33, 72}},
        {"tilt -12: front corner 1", "5200", "100", 0, -12, 0, 1, 2550, {-25, 192}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WireframeInput in = oneCentreBoard();
        in.corners[8] = {"29", "-50", "29", "50", "54", "50", "54", "-50"};  // a side board
        in.logLength = c.length;
        in.boardTrim = c.boardTrim;
        in.roll = c.roll;
        in.tilt = c.tilt;
        in.turn = c.turn;
        const WireframeScene s = buildWireframe(in);
        EXPECT_EQ(s.punktZ[c.vertex], c.z);
        EXPECT_EQ(s.screen(c.vertex), c.screen);
    }
    EXPECT_DOUBLE_EQ(Arvuta_radiaan(180), 1.57075);
}

TEST(Wireframe, FrontFaceRoundsHalfToEven) {
    const struct {
        const char *length, *expectedEnd;
        std::int32_t front;
    } cases[] = {{"199", "99", 50}, {"201", "101", 50}, {"5200.5", "5100.5", 2550}};
    for (const auto& c : cases) {
        WireframeInput in = oneCentreBoard();
        in.logLength = c.length;
        const WireframeScene s = buildWireframe(in);
        EXPECT_EQ(s.punktZ[1], c.front) << c.length;
        EXPECT_EQ(s.punktZ[5], -c.front) << c.length;
        EXPECT_EQ(s.logEndCaption, c.expectedEnd);
    }
}

TEST(Wireframe, OnlyAnEmptyCornerOneLeavesABoxOut) {
    WireframeInput in = oneCentreBoard();
    in.boxLineWidth = 5;
    in.corners[1] = {"0", "0", "0", "0", "0", "0", "0", "0"};  // placed at 0: drawn
    in.corners[2] = {"", "5", "5", "5", "5", "5", "5", "5"};   // empty corner 1 x: left out
    in.corners[14] = {"-50", "80", "-50", "105", "50", "105", "50", "80"};  // lower edger 0
    const WireframeScene s = buildWireframe(in);
    ASSERT_EQ(s.lines.size(), 3u + 3 * 12);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(s.lines[i].width, 2) << "axes are always 2 wide";
    // Centre 0, centre 1, then the lower edger: front, back, long edges in their colours.
    EXPECT_EQ(s.lines[3 + 12].from, ScreenPoint{});
    const Segment& edgerFront = s.lines[3 + 24];
    EXPECT_EQ(edgerFront, line({-50, 80}, {-50, 105}, kRed, 5));
    EXPECT_EQ(s.lines[3 + 24 + 4].color, kOrange);
    EXPECT_EQ(s.lines[3 + 24 + 8].color, kRed);
}

TEST(Wireframe, NoTextOverflowsAWholeNumber) {
    WireframeInput in = oneCentreBoard();
    in.corners[0] = {"1e300", "-1e400", "9e18", "abc", "", "-", ".", "1e-300"};
    in.logLength = "1e999";
    in.centreTrim = "-1e999";
    in.turn = 90;
    in.tilt = 45;
    in.roll = -180;
    const WireframeScene s = buildWireframe(in);
    EXPECT_EQ(s.punktX[1], 100000000);
    EXPECT_EQ(s.punktY[1], -100000000);
    EXPECT_EQ(s.punktY[2], 0);
    EXPECT_EQ(s.punktZ[1], 100000000);
    EXPECT_EQ(wholeFromText("  12.5 mm"), 12);
    EXPECT_EQ(wholeFromText("13,5"), 13) << "a comma ends the number";
}

}  // namespace
}  // namespace lumbrix::view3d
