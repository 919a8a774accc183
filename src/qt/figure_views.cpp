#include "qt/figure_views.h"

#include <QApplication>
#include <QPainter>
#include <algorithm>

#include "qt/form_view.h"
#include "qt/qt_convert.h"

namespace lumbrix::qt {

QPen modelPen(Color color, int width, const QPalette& palette) {
    // Widths are screen pixels; a printed window scales them with everything else.
    QPen pen(toQColor(color, palette), std::max(1, width));
    pen.setCosmetic(false);
    if (width > 1) {
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
    }
    return pen;
}

void paintShape(QPainter& painter, const Shape& shape, const QRectF& rect) {
    const QPalette palette = QApplication::palette();
    const int width = std::max(1, shape.borderWidth());
    // The outline lies inside the shape's rectangle.
    const double inset = width / 2.0;
    QRectF r = rect.normalized().adjusted(inset, inset, -inset, -inset);
    if (r.width() < 0 || r.height() < 0) r = QRectF(rect.center(), QSizeF(0, 0));
    const ShapeKind kind = shape.shape();
    if (kind == ShapeKind::Square || kind == ShapeKind::Circle) {
        const double side = std::min(r.width(), r.height());
        r = QRectF(r.center().x() - side / 2, r.center().y() - side / 2, side, side);
    }
    painter.save();
    painter.setPen(modelPen(shape.borderColor(), width, palette));
    painter.setBrush(shape.filled() ? QBrush(toQColor(shape.backColor(), palette)) : Qt::NoBrush);
    switch (kind) {
        case ShapeKind::Oval:
        case ShapeKind::Circle:
            painter.drawEllipse(r);
            break;
        case ShapeKind::RoundedRectangle: {
            const double radius = std::min(r.width(), r.height()) / 6;
            painter.drawRoundedRect(r, radius, radius);
            break;
        }
        case ShapeKind::Rectangle:
        case ShapeKind::Square:
        default:
            painter.drawRect(r);
            break;
    }
    painter.restore();
}

void paintLine(QPainter& painter, const LineControl& line, const QPointF& from, const QPointF& to) {
    painter.save();
    painter.setPen(modelPen(line.borderColor(), line.borderWidth(), QApplication::palette()));
    painter.drawLine(from, to);
    painter.restore();
}

ShapeView::ShapeView(Shape& model, FormView& host, QWidget* parent)
    : QWidget(parent), ControlView(model, host), shape_(model) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintShape(painter, shape_, QRectF(rect()));
}

LineView::LineView(LineControl& model, FormView& host, QWidget* parent)
    : QWidget(parent), ControlView(model, host), line_(model) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // The widget covers the line's bounding box grown by its width; the ends lie inside.
    const QRect g = host().geometryOf(line_);
    const QPointF origin = g.topLeft();
    const auto at = [&](double x, double y) {
        return QPointF(x / kTwipsPerPixel, y / kTwipsPerPixel) - origin;
    };
    paintLine(painter, line_, at(line_.x1(), line_.y1()), at(line_.x2(), line_.y2()));
}

}  // namespace lumbrix::qt
