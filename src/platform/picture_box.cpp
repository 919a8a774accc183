#include "platform/picture_box.h"

#include <algorithm>

#include "platform/form.h"
#include "platform/vb_error.h"

namespace lumbrix {

namespace {
constexpr double kBorderTwips = 30;  // a bordered box loses two pixels each side
}

PictureBox::PictureBox(Form& form, std::string name, int index)
    : Control(form, ControlKind::PictureBox, std::move(name), index) {}

double PictureBox::clientWidthTwips() const {
    return std::max(0.0, width() - (bordered_ ? 2 * kBorderTwips : 0));
}

double PictureBox::clientHeightTwips() const {
    return std::max(0.0, height() - (bordered_ ? 2 * kBorderTwips : 0));
}

double PictureBox::scaleWidth() const {
    return userScale_ ? scaleWidth_ : clientWidthTwips();
}

double PictureBox::scaleHeight() const {
    return userScale_ ? scaleHeight_ : clientHeightTwips();
}

void PictureBox::setScaleLeft(double v) {
    if (!userScale_) scale(0, 0, clientWidthTwips(), clientHeightTwips());
    scaleLeft_ = v;
    touch();
}

void PictureBox::setScaleTop(double v) {
    if (!userScale_) scale(0, 0, clientWidthTwips(), clientHeightTwips());
    scaleTop_ = v;
    touch();
}

void PictureBox::setScaleWidth(double v) {
    if (v == 0) throw VbError(vberr::kInvalidPropertyValue);
    if (!userScale_) scale(0, 0, clientWidthTwips(), clientHeightTwips());
    scaleWidth_ = v;
    touch();
}

void PictureBox::setScaleHeight(double v) {
    if (v == 0) throw VbError(vberr::kInvalidPropertyValue);
    if (!userScale_) scale(0, 0, clientWidthTwips(), clientHeightTwips());
    scaleHeight_ = v;
    touch();
}

void PictureBox::scale(double x1, double y1, double x2, double y2) {
    if (x1 == x2 || y1 == y2) throw VbError(vberr::kInvalidPropertyValue);
    userScale_ = true;
    scaleLeft_ = x1;
    scaleTop_ = y1;
    scaleWidth_ = x2 - x1;
    scaleHeight_ = y2 - y1;
    touch();
}

void PictureBox::setBordered(bool v) {
    bordered_ = v;
    touch();
}

void PictureBox::setDrawWidth(int pixels) {
    if (pixels < 1 || pixels > 32767) throw VbError(vberr::kInvalidPropertyValue);
    drawWidth_ = pixels;
}

void PictureBox::setPicture(const std::string& path) {
    picture_ = path;
    touch();
}

Color PictureBox::resolve(long color) const {
    return color < 0 ? foreColor() : static_cast<Color>(color);
}

void PictureBox::draw(DrawOp op) {
    drawing_.push_back(std::move(op));
    touch();
}

void PictureBox::cls() {
    drawing_.clear();
    currentX_ = scaleLeft_;
    currentY_ = scaleTop_;
    touch();
}

void PictureBox::refresh() {
    ++refreshRequests_;
    touch();
}

void PictureBox::line(double x1, double y1, double x2, double y2, long color) {
    draw({DrawOp::Kind::Line, x1, y1, x2, y2, resolve(color), drawWidth_, {}});
    currentX_ = x2;
    currentY_ = y2;
}

void PictureBox::box(double x1, double y1, double x2, double y2, long color, bool filled) {
    draw({filled ? DrawOp::Kind::FilledBox : DrawOp::Kind::Box,
          x1,
          y1,
          x2,
          y2,
          resolve(color),
          drawWidth_,
          {}});
    currentX_ = x2;
    currentY_ = y2;
}

void PictureBox::circle(double x, double y, double radius, long color) {
    draw({DrawOp::Kind::Circle, x, y, radius, 0, resolve(color), drawWidth_, {}});
    currentX_ = x;
    currentY_ = y;
}

void PictureBox::pset(double x, double y, long color) {
    draw({DrawOp::Kind::Point, x, y, x, y, resolve(color), drawWidth_, {}});
    currentX_ = x;
    currentY_ = y;
}

void PictureBox::printText(const std::string& text) {
    draw({DrawOp::Kind::Text, currentX_, currentY_, 0, 0, foreColor(), drawWidth_, text});
}

double PictureBox::toScaleX(double pixelX) const {
    const double px = clientWidthTwips() / kTwipsPerPixel;
    return px <= 0 ? scaleLeft() : scaleLeft() + pixelX * scaleWidth() / px;
}

double PictureBox::toScaleY(double pixelY) const {
    const double py = clientHeightTwips() / kTwipsPerPixel;
    return py <= 0 ? scaleTop() : scaleTop() + pixelY * scaleHeight() / py;
}

double PictureBox::toPixelX(double scaleX) const {
    const double sw = scaleWidth();
    return sw == 0 ? 0 : (scaleX - scaleLeft()) * (clientWidthTwips() / kTwipsPerPixel) / sw;
}

double PictureBox::toPixelY(double scaleY) const {
    const double sh = scaleHeight();
    return sh == 0 ? 0 : (scaleY - scaleTop()) * (clientHeightTwips() / kTwipsPerPixel) / sh;
}

Control* PictureBox::childAt(double x, double y) const {
    const auto& all = form().controls();
    // Later controls lie on top of earlier ones.
    for (auto it = all.rbegin(); it != all.rend(); ++it) {
        Control* c = *it;
        if (c->container() != this || !c->visible()) continue;
        if (c->kind() != ControlKind::PictureBox && c->kind() != ControlKind::Image) continue;
        const double x0 = std::min(c->left(), c->left() + c->width());
        const double x1 = std::max(c->left(), c->left() + c->width());
        const double y0 = std::min(c->top(), c->top() + c->height());
        const double y1 = std::max(c->top(), c->top() + c->height());
        if (x >= x0 && x < x1 && y >= y0 && y < y1) return c;
    }
    return nullptr;
}

Shape::Shape(Form& form, std::string name, int index)
    : Control(form, ControlKind::Shape, std::move(name), index) {}

void Shape::setShape(ShapeKind s) {
    shape_ = s;
    touch();
}

void Shape::setBorderColor(Color c) {
    change(borderColor_, c);
}

void Shape::setBorderWidth(int w) {
    borderWidth_ = std::max(1, w);
    touch();
}

void Shape::setFilled(bool v) {
    filled_ = v;
    touch();
}

LineControl::LineControl(Form& form, std::string name, int index)
    : Control(form, ControlKind::Line, std::move(name), index) {}

void LineControl::setPoints(double x1, double y1, double x2, double y2) {
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    touch();
}

void LineControl::setBorderColor(Color c) {
    borderColor_ = c;
    touch();
}

void LineControl::setBorderWidth(int w) {
    borderWidth_ = std::max(1, w);
    touch();
}

}  // namespace lumbrix
