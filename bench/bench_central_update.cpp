// One central update on a full pattern: eight centre boards and two at every other position.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "app/application.h"
#include "mainwindow/frm_main.h"
#include "platform/event_runtime.h"
#include "platform/quiet_desktop.h"
#include "store/board_row.h"
#include "store/frm_main_sub.h"
#include "store/numbers.h"

namespace {

using namespace lumbrix;

std::string row(const char* nominal, const char* sawing) {
    return composeBoardRow(boardRowHead(nominal, "   100", sawing, "   104"), 5100, 0.026, "  450");
}

// A pattern with every position taken, on a profile with prices and costs, so that the
// whole calculation chain runs.
void fillFullPattern(frmMain& m) {
    frmMainSub& sub = m.store();
    sub.txtKuisedPysikuludKokku = "1000";
    sub.txtKuisedAmordikuludKokku = "500";
    sub.txtYhikuMuutuvkulud = "20";
    sub.txtKuineTootmismaht = "100";
    sub.txtCE = "2000";
    sub.txtsaepuruHind = "5";
    sub.txtHakehind = "10";
    sub.txtkoorhind = "2";
    m.lstPalgiHinnad.clear();
    m.lstPalgiHinnad.addItem("100 - 199  45.50  1");
    m.lstPalgiHinnad.addItem("200 - 600  50.00  2");
    for (int i = 0; i < 8; ++i)
        m.lstSyda.addItem(row("    50", "    53"));
    for (ListBox* list : {&m.lstSeimerAll, &m.lstSeimerYleval, &m.lstKylgVasak, &m.lstKylgParem}) {
        for (int i = 0; i < 2; ++i)
            list->addItem(row("    25", "    28"));
    }
}

// The main window on a quiet desktop, holding a full pattern.
struct FullPattern {
    QuietDesktop desktop{std::filesystem::temp_directory_path() / "lumbrix-bench-settings.ini",
                         {2026, 12, 6},
                         "bench"};
    runtime::ScopedDesktop installed{desktop};
    Application app{desktop, std::filesystem::temp_directory_path()};
    FullPattern() { fillFullPattern(main()); }
    frmMain& main() { return app.window<frmMain>(); }
};

void BM_CentralUpdateOnAFullPattern(benchmark::State& state) {
    FullPattern pattern;
    frmMain& m = pattern.main();
    for (auto _ : state) {
        m.uuenda_materjalid();
        benchmark::DoNotOptimize(m.lblvaljatulek.caption().data());
    }
}
BENCHMARK(BM_CentralUpdateOnAFullPattern)->Unit(benchmark::kMicrosecond);

// The fit from another diameter: the scroll bar's update and the fit's own update included.
void BM_FitOnAFullPattern(benchmark::State& state) {
    FullPattern pattern;
    frmMain& m = pattern.main();
    for (auto _ : state) {
        state.PauseTiming();
        m.scrDiameeter.setValue(500);
        state.ResumeTiming();
        m.cmdSobita.press();
        benchmark::DoNotOptimize(m.txtPalk.text().data());
    }
}
BENCHMARK(BM_FitOnAFullPattern)->Unit(benchmark::kMicrosecond);

}  // namespace
