#pragma once

#include <QScrollBar>
#include <QTabWidget>

#include "platform/scroll_bar.h"
#include "platform/tab_strip.h"
#include "qt/control_view.h"

namespace lumbrix::qt {

// A horizontal or vertical scroll bar. Its range is the values between Min and Max; when
// Min exceeds Max the bar runs the other way. Every move sets the model's value (Change).
// A vertical bar no taller than twice its width is a spinner beside a field: its up arrow
// raises the value and its down arrow lowers it.
class ScrollBarView : public QScrollBar, public ControlView {
  public:
    ScrollBarView(ScrollBar& model, FormView& host, QWidget* parent);
    QWidget* widget() override { return this; }
    void refreshContent() override;
    bool isSpinner() const;

  private:
    // The model's value of a position of the widget, and back.
    int toModel(int shown) const;

    ScrollBar& bar_;
};

// A tab strip: the page captions as tabs over an empty panel. The controls of the pages are
// the window's own widgets lying on the panel; the window shows those of the current page.
class TabStripView : public QTabWidget, public ControlView {
  public:
    TabStripView(TabStrip& model, FormView& host, QWidget* parent);
    QWidget* widget() override { return this; }
    void refreshContent() override;

  private:
    TabStrip& strip_;
};

}  // namespace lumbrix::qt
