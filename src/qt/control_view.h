#pragma once

#include <QMetaObject>
#include <QObject>
#include <QPointF>
#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <vector>

#include "platform/control.h"

namespace lumbrix::qt {

class FormView;

// The Qt side of one control model: the widget that shows it and how the widget is brought
// in line with the model. Each control kind has its own widget class deriving from a Qt
// widget and from this interface. Widgets turn the planner's actions into calls on the
// model (through `FormView::dispatch`), never into logic of their own.
class ControlView {
  public:
    ControlView(Control& model, FormView& host) : model_(model), host_(host) {}
    // Cuts the view's connections and removes its mouse relay while its widget still stands:
    // a widget being destroyed still emits signals and events.
    virtual ~ControlView();
    ControlView(const ControlView&) = delete;
    ControlView& operator=(const ControlView&) = delete;

    Control& control() const { return model_; }
    FormView& host() const { return host_; }

    virtual QWidget* widget() = 0;
    // The widget whose mouse events belong to the control (a list's viewport); its
    // coordinates are the ones reported to the model.
    virtual QWidget* mouseSurface() { return widget(); }
    // Labels, frames and images raise Click and DblClick from the mouse; the other kinds
    // raise Click from their own state changes (a pressed button, a selected row).
    virtual bool clicksFromMouse() const { return false; }
    // Lists raise DblClick from the mouse as well.
    virtual bool doubleClicksFromMouse() const { return clicksFromMouse(); }
    // Whether a double click at `pos` (in the mouse surface) counts: a list takes it only
    // on a row.
    virtual bool doubleClickCountsAt(const QPointF& /*pos*/) const { return true; }
    // The control's colours as the kind shows them.
    virtual void refreshColors() {}
    // Copies the kind's own state (text, rows, value, ...) from the model into the widget.
    virtual void refreshContent() {}

    // The relay that watches the widget for this view.
    void setRelay(QObject* relay) { relay_ = relay; }

  protected:
    // Whether the widget shows its model's selection: not in a window as it prints.
    bool selectionShown() const;
    // Keeps a connection of the view's widget so that it ends with the view.
    void track(const QMetaObject::Connection& connection) { connections_.push_back(connection); }

  private:
    Control& model_;
    FormView& host_;
    std::vector<QMetaObject::Connection> connections_;
    QPointer<QObject> relay_;
};

// Shift state as mouse events report it: 1 Shift, 2 Ctrl, 4 Alt.
int shiftState(Qt::KeyboardModifiers modifiers);
// The button bits of the original desktop (1 left, 2 right, 4 middle).
int buttonBits(Qt::MouseButtons buttons);

// Sets one colour role of a widget's palette, only when it differs (setting a palette is
// costly and marks the widget's palette as its own).
void setRoleColor(QWidget* widget, QPalette::ColorRole role, Color color);

// Raises a control's mouse and focus events from the events of its widget: MouseDown,
// MouseUp and MouseMove with the button, shift state and position (relative to the control,
// in its container's units), Click and DblClick for the kinds that take them from the
// mouse, GotFocus and LostFocus.
class MouseRelay : public QObject {
  public:
    // Watches the view's widget and mouse surface; owned by the widget.
    explicit MouseRelay(ControlView& view);
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QPointF toModelUnits(const QPointF& pos) const;

    ControlView& view_;
    QWidget* widget_;
    QWidget* surface_;
    bool doubleClicked_ = false;
};

}  // namespace lumbrix::qt
