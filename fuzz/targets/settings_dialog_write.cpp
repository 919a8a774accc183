// The settings dialog's write: any bytes as the current profile's settings file. The profile is
// loaded, the dialog opened and saved. What Save writes is text that reads back as the values
// the dialog held, a damaged file is kept whole beside it, and every box about the file names
// it.
#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/application.h"
#include "fuzz_support.h"
#include "mainwindow/frm_main.h"
#include "millsettings/frm_seaded.h"
#include "millsettings/profile_files.h"
#include "millsettings/profile_settings.h"
#include "platform/codec.h"
#include "platform/event_runtime.h"
#include "platform/ini_file.h"
#include "platform/quiet_desktop.h"
#include "store/frm_main_sub.h"
#include "store/numbers.h"

using namespace lumbrix;

namespace {

namespace fs = std::filesystem;

constexpr const char* kCostsHelp =
    "Please insert average costs to calculate costs for 1 m3 of timber productions.";
constexpr const char* kBarkHint =
    "To insert bark yield % please use format 0.00:\r\nExample: 10% = 0.10 and 8% = 0.08";

// The quiet desktop, keeping the text of every box it answers.
class RecordingDesktop : public QuietDesktop {
  public:
    using QuietDesktop::QuietDesktop;
    MsgResult messageBox(const std::string& text, int, const std::string&) override {
        boxes.push_back(text);
        return MsgResult::Ok;
    }
    std::vector<std::string> boxes;
};

// The scratch installation and the desktop, for all runs; each run starts the program anew,
// as windows a run unloads are let go only when the program ends.
struct Program {
    Program() { runtime::setDesktop(&desktop); }
    fs::path folder = fuzz::scratchFolder();
    RecordingDesktop desktop{folder / "user" / "settings.ini", {2026, 3, 4, 9, 5, 0}, "fuzz"};
    std::unique_ptr<Application> app;
    fs::path profile = folder / "database" / "LUMBRIX";
};

// The dialog's field texts in the order Save writes them, with the full-edge switch last.
std::vector<std::string> dialogValues(const frmSeaded& d) {
    return {d.txtKappimineSydmat.text(),
            d.txtKappimineLauad.text(),
            d.txtPalgiMoodul.text(),
            d.txtPalgimahukoefitsent.text(),
            d.txtKuisedPysikuludKokku.text(),
            d.txtKuisedAmordikuludKokku.text(),
            d.txtCE.text(),
            d.txtYhikuMuutuvkulud.text(),
            d.txtKuineTootmismaht.text(),
            d.txtKetas1saag.text(),
            d.txtKetas2saag.text(),
            d.txtKetasSeimer.text(),
            d.txtKetasTrimmer.text(),
            d.txtKoefitsentHake.text(),
            d.txtKoefitsentPuru.text(),
            d.txtKoefitsentKoor.text(),
            d.txtKoefitsentKoorPalgist.text(),
            d.txtHakehind.text(),
            d.txtsaepuruHind.text(),
            d.txtkoorhind.text(),
            d.chkArvutaTaiskant.value() == checkstate::kChecked ? "1" : "0"};
}

// Every box shown since the last check names the settings file, or is the dialog's own hint
// on the bark share's form when `hintAllowed`.
void checkBoxes(RecordingDesktop& desktop, const fs::path& file, bool hintAllowed) {
    for (const std::string& box : desktop.boxes) {
        if (hintAllowed && box == kBarkHint) continue;
        if (box.find(file.string()) == std::string::npos) {
            fuzz::violated("a box does not name the settings file: " + box);
        }
    }
    desktop.boxes.clear();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Program program;
    program.app.reset();
    program.app = std::make_unique<Application>(program.desktop, program.folder);
    Application& app = *program.app;
    const std::string bytes(fuzz::bytesOf(data, size));
    std::error_code ec;
    fs::remove_all(program.profile, ec);
    fs::create_directories(program.profile, ec);
    const fs::path file = settingsFilePath(program.profile);
    if (!writeFileAtomically(file, bytes)) fuzz::violated("the input could not be written");

    frmMain& m = app.window<frmMain>();
    m.lblValitudProfiil.setCaption("LUMBRIX");
    m.Lauatyyp = "Syda";
    program.desktop.boxes.clear();
    m.cmdLaeprofiil.press();
    checkBoxes(program.desktop, file, false);

    frmSeaded& d = app.window<frmSeaded>();
    // Refused: only a bark share above 1, or monthly costs whose costs per m3 lie beyond the
    // number range, may stop a save of what the dialog read. A file may hold both: each refusal
    // is mended in turn, once, and mended, Save goes through.
    std::map<std::string, std::function<void()>> mends = {
        {kBarkHint, [&d] { d.txtKoefitsentKoorPalgist.setText("0.08"); }},
        {kCostsHelp, [&d] {
             d.txtKuisedPysikuludKokku.setText("1000");
             d.txtKuisedAmordikuludKokku.setText("500");
             d.txtYhikuMuutuvkulud.setText("20");
             d.txtKuineTootmismaht.setText("100");
         }}};
    const std::size_t refusals = mends.size();
    std::vector<std::string> values;
    for (;;) {
        values = dialogValues(d);
        d.cmdSalvesta.press();
        if (!app.isLoaded<frmSeaded>()) break;
        const std::vector<std::string> told = std::exchange(program.desktop.boxes, {});
        const auto mend = told.size() == 1 ? mends.find(told.front()) : mends.end();
        if (mend == mends.end()) {
            fuzz::violated((mends.size() == refusals
                                ? "Save refused what the dialog read from the file: "
                                : "Save refused mended values: ") +
                           (told.empty() ? std::string("no box") : told.front()));
        }
        mend->second();
        mends.erase(mend);
    }
    // A damaged file was kept whole before it was written anew, and the planner told where.
    const fs::path kept = program.profile / "settings.damaged";
    if (!bytes.empty() && !looksLikeText(bytes)) {
        const FileBytes copy = readFileBytes(kept);
        if (!copy || copy.bytes != bytes) fuzz::violated("the damaged file was not kept whole");
        const auto& boxes = program.desktop.boxes;
        if (std::ranges::none_of(boxes, [&](const std::string& box) {
                return box.find(kept.string()) != std::string::npos;
            })) {
            fuzz::violated("no box names the kept copy of the damaged file");
        }
    } else if (fs::exists(kept, ec)) {
        fuzz::violated("a sound file was kept as damaged");
    }
    checkBoxes(program.desktop, file, true);

    // What was written is text and reads back as the values the dialog held.
    const FileBytes written = readFileBytes(file);
    if (!written) fuzz::violated("the written settings file cannot be read");
    if (!looksLikeText(written.bytes)) fuzz::violated("the written settings file is not text");
    const IniDocument document = IniDocument::fromBytes(written.bytes);
    const auto& keys = settingsKeysInSaveOrder();
    std::size_t value = 0;
    for (const SettingsKey& key : keys) {
        if (std::string(key.key) == "Salvestatud") continue;
        if (document.get(settingsfile::kSection, key.key, "missing") != values[value++]) {
            fuzz::violated(std::string("the written ") + key.key + " reads back changed");
        }
    }
    if (document.get(settingsfile::kSection, "Salvestatud", "") !=
        generalDateText(program.desktop.now())) {
        fuzz::violated("the written save stamp reads back changed");
    }

    // The dialog opened again shows what it saved; the store holds it as numbers.
    frmSeaded& again = app.window<frmSeaded>();
    if (dialogValues(again) != values) fuzz::violated("the saved settings open changed");
    again.cmdOK.press();
    const frmMainSub& store = m.store();
    if (store.txtCE != NumberText(RegionCompValQuiet(values[6]).value_or(0.0))) {
        fuzz::violated("the store's capital employed differs from the saved one");
    }
    m.cmdLaeprofiil.press();
    checkBoxes(program.desktop, file, false);
    return 0;
}
