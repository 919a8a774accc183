#pragma once

#include <functional>
#include <string>

#include "main_window_fixture.h"
#include "patterns/frm_arvutused.h"
#include "patterns/frm_print_preview.h"

namespace lumbrix::test {

// The main window with a pattern to print, and the report and the sheet opened through the
// main window's commands with a script that runs while they are shown.
class PrintTest : public MainWindowTest {
  protected:
    PrintTest();

    // `centre` centre boards, one left side board and one upper edger board on a log of
    // 400 mm, with the results computed.
    void buildPattern(int centre = 3);
    // The profile's settings file with these monthly costs and volume.
    void writeProfileCosts(const char* fixed, const char* depreciation, const char* variable,
                           const char* volume);

    void openReport(const std::function<void(frmArvutused&)>& script);
    void openPreview(const std::function<void(frmPrintPreview&)>& script);
    void useEstonian() { main().lblValitudKeel.setCaption("eesti.keel"); }
};

}  // namespace lumbrix::test
