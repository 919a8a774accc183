#pragma once

#include <QPointF>
#include <QRectF>
#include <QWidget>
#include <vector>

#include "platform/picture_box.h"
#include "qt/control_view.h"

namespace lumbrix::qt {

// The view of a picture box: draws the model in its user scale (background, the figures of
// its drawing methods, and its child shapes, lines, images and child boxes) and turns the
// mouse into the model's events. A press, move or release goes to the topmost visible child
// box under the pointer, or to the picture box itself, with the button (1 left, 2 right)
// and the position in that control's units; a pressed button keeps sending to the control
// it was pressed on until it is released.
class CanvasWidget : public QWidget, public ControlView {
  public:
    CanvasWidget(PictureBox& model, FormView& host, QWidget* parent);
    QWidget* widget() override { return this; }
    // Repaints at once when the model asked for it, otherwise when the event loop runs.
    void refreshContent() override;

    PictureBox& box() const { return box_; }
    // Children drawn by the canvas, in the window's order (later ones on top).
    void addFigure(Control& child) { figures_.push_back(&child); }
    const std::vector<Control*>& figures() const { return figures_; }

    // Width of the border around the client area, in pixels.
    int borderPixels() const;
    // A point in scale units as a position in the widget, and back.
    QPointF toWidget(double x, double y) const;
    QPointF toScale(const QPointF& widgetPos) const;
    // The pixel rectangle of a child placed in scale units.
    QRectF childRect(const Control& child) const;

    // What the pointer at `widgetPos` is over: a child box (or image) or the picture box,
    // and the position in that control's units.
    struct Hit {
        Control* target = nullptr;
        double x = 0;
        double y = 0;
    };
    Hit hitTest(const QPointF& widgetPos) const;
    // The position in `target`'s units (the picture box or one of its children).
    Hit positionIn(Control& target, const QPointF& widgetPos) const;

  protected:
    // A tooltip is the one of the child box under the pointer (or of the picture box).
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    void paintDrawing(QPainter& painter) const;
    void paintFigures(QPainter& painter) const;
    void paintChildBox(QPainter& painter, const PictureBox& child) const;

    PictureBox& box_;
    std::vector<Control*> figures_;
    Control* captured_ = nullptr;  // the control a pressed button belongs to
    int seenRefreshRequests_ = 0;
    bool doubleClicked_ = false;
};

}  // namespace lumbrix::qt
