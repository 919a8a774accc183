#include "qt/form_view.h"

#include <QMouseEvent>
#include <QPointer>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>

#include "platform/picture_box.h"
#include "platform/tab_strip.h"
#include "platform/vb_error.h"
#include "qt/canvas_widget.h"
#include "qt/control_view.h"
#include "qt/menu_view.h"
#include "qt/qt_convert.h"
#include "qt/view_factory.h"

namespace lumbrix::qt {

namespace {

std::vector<FormView*>& registry() {
    static std::vector<FormView*> views;
    return views;
}

int& refreshDepth() {
    static int depth = 0;
    return depth;
}

struct RefreshGuard {
    RefreshGuard() { ++refreshDepth(); }
    ~RefreshGuard() { --refreshDepth(); }
    RefreshGuard(const RefreshGuard&) = delete;
    RefreshGuard& operator=(const RefreshGuard&) = delete;
};

// The widget that takes the focus for `w`: the end of its chain of focus proxies.
QWidget* focusTarget(QWidget* w) {
    while (w->focusProxy())
        w = w->focusProxy();
    return w;
}

// Takes the widget in or out of the Tab order; a widget that takes no focus stays so.
void applyTabStop(QWidget* w, bool stop) {
    QWidget* target = focusTarget(w);
    const Qt::FocusPolicy policy = target->focusPolicy();
    if (policy == Qt::NoFocus) return;
    const auto wanted =
        static_cast<Qt::FocusPolicy>(stop ? policy | Qt::TabFocus : policy & ~Qt::TabFocus);
    if (wanted != policy) target->setFocusPolicy(wanted);
}

bool drawnByCanvas(ControlKind kind) {
    return kind == ControlKind::Shape || kind == ControlKind::Line || kind == ControlKind::Image ||
           kind == ControlKind::PictureBox;
}

// The window's own surface: raises the window's mouse events where no control lies.
class FormSurface : public QWidget {
  public:
    FormSurface(FormView& host, QWidget* parent) : QWidget(parent), host_(host) {
        setMouseTracking(true);
        setAutoFillBackground(true);
    }

  protected:
    void mousePressEvent(QMouseEvent* e) override {
        const QPointF p = twips(e);
        const int button = buttonBits(e->button());
        const int shift = shiftState(e->modifiers());
        Form& form = host_.form();
        host_.dispatch([&] { form.MouseDown.raise(button, shift, p.x(), p.y()); });
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        const QPointF p = twips(e);
        const int buttons = buttonBits(e->buttons());
        const int shift = shiftState(e->modifiers());
        Form& form = host_.form();
        host_.dispatch([&] { form.MouseMove.raise(buttons, shift, p.x(), p.y()); });
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (!rect().contains(e->position().toPoint())) return;
        Form& form = host_.form();
        host_.dispatch([&] { form.Click.raise(); });
    }

  private:
    static QPointF twips(const QMouseEvent* e) { return e->position() * kTwipsPerPixel; }
    FormView& host_;
};

}  // namespace

FormView::FormView(Form& form, QWidget* parent) : QWidget(parent), form_(form) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    menuBar_ = new MenuBarView(
        form_.menus(), [this](std::function<void()> action) { return dispatch(action); }, this);
    layout->setMenuBar(menuBar_);
    surface_ = new FormSurface(*this, this);
    layout->addWidget(surface_);
    registry().push_back(this);
    build();
}

FormView::~FormView() {
    detach();
    // The widgets go first, while this view still knows it is detached.
    delete surface_;
    delete menuBar_;
}

QMenuBar* FormView::menuBar() const {
    return menuBar_;
}

void FormView::detach() {
    attached_ = false;
    std::erase(registry(), this);
}

QSize FormView::clientSize() const {
    return {twipsToPixels(form_.scaleWidth()), twipsToPixels(form_.scaleHeight())};
}

QSize FormView::sizeHint() const {
    QSize size = clientSize();
    if (menuBar_->hasVisibleMenus()) size.rheight() += menuBar_->sizeHint().height();
    return size;
}

void FormView::build() {
    entries_.reserve(form_.controls().size());
    for (const Control* c : form_.controls()) {
        if (c->kind() == ControlKind::TabStrip && !tabStrip_) {
            tabStrip_ = const_cast<TabStrip*>(static_cast<const TabStrip*>(c));
        }
    }
    for (Control* c : form_.controls())
        buildEntry(*c);
    // The tab strip is the panel under the controls of its pages.
    if (tabStrip_) {
        if (ControlView* v = viewOf(*tabStrip_)) v->widget()->lower();
    }
    orderFocusChain();
    refresh();
}

void FormView::orderFocusChain() {
    std::vector<Entry*> stops;
    for (Entry& e : entries_) {
        e.chainedTabIndex = e.control->tabIndex();
        e.chainedTabStop = e.control->tabStop();
        if (!e.view || !e.control->tabStop()) continue;
        // Labels, frames and pictures take no focus and stay out of the chain.
        if (focusTarget(e.view->widget())->focusPolicy() & Qt::TabFocus) stops.push_back(&e);
    }
    // Equal indexes keep the order of registration.
    std::stable_sort(stops.begin(), stops.end(), [](const Entry* a, const Entry* b) {
        return a->control->tabIndex() < b->control->tabIndex();
    });
    for (std::size_t i = 1; i < stops.size(); ++i)
        QWidget::setTabOrder(stops[i - 1]->view->widget(), stops[i]->view->widget());
}

void FormView::buildEntry(Control& c) {
    if (index_.count(&c)) return;
    Control* container = c.container();
    if (container && !index_.count(container)) buildEntry(*container);
    Entry entry;
    entry.control = &c;
    if (container && container->kind() == ControlKind::PictureBox && drawnByCanvas(c.kind())) {
        if (auto* canvas = dynamic_cast<CanvasWidget*>(viewOf(*container))) {
            canvas->addFigure(c);
            entry.drawnBy = canvas;
        }
    }
    if (!entry.drawnBy) {
        entry.view = createControlView(c, *this, parentWidgetFor(c));
        if (entry.view) {
            QWidget* w = entry.view->widget();
            w->setObjectName(
                toQ(c.index() < 0 ? c.name() : c.name() + "(" + std::to_string(c.index()) + ")"));
            const ControlKind k = c.kind();
            if (k != ControlKind::PictureBox && k != ControlKind::Shape && k != ControlKind::Line) {
                new MouseRelay(*entry.view);
            }
        }
    }
    index_[&c] = entries_.size();
    entries_.push_back(entry);
}

QWidget* FormView::parentWidgetFor(const Control& c) const {
    for (const Control* up = c.container(); up; up = up->container()) {
        if (ControlView* v = viewOf(*up)) return v->widget();
    }
    return surface_;
}

FormView::Entry* FormView::entryOf(const Control& c) {
    auto it = index_.find(&c);
    return it == index_.end() ? nullptr : &entries_[it->second];
}

ControlView* FormView::viewOf(const Control& c) const {
    auto it = index_.find(&c);
    return it == index_.end() ? nullptr : entries_[it->second].view;
}

QWidget* FormView::widgetOf(const Control& c) const {
    ControlView* v = viewOf(c);
    return v ? v->widget() : nullptr;
}

QRect FormView::geometryOf(const Control& c) const {
    if (c.kind() == ControlKind::Line) {
        const auto& line = static_cast<const LineControl&>(c);
        const int grow = line.borderWidth() / 2 + 1;
        return QRectF(QPointF(line.x1(), line.y1()) / kTwipsPerPixel,
                      QPointF(line.x2(), line.y2()) / kTwipsPerPixel)
            .normalized()
            .toAlignedRect()
            .adjusted(-grow, -grow, grow, grow);
    }
    if (const Control* container = c.container();
        container && container->kind() == ControlKind::PictureBox) {
        if (auto* canvas = dynamic_cast<CanvasWidget*>(viewOf(*container))) {
            return canvas->childRect(c).toRect();
        }
    }
    return QRectF(c.left() / kTwipsPerPixel, c.top() / kTwipsPerPixel, c.width() / kTwipsPerPixel,
                  c.height() / kTwipsPerPixel)
        .normalized()
        .toRect();
}

QPointF FormView::unitsPerPixel(const Control& c) const {
    const Control* container = c.container();
    if (container && container->kind() == ControlKind::PictureBox) {
        const auto& box = static_cast<const PictureBox&>(*container);
        const double w = box.clientWidthTwips() / kTwipsPerPixel;
        const double h = box.clientHeightTwips() / kTwipsPerPixel;
        if (w > 0 && h > 0) return {box.scaleWidth() / w, box.scaleHeight() / h};
    }
    return {kTwipsPerPixel, kTwipsPerPixel};
}

bool FormView::onCurrentPage(const Control& c) const {
    return c.tabPage() < 0 || !tabStrip_ || tabStrip_->currentTab() == c.tabPage();
}

void FormView::showAsPrinted() {
    asPrinted_ = true;
    RefreshGuard guard;
    for (Entry& e : entries_) {
        if (!e.view) continue;
        if (e.control->kind() == ControlKind::CommandButton) {
            e.view->widget()->setVisible(false);
        } else {
            e.view->refreshContent();
        }
    }
}

// --- refreshing

bool FormView::refreshing() {
    return refreshDepth() > 0;
}

void FormView::refreshAll() {
    const std::vector<FormView*> views = registry();
    for (FormView* v : views)
        v->refresh();
}

void FormView::placeAndShow(Entry& e) {
    QWidget* w = e.view->widget();
    const QRect g = geometryOf(*e.control);
    if (w->geometry() != g) w->setGeometry(g);
    const bool shown = e.control->visible() && onCurrentPage(*e.control);
    if (w->isHidden() == shown) w->setVisible(shown);
}

void FormView::refreshEntry(Entry& e) {
    Control& c = *e.control;
    e.seenRevision = c.revision();
    if (e.drawnBy) {
        e.drawnBy->update();
        return;
    }
    if (!e.view) return;
    QWidget* w = e.view->widget();
    placeAndShow(e);
    if (w->isEnabled() != c.enabled()) w->setEnabled(c.enabled());
    const QString tip = toQ(c.toolTipText());
    if (w->toolTip() != tip) w->setToolTip(tip);
    const QFont font = toQFont(c.font());
    if (w->font() != font) w->setFont(font);
    applyTabStop(w, c.tabStop());
    e.view->refreshColors();
    e.view->refreshContent();
}

void FormView::applyForm() {
    seenFormRevision_ = form_.revision();
    setRoleColor(surface_, QPalette::Window, form_.backColor());
    updateGeometry();
    if (isWindow()) resize(sizeHint());
}

void FormView::refresh() {
    if (!attached_) return;
    RefreshGuard guard;
    const bool formTouched = form_.revision() != seenFormRevision_;
    if (formTouched) applyForm();
    bool pagesChanged = false;
    bool reorder = false;
    std::vector<const Control*> rescaled;
    for (Entry& e : entries_) {
        if (e.control->revision() == e.seenRevision) continue;
        refreshEntry(e);
        if (e.control->tabIndex() != e.chainedTabIndex || e.control->tabStop() != e.chainedTabStop)
            reorder = true;
        if (e.control->kind() == ControlKind::TabStrip) pagesChanged = true;
        if (e.control->kind() == ControlKind::PictureBox && e.view) rescaled.push_back(e.control);
    }
    // Controls that depend on another one: those on the tab pages, and widgets placed in a
    // picture box's scale.
    if (pagesChanged || !rescaled.empty()) {
        for (Entry& e : entries_) {
            if (!e.view) continue;
            const Control* container = e.control->container();
            const bool inRescaled = container && std::find(rescaled.begin(), rescaled.end(),
                                                           container) != rescaled.end();
            if ((pagesChanged && e.control->tabPage() >= 0) || inRescaled) placeAndShow(e);
        }
    }
    if (reorder) orderFocusChain();
    menuBar_->refresh();
    Control* active = form_.activeControl();
    if (active != seenActiveControl_) {
        seenActiveControl_ = active;
        if (QWidget* w = active ? widgetOf(*active) : nullptr) w->setFocus(Qt::OtherFocusReason);
    }
    if (formTouched) emit formChanged();
}

bool FormView::dispatch(const std::function<void()>& action, ControlView* origin) {
    if (!attached_ || refreshing()) return false;
    QPointer<FormView> self(this);
    try {
        action();
    } catch (const VbError& e) {
        // A setter refused the planner's value (a handler's own errors never get here).
        runtime::showErrorBox(e.number(), e.description(), kApplicationTitle);
    } catch (const std::exception& e) {
        runtime::showErrorBox(vberr::kInternalError, e.what(), kApplicationTitle);
    }
    refreshAll();
    if (!self || !self->attached_) return false;
    if (origin) {
        // The widget may show a state the model refused (a radio button the planner clicked
        // that stayed off): bring it back even when the model did not change.
        if (Entry* e = entryOf(origin->control())) {
            RefreshGuard guard;
            refreshEntry(*e);
        }
    }
    return true;
}

}  // namespace lumbrix::qt
