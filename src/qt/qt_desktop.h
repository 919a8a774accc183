#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <unordered_map>

#include "platform/desktop.h"
#include "platform/event_runtime.h"

class QPrinter;
class QTimer;

namespace lumbrix::qt {

class FormWindow;

// The desktop on Qt: message boxes, top-level and modal windows, pop-up menus, the beep,
// event-loop timers, the printer and printing, documents, the clock and the environment.
// Constructing it installs it as the desktop in use; destroying it restores the previous
// one and closes the windows it made.
class QtDesktop : public Desktop {
  public:
    QtDesktop();
    ~QtDesktop() override;
    QtDesktop(const QtDesktop&) = delete;
    QtDesktop& operator=(const QtDesktop&) = delete;

    // The top-level window of `form`; null until the form is first shown.
    FormWindow* windowOf(const Form& form) const;
    // The printer that printing uses. Until a printer dialog chooses one it is the system's
    // default printer, or a PDF file when no printer is installed.
    QPrinter& printer();
    // Called (from the event loop) when no window of the program is visible any more.
    void setOnLastWindowClosed(std::function<void()> callback) {
        onLastWindowClosed_ = std::move(callback);
    }

    // Desktop
    MsgResult messageBox(const std::string& text, int style, const std::string& title) override;
    void setMessageLanguage(bool estonian) override { estonianButtons_ = estonian; }
    void runModal(Form& form, Form* owner) override;
    void windowShown(Form& form) override;
    void windowHidden(Form& form) override;
    void windowUnloaded(Form& form) override;
    void popupMenu(Form& form, Menu& menu, std::optional<double> xTwips,
                   std::optional<double> yTwips) override;
    void beep() override;
    void armTimer(Timer& timer, int intervalMs) override;
    void disarmTimer(Timer& timer) override;
    bool showPrinterDialog(const std::string& title) override;
    bool printForm(Form& form) override;
    bool openDocument(const std::filesystem::path& path) override;
    void endProgram() override;
    CalendarDate now() override;
    std::string environment(const std::string& name) override;
    std::filesystem::path userSettingsPath() override;

  private:
    struct ArmedTimer {
        QTimer* ticks = nullptr;
        QTimer* retry = nullptr;  // a tick that could not run yet
    };

    FormWindow* ensureWindow(Form& form, Form* owner);
    void destroyWindow(const Form& form);
    void fireTimer(Timer& timer);
    void checkForVisibleWindows();

    runtime::ScopedDesktop installed_;
    QObject context_;  // ends the queued work of this desktop with it
    std::unordered_map<const Form*, QPointer<FormWindow>> windows_;
    std::unordered_map<Timer*, ArmedTimer> timers_;
    std::unique_ptr<QPrinter> printer_;
    std::function<void()> onLastWindowClosed_;
    bool estonianButtons_ = false;
};

}  // namespace lumbrix::qt
