// Placing a board on the real main window as the planner does: the click, the automatic
// fit, the central update with its whole chain, and the refresh of the window's view.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <filesystem>

#include "app/application.h"
#include "catalogue/product_row.h"
#include "mainwindow/frm_main.h"
#include "offscreen_application.h"
#include "qt/form_view.h"
#include "qt/qt_desktop.h"

namespace {

using namespace lumbrix;

void BM_PlaceACentreBoardWithFitUpdateAndRefresh(benchmark::State& state) {
    bench::offscreenApplication();
    qt::QtDesktop desktop;
    Application application(desktop, std::filesystem::temp_directory_path());
    frmMain& m = application.window<frmMain>();
    // No profile on disk here: the start-up load would only report that.
    m.tmr_Startup.setEnabled(false);
    frmMainSub& sub = m.store();
    sub.txtKuineTootmismaht = "100";
    sub.txtKuisedPysikuludKokku = "1000";
    sub.txtKuisedAmordikuludKokku = "500";
    sub.txtYhikuMuutuvkulud = "20";
    m.lstPalgiHinnad.addItem("100 - 600  50.00  1");
    ProductFields f{"50",
                    "150",
                    "52",
                    "156",
                    "247.8",
                    {"100", "0", "0", "0", "0", "0"},
                    {"247.8", "0", "0", "0", "0", "0"},
                    "18",
                    ""};
    sub.txtristloige = buildProductRow(f).row;
    sub.txttootehind = productColumns(sub.txtristloige).price;
    m.mnuAutoFit.setChecked(true);
    qt::FormView view(m);
    view.resize(view.sizeHint());
    view.show();
    for (int i = 0; i < 3; ++i)
        m.cmdCenter.press();
    view.refresh();
    QApplication::processEvents();
    for (auto _ : state) {
        // The fit finds a new diameter each time: its scroll bar update and its own update run.
        view.dispatch([&] { m.cmdCenter.press(); });
        QApplication::processEvents();  // the window repaints what changed
        state.PauseTiming();
        m.lstSyda.removeItem(m.lstSyda.listCount() - 1);
        m.cmdSobita.press();
        view.refresh();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PlaceACentreBoardWithFitUpdateAndRefresh)->Unit(benchmark::kMicrosecond);

}  // namespace
