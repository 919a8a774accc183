// The pattern pair opened into the main window: the property of a fuzz target. The pattern
// tests run it over seeds and random inputs; fuzz/targets/pattern_window.cpp calls it from
// libFuzzer's LLVMFuzzerTestOneInput.
#include "pattern_window_fuzz_target.h"

#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <system_error>
#include <vector>

#include "app/application.h"
#include "mainwindow/frm_main.h"
#include "patterns/frm_ava_kava.h"
#include "patterns/frm_salvesta_uus_kava.h"
#include "platform/atomic_file.h"
#include "platform/event_runtime.h"
#include "platform/quiet_desktop.h"
#include "platform/vb_error.h"
#include "store/board_row.h"
#include "window_state.h"

namespace lumbrix::test {

namespace {

namespace fs = std::filesystem;

// A quiet desktop that keeps every box shown and drives the open dialog when it is shown.
class RecordingDesktop : public QuietDesktop {
  public:
    using QuietDesktop::QuietDesktop;

    MsgResult messageBox(const std::string& text, int, const std::string& title) override {
        boxes.push_back(title + ": " + text);
        return MsgResult::Ok;
    }
    void runModal(Form& form, Form*) override {
        if (script) script(form);
        if (form.isLoaded() && form.visible()) form.hide();
    }

    std::vector<std::string> boxes;
    std::function<void(Form&)> script;
};

fs::path installFolder() {
    static const fs::path folder = [] {
        std::error_code ec;
        const fs::path shm = "/dev/shm";
        const fs::path base = fs::is_directory(shm, ec) ? shm : fs::temp_directory_path();
        return base / ("lumbrix-fuzz-window-" + std::to_string(::getpid()));
    }();
    return folder;
}

std::string row(const char* t, const char* w, const char* st, const char* sw, double volume) {
    return composeBoardRow(boardRowHead(t, w, st, sw), 4800, volume, "210.0");
}

// The main window of a small installation with a typical profile, loaded once per process.
struct Window {
    RecordingDesktop desktop{installFolder() / "settings.ini", {2026, 12, 7}, "planner"};
    runtime::ScopedDesktop installed{desktop};
    std::unique_ptr<Application> app;

    Window() {
        std::error_code ec;
        fs::remove_all(installFolder(), ec);
        fs::create_directories(installFolder() / "database" / "LUMBRIX", ec);
        fs::create_directories(installFolder() / "my_patterns" / "compare", ec);
        app = std::make_unique<Application>(desktop, installFolder());
        main().mnuAutoFit.setChecked(false);
        setTypicalProfile(main());
    }
    ~Window() {
        app.reset();
        std::error_code ec;
        fs::remove_all(installFolder(), ec);
    }
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    frmMain& main() { return app->window<frmMain>(); }

    // A computed pattern with notes that is being worked on.
    void workOnAPattern() {
        frmMain& m = main();
        m.Uus_kava();
        for (int i = 0; i < 3; ++i)
            m.lstSyda.addItem(row("50.000", "150.00", "52.000", "156.00", 0.036));
        m.lstKylgVasak.addItem(row("22.000", "100.00", "24.000", "104.00", 0.011));
        m.lstSeimerAll.addItem(row("19.000", "75.000", "21.000", "79.000", 0.007));
        m.txtPalk.setText("260");
        m.txtKoone.setText("6");
        m.txtPikkus.setText("4900");
        m.txtKavaNotes.setText("work in progress");
        m.Joonista_palk();
        m.uuenda_materjalid();
        m.lblSaekavanimi.setCaption("Work");
    }

    std::string screen() { return patternScreen(main(), true); }
};

Window& window() {
    static Window w;
    return w;
}

// The open dialog's part: choose `file` of `folder` and open it (cancel when still shown).
std::function<void(Form&)> openDialogChoosing(const fs::path& folder, const char* file) {
    return [folder, file](Form& form) {
        auto& dialog = static_cast<frmAvaKava&>(form);
        dialog.File1.setPath(folder.string());
        dialog.File1.setFileName(file);
        dialog.cmdAvaKava.press();
        if (dialog.isLoaded()) dialog.cmdTyhista.press();
    };
}

void writePair(const fs::path& folder, const std::string& name, std::string_view input) {
    std::error_code ec;
    for (const char* extension : {".kava", ".rtf", ".rtf.damaged", ".rtf.damaged2"})
        fs::remove(folder / (name + extension), ec);
    const std::size_t nul = input.find('\0');
    std::ignore = writeFileAtomically(folder / (name + ".kava"), input.substr(0, nul));
    if (nul != std::string_view::npos) {
        std::ignore = writeFileAtomically(folder / (name + ".rtf"), input.substr(nul + 1));
    }
}

// Opens the pair one way and checks the properties; `name` is the name label after an open.
std::string openedOneWay(Window& w, const char* way, const fs::path& pairStem,
                         const std::string& name, const std::function<void()>& open) {
    w.workOnAPattern();
    const std::string before = w.screen();
    w.desktop.boxes.clear();
    try {
        open();
    } catch (const VbError& e) {
        return std::string(way) + ": an error escaped: " + e.description();
    }
    for (const std::string& box : w.desktop.boxes) {
        if (box.find(pairStem.string() + ".") == std::string::npos) {
            return std::string(way) + ": a box names no file of the pair: " + box;
        }
    }
    const bool opened = w.main().lblSaekavanimi.caption() == name;
    if (!opened && w.screen() != before) {
        return std::string(way) + ": the pair was not opened and the window changed";
    }
    return "";
}

// The pattern just opened, saved under another name and opened again, shows as it did after
// the save: what the program writes reads back the same.
// The pattern file holds one value a line: a CR or LF inside a value is saved as a blank. The
// window is given those values first, so that what it shows is what the file can hold.
void lineBreaksAsBlanks(frmMain& m) {
    const auto blanked = [](std::string text) {
        std::replace(text.begin(), text.end(), '\r', ' ');
        std::replace(text.begin(), text.end(), '\n', ' ');
        return text;
    };
    for (TextBox* field : {&m.txtKavaKuupaev, &m.txtKavaKoostaja})
        field->setText(blanked(field->text()));
    for (ListBox* list :
         {&m.lstSyda, &m.lstKylgVasak, &m.lstKylgParem, &m.lstSeimerAll, &m.lstSeimerYleval}) {
        for (int i = 0; i < list->listCount(); ++i)
            list->setList(i, blanked(list->list(i)));
    }
}

std::string savedAndOpenedAgain(Window& w, const fs::path& patterns) {
    lineBreaksAsBlanks(w.main());
    std::error_code ec;
    for (const char* file : {"R.kava", "R.rtf"})
        fs::remove(patterns / file, ec);
    w.desktop.boxes.clear();
    w.desktop.script = [&](Form& form) {
        auto& dialog = static_cast<frmSalvestaUusKava&>(form);
        dialog.Dir1.setPath(patterns.string());
        dialog.txtfailinimi.setText("R");
        dialog.cmdSave.press();
        if (dialog.isLoaded()) dialog.cmdTagasi.press();
    };
    w.main().cmdSalvestaUusKava.press();
    w.desktop.script = nullptr;
    if (!w.desktop.boxes.empty()) return "save: a box: " + w.desktop.boxes.front();
    // The name label shows the name saved under, and after an open the file's name.
    std::string saved = w.screen();
    const std::string savedName = "lblSaekavanimi: R\n";
    const std::size_t name = saved.find(savedName);
    if (name == std::string::npos) return "save: the name label does not show R";
    saved.replace(name, savedName.size(), "lblSaekavanimi: R.kava\n");
    w.workOnAPattern();
    w.desktop.script = openDialogChoosing(patterns, "R.kava");
    w.main().cmdAvaKava.press();
    w.desktop.script = nullptr;
    if (!w.desktop.boxes.empty())
        return "saved pattern opened again: a box: " + w.desktop.boxes.front();
    if (w.screen() != saved) {
        return "saved pattern opened again: the window shows\n" + w.screen() + "instead of\n" +
               saved;
    }
    return "";
}

}  // namespace

std::string patternWindowViolation(std::string_view input) {
    Window& w = window();
    const runtime::ScopedDesktop installed(w.desktop);
    const fs::path patterns = installFolder() / "my_patterns";
    const fs::path compare = patterns / "compare";

    writePair(patterns, "F", input);
    w.desktop.script = openDialogChoosing(patterns, "F.kava");
    std::string violation = openedOneWay(w, "open dialog", patterns / "F", "F.kava",
                                         [&] { w.main().cmdAvaKava.press(); });
    w.desktop.script = nullptr;
    if (!violation.empty()) return violation;
    if (w.main().lblSaekavanimi.caption() == "F.kava") {
        violation = savedAndOpenedAgain(w, patterns);
        if (!violation.empty()) return violation;
    }

    writePair(compare, "0", input);
    return openedOneWay(w, "comparison slot", compare / "0", "0.kava",
                        [&] { w.main().lblCompare[0].Click.raise(); });
}

}  // namespace lumbrix::test
