#pragma once

#include "platform/controls.h"

// What both pages of the main window's tab strip share: the page's area, common heights and
// gaps, the fixed-pitch font of record lists, and placing a control on a page.
namespace lumbrix::mainlayout {

inline constexpr double kPageLeft = 135;     // inside the tab strip's border
inline constexpr double kPageTop = 540;      // below the tabs
inline constexpr double kPageRight = 17445;  // inside the tab strip's border
inline constexpr double kPageBottom = 10410;
inline constexpr double kGap = 60;

inline constexpr double kLabelHeight = 255;
inline constexpr double kTextHeight = 300;
inline constexpr double kFrameFirstRow = 300;  // below a frame's caption

// Fixed-pitch record lists (board rows, product rows): one character and the text's inset.
inline constexpr double kCharWidth = 6.6 * kTwipsPerPixel;
inline constexpr double kListTextInset = 4 * kTwipsPerPixel;
inline const Font kRecordFont{"Courier New", 8};

// Places a control on tab page `page`, on the window or inside `container`.
inline void placeOnPage(Control& c, int page, double left, double top, double width, double height,
                        Control* container = nullptr) {
    c.setContainer(container);
    c.setTabPage(page);
    c.move(left, top, width, height);
}

// A transparent caption label on tab page `page`.
inline void placeCaptionOnPage(Label& label, int page, const char* text, double left, double top,
                               double width, Control* container = nullptr) {
    placeOnPage(label, page, left, top, width, kLabelHeight, container);
    label.setCaption(text);
    label.setTransparent(true);
}

}  // namespace lumbrix::mainlayout
