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
        const int modelValue = toModel(value);
        this->host().dispatch([this, modelValue] { bar_.setValue(modelValue); }, this);
    }));
}

bool ScrollBarView::isSpinner() const {
    return bar_.kind() == ControlKind::VScrollBar && bar_.width() > 0 &&
           bar_.height() <= 2 * bar_.width();
}

int ScrollBarView::toModel(int shown) const {
    return isSpinner() ? minimum() + maximum() - shown : shown;
}

void ScrollBarView::refreshContent() {
    const int low = std::min(bar_.min(), bar_.max());
    const int high = std::max(bar_.min(), bar_.max());
    if (minimum() != low || maximum() != high) setRange(low, high);
    // Min is always at the left or top end; a spinner has no track and only counts.
    const bool inverted = !isSpinner() && bar_.min() > bar_.max();
    setInvertedAppearance(inverted);
    setInvertedControls(inverted);
    setSingleStep(std::max(1, bar_.smallChange()));
    setPageStep(std::max(1, bar_.largeChange()));
    const int shown = toModel(bar_.value());  // the mapping is its own inverse
    if (value() != shown) setValue(shown);
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
