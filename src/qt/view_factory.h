#pragma once

class QWidget;

namespace lumbrix {
class Control;
}

namespace lumbrix::qt {

class ControlView;
class FormView;

// Creates the widget of a control of any kind as a child of `parent`; null for kinds that
// show nothing (timers, the common dialog).
ControlView* createControlView(Control& control, FormView& host, QWidget* parent);

}  // namespace lumbrix::qt
