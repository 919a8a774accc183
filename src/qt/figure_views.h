#pragma once

#include <QWidget>

#include "platform/picture_box.h"
#include "qt/control_view.h"

class QPainter;

namespace lumbrix::qt {

// Draws a shape control into `rect` (pixels): its outline in the border colour and width
// (drawn inside the rectangle), filled with its back colour when it is filled.
void paintShape(QPainter& painter, const Shape& shape, const QRectF& rect);
// Draws a line control from `from` to `to` (pixels) in its border colour and width.
void paintLine(QPainter& painter, const LineControl& line, const QPointF& from, const QPointF& to);
// A pen of the original desktop, `width` pixels wide (round ends when wider than one).
QPen modelPen(Color color, int width, const QPalette& palette);

// A shape control placed on a window or a frame (inside a picture box the canvas draws it).
// Shapes take no mouse events: they go to what lies below.
class ShapeView : public QWidget, public ControlView {
  public:
    ShapeView(Shape& model, FormView& host, QWidget* parent);
    QWidget* widget() override { return this; }
    void refreshContent() override { update(); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Shape& shape_;
};

// A line control placed on a window or a frame; the widget covers the line's bounding box.
class LineView : public QWidget, public ControlView {
  public:
    LineView(LineControl& model, FormView& host, QWidget* parent);
    QWidget* widget() override { return this; }
    void refreshContent() override { update(); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    LineControl& line_;
};

}  // namespace lumbrix::qt
