#include "qt/canvas_widget.h"

#include <qdrawutil.h>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <cmath>

#include "qt/figure_views.h"
#include "qt/form_view.h"
#include "qt/label_views.h"
#include "qt/qt_convert.h"

namespace lumbrix::qt {

namespace {
// A bordered box loses 30 twips (two pixels) on each side, as in the model.
constexpr int kBorderPixels = 2;
}  // namespace

CanvasWidget::CanvasWidget(PictureBox& model, FormView& host, QWidget* parent)
    : QWidget(parent), ControlView(model, host), box_(model) {
    setAttribute(Qt::WA_NoMousePropagation);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

int CanvasWidget::borderPixels() const {
    return box_.bordered() ? kBorderPixels : 0;
}

QPointF CanvasWidget::toWidget(double x, double y) const {
    const double b = borderPixels();
    return {b + box_.toPixelX(x), b + box_.toPixelY(y)};
}

QPointF CanvasWidget::toScale(const QPointF& widgetPos) const {
    const double b = borderPixels();
    return {box_.toScaleX(widgetPos.x() - b), box_.toScaleY(widgetPos.y() - b)};
}

QRectF CanvasWidget::childRect(const Control& child) const {
    return QRectF(toWidget(child.left(), child.top()),
                  toWidget(child.left() + child.width(), child.top() + child.height()))
        .normalized();
}

CanvasWidget::Hit CanvasWidget::positionIn(Control& target, const QPointF& widgetPos) const {
    if (&target == &box_) {
        const QPointF s = toScale(widgetPos);
        return {&target, s.x(), s.y()};
    }
    if (target.kind() == ControlKind::PictureBox) {
        // A child box reports positions in its own scale: twips from its client area's
        // corner until the program gives it a scale.
        const auto& child = static_cast<const PictureBox&>(target);
        const QRectF r = childRect(child);
        const double b = child.bordered() ? kBorderPixels : 0;
        const double px = widgetPos.x() - r.left() - b;
        const double py = widgetPos.y() - r.top() - b;
        if (!child.hasUserScale()) return {&target, px * kTwipsPerPixel, py * kTwipsPerPixel};
        const double w = std::max(1.0, r.width() - 2 * b);
        const double h = std::max(1.0, r.height() - 2 * b);
        return {&target, child.scaleLeft() + px * child.scaleWidth() / w,
                child.scaleTop() + py * child.scaleHeight() / h};
    }
    // Other children report in the picture box's units, from their own corner.
    const QPointF s = toScale(widgetPos);
    return {&target, s.x() - target.left(), s.y() - target.top()};
}

CanvasWidget::Hit CanvasWidget::hitTest(const QPointF& widgetPos) const {
    const QPointF s = toScale(widgetPos);
    Control* child = box_.childAt(s.x(), s.y());
    return positionIn(child ? *child : static_cast<Control&>(box_), widgetPos);
}

void CanvasWidget::refreshContent() {
    if (box_.refreshRequests() != seenRefreshRequests_) {
        seenRefreshRequests_ = box_.refreshRequests();
        repaint();
    } else {
        update();
    }
}

// --- painting

void CanvasWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPalette& pal = palette();
    painter.fillRect(rect(), toQColor(box_.backColor(), pal));
    const int b = borderPixels();
    painter.save();
    painter.setClipRect(rect().adjusted(b, b, -b, -b));
    const QPixmap picture = pictureFile(box_.picture());
    if (!picture.isNull()) painter.drawPixmap(b, b, picture);
    paintDrawing(painter);
    paintFigures(painter);
    painter.restore();
    if (b > 0) qDrawWinPanel(&painter, rect(), pal, true);
}

void CanvasWidget::paintDrawing(QPainter& painter) const {
    const QPalette& pal = palette();
    for (const DrawOp& op : box_.drawing()) {
        const QColor color = toQColor(op.color, pal);
        painter.setPen(modelPen(op.color, op.width, pal));
        painter.setBrush(Qt::NoBrush);
        switch (op.kind) {
            case DrawOp::Kind::Line: {
                // Slanted lines (the 3D view's wireframe) are drawn smooth; level and
                // upright ones stay crisp on their pixels.
                const bool slanted = op.x1 != op.x2 && op.y1 != op.y2;
                painter.setRenderHint(QPainter::Antialiasing, slanted);
                painter.drawLine(toWidget(op.x1, op.y1), toWidget(op.x2, op.y2));
                painter.setRenderHint(QPainter::Antialiasing, false);
                break;
            }
            case DrawOp::Kind::Box:
                painter.drawRect(
                    QRectF(toWidget(op.x1, op.y1), toWidget(op.x2, op.y2)).normalized());
                break;
            case DrawOp::Kind::FilledBox:
                painter.fillRect(
                    QRectF(toWidget(op.x1, op.y1), toWidget(op.x2, op.y2)).normalized(), color);
                break;
            case DrawOp::Kind::Circle: {
                // The radius is measured along the horizontal scale; the circle stays round.
                const QPointF centre = toWidget(op.x1, op.y1);
                const double r = std::abs(box_.toPixelX(op.x1 + op.x2) - box_.toPixelX(op.x1));
                painter.drawEllipse(centre, r, r);
                break;
            }
            case DrawOp::Kind::Point: {
                const QPointF p = toWidget(op.x1, op.y1);
                if (op.width <= 1) {
                    painter.drawPoint(p);
                } else {
                    painter.setPen(Qt::NoPen);
                    painter.setBrush(color);
                    painter.drawEllipse(p, op.width / 2.0, op.width / 2.0);
                }
                break;
            }
            case DrawOp::Kind::Text: {
                painter.setFont(toQFont(box_.font()));
                painter.setPen(color);
                const QPointF p = toWidget(op.x1, op.y1);
                painter.drawText(QRectF(p, QSizeF(width() + 1000, height() + 1000)),
                                 Qt::AlignLeft | Qt::AlignTop, toQ(op.text));
                break;
            }
        }
    }
}

void CanvasWidget::paintFigures(QPainter& painter) const {
    // Shapes, lines and images lie on the drawing; child boxes lie above all of them.
    for (const Control* c : figures_) {
        if (!c->visible()) continue;
        switch (c->kind()) {
            case ControlKind::Shape:
                paintShape(painter, static_cast<const Shape&>(*c), childRect(*c));
                break;
            case ControlKind::Line: {
                const auto& line = static_cast<const LineControl&>(*c);
                paintLine(painter, line, toWidget(line.x1(), line.y1()),
                          toWidget(line.x2(), line.y2()));
                break;
            }
            case ControlKind::Image: {
                const auto& image = static_cast<const Image&>(*c);
                const QPixmap pixmap = pictureFile(image.picture());
                if (pixmap.isNull()) break;
                const QRectF r = childRect(image);
                if (image.stretch()) {
                    painter.drawPixmap(r, pixmap, QRectF(pixmap.rect()));
                } else {
                    painter.drawPixmap(r.topLeft(), pixmap);
                }
                break;
            }
            default:
                break;
        }
    }
    for (const Control* c : figures_) {
        if (c->visible() && c->kind() == ControlKind::PictureBox) {
            paintChildBox(painter, static_cast<const PictureBox&>(*c));
        }
    }
}

void CanvasWidget::paintChildBox(QPainter& painter, const PictureBox& child) const {
    const QRectF r = childRect(child);
    painter.fillRect(r, toQColor(child.backColor(), palette()));
    const QPixmap picture = pictureFile(child.picture());
    if (!picture.isNull()) {
        painter.save();
        painter.setClipRect(r, Qt::IntersectClip);
        painter.drawPixmap(r.topLeft(), picture);
        painter.restore();
    }
    if (child.bordered()) qDrawWinPanel(&painter, r.toRect(), palette(), true);
}

// --- tooltips

bool CanvasWidget::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QWidget::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    const Hit hit = hitTest(help->pos());
    const QString text = toQ(hit.target->toolTipText());
    if (text.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    // The tip stays while the pointer is over the same box.
    const QRect area = hit.target == &box_ ? rect() : childRect(*hit.target).toAlignedRect();
    QToolTip::showText(help->globalPos(), text, this, area);
    return true;
}

// --- mouse

void CanvasWidget::mousePressEvent(QMouseEvent* event) {
    doubleClicked_ = false;
    const Hit hit = hitTest(event->position());
    captured_ = hit.target;
    const int button = buttonBits(event->button());
    const int shift = shiftState(event->modifiers());
    host().dispatch([&] { hit.target->MouseDown.raise(button, shift, hit.x, hit.y); });
    event->accept();
}

void CanvasWidget::mouseMoveEvent(QMouseEvent* event) {
    const bool held = event->buttons() != Qt::NoButton && captured_;
    const Hit hit = held ? positionIn(*captured_, event->position()) : hitTest(event->position());
    const int buttons = buttonBits(event->buttons());
    const int shift = shiftState(event->modifiers());
    host().dispatch([&] { hit.target->MouseMove.raise(buttons, shift, hit.x, hit.y); });
    event->accept();
}

void CanvasWidget::mouseReleaseEvent(QMouseEvent* event) {
    Control* target = captured_ ? captured_ : hitTest(event->position()).target;
    const Hit hit = positionIn(*target, event->position());
    // A click is a press and a release over the same control.
    const bool click = !doubleClicked_ && hitTest(event->position()).target == target;
    if (event->buttons() == Qt::NoButton) captured_ = nullptr;
    const int button = buttonBits(event->button());
    const int shift = shiftState(event->modifiers());
    host().dispatch([&] {
        target->MouseUp.raise(button, shift, hit.x, hit.y);
        if (click && (button == mouse::kLeft || button == mouse::kRight)) target->Click.raise();
    });
    doubleClicked_ = false;
    event->accept();
}

void CanvasWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    doubleClicked_ = true;
    const Hit hit = hitTest(event->position());
    host().dispatch([&] { hit.target->DblClick.raise(); });
    event->accept();
}

}  // namespace lumbrix::qt
