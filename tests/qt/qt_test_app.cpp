#include "qt_test_app.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>

namespace lumbrix::test {

QApplication& qtApp() {
    static int argc = 1;
    static char name[] = "tests_qt";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    return *app;
}

void runEventLoop(int ms) {
    qtApp();
    QElapsedTimer clock;
    clock.start();
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    } while (clock.elapsed() < ms);
}

}  // namespace lumbrix::test

// The leak checker of the sanitizer build: the system's font library keeps some of its
// allocations until the process ends, which is none of this program's doing.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
