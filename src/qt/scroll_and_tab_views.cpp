#include "qt/scroll_and_tab_views.h"

#include <algorithm>

#include "qt/form_view.h"
#include "qt/qt_convert.h"

namespace lumbrix::qt {

ScrollBarView::ScrollBarView(ScrollBar& model, FormView& host, QWidget* parent)
    : QScrollBar(model.kind() == ControlKind::HScrollBar ? Qt::Horizontal : Qt::Vertical, parent),
      ControlView(model, host),
      bar_(model) {
    // Scroll bars take the keyboard focus, so the arrow keys move them.
    setFocusPolicy(Qt::StrongFocus);
    track(connect(this, &QScrollBar::valueChanged, this, [this](int value) {
        if (FormView::refreshing()) return;
        this->host().dispatch([this, value] { bar_.setValue(value); }, this);
    }));
}

void ScrollBarView::refreshContent() {
    const int low = std::min(bar_.min(), bar_.max());
    const int high = std::max(bar_.min(), bar_.max());
    if (minimum() != low || maximum() != high) setRange(low, high);
    // Min is always at the left or top end.
    setInvertedAppearance(bar_.min() > bar_.max());
    setInvertedControls(bar_.min() > bar_.max());
    setSingleStep(std::max(1, bar_.smallChange()));
    setPageStep(std::max(1, bar_.largeChange()));
    if (value() != bar_.value()) setValue(bar_.value());
}

TabStripView::TabStripView(TabStrip& model, FormView& host, QWidget* parent)
    : QTabWidget(parent), ControlView(model, host), strip_(model) {
    for (int i = 0; i < strip_.tabCount(); ++i)
        addTab(new QWidget, QString());
    track(connect(this, &QTabWidget::currentChanged, this, [this](int page) {
        if (FormView::refreshing() || page < 0) return;
        this->host().dispatch([this, page] { strip_.setCurrentTab(page); }, this);
    }));
}

void TabStripView::refreshContent() {
    for (int i = 0; i < strip_.tabCount() && i < count(); ++i) {
        const QString text = toQ(strip_.tabCaption(i));
        if (tabText(i) != text) setTabText(i, text);
        if (isTabVisible(i) != strip_.tabVisible(i)) setTabVisible(i, strip_.tabVisible(i));
    }
    if (currentIndex() != strip_.currentTab()) setCurrentIndex(strip_.currentTab());
}

}  // namespace lumbrix::qt
