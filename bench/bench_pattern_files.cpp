// Saving and opening a full pattern (eight centre boards and two at every other position,
// formatted notes): the save dialog's whole save, and the open with the update after it.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "app/application.h"
#include "mainwindow/frm_main.h"
#include "patterns/hidden_pattern_dialogs.h"
#include "platform/event_runtime.h"
#include "platform/quiet_desktop.h"
#include "store/board_row.h"
#include "store/frm_main_sub.h"

namespace {

using namespace lumbrix;
namespace fs = std::filesystem;

// The installation folder of the benchmark.
fs::path benchFolder() {
    return fs::temp_directory_path() / "lumbrix-bench-patterns";
}

std::string row(const char* nominal, const char* sawing, double volume) {
    return composeBoardRow(
        boardRowHead(std::string(nominal).substr(0, 6), std::string(nominal).substr(7),
                     std::string(sawing).substr(0, 6), std::string(sawing).substr(7)),
        5100, volume, "210.0");
}

// The main window on a quiet desktop, holding a full pattern with notes.
struct FullPattern {
    QuietDesktop desktop{benchFolder() / "settings.ini", {2026, 12, 7}, "bench"};
    runtime::ScopedDesktop installed{desktop};
    Application app{desktop, benchFolder()};
    FullPattern() {
        fs::create_directories(benchFolder() / "my_patterns");
        frmMain& m = main();
        frmMainSub& sub = m.store();
        sub.txtKetas1saag = "5";
        sub.txtKetas2saag = "4";
        sub.txtKappimineSydmat = "100";
        sub.txtKappimineLauad = "100";
        sub.txtKuisedPysikuludKokku = "1000";
        sub.txtKuineTootmismaht = "100";
        sub.txtCE = "2000";
        m.lstPalgiHinnad.addItem("010 - 600  50.00  1");
        for (int i = 0; i < 8; ++i)
            m.lstSyda.addItem(row("32.000x100.00", "34.000x104.00", 0.017));
        for (ListBox* list :
             {&m.lstSeimerAll, &m.lstSeimerYleval, &m.lstKylgVasak, &m.lstKylgParem}) {
            list->addItem(row("22.000x100.00", "24.000x104.00", 0.012));
            list->addItem(row("19.000x75.000", "21.000x79.000", 0.008));
        }
        m.txtPalk.setText("400");
        m.txtKavaKoostaja.setText("Tõnu Šõžmäe");
        m.txtKavaNotes.setText("Rasvane ja kaldkiri: õ ä ö ü š ž\r\nteine rida");
        m.txtKavaNotes.select(0, 7);
        m.txtKavaNotes.setSelBold(true);
        m.Joonista_palk();
        m.uuenda_materjalid();
    }
    ~FullPattern() { fs::remove_all(benchFolder()); }
    frmMain& main() { return app.window<frmMain>(); }
};

void BM_SaveAFullPattern(benchmark::State& state) {
    FullPattern pattern;
    const fs::path folder = benchFolder() / "my_patterns";
    for (auto _ : state) {
        benchmark::DoNotOptimize(savePatternWithoutShowing(pattern.app, folder, "full"));
    }
}
BENCHMARK(BM_SaveAFullPattern)->Unit(benchmark::kMillisecond);

void BM_OpenAFullPatternWithItsUpdate(benchmark::State& state) {
    FullPattern pattern;
    const fs::path folder = benchFolder() / "my_patterns";
    savePatternWithoutShowing(pattern.app, folder, "full");
    frmMain& m = pattern.main();
    for (auto _ : state) {
        openPatternWithoutShowing(pattern.app, folder, "full");
        m.Joonista_palk();
        m.uuenda_materjalid();
        benchmark::DoNotOptimize(m.lblvaljatulek.caption().data());
    }
}
BENCHMARK(BM_OpenAFullPatternWithItsUpdate)->Unit(benchmark::kMillisecond);

}  // namespace
