#pragma once

#include "platform/control.h"

namespace lumbrix {

// A timer of a window. While enabled, with an interval above 0 and its window loaded, the
// desktop's event loop calls `fire()` every interval. It fires only from a loop, never
// while a handler runs, and its handler is never re-entered.
class Timer : public Control {
  public:
    Timer(Form& form, std::string name, int index = -1);
    ~Timer() override;

    int interval() const { return interval_; }
    void setInterval(int milliseconds);
    // Enabled starts and stops the timer; a timer is enabled at design.
    void setEnabled(bool enabled) override;

    // Called by the desktop's loop when the interval has passed. Returns false when the
    // tick could not run now (a handler is running) and should be tried again soon.
    bool fire();

    // The window was loaded or unloaded: timers run only on a loaded window.
    void setWindowLoaded(bool loaded);

    Event<> TimerEvent;  // the handler is "name_Timer"

  private:
    void updateArming();

    int interval_ = 0;
    bool windowLoaded_ = false;
    bool armed_ = false;
    bool running_ = false;
};

}  // namespace lumbrix
