#pragma once

#include <QApplication>

namespace lumbrix::bench {

// The benchmark program's one QApplication, created on first use; offscreen unless
// QT_QPA_PLATFORM names another platform.
inline QApplication& offscreenApplication() {
    static int argc = 1;
    static char name[] = "lumbrix-bench";
    static char* argv[] = {name, nullptr};
    static QApplication* instance = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    return *instance;
}

}  // namespace lumbrix::bench
