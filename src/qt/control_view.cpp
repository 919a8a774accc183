#include "qt/control_view.h"

#include <QApplication>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>

#include "qt/form_view.h"
#include "qt/qt_convert.h"

namespace lumbrix::qt {

int shiftState(Qt::KeyboardModifiers modifiers) {
    int shift = 0;
    if (modifiers & Qt::ShiftModifier) shift |= 1;
    if (modifiers & Qt::ControlModifier) shift |= 2;
    if (modifiers & Qt::AltModifier) shift |= 4;
    return shift;
}

int buttonBits(Qt::MouseButtons buttons) {
    int bits = 0;
    if (buttons & Qt::LeftButton) bits |= mouse::kLeft;
    if (buttons & Qt::RightButton) bits |= mouse::kRight;
    if (buttons & Qt::MiddleButton) bits |= mouse::kMiddle;
    return bits;
}

void setRoleColor(QWidget* widget, QPalette::ColorRole role, Color color) {
    // A system colour is the desktop's colour for the widget's kind, never one that the
    // program gave the widget before (a notice going back to the button face turns grey).
    const QColor wanted = toQColor(color, QApplication::palette(widget));
    const bool text =
        role == QPalette::WindowText || role == QPalette::ButtonText || role == QPalette::Text;
    // Text keeps the desktop's disabled colour (grey text), so a disabled control looks
    // disabled. The other colours stay the control's own when it is disabled: a disabled field
    // keeps its back colour, as the style's lighter face would leave its grey text unreadable.
    QPalette p = widget->palette();
    const bool same = p.color(QPalette::Active, role) == wanted &&
                      p.color(QPalette::Inactive, role) == wanted &&
                      (text || p.color(QPalette::Disabled, role) == wanted);
    if (same) return;
    p.setColor(QPalette::Active, role, wanted);
    p.setColor(QPalette::Inactive, role, wanted);
    if (!text) p.setColor(QPalette::Disabled, role, wanted);
    widget->setPalette(p);
}

bool ControlView::selectionShown() const {
    return !host_.shownAsPrinted();
}

ControlView::~ControlView() {
    for (const QMetaObject::Connection& c : connections_)
        QObject::disconnect(c);
    delete relay_.data();
}

MouseRelay::MouseRelay(ControlView& view)
    : QObject(view.widget()), view_(view), widget_(view.widget()), surface_(view.mouseSurface()) {
    view.setRelay(this);
    QWidget* w = widget_;
    QWidget* surface = surface_;
    // Mouse events stop at the control that takes them, as they did on the original desktop:
    // a frame or the window does not see the moves over a control inside it.
    w->setAttribute(Qt::WA_NoMousePropagation);
    w->setMouseTracking(true);
    surface->setMouseTracking(true);
    surface->installEventFilter(this);
    if (surface != w) w->installEventFilter(this);
}

QPointF MouseRelay::toModelUnits(const QPointF& pos) const {
    const QPointF perPixel = view_.host().unitsPerPixel(view_.control());
    return {pos.x() * perPixel.x(), pos.y() * perPixel.y()};
}

bool MouseRelay::eventFilter(QObject* watched, QEvent* event) {
    Control& c = view_.control();
    FormView& host = view_.host();
    const bool onSurface = watched == surface_;
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseMove:
        case QEvent::MouseButtonDblClick: {
            if (!onSurface) break;
            auto* me = static_cast<QMouseEvent*>(event);
            const QPointF p = toModelUnits(me->position());
            const int shift = shiftState(me->modifiers());
            if (event->type() == QEvent::MouseMove) {
                const int buttons = buttonBits(me->buttons());
                host.dispatch([&] { c.MouseMove.raise(buttons, shift, p.x(), p.y()); });
            } else if (event->type() == QEvent::MouseButtonPress) {
                doubleClicked_ = false;
                const int button = buttonBits(me->button());
                host.dispatch([&] { c.MouseDown.raise(button, shift, p.x(), p.y()); });
            } else if (event->type() == QEvent::MouseButtonDblClick) {
                doubleClicked_ = true;
                if (view_.doubleClicksFromMouse() && view_.doubleClickCountsAt(me->position()))
                    host.dispatch([&] { c.DblClick.raise(); });
            } else {
                const int button = buttonBits(me->button());
                const bool inside = surface_->rect().contains(me->position().toPoint());
                const bool click = inside && !doubleClicked_ && view_.clicksFromMouse() &&
                                   (button == mouse::kLeft || button == mouse::kRight);
                host.dispatch([&] {
                    c.MouseUp.raise(button, shift, p.x(), p.y());
                    if (click) c.Click.raise();
                });
                doubleClicked_ = false;
            }
            break;
        }
        case QEvent::FocusIn:
        case QEvent::FocusOut: {
            if (watched != widget_) break;
            auto* fe = static_cast<QFocusEvent*>(event);
            // Switching to another program or opening a menu moves no focus between controls.
            if (fe->reason() == Qt::ActiveWindowFocusReason ||
                fe->reason() == Qt::PopupFocusReason) {
                break;
            }
            const bool in = event->type() == QEvent::FocusIn;
            auto raise = [&c, &host, in] {
                host.dispatch([&c, in] {
                    if (in) {
                        c.form().setActiveControl(&c);
                        c.GotFocus.raise();
                    } else {
                        c.LostFocus.raise();
                    }
                });
            };
            if (FormView::refreshing()) {
                // Focus given while the views follow the models (the program's SetFocus):
                // the event arrives once the refresh is over, as a queued message would.
                QTimer::singleShot(0, widget_, raise);
            } else {
                raise();
            }
            break;
        }
        default:
            break;
    }
    return false;
}

}  // namespace lumbrix::qt
