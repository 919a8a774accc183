#include "qt/qt_desktop.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QCursor>
#include <QDateTime>
#include <QDesktopServices>
#include <QMenu>
#include <QMessageBox>
#include <QPalette>
#include <QPrinter>
#include <QTimer>
#include <QUrl>
#include <cstdlib>
#include <vector>

#include "platform/form.h"
#include "platform/menu.h"
#include "platform/timer.h"
#include "platform/user_settings.h"
#include "qt/form_view.h"
#include "qt/form_window.h"
#include "qt/menu_view.h"
#include "qt/qt_convert.h"

namespace lumbrix::qt {

namespace {

// A tick that could not run because a handler was running is tried again this soon.
constexpr int kTimerRetryMs = 5;

QMessageBox::StandardButtons buttonsOf(int style) {
    switch (style & mb::kButtonMask) {
        case mb::kOkCancel:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case mb::kAbortRetryIgnore:
            return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
        case mb::kYesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case mb::kYesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case mb::kRetryCancel:
            return QMessageBox::Retry | QMessageBox::Cancel;
        case mb::kOkOnly:
        default:
            return QMessageBox::Ok;
    }
}

QMessageBox::Icon iconOf(int style) {
    switch (style & mb::kIconMask) {
        case mb::kCritical:
            return QMessageBox::Critical;
        case mb::kQuestion:
            return QMessageBox::Question;
        case mb::kExclamation:
            return QMessageBox::Warning;
        case mb::kInformation:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

QMessageBox::StandardButton defaultButtonOf(int style) {
    switch (style & mb::kButtonMask) {
        case mb::kAbortRetryIgnore:
            return QMessageBox::Abort;
        case mb::kYesNoCancel:
        case mb::kYesNo:
            return QMessageBox::Yes;
        case mb::kRetryCancel:
            return QMessageBox::Retry;
        default:
            return QMessageBox::Ok;
    }
}

MsgResult resultOf(QMessageBox::StandardButton button) {
    switch (button) {
        case QMessageBox::Cancel:
            return MsgResult::Cancel;
        case QMessageBox::Abort:
            return MsgResult::Abort;
        case QMessageBox::Retry:
            return MsgResult::Retry;
        case QMessageBox::Ignore:
            return MsgResult::Ignore;
        case QMessageBox::Yes:
            return MsgResult::Yes;
        case QMessageBox::No:
            return MsgResult::No;
        case QMessageBox::Ok:
        default:
            return MsgResult::Ok;
    }
}

// The words on a box's buttons, with the access keys Qt gives them. Qt brings no Estonian
// texts of its own, so the program names every button it uses in both languages; any other
// button says OK in either.
QString buttonText(QMessageBox::StandardButton button, bool estonian) {
    struct Words {
        QMessageBox::StandardButton button;
        const char* estonian;
        const char* english;
    };
    static constexpr Words kWords[] = {
        {QMessageBox::Yes, "&Jah", "&Yes"},
        {QMessageBox::No, "&Ei", "&No"},
        {QMessageBox::Cancel, "Loobu", "Cancel"},
        {QMessageBox::Abort, "&Katkesta", "&Abort"},
        {QMessageBox::Retry, "&Proovi uuesti", "&Retry"},
        {QMessageBox::Ignore, "&Eira", "&Ignore"},
    };
    for (const Words& w : kWords) {
        if (w.button == button) return QString::fromUtf8(estonian ? w.estonian : w.english);
    }
    return QStringLiteral("OK");
}

// The system's grey text colour, in which disabled controls draw their text: the mid-dark grey
// of the original desktop, which reads on a white field and on a grey one alike and still sets
// a disabled control apart from the black text of an enabled one.
constexpr QRgb kGrayText = 0xFF6D6D6D;  // red, green and blue 109

// `palette` with the text of disabled labels, options, check boxes, fields, lists and buttons in
// the grey text colour.
QPalette withGrayTextWhenDisabled(QPalette palette) {
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Disabled, role, kGrayText);
    }
    return palette;
}

// A box, menu or modal window opened inside a handler stands over the windows as the
// handler has left them so far, not as they were before the handler ran.
void showModelsAsTheyStand() {
    if (!FormView::refreshing()) FormView::refreshAll();
}

// The window that a box or dialog opened now belongs to. A dialog that has just closed can
// still count as active until the focus has moved on; a box given to it would be deleted with
// its window while the box is shown, so the box goes to the nearest visible owner instead.
QWidget* activeParent() {
    QWidget* w = QApplication::activeModalWidget();
    if (!w) w = QApplication::activeWindow();
    while (w && !w->isVisible())
        w = w->parentWidget() ? w->parentWidget()->window() : nullptr;
    return w;
}

}  // namespace

QtDesktop::QtDesktop() : installed_(*this) {
    // Every window's disabled controls show their text in the system's grey text colour.
    const QPalette palette = withGrayTextWhenDisabled(QApplication::palette());
    if (palette != QApplication::palette()) QApplication::setPalette(palette);
}

QtDesktop::~QtDesktop() {
    for (auto& [timer, armed] : timers_) {
        delete armed.ticks;
        delete armed.retry;
    }
    timers_.clear();
    for (auto& [form, window] : windows_) {
        if (window) window->view()->detach();
    }
    for (auto& [form, window] : windows_)
        delete window.data();
    windows_.clear();
}

// --- message boxes

MsgResult QtDesktop::messageBox(const std::string& text, int style, const std::string& title) {
    showModelsAsTheyStand();
    QMessageBox box(iconOf(style), toQ(title), toQ(text), buttonsOf(style), activeParent());
    for (QAbstractButton* button : box.buttons()) {
        const QMessageBox::StandardButton which = box.standardButton(button);
        button->setText(buttonText(which, estonianButtons_));
    }
    // The first button is the default one, as on the original desktop.
    box.setDefaultButton(defaultButtonOf(style));
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    if (!clicked) {
        const int buttonSet = style & mb::kButtonMask;
        return buttonSet == mb::kOkOnly ? MsgResult::Ok : MsgResult::Cancel;
    }
    return resultOf(box.standardButton(clicked));
}

// --- windows

FormWindow* QtDesktop::windowOf(const Form& form) const {
    auto it = windows_.find(&form);
    return it == windows_.end() ? nullptr : it->second.data();
}

FormWindow* QtDesktop::ensureWindow(Form& form, Form* owner) {
    FormWindow* ownerWindow = owner ? windowOf(*owner) : nullptr;
    FormWindow* window = windowOf(form);
    if (!window) {
        window = new FormWindow(form, ownerWindow);
        windows_[&form] = window;
    } else if (ownerWindow && window->parentWidget() != ownerWindow) {
        window->setParent(ownerWindow, Qt::Dialog);
    }
    window->view()->refresh();
    window->syncFromModel();
    return window;
}

void QtDesktop::runModal(Form& form, Form* owner) {
    showModelsAsTheyStand();
    FormWindow* window = ensureWindow(form, owner);
    if (!form.isLoaded() || !form.visible()) return;
    QPointer<FormWindow> guard(window);
    window->runModal();
    // The loop ended because the model hid or unloaded the window.
    if (guard && !windowOf(form)) guard->deleteLater();
    FormView::refreshAll();
}

void QtDesktop::windowShown(Form& form) {
    FormWindow* window = ensureWindow(form, nullptr);
    window->show();
    window->activateWindow();
    // What the showing code and the window's Activate handler change after this shows once
    // the event loop runs, even when no event of a view started it (the program's start).
    QTimer::singleShot(0, &context_, [] { FormView::refreshAll(); });
}

void QtDesktop::windowHidden(Form& form) {
    if (FormWindow* window = windowOf(form)) window->endModal();
    checkForVisibleWindows();
}

void QtDesktop::windowUnloaded(Form& form) {
    destroyWindow(form);
    checkForVisibleWindows();
}

void QtDesktop::destroyWindow(const Form& form) {
    auto it = windows_.find(&form);
    if (it == windows_.end()) return;
    QPointer<FormWindow> window = it->second;
    windows_.erase(it);
    if (!window) return;
    window->view()->detach();
    // Windows it owned live on without it.
    for (auto& [other, otherWindow] : windows_) {
        if (otherWindow && otherWindow->parentWidget() == window) {
            otherWindow->setParent(nullptr, otherWindow->windowFlags());
        }
    }
    if (window->inModalLoop()) {
        window->endModal();  // runModal deletes it once its loop has returned
    } else {
        window->hide();
        window->deleteLater();
    }
}

void QtDesktop::checkForVisibleWindows() {
    if (!onLastWindowClosed_) return;
    // Judged once the running handlers are over: a dialog often goes just before the next
    // window is shown.
    QTimer::singleShot(0, &context_, [this] {
        for (auto& [form, window] : windows_) {
            if (window && window->isVisible()) return;
        }
        if (onLastWindowClosed_) onLastWindowClosed_();
    });
}

// --- pop-up menus

void QtDesktop::popupMenu(Form& form, Menu& menu, std::optional<double> xTwips,
                          std::optional<double> yTwips) {
    showModelsAsTheyStand();
    std::unordered_map<QAction*, Menu*> items;
    std::unique_ptr<QMenu> popup(buildPopupMenu(menu, items));
    QPoint at = QCursor::pos();
    if (xTwips && yTwips) {
        if (FormWindow* window = windowOf(form)) {
            at = window->view()->surface()->mapToGlobal(
                QPoint(twipsToPixels(*xTwips), twipsToPixels(*yTwips)));
        }
    }
    QAction* chosen = popup->exec(at);
    auto it = items.find(chosen);
    if (it == items.end()) return;
    it->second->click();
    FormView::refreshAll();
}

void QtDesktop::beep() {
    QApplication::beep();
}

// --- timers

namespace {

// A timer may be dropped from inside its own tick: it goes once the tick is over.
void discard(QTimer* timer) {
    if (!timer) return;
    timer->stop();
    timer->deleteLater();
}

}  // namespace

void QtDesktop::armTimer(Timer& timer, int intervalMs) {
    ArmedTimer& armed = timers_[&timer];
    discard(armed.ticks);
    discard(armed.retry);
    armed.retry = nullptr;
    armed.ticks = new QTimer;
    armed.ticks->setInterval(intervalMs);
    Timer* model = &timer;
    QObject::connect(armed.ticks, &QTimer::timeout, [this, model] { fireTimer(*model); });
    armed.ticks->start();
}

void QtDesktop::disarmTimer(Timer& timer) {
    auto it = timers_.find(&timer);
    if (it == timers_.end()) return;
    discard(it->second.ticks);
    discard(it->second.retry);
    timers_.erase(it);
}

void QtDesktop::fireTimer(Timer& timer) {
    if (!timers_.count(&timer)) return;
    if (!timer.fire()) {
        // A handler is running (a message box of it is open): try again shortly.
        auto it = timers_.find(&timer);
        if (it == timers_.end()) return;
        ArmedTimer& armed = it->second;
        if (!armed.retry) {
            armed.retry = new QTimer;
            armed.retry->setSingleShot(true);
            armed.retry->setInterval(kTimerRetryMs);
            Timer* model = &timer;
            QObject::connect(armed.retry, &QTimer::timeout, [this, model] { fireTimer(*model); });
        }
        armed.retry->start();
        return;
    }
    FormView::refreshAll();
}

// --- documents, clock, environment

bool QtDesktop::openDocument(const std::filesystem::path& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path.string())));
}

void QtDesktop::endProgram() {
    // Every running loop, modal ones included, stops; main() then returns.
    QCoreApplication::exit(0);
}

CalendarDate QtDesktop::now() {
    const QDateTime t = QDateTime::currentDateTime();
    return {t.date().year(), t.date().month(),  t.date().day(),
            t.time().hour(), t.time().minute(), t.time().second()};
}

std::string QtDesktop::environment(const std::string& name) {
    const char* value = std::getenv(name.c_str());
    return value ? std::string(value) : std::string();
}

std::filesystem::path QtDesktop::userSettingsPath() {
    return defaultUserSettingsPath();
}

}  // namespace lumbrix::qt
