// The program: the Qt application, its desktop and the application that owns the windows.
#include <QApplication>
#include <QCoreApplication>
#include <filesystem>

#include "app/application.h"
#include "mainwindow/frm_main.h"
#include "qt/qt_desktop.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The program ends when its last window goes, as the windows' models decide.
    QApplication::setQuitOnLastWindowClosed(false);
    lumbrix::qt::QtDesktop desktop;
    desktop.setOnLastWindowClosed([] { QCoreApplication::quit(); });
    lumbrix::Application application(
        desktop, std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()));
    application.window<lumbrix::frmMain>().show();
    return app.exec();
}
