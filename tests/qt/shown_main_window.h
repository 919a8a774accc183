#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QTest>
#include <memory>
#include <optional>
#include <string>

#include "app/application.h"
#include "mainwindow/frm_main.h"
#include "qt/form_view.h"
#include "qt/form_window.h"
#include "qt/qt_desktop.h"
#include "qt_test_app.h"
#include "temp_install.h"
#include "window_state.h"

namespace lumbrix::test {

// The program on the Qt desktop in a temporary installation folder with the shipped data, the
// planner's settings in the folder too (the environment's own setting is given back after).
class InstalledAppTest : public ::testing::Test {
  protected:
    void SetUp() override {
        prepareFolder();
        startApp();
    }
    void TearDown() override;
    // The Qt application, the shipped data copied (unless a test leaves the folder empty) and
    // the settings pointed into the folder.
    void prepareFolder(bool shippedData = true);
    // The desktop and the program on the folder.
    void startApp();
    // The main window loaded with its start-up timer off.
    void loadMainWindow();
    // The main window loaded in the language of `languageFile`, which is remembered as the
    // planner's choice (the information box follows it), with the shipped profile and a full
    // pattern (fillFullPattern).
    void loadFullPatternIn(const char* languageFile);
    // `form` shown offscreen: its window once exposed; null, with a failure, when it was not.
    qt::FormWindow* shownWindow(Form& form);

    TempInstallFolder folder;
    std::unique_ptr<qt::QtDesktop> desktop;
    std::unique_ptr<Application> app;
    frmMain* m = nullptr;

  private:
    std::optional<std::string> oldConfig_;
};

// The main window shown offscreen in a temporary installation folder with the shipped
// profile; the profile is loaded when a test asks.
class ShownMainWindowTest : public InstalledAppTest {
  protected:
    void SetUp() override {
        InstalledAppTest::SetUp();
        loadMainWindow();
        m->show();
        window = desktop->windowOf(*m);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        view = window->view();
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

    qt::FormWindow* window = nullptr;
    qt::FormView* view = nullptr;
};

// The next printer dialog is confirmed as the planner would, printing into the PDF `file`.
void printNextInto(qt::QtDesktop& desktop, const QString& file);

// The text of a printed PDF file laid out as printed.
std::string pdfText(const QString& file);

}  // namespace lumbrix::test
