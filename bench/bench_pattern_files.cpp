// Saving and opening a full pattern (eight centre boards and two at every other position,
// formatted notes): the save dialog's whole save, and the open with the update after it.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "app/application.h"
#include "mainwindow/frm_main.h"
#include "patterns/hidden_pattern_dialogs.h"
#include "platform/event_runtime.h"
#include "store/board_row.h"
#include "store/frm_main_sub.h"

namespace {

using namespace lumbrix;
namespace fs = std::filesystem;

// A desktop that needs no screen: boxes answer OK, timers never run.
class QuietDesktop : public Desktop {
  public:
    MsgResult messageBox(const std::string&, int, const std::string&) override {
        return MsgResult::Ok;
    }
    void runModal(Form& form, Form*) override { form.hide(); }
    void windowShown(Form&) override {}
    void windowHidden(Form&) override {}
    void windowUnloaded(Form&) override {}
    void popupMenu(Form&, Menu&, std::optional<double>, std::optional<double>) override {}
    void beep() override {}
    void armTimer(Timer&, int) override {}
    void disarmTimer(Timer&) override {}
    bool showPrinterDialog(const std::string&) override { return false; }
    bool printForm(Form&) override { return false; }
    bool openDocument(const std::filesystem::path&) override { return false; }
    void endProgram() override {}
    CalendarDate now() override { return {2026, 12, 7}; }
    std::string environment(const std::string&) override { return "bench"; }
    std::filesystem::path userSettingsPath() override { return folder() / "settings.ini"; }

    static fs::path folder() { return fs::temp_directory_path() / "lumbrix-bench-patterns"; }
};

std::string row(const char* nominal, const char* sawing, double volume) {
    return composeBoardRow(
        boardRowHead(std::string(nominal).substr(0, 6), std::string(nominal).substr(7),
                     std::string(sawing).substr(0, 6), std::string(sawing).substr(7)),
        5100, volume, "210.0");
}

// The main window on a quiet desktop, holding a full pattern with notes.
struct FullPattern {
    QuietDesktop desktop;
    runtime::ScopedDesktop installed{desktop};
    Application app{desktop, QuietDesktop::folder()};
    FullPattern() {
        fs::create_directories(QuietDesktop::folder() / "my_patterns");
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
    ~FullPattern() { fs::remove_all(QuietDesktop::folder()); }
    frmMain& main() { return app.window<frmMain>(); }
};

void BM_SaveAFullPattern(benchmark::State& state) {
    FullPattern pattern;
    const fs::path folder = QuietDesktop::folder() / "my_patterns";
    for (auto _ : state) {
        benchmark::DoNotOptimize(savePatternWithoutShowing(pattern.app, folder, "full"));
    }
}
BENCHMARK(BM_SaveAFullPattern)->Unit(benchmark::kMillisecond);

void BM_OpenAFullPatternWithItsUpdate(benchmark::State& state) {
    FullPattern pattern;
    const fs::path folder = QuietDesktop::folder() / "my_patterns";
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
