#pragma once

#include "platform/picture_box.h"

// The drawing of a pattern as the main window and the printed pattern sheet both show it: a
// white picture box in millimetres of the log, the log's end outlines as circles and one box
// per board, drawn by the same picture box view.
namespace lumbrix::patterndrawing {

// The drawing's width and height in millimetres at 100 % zoom.
inline constexpr double kFullZoomUnits = 465.772;
inline constexpr Color kButtEnd = colors::rgb(128, 64, 0);
inline constexpr Color kMiddle = colors::rgb(128, 128, 128);
inline constexpr Color kTopEnd = colors::kBlack;

// A log outline inside `drawing`, unplaced until the log is drawn.
inline void setUpLogOutline(Shape& outline, PictureBox& drawing, Color border) {
    outline.setContainer(&drawing);
    outline.move(0, 0, 0, 0);
    outline.setShape(ShapeKind::Circle);
    outline.setBorderColor(border);
    outline.setFilled(false);
}

// A board's box inside `drawing`, hidden until a board is laid out in it.
inline void setUpBoardBox(PictureBox& box, PictureBox& drawing, Color back) {
    box.setContainer(&drawing);
    box.move(0, 0, 0, 0);
    box.setBordered(false);
    box.setBackColor(back);
    box.setVisible(false);
}

}  // namespace lumbrix::patterndrawing
