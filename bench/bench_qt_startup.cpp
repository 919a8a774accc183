// The program's start as the planner sees it when the language dialog is skipped: the language
// file applied (the main window loading inside it), the main window shown and painted, and the
// start-up timer's profile load, in processor time.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <QTemporaryDir>
#include <filesystem>

#include "app/application.h"
#include "localisation/frm_keele_valik.h"
#include "mainwindow/frm_main.h"
#include "offscreen_application.h"
#include "platform/user_settings.h"
#include "qt/qt_desktop.h"

namespace {

using namespace lumbrix;
namespace fs = std::filesystem;

// The build folder is a working installation folder: the benchmark runs in bench/ below it.
fs::path installFolder() {
    return fs::read_symlink("/proc/self/exe").parent_path().parent_path();
}

void BM_StartToTheMainWindowWithItsProfile(benchmark::State& state) {
    bench::offscreenApplication();
    const QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    const fs::path install = installFolder();
    if (!fs::exists(install / "language" / "english.keel")) {
        state.SkipWithError("no installation folder beside the benchmark");
        return;
    }
    UserSettings settings(defaultUserSettingsPath());
    settings.save(languagechoice::kShowLanguageBox, "1");
    settings.save(languagechoice::kDefaultLanguage, "english.keel");
    for (auto _ : state) {
        qt::QtDesktop desktop;
        Application application(desktop, install);
        startProgram(application);
        frmMain& m = application.window<frmMain>();
        QApplication::processEvents();  // the main window paints
        m.tmr_Startup.setEnabled(false);
        m.tmr_Startup_Timer();  // the profile loads, as 500 ms later
        QApplication::processEvents();
        benchmark::DoNotOptimize(m.lstDim.listCount());
    }
    qunsetenv("XDG_CONFIG_HOME");
}
BENCHMARK(BM_StartToTheMainWindowWithItsProfile)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

}  // namespace
