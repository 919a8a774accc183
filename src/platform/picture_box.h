#pragma once

#include <string>
#include <vector>

#include "platform/control.h"

namespace lumbrix {

// One figure drawn on a picture box with its drawing methods (kept until `cls()`).
struct DrawOp {
    enum class Kind { Line, Box, FilledBox, Circle, Point, Text };
    Kind kind = Kind::Line;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // Circle: centre x1,y1 and radius x2
    Color color = colors::kBlack;
    int width = 1;  // line width in pixels
    std::string text;
};

// A picture box: a drawing area with a user scale. Its child controls (board boxes, log
// circles, lines) are placed in its scale units; drawing methods add figures in them too.
class PictureBox : public Control {
  public:
    PictureBox(Form& form, std::string name, int index = -1);

    // The user scale: the client area runs from (scaleLeft, scaleTop) over scaleWidth across
    // and scaleHeight down. Until a scale is set it is the client area in twips.
    double scaleLeft() const { return scaleLeft_; }
    double scaleTop() const { return scaleTop_; }
    double scaleWidth() const;
    double scaleHeight() const;
    void setScaleLeft(double v);
    void setScaleTop(double v);
    void setScaleWidth(double v);   // error 380 for 0
    void setScaleHeight(double v);  // error 380 for 0
    // Sets the scale so that (x1, y1) is the top left and (x2, y2) the bottom right corner.
    void scale(double x1, double y1, double x2, double y2);
    bool hasUserScale() const { return userScale_; }

    bool bordered() const { return bordered_; }
    void setBordered(bool v);
    bool autoRedraw() const { return autoRedraw_; }
    void setAutoRedraw(bool v) { autoRedraw_ = v; }
    int drawWidth() const { return drawWidth_; }
    void setDrawWidth(int pixels);  // error 380 below 1
    const std::string& picture() const { return picture_; }
    void setPicture(const std::string& path);

    // Drawing methods, in scale units; a colour of -1 means the fore colour.
    void cls();
    void line(double x1, double y1, double x2, double y2, long color = -1);
    void box(double x1, double y1, double x2, double y2, long color = -1, bool filled = false);
    void circle(double x, double y, double radius, long color = -1);
    void pset(double x, double y, long color = -1);
    void printText(const std::string& text);
    double currentX() const { return currentX_; }
    double currentY() const { return currentY_; }
    void setCurrentX(double v) { currentX_ = v; }
    void setCurrentY(double v) { currentY_ = v; }
    const std::vector<DrawOp>& drawing() const { return drawing_; }
    // Asks the front end to repaint the box at once instead of when the event loop next
    // runs; nothing else runs meanwhile (no pending event is handled).
    void refresh();
    int refreshRequests() const { return refreshRequests_; }

    // Client size in twips (the control less its border).
    double clientWidthTwips() const;
    double clientHeightTwips() const;

    // Mapping between client pixels and scale units.
    double toScaleX(double pixelX) const;
    double toScaleY(double pixelY) const;
    double toPixelX(double scaleX) const;
    double toPixelY(double scaleY) const;

    // The topmost visible child picture box (or image) under a point in scale units.
    Control* childAt(double x, double y) const;

  private:
    Color resolve(long color) const;
    void draw(DrawOp op);

    double scaleLeft_ = 0;
    double scaleTop_ = 0;
    double scaleWidth_ = 0;
    double scaleHeight_ = 0;
    bool userScale_ = false;
    bool bordered_ = true;
    bool autoRedraw_ = false;
    int drawWidth_ = 1;
    std::string picture_;
    double currentX_ = 0;
    double currentY_ = 0;
    std::vector<DrawOp> drawing_;
    int refreshRequests_ = 0;
};

enum class ShapeKind { Rectangle = 0, Square = 1, Oval = 2, Circle = 3, RoundedRectangle = 4 };

// A shape control (the log's circles): outline and optional fill, placed in its container's
// units.
class Shape : public Control {
  public:
    Shape(Form& form, std::string name, int index = -1);

    ShapeKind shape() const { return shape_; }
    void setShape(ShapeKind s);
    Color borderColor() const { return borderColor_; }
    void setBorderColor(Color c);
    int borderWidth() const { return borderWidth_; }
    void setBorderWidth(int w);
    bool filled() const { return filled_; }  // fill with the back colour
    void setFilled(bool v);

  private:
    ShapeKind shape_ = ShapeKind::Rectangle;
    Color borderColor_ = colors::kBlack;
    int borderWidth_ = 1;
    bool filled_ = false;
};

// A line control from (x1, y1) to (x2, y2) in its container's units.
class LineControl : public Control {
  public:
    LineControl(Form& form, std::string name, int index = -1);

    double x1() const { return x1_; }
    double y1() const { return y1_; }
    double x2() const { return x2_; }
    double y2() const { return y2_; }
    void setPoints(double x1, double y1, double x2, double y2);
    Color borderColor() const { return borderColor_; }
    void setBorderColor(Color c);
    int borderWidth() const { return borderWidth_; }
    void setBorderWidth(int w);

  private:
    double x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
    Color borderColor_ = colors::kBlack;
    int borderWidth_ = 1;
};

// An image control showing a picture file.
class Image : public Control {
  public:
    Image(Form& form, std::string name, int index = -1)
        : Control(form, ControlKind::Image, std::move(name), index) {}

    const std::string& picture() const { return picture_; }
    void setPicture(const std::string& path) {
        picture_ = path;
        touch();
    }
    bool stretch() const { return stretch_; }
    void setStretch(bool v) {
        stretch_ = v;
        touch();
    }

  private:
    std::string picture_;
    bool stretch_ = false;
};

}  // namespace lumbrix
