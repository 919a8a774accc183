#include "qt/form_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QMoveEvent>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/buttons.h"
#include "platform/event_runtime.h"
#include "qt/form_view.h"
#include "qt/qt_convert.h"

namespace lumbrix::qt {

FormWindow::FormWindow(Form& form, QWidget* parent)
    : QDialog(parent), form_(form), view_(new FormView(form, this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(view_);
    setSizeGripEnabled(false);
    connect(view_, &FormView::formChanged, this, &FormWindow::syncFromModel);
    // Windows shown without an owner are ordinary windows that can be minimised.
    if (!parent) {
        setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                       Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    }
    placeAtOpening();
    syncFromModel();
}

void FormWindow::placeAtOpening() {
    appliedLeft_ = form_.left();
    appliedTop_ = form_.top();
    const bool left = form_.leftPlaced();
    const bool top = form_.topPlaced();
    // A dialog nobody placed is left to Qt, which centres it over its owner as it shows.
    if (!left && !top && parentWidget()) return;
    QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect();
    // An edge nobody placed is where the window would be centred: over its owner, or on the
    // screen, kept on the screen where it fits.
    QRect centred(QPoint(), sizeHint());
    centred.moveCenter(parentWidget() ? parentWidget()->frameGeometry().center() : area.center());
    if (!area.isEmpty()) {
        const QPoint lastFit =
            area.bottomRight() + QPoint(1, 1) - QPoint(centred.width(), centred.height());
        centred.moveTo(std::max(area.left(), std::min(centred.left(), lastFit.x())),
                       std::max(area.top(), std::min(centred.top(), lastFit.y())));
    }
    move(left ? twipsToPixels(form_.left()) : centred.left(),
         top ? twipsToPixels(form_.top()) : centred.top());
}

FormWindow::~FormWindow() {
    view_->detach();
}

void FormWindow::applySize() {
    if (form_.width() == appliedWidth_ && form_.height() == appliedHeight_) return;
    appliedWidth_ = form_.width();
    appliedHeight_ = form_.height();
    sizing_ = true;
    const QSize size = view_->sizeHint();
    if (form_.fixedSize()) {
        setFixedSize(size);
    } else {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        resize(size);
    }
    sizing_ = false;
}

void FormWindow::syncFromModel() {
    if (!view_->attached()) return;
    const QString title = toQ(form_.caption());
    if (windowTitle() != title) setWindowTitle(title);
    applySize();
    if (form_.left() != appliedLeft_ || form_.top() != appliedTop_) {
        appliedLeft_ = form_.left();
        appliedTop_ = form_.top();
        move(twipsToPixels(form_.left()), twipsToPixels(form_.top()));
    }
    if (!form_.isLoaded() || !form_.visible()) {
        if (inModalLoop_) {
            endModal();
        } else if (isVisible()) {
            hide();
        }
    }
}

void FormWindow::runModal() {
    if (inModalLoop_) return;
    inModalLoop_ = true;
    {
        // Timers may fire inside the window's loop; the handler that showed it waits.
        runtime::ModalLoopScope loop;
        exec();
    }
    inModalLoop_ = false;
}

void FormWindow::endModal() {
    if (inModalLoop_) {
        QDialog::done(QDialog::Rejected);
    } else {
        hide();
    }
}

void FormWindow::closeEvent(QCloseEvent* event) {
    // The model decides: its QueryUnload and Unload handlers may keep the window open.
    event->ignore();
    if (!view_->attached()) return;
    view_->dispatch([this] { form_.requestClose(); });
}

void FormWindow::reject() {
    // Escape presses the window's cancel button, when it has one that can be pressed.
    if (!view_->attached()) return;
    for (Control* c : form_.controls()) {
        if (c->kind() != ControlKind::CommandButton) continue;
        auto* button = static_cast<CommandButton*>(c);
        if (button->isCancel() && button->visible() && button->enabled()) {
            view_->dispatch([button] { button->press(); });
            return;
        }
    }
}

void FormWindow::moveEvent(QMoveEvent* event) {
    QDialog::moveEvent(event);
    if (!view_->attached() || !isWindow()) return;
    // An edge the model gave, in whole pixels, stays as the model gave it, whether the desktop
    // put the window's frame there or, before it knew the frame, its client area.
    const auto edge = [](int frame, int client, double model) {
        const int given = twipsToPixels(model);
        return frame == given || client == given ? model : frame * kTwipsPerPixel;
    };
    const double left = edge(x(), geometry().x(), form_.left());
    const double top = edge(y(), geometry().y(), form_.top());
    if (left == form_.left() && top == form_.top()) return;
    appliedLeft_ = left;
    appliedTop_ = top;
    // Moving a window keeps its size and raises no event of the model.
    form_.move(appliedLeft_, appliedTop_);
}

void FormWindow::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (sizing_ || !view_->attached() || form_.fixedSize() || !isVisible()) return;
    // The planner resized the window: the model takes the new size (and raises Resize).
    const QSize client = view_->surface()->size();
    const bool menuBar = view_->menuBar()->isVisible();
    const double width = client.width() * kTwipsPerPixel + kFrameTwips;
    const double height =
        client.height() * kTwipsPerPixel + kTitleBarTwips + (menuBar ? kMenuBarTwips : 0);
    if (width == form_.width() && height == form_.height()) return;
    appliedWidth_ = width;
    appliedHeight_ = height;
    view_->dispatch(
        [this, width, height] { form_.move(form_.left(), form_.top(), width, height); });
}

}  // namespace lumbrix::qt
