// One redraw of the 3D view of a full pattern (all sixteen boards) as the planner's drag
// causes it: a new rotation value, the wireframe rebuilt and projected, and the picture
// painted at the window's size. Runs on the offscreen platform unless another is named.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <filesystem>

#include "app/application.h"
#include "mainwindow/frm_main.h"
#include "offscreen_application.h"
#include "qt/form_view.h"
#include "qt/qt_desktop.h"
#include "store/board_row.h"
#include "store/frm_main_sub.h"
#include "view3d/frm_3d_show.h"

namespace {

using namespace lumbrix;

void BM_RedrawTheFullPatternIn3d(benchmark::State& state) {
    bench::offscreenApplication();
    qt::QtDesktop desktop;
    Application application(desktop, std::filesystem::temp_directory_path());
    frmMain& m = application.window<frmMain>();
    m.tmr_Startup.setEnabled(false);
    frmMainSub& sub = m.store();
    sub.txtKetas1saag = "5";
    sub.txtKetas2saag = "4";
    sub.txtKappimineSydmat = "100";
    sub.txtKappimineLauad = "100";
    const std::string centre =
        composeBoardRow(boardRowHead("    22", "   145", "    25", "   150"), 5100, 0.018, "  450");
    const std::string outer =
        composeBoardRow(boardRowHead("    22", "    95", "    25", "   100"), 5000, 0.01, "  450");
    for (int i = 0; i < 8; ++i)
        m.lstSyda.addItem(centre);
    for (ListBox* list : {&m.lstKylgVasak, &m.lstKylgParem, &m.lstSeimerYleval, &m.lstSeimerAll}) {
        list->addItem(outer);
        list->addItem(outer);
    }
    m.hideBoardBoxes();
    m.layOutBoardBoxes();
    m.Arvuta_3d();

    frm3dShow& v = application.window<frm3dShow>();
    qt::FormView view(v);
    view.resize(view.sizeHint());
    view.show();
    v.VScroll1.setValue(-30);
    view.refresh();
    QApplication::processEvents();
    int angle = 40;
    for (auto _ : state) {
        angle = angle == 40 ? 41 : 40;
        // The change handler redraws and asks for the picture at once: painted in the refresh.
        view.dispatch([&] { v.HScroll1.setValue(angle); });
    }
    state.counters["lines"] = static_cast<double>(v.Pic1.drawing().size());
}
BENCHMARK(BM_RedrawTheFullPatternIn3d)->Unit(benchmark::kMicrosecond);

}  // namespace
