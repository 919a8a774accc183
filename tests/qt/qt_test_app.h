#pragma once

class QApplication;

namespace lumbrix::test {

// The one QApplication of the front-end tests, created on first use (the offscreen
// platform unless the environment names another).
QApplication& qtApp();

// Lets the event loop run for `ms` milliseconds (timers, queued events, deferred deletes).
void runEventLoop(int ms);

}  // namespace lumbrix::test
