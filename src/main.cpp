// The program: the Qt application, its desktop and the application that owns the windows.
#include <QApplication>
#include <QCoreApplication>
#include <QTimer>
#include <filesystem>

#include "app/application.h"
#include "localisation/frm_keele_valik.h"
#include "qt/qt_desktop.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The program ends when its last window goes, as the windows' models decide.
    QApplication::setQuitOnLastWindowClosed(false);
    lumbrix::qt::QtDesktop desktop;
    desktop.setOnLastWindowClosed([] { QCoreApplication::quit(); });
    lumbrix::Application application(
        desktop, std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()));
    // The language dialog is the first window; it starts inside the event loop, so that leaving
    // the program at start (Exit, a start-up error) ends the loop.
    QTimer::singleShot(0, [&application] { lumbrix::startProgram(application); });
    return app.exec();
}
