#pragma once

#include <cstdint>

namespace lumbrix {

// Colours as the program and its files give them: 0x00BBGGRR. Values with the high bit set
// name a system colour by index (0x8000000F is the face of buttons and dialogs); the front end
// resolves them to the desktop's palette.
using Color = std::uint32_t;

namespace colors {
inline constexpr Color kBlack = 0x000000;
inline constexpr Color kWhite = 0xFFFFFF;
inline constexpr Color kRed = 0x0000FF;
inline constexpr Color kOrange = 0x0080FF;       // red 255, green 128, blue 0
inline constexpr Color kLightOrange = 0x80C0FF;  // red 255, green 192, blue 128: notices
inline constexpr Color kSystemFlag = 0x80000000;
inline constexpr Color kButtonFace = 0x8000000F;
inline constexpr Color kButtonText = 0x80000012;
inline constexpr Color kWindowBackground = 0x80000005;
inline constexpr Color kWindowText = 0x80000008;
inline constexpr Color kInfoBackground = 0x80000018;

constexpr bool isSystem(Color c) {
    return (c & kSystemFlag) != 0;
}
constexpr int red(Color c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int green(Color c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int blue(Color c) {
    return static_cast<int>((c >> 16) & 0xFF);
}
constexpr Color rgb(int r, int g, int b) {
    return static_cast<Color>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
}  // namespace colors

// Twips: 1440 to the inch; the front end shows 15 twips as one pixel.
inline constexpr double kTwipsPerPixel = 15.0;

}  // namespace lumbrix
