#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/application.h"
#include "mainwindow/frm_main.h"
#include "store/frm_main_sub.h"
#include "temp_install.h"
#include "test_desktop.h"

namespace lumbrix::test {

// A loaded main window in a temporary installation folder, with the test desktop.
class MainWindowTest : public ::testing::Test {
  protected:
    MainWindowTest();
    ~MainWindowTest() override;

    frmMain& main() { return app->window<frmMain>(); }
    // Settings and log prices as a loaded profile gives them: kerfs 5/4/5, trims 100/100,
    // monthly costs 1000/500 and 20 per m3 over 100 m3, capital 2000, one price class
    // 10-600 mm at 50.00 in pocket 1. The constructor applies it.
    void useTypicalProfile();
    frmMainSub& store() { return app->window<frmMainSub>(); }

    // A board row with these sizes (six-character columns), length, volume "0.000" and price.
    static std::string boardRow(double nominalThickness, double nominalWidth,
                                double sawingThickness, double sawingWidth, double lengthMm,
                                double volume, const std::string& price = "  450");

    TestDesktop desktop;
    TempInstallFolder folder;
    std::unique_ptr<Application> app;
};

}  // namespace lumbrix::test
