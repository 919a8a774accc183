// The corner table of the 3D view: every position from its neighbour's written (rounded)
// corner, kerf 4 between centre and side boards, kerf 5 towards the edger boards.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "view3d_fixture.h"

namespace lumbrix {
namespace {

using Family = view3d::BoxFamily;

class Corners3d : public test::View3dTest {};

struct Board {
    Family family;
    double thickness, width;
};
struct Expected {
    Family family;
    int board;
    const char* corners;
};

TEST_F(Corners3d, EachBoardFromTheWrittenCornerOfTheOneBefore) {
    struct Case {
        const char* what;
        std::vector<Board> boards;
        std::vector<Expected> expected;
    };
    const Case cases[] = {
        {"one centre board",
         {{Family::Centre, 50, 150}},
         {{Family::Centre, 0, "-25,-75 -25,75 25,75 25,-75"}}},
        {"a right side board beside it",
         {{Family::Centre, 50, 150}, {Family::RightSide, 25, 100}},
         {{Family::RightSide, 0, "29,-50 29,50 54,50 54,-50"}}},
        {"two centre boards of 47",
         {{Family::Centre, 47, 150}, {Family::Centre, 47, 150}},
         {{Family::Centre, 0, "-49,-75 -49,75 -2,75 -2,-75"},
          {Family::Centre, 1, "2,-75 2,75 49,75 49,-75"}}},
        {"three centre boards of 47: the chain starts from the written -75",
         {{Family::Centre, 47, 150},
          {Family::Centre, 47, 150},
          {Family::Centre, 47, 150},
          {Family::RightSide, 25, 100}},
         {{Family::Centre, 0, "-75,-75 -75,75 -28,75 -28,-75"},
          {Family::Centre, 1, "-24,-75 -24,75 23,75 23,-75"},
          {Family::Centre, 2, "27,-75 27,75 74,75 74,-75"},
          // from the last centre board, not the first
          {Family::RightSide, 0, "78,-50 78,50 103,50 103,-50"}}},
        {"an odd height rounds half away from zero",
         {{Family::Centre, 50, 75}},
         {{Family::Centre, 0, "-25,-38 -25,38 25,38 25,-38"}}},
        {"a hidden centre position: no size, a kerf right of its neighbour",
         {{Family::Centre, 50, 150}},
         {{Family::Centre, 1, "29,0 29,0 29,0 29,0"}, {Family::Centre, 2, "33,0 33,0 33,0 33,0"}}},
        {"left side boards outward from centre board 0",
         {{Family::Centre, 50, 150}, {Family::LeftSide, 25, 100}, {Family::LeftSide, 20, 80}},
         {{Family::LeftSide, 0, "-54,-50 -54,50 -29,50 -29,-50"},
          {Family::LeftSide, 1, "-78,-40 -78,40 -58,40 -58,-40"}}},
        {"edger boards follow centre board 0 only",
         {{Family::Centre, 50, 100},
          {Family::Centre, 50, 150},
          {Family::UpperEdger, 25, 100},
          {Family::UpperEdger, 20, 80},
          {Family::LowerEdger, 25, 100},
          {Family::LowerEdger, 20, 80}},
         {{Family::UpperEdger, 0, "-50,-80 -50,-55 50,-55 50,-80"},
          {Family::UpperEdger, 1, "-40,-105 -40,-85 40,-85 40,-105"},
          {Family::LowerEdger, 0, "-50,55 -50,80 50,80 50,55"},
          {Family::LowerEdger, 1, "-40,85 -40,105 40,105 40,85"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (Family f : {Family::Centre, Family::LeftSide, Family::RightSide, Family::UpperEdger,
                         Family::LowerEdger})
            listOf(f).clear();
        for (const Board& b : c.boards)
            place(b.family, b.thickness, b.width);
        computeCorners();
        for (const Expected& e : c.expected)
            EXPECT_EQ(corners(e.family, e.board), e.corners) << "board " << e.board;
    }
}

TEST_F(Corners3d, TheCentralUpdateWritesTheTableAsItsLastStep) {
    place(Family::Centre, 50, 150);
    place(Family::LowerEdger, 25, 100);
    main().uuenda_materjalid();
    EXPECT_EQ(corners(Family::Centre, 0), "-25,-75 -25,75 25,75 25,-75");
    EXPECT_EQ(corners(Family::LowerEdger, 0), "-50,80 -50,105 50,105 50,80");
}

TEST_F(Corners3d, NoKerfOverflowsTheTable) {
    place(Family::Centre, 50, 150);
    place(Family::Centre, 50, 150);
    place(Family::UpperEdger, 25, 100);
    computeCorners();
    store().txtKetas2saag = "1e999";  // read as 100 km
    store().txtKetas1saag = "-1e400";
    main().Arvuta_3d();
    EXPECT_TRUE(desktop.messages().empty());
    EXPECT_EQ(corners(Family::Centre, 1), "50000000,-75 50000000,75 50000050,75 50000050,-75");
    EXPECT_EQ(corners(Family::UpperEdger, 0), "-50,99999900 -50,99999925 50,99999925 50,99999900");
}

TEST_F(Corners3d, WithoutACentreBoardNothingIsComputedAndNothingFails) {
    // The right side starts from the last centre board; with none there is none to index.
    // The view, loaded by the first write, has cleared every position: all boxes are hidden.
    main().Arvuta_3d();
    EXPECT_TRUE(desktop.messages().empty());
    EXPECT_EQ(corners(Family::Centre, 0), kNoCorners);
    EXPECT_EQ(corners(Family::RightSide, 1), kNoCorners);
}

}  // namespace
}  // namespace lumbrix
