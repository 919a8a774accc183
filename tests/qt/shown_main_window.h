#pragma once

#include <gtest/gtest.h>

#include <QTest>
#include <memory>

#include "app/application.h"
#include "mainwindow/frm_main.h"
#include "qt/form_view.h"
#include "qt/form_window.h"
#include "qt/qt_desktop.h"
#include "qt_test_app.h"
#include "temp_install.h"

namespace lumbrix::test {

// The main window shown offscreen in a temporary installation folder with the shipped
// profile, its user settings in the folder too; the profile is loaded when a test asks.
class ShownMainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        qtApp();
        folder.copyShippedData();
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString((folder / "config").string()));
        desktop = std::make_unique<qt::QtDesktop>();
        app = std::make_unique<Application>(*desktop, folder.path());
        m = &app->window<frmMain>();
        m->tmr_Startup.setEnabled(false);
        m->show();
        window = desktop->windowOf(*m);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        view = window->view();
    }
    void TearDown() override {
        app.reset();
        desktop.reset();
    }
    template <class W = QWidget>
    W* widget(const Control& c) {
        return qobject_cast<W*>(view->widgetOf(c));
    }
    // The profile loaded, its first centre product picked and placed `boards` times.
    void placeCentreBoards(int boards) {
        m->tmr_Startup_Timer();
        m->lstDim.setListIndex(0);
        for (int i = 0; i < boards; ++i)
            m->cmdCenter.press();
        qt::FormView::refreshAll();
    }

    TempInstallFolder folder;
    std::unique_ptr<qt::QtDesktop> desktop;
    std::unique_ptr<Application> app;
    frmMain* m = nullptr;
    qt::FormWindow* window = nullptr;
    qt::FormView* view = nullptr;
};

}  // namespace lumbrix::test
