#include "platform/timer.h"

#include "platform/event_runtime.h"

namespace lumbrix {

Timer::Timer(Form& form, std::string name, int index)
    : Control(form, ControlKind::Timer, std::move(name), index) {
    bindEvent(TimerEvent, "Timer");
    setVisible(false);
}

Timer::~Timer() {
    if (armed_ && runtime::hasDesktop()) runtime::desktop().disarmTimer(*this);
}

void Timer::setInterval(int milliseconds) {
    if (interval_ == milliseconds) return;
    interval_ = milliseconds < 0 ? 0 : milliseconds;
    // A new interval restarts the count, as the desktop's timers do.
    if (armed_) {
        runtime::desktop().disarmTimer(*this);
        armed_ = false;
    }
    updateArming();
}

void Timer::setEnabled(bool enabled) {
    Control::setEnabled(enabled);
    updateArming();
}

void Timer::setWindowLoaded(bool loaded) {
    windowLoaded_ = loaded;
    updateArming();
}

void Timer::updateArming() {
    const bool shouldRun = enabled() && interval_ > 0 && windowLoaded_;
    if (shouldRun == armed_) return;
    if (shouldRun) {
        runtime::desktop().armTimer(*this, interval_);
    } else if (runtime::hasDesktop()) {
        runtime::desktop().disarmTimer(*this);
    }
    armed_ = shouldRun;
}

bool Timer::fire() {
    if (!armed_ || running_) return true;  // nothing to run now; no retry needed
    if (!runtime::timersMayFire()) return false;
    running_ = true;
    TimerEvent.raise();
    running_ = false;
    return true;
}

}  // namespace lumbrix
