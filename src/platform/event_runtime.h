#pragma once

#include <functional>
#include <string>

#include "platform/desktop.h"

namespace lumbrix {

class Form;

// The application's title, shown on message boxes that name no title of their own.
inline constexpr const char* kApplicationTitle = "LUMBRIX";

// The event rules of the desktop runtime in one place: which desktop is in use, how a
// handler is run (errors shown, never fatal), whether a timer may fire now, and work that
// waits until the running handlers have returned (unloading a window from its own handler).
namespace runtime {

// The desktop in use. Installing one replaces the previous; `ScopedDesktop` restores it.
void setDesktop(Desktop* desktop);
Desktop& desktop();
bool hasDesktop();

class ScopedDesktop {
  public:
    explicit ScopedDesktop(Desktop& desktop);
    ~ScopedDesktop();
    ScopedDesktop(const ScopedDesktop&) = delete;
    ScopedDesktop& operator=(const ScopedDesktop&) = delete;

  private:
    Desktop* previous_;
};

// Runs one event handler. An error that escapes it is shown as the standard critical box
// ("number - description", titled with the handler's name) and the program goes on.
// `form` is the window whose control or self raised the event (may be null).
void dispatch(Form* form, const std::string& handlerName, const std::function<void()>& handler);

// How many handlers are running now (nested events count each).
int handlerDepth();
// How many handlers of `form` are running now.
int handlerDepth(const Form& form);

// Timers fire only from an event loop, never while a handler runs: true when no handler is
// running above the innermost loop (the main loop or a modal window's loop).
bool timersMayFire();

// A modal window's loop: handlers running when it starts belong to the outer loop.
class ModalLoopScope {
  public:
    ModalLoopScope();
    ~ModalLoopScope();
    ModalLoopScope(const ModalLoopScope&) = delete;
    ModalLoopScope& operator=(const ModalLoopScope&) = delete;

  private:
    int savedBase_;
};

// Runs `action` once no handler of `form` is running any more: at once when none is.
void whenHandlersOfFormReturned(Form& form, std::function<void()> action);
// Runs `action` once no handler at all is running: at once when none is.
void whenIdle(std::function<void()> action);
// Runs `action` once the event that runs now is over: when its outermost handler, started by
// the innermost loop (the main loop or a modal window's loop), returns; at once when no handler
// of that loop runs.
void whenEventOver(std::function<void()> action);
// Drops pending actions that belong to `form` (it is being destroyed).
void forgetForm(const Form& form);

// Shows a message box through the desktop. An empty title becomes the application's title.
MsgResult msgBox(const std::string& text, int style = mb::kOkOnly, const std::string& title = "");

// Shows an error in the standard critical box.
void showErrorBox(int number, const std::string& description, const std::string& title);

}  // namespace runtime
}  // namespace lumbrix
