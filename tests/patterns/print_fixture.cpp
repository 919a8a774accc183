#include "print_fixture.h"

#include <fstream>

#include "mainwindow/frm_main.h"
#include "platform/text.h"
#include "store/board_row.h"

namespace lumbrix::test {

namespace {
std::string row(const char* nominal, const char* sawing, double volume, const char* price) {
    return composeBoardRow(
        boardRowHead(Left(nominal, 6), Mid(nominal, 8), Left(sawing, 6), Mid(sawing, 8)), 4800,
        volume, price);
}
}  // namespace

PrintTest::PrintTest() {
    main().mnuAutoFit.setChecked(false);
    main().lblValitudProfiil.setCaption("LUMBRIX");
}

void PrintTest::buildPattern(int centre) {
    frmMain& m = main();
    for (int i = 0; i < centre; ++i)
        m.lstSyda.addItem(row("50.000x150.00", "52.000x156.00", 0.039, "247.8"));
    m.lstKylgVasak.addItem(row("22.000x100.00", "24.000x104.00", 0.012, "180.0"));
    m.lstSeimerYleval.addItem(row("25.000x75.000", "27.000x79.000", 0.010, "150.0"));
    m.txtPalk.setText("400");
    m.Joonista_palk();
    m.uuenda_materjalid();
}

void PrintTest::writeProfileCosts(const char* fixed, const char* depreciation, const char* variable,
                                  const char* volume) {
    std::ofstream file(folder / "database" / "LUMBRIX" / "settings", std::ios::binary);
    file << "[SEADED]\r\nKuisedPysikuludKokku=" << fixed
         << "\r\nKuisedAmordikuludKokku=" << depreciation << "\r\nYhikuMuutuvkulud=" << variable
         << "\r\nKuineTootmismaht=" << volume << "\r\n";
}

void PrintTest::openReport(const std::function<void(frmArvutused&)>& script) {
    desktop.onNextModal([script](Form& f) {
        auto& report = static_cast<frmArvutused&>(f);
        script(report);
        if (report.isLoaded()) report.cmdExit.press();
    });
    main().cmdShowCalculations.press();
}

void PrintTest::openPreview(const std::function<void(frmPrintPreview&)>& script) {
    desktop.onNextModal([script](Form& f) {
        auto& sheet = static_cast<frmPrintPreview&>(f);
        script(sheet);
        if (sheet.isLoaded() && sheet.visible()) sheet.cmdSulge.press();
    });
    main().mnuSaekavaEelvaade.click();
}

}  // namespace lumbrix::test
