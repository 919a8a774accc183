#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/colors.h"

namespace lumbrix::view3d {

// The wireframe model of the 3D view: every board of the pattern as a box laid along the log,
// turned by three rotation values and projected in parallel onto the screen. Pure: it reads
// texts and numbers and gives the lines to draw, in the order they are drawn.

// The five board positions, in the order their boxes are numbered and drawn.
enum class BoxFamily { Centre, LeftSide, RightSide, UpperEdger, LowerEdger };

inline constexpr int kBoxCount = 16;      // centre 0..7, then two of each other position
inline constexpr int kVertexCount = 135;  // 16 boxes of 8 vertices, then 7 axis points

struct BoxSlot {
    BoxFamily family;
    int board;  // the board's index in its position
};
// The 16 boxes in drawing order: centre 0..7, left 0..1, right 0..1, upper 0..1, lower 0..1.
const std::array<BoxSlot, kBoxCount>& boxSlots();
// The first of box `box`'s eight vertices (1, 9, ... 121); corners 1..4 of the front face,
// then corners 1..4 of the back face.
constexpr int firstVertex(int box) {
    return 1 + 8 * box;
}

// Vertices of the axes.
inline constexpr int kAxisFront = 129;
inline constexpr int kAxisBack = 130;
inline constexpr int kAxisRight = 132;
inline constexpr int kAxisUp = 133;
inline constexpr int kAxisLeft = 134;
inline constexpr int kAxisDown = 135;

namespace colour {
inline constexpr Color kAxis = colors::rgb(255, 255, 255);
inline constexpr Color kCentre = colors::rgb(0, 0, 255);
inline constexpr Color kOuter = colors::rgb(255, 0, 0);  // side and edger boards
inline constexpr Color kBack = colors::rgb(255, 190, 0);
}  // namespace colour

inline constexpr int kAxisWidth = 2;

// A rotation value in half-degrees as radians, with pi taken as 3.1415.
double Arvuta_radiaan(int halfDegrees);

struct ScreenPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool operator==(const ScreenPoint&) const = default;
};

// The parallel projection of a model point (mm): turned about the log axis by `a`, tilted
// about the cross axis by `b` and turned about the vertical axis by `c` (half-degrees),
// rounded half to even to whole scale units.
ScreenPoint Arvuta_projektsioon(std::int32_t x, std::int32_t y, std::int32_t z, int b, int c,
                                int a);

// A text read as its leading number (a point only as separator) and rounded half to even to
// a whole number. The value is limited to +-100 km first, so that no text, however large,
// makes a whole number or a projected point overflow.
std::int32_t wholeFromText(std::string_view text);
// The same limit for a computed value.
std::int32_t wholeFromValue(double value);
double limitedNumber(std::string_view text);

// What one redraw reads.
struct WireframeInput {
    // Per box, the eight corner texts in the order 1x, 1y, 2x, 2y, 3x, 3y, 4x, 4y; a box
    // whose corner 1 x text is empty is not drawn.
    std::array<std::array<std::string, 8>, kBoxCount> corners;
    std::string logLength;   // L, mm
    std::string centreTrim;  // tS, mm
    std::string boardTrim;   // tB, mm (side and edger boards)
    int roll = 0;            // a: about the log axis
    int tilt = 0;            // b: about the cross axis
    int turn = 0;            // c: about the vertical axis
    int boxLineWidth = 1;    // pixels
};

struct Segment {
    ScreenPoint from;
    ScreenPoint to;
    Color color = colour::kAxis;
    int width = 1;  // pixels
    bool operator==(const Segment&) const = default;
};

struct WireframeScene {
    // Model points (mm) and their projections, indexed 1..135 (0 unused).
    std::array<std::int32_t, kVertexCount + 1> punktX{}, punktY{}, punktZ{};
    std::array<std::int32_t, kVertexCount + 1> ekraanX{}, ekraanY{};
    // The three axes, then twelve lines per drawn box, in drawing order.
    std::vector<Segment> lines;
    // The log-end labels: the back end's caption (L - tS), and the projected front and back
    // corner 1 of centre box 0, beside which the two labels stand.
    std::string logEndCaption;
    ScreenPoint logStartCorner;
    ScreenPoint logEndCorner;

    ScreenPoint screen(int vertex) const { return {ekraanX[vertex], ekraanY[vertex]}; }
};

WireframeScene buildWireframe(const WireframeInput& input);

}  // namespace lumbrix::view3d
