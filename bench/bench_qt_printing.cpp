// Opening the calculations report, and making and printing the pattern sheet of a full
// pattern into a PDF file, on the Qt desktop.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QPrinter>
#include <filesystem>

#include "app/application.h"
#include "mainwindow/frm_main.h"
#include "offscreen_application.h"
#include "patterns/frm_arvutused.h"
#include "patterns/frm_print_preview.h"
#include "qt/form_view.h"
#include "qt/qt_desktop.h"
#include "store/frm_main_sub.h"
#include "window_state.h"

namespace {

using namespace lumbrix;

// Eight centre boards and two at every other position, with the results computed.
frmMain& fullPattern(Application& application) {
    frmMain& m = application.window<frmMain>();
    m.tmr_Startup.setEnabled(false);  // no profile on disk here
    frmMainSub& sub = m.store();
    sub.txtKuineTootmismaht = "100";
    sub.txtKuisedPysikuludKokku = "1000";
    sub.txtKuisedAmordikuludKokku = "500";
    sub.txtYhikuMuutuvkulud = "20";
    m.lstPalgiHinnad.addItem("100 - 600  50.00  1");
    test::fillFullPattern(m);
    return m;
}

void BM_OpenTheReport(benchmark::State& state) {
    bench::offscreenApplication();
    qt::QtDesktop desktop;
    Application application(desktop, std::filesystem::temp_directory_path());
    fullPattern(application);
    for (auto _ : state) {
        // Loaded and filled, and its window built and laid out as the screen shows it.
        frmArvutused& report = application.window<frmArvutused>();
        qt::FormView view(report);
        view.resize(view.sizeHint());
        view.refresh();
        benchmark::DoNotOptimize(report.txtTulemTotal.text());
        report.unload();
    }
}
BENCHMARK(BM_OpenTheReport)->Unit(benchmark::kMillisecond);

void BM_PrintTheSheetOfAFullPatternToPdf(benchmark::State& state) {
    bench::offscreenApplication();
    qt::QtDesktop desktop;
    Application application(desktop, std::filesystem::temp_directory_path());
    fullPattern(application);
    desktop.printer().setOutputFormat(QPrinter::PdfFormat);
    desktop.printer().setOutputFileName(QDir::temp().filePath("bench_qt_printing_sheet.pdf"));
    for (auto _ : state) {
        // What the direct print does once the printer dialog has been confirmed.
        frmPrintPreview& sheet = application.window<frmPrintPreview>();
        sheet.showToolButtons(false);
        sheet.printForm();
        sheet.unload();
    }
}
BENCHMARK(BM_PrintTheSheetOfAFullPatternToPdf)->Unit(benchmark::kMillisecond);

}  // namespace
