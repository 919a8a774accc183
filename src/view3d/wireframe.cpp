#include "view3d/wireframe.h"

#include <algorithm>
#include <cmath>

#include "platform/vb_error.h"
#include "store/numbers.h"

namespace lumbrix::view3d {

namespace {

// Model values beyond 100 km are no board; the limit keeps every projection in range.
constexpr double kModelLimit = 1e8;
// Whole numbers of the tables stay well inside 32 bits.
constexpr double kWholeLimit = 2e9;

// The seven axis points: the log axis 3 m to the front and back, the cross axes 0.5 m.
struct AxisPoint {
    int vertex;
    std::int32_t x, y, z;
};
constexpr AxisPoint kAxisPoints[] = {
    {kAxisFront, 0, 0, 3000}, {kAxisBack, 0, 0, -3000}, {131, 0, 0, 0},
    {kAxisRight, 500, 0, 0},  {kAxisUp, 0, -500, 0},    {kAxisLeft, -500, 0, 0},
    {kAxisDown, 0, 500, 0},
};

// Each line of a box joins two of its vertices (0..7: front corners 1..4, back corners 1..4).
struct BoxLine {
    int from, to;
    bool back;  // drawn in the back colour
};
constexpr BoxLine kBoxLines[] = {
    {0, 1, false}, {1, 2, false}, {2, 3, false}, {3, 0, false},  // front face
    {4, 5, true},  {5, 6, true},  {6, 7, true},  {7, 4, true},   // back face
    {0, 4, false}, {1, 5, false}, {2, 6, false}, {3, 7, false},  // long edges
};

}  // namespace

const std::array<BoxSlot, kBoxCount>& boxSlots() {
    static const std::array<BoxSlot, kBoxCount> slots = [] {
        std::array<BoxSlot, kBoxCount> s{};
        int n = 0;
        for (int i = 0; i < 8; ++i)
            s[n++] = {BoxFamily::Centre, i};
        for (BoxFamily f : {BoxFamily::LeftSide, BoxFamily::RightSide, BoxFamily::UpperEdger,
                            BoxFamily::LowerEdger}) {
            s[n++] = {f, 0};
            s[n++] = {f, 1};
        }
        return s;
    }();
    return slots;
}

double Arvuta_radiaan(int halfDegrees) {
    return halfDegrees * (3.1415 / 360);
}

double limitedNumber(std::string_view text) {
    double v = 0;
    try {
        v = Val(text);
    } catch (const VbError&) {
        // Beyond the range of a double: as far as the limit, on the side of its sign.
        const auto first = text.find_first_not_of(" \t");
        v = first != std::string_view::npos && text[first] == '-' ? -kModelLimit : kModelLimit;
    }
    return std::clamp(v, -kModelLimit, kModelLimit);
}

std::int32_t wholeFromValue(double value) {
    return static_cast<std::int32_t>(CLng(std::clamp(value, -kWholeLimit, kWholeLimit)));
}

std::int32_t wholeFromText(std::string_view text) {
    return wholeFromValue(limitedNumber(text));
}

ScreenPoint Arvuta_projektsioon(std::int32_t x, std::int32_t y, std::int32_t z, int b, int c,
                                int a) {
    const double A = Arvuta_radiaan(a);
    const double B = Arvuta_radiaan(b);
    const double C = Arvuta_radiaan(c);
    // Turn about the log axis, tilt about the cross axis, turn about the vertical axis.
    const double x1 = x * std::cos(A) - y * std::sin(A);
    const double y1 = x * std::sin(A) + y * std::cos(A);
    const double z1 = y1 * std::sin(B) + z * std::cos(B);
    const double screenY = y1 * std::cos(B) - z * std::sin(B);
    const double screenX = x1 * std::cos(C) - z1 * std::sin(C);
    return {wholeFromValue(screenX), wholeFromValue(screenY)};
}

WireframeScene buildWireframe(const WireframeInput& in) {
    WireframeScene s;
    const double L = limitedNumber(in.logLength);
    const double tS = limitedNumber(in.centreTrim);
    const double tB = limitedNumber(in.boardTrim);
    const std::int32_t zFront = wholeFromValue((L - tS) / 2);
    const std::int32_t zCentreBack = wholeFromValue(-((L - tS) / 2));
    const std::int32_t zBoardBack = wholeFromValue(-((L - tB) - (L - tS) / 2));

    for (int box = 0; box < kBoxCount; ++box) {
        const auto& texts = in.corners[box];
        const bool centre = boxSlots()[box].family == BoxFamily::Centre;
        const int v = firstVertex(box);
        for (int corner = 0; corner < 4; ++corner) {
            const std::int32_t x = wholeFromText(texts[2 * corner]);
            const std::int32_t y = wholeFromText(texts[2 * corner + 1]);
            s.punktX[v + corner] = s.punktX[v + 4 + corner] = x;
            s.punktY[v + corner] = s.punktY[v + 4 + corner] = y;
            s.punktZ[v + corner] = zFront;
            s.punktZ[v + 4 + corner] = centre ? zCentreBack : zBoardBack;
        }
    }
    for (const AxisPoint& p : kAxisPoints) {
        s.punktX[p.vertex] = p.x;
        s.punktY[p.vertex] = p.y;
        s.punktZ[p.vertex] = p.z;
    }
    for (int i = 1; i <= kVertexCount; ++i) {
        const ScreenPoint p =
            Arvuta_projektsioon(s.punktX[i], s.punktY[i], s.punktZ[i], in.tilt, in.turn, in.roll);
        s.ekraanX[i] = p.x;
        s.ekraanY[i] = p.y;
    }

    s.lines.reserve(3 + 12 * kBoxCount);
    const auto join = [&s](int a, int b, Color color, int width) {
        s.lines.push_back({s.screen(a), s.screen(b), color, width});
    };
    join(kAxisFront, kAxisBack, colour::kAxis, kAxisWidth);
    join(kAxisLeft, kAxisRight, colour::kAxis, kAxisWidth);
    join(kAxisDown, kAxisUp, colour::kAxis, kAxisWidth);
    for (int box = 0; box < kBoxCount; ++box) {
        if (!in.corners[box][0].empty()) {
            const Color front =
                boxSlots()[box].family == BoxFamily::Centre ? colour::kCentre : colour::kOuter;
            const int v = firstVertex(box);
            for (const BoxLine& l : kBoxLines)
                join(v + l.from, v + l.to, l.back ? colour::kBack : front, in.boxLineWidth);
        }
    }
    s.logEndCaption = NumberText(L - tS);
    s.logStartCorner = s.screen(firstVertex(0));
    s.logEndCorner = s.screen(firstVertex(0) + 4);
    return s;
}

}  // namespace lumbrix::view3d
