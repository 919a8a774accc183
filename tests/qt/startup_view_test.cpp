// The program's start on the Qt desktop: the language dialog first, then the main window.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <memory>

#include "app/application.h"
#include "localisation/frm_info.h"
#include "localisation/frm_keele_valik.h"
#include "mainwindow/frm_main.h"
#include "qt/form_view.h"
#include "qt/form_window.h"
#include "qt/qt_desktop.h"
#include "qt_test_app.h"
#include "test_paths.h"

namespace lumbrix {
namespace {

namespace fs = std::filesystem;

TEST(StartupView, ChoosingALanguageInTheDialogOpensTheMainWindowInIt) {
    test::qtApp();
    const QTemporaryDir install;
    const QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    const fs::path root = install.path().toStdString();
    fs::copy(fs::path(test::kShippedDataDir) / "language", root / "language");
    fs::create_directories(root / "database" / "LUMBRIX");

    auto desktop = std::make_unique<qt::QtDesktop>();
    {
        Application app(*desktop, root);
        startProgram(app);
        frmKeeleValik& dialog = app.window<frmKeeleValik>();
        qt::FormWindow* window = desktop->windowOf(dialog);
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));

        auto* files = qobject_cast<QListWidget*>(window->view()->widgetOf(dialog.File1));
        ASSERT_NE(files, nullptr);
        ASSERT_EQ(files->count(), 2);
        QTest::mouseClick(files->viewport(), Qt::LeftButton, {},
                          files->visualItemRect(files->item(0)).center());
        EXPECT_EQ(dialog.File1.fileName(), "eesti.keel");
        EXPECT_EQ(window->windowTitle(), "Tere tulemast");

        auto* start = qobject_cast<QPushButton*>(window->view()->widgetOf(dialog.cmdOK));
        ASSERT_NE(start, nullptr);
        EXPECT_EQ(start->text(), "START");
        QTest::mouseClick(start, Qt::LeftButton);
        test::runEventLoop(50);

        EXPECT_FALSE(app.isLoaded<frmKeeleValik>());
        frmMain& m = app.window<frmMain>();
        qt::FormWindow* mainWindow = desktop->windowOf(m);
        ASSERT_NE(mainWindow, nullptr);
        EXPECT_TRUE(mainWindow->isVisible());
        auto* fit = qobject_cast<QPushButton*>(mainWindow->view()->widgetOf(m.cmdSobita));
        ASSERT_NE(fit, nullptr);
        EXPECT_EQ(fit->text(), "Sobita ladvaga");
        EXPECT_FALSE(fs::exists(fs::path(config.path().toStdString()) / "VTLumbrix"));
    }
    desktop.reset();
    qunsetenv("XDG_CONFIG_HOME");
}

}  // namespace
}  // namespace lumbrix
