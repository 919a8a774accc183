// The comparison slots of the main window: parking the current pattern in the lowest free
// slot, laying out the bars, recalling a slot by a click, hovering, and removing one slot or
// all of them. A slot's pattern is saved and opened through the save and open dialogs driven
// without showing them.
#include "patterns/comparison_slots.h"

#include <optional>
#include <string_view>
#include <system_error>
#include <vector>

#include "app/application.h"
#include "localisation/message_language.h"
#include "mainwindow/frm_main.h"
#include "patterns/hidden_pattern_dialogs.h"
#include "patterns/pattern_file.h"
#include "patterns/pattern_opening.h"
#include "patterns/patterns_folder.h"
#include "platform/remove_below.h"
#include "platform/vb_error.h"
#include "store/numbers.h"

namespace lumbrix {

namespace fs = std::filesystem;

namespace {

constexpr double kFirstBarLeft = 120;
constexpr double kBarGap = 120;

// The slot a text names ("0" to "4"); none for anything else.
std::optional<int> slotNamed(const std::string& text) {
    if (text.size() != 1 || text[0] < '0' || text[0] > '4') return std::nullopt;
    return text[0] - '0';
}

// The comparison folder as folder names below the installation folder, where the slot files
// are removed without following a link.
const std::vector<std::string> kComparisonFolderNames = {"my_patterns", "compare"};

// A file that the strip parks: the pattern file or the notes file of a slot, "0.kava" to
// "4.rtf". The planner's own patterns saved into the folder are none of these.
bool isParkedFile(std::string_view name) {
    if (name.size() < 2 || name[1] != '.' || name[0] < '0' || name[0] > '4') return false;
    const std::string_view extension = name.substr(1);
    return extension == ".kava" || extension == ".rtf";
}

}  // namespace

fs::path comparisonFolder(const Application& app) {
    return patternsFolder(app) / "compare";
}

MarginBand marginBand(double margin) {
    if (margin > 25) return {0, kBandGreen};
    if (margin > 15) return {100, kBandGreen};
    if (margin > 5) return {150, kBandGreen};
    if (margin > 0) return {200, kBandGreen};
    return {240, kBandPink};
}

void deleteSlotFiles(const fs::path& installFolder, const std::string& slot) {
    removeRegularFilesBelow(installFolder, kComparisonFolderNames, [&slot](std::string_view name) {
        return name == slot || name.starts_with(slot + ".");
    });
}

void deleteComparisonFiles(const fs::path& installFolder) {
    removeRegularFilesBelow(installFolder, kComparisonFolderNames, isParkedFile);
}

void frmMain::connectComparisonHandlers() {
    mnupalkaddtocompare.Click.connect([this] { mnupalkaddtocompare_Click(); });
    for (Label& bar : lblCompare) {
        const int index = bar.index();
        bar.Click.connect([this, index] { lblCompare_Click(index); });
        bar.MouseDown.connect([this, index](int button, int shift, double x, double y) {
            lblCompare_MouseDown(index, button, shift, x, y);
        });
        bar.MouseMove.connect([this, index](int button, int shift, double x, double y) {
            lblCompare_MouseMove(index, button, shift, x, y);
        });
    }
    mnuCompareKustutaValitud.Click.connect([this] { mnuCompareKustutaValitud_Click(); });
    mnuCompareKustutaKoik.Click.connect([this] { mnuCompareKustutaKoik_Click(); });
    cmdClearCompare.Click.connect([this] { cmdClearCompare_Click(); });
    cmdClearCompare.MouseMove.connect([this](int button, int shift, double x, double y) {
        cmdClearCompare_MouseMove(button, shift, x, y);
    });
}

// Parks the computed pattern in the lowest free slot; nothing with no computed pattern or
// with every slot taken.
void frmMain::mnupalkaddtocompare_Click() {
    if (lblvaljatulek.caption().empty()) return;
    Label* bar = nullptr;
    for (Label& candidate : lblCompare) {
        if (!candidate.visible()) {
            bar = &candidate;
            break;
        }
    }
    if (!bar) return;
    const MarginBand band = marginBand(RegionCompVal(lblmargintotal.caption()));
    bar->setTop(band.top);
    bar->setBackColor(band.backColor);
    bar->setCaption(lblmargintotal.caption());
    bar->setVisible(true);
    Uuenda_compare();
    lblLastCompare.setCaption(std::to_string(bar->index()));
    Salvesta_compare();
}

// Saves the pattern as the pair of the slot lblLastCompare names. The pattern keeps its own
// name: parked, it is still as saved (or unsaved) as it was. A slot whose pair was not
// written is given up again, so no bar stands for a pattern that is not there.
void frmMain::Salvesta_compare() {
    const fs::path folder = comparisonFolder(app_);
    std::error_code ec;
    fs::create_directories(folder, ec);  // a folder that cannot be made is reported by the save
    const std::string name = lblSaekavanimi.caption();
    const std::optional<int> slot = slotNamed(lblLastCompare.caption());
    const auto giveUpSlot = [&] {
        lblSaekavanimi.setCaption(name);
        if (!slot) return;
        lblCompare[*slot].setVisible(false);
        Uuenda_compare();
    };
    bool saved = false;
    try {
        saved = savePatternWithoutShowing(app_, folder, lblLastCompare.caption());
    } catch (const VbError&) {
        giveUpSlot();
        throw;
    }
    if (!saved) {
        giveUpSlot();
        return;
    }
    lblSaekavanimi.setCaption(name);
}

// Lists the occupied slots and stands their bars side by side from the left; with no slot
// left, the comparison folder is emptied.
void frmMain::Uuenda_compare() {
    lstCompare.clear();
    for (Label& bar : lblCompare) {
        if (bar.visible()) lstCompare.addItem(std::to_string(bar.index()));
    }
    for (Label& bar : lblCompare)
        bar.setVisible(false);
    const Label* previous = nullptr;
    for (int row = 0; row < lstCompare.listCount(); ++row) {
        Label& bar = lblCompare[lstCompare.list(row)[0] - '0'];
        bar.setLeft(previous ? previous->left() + previous->width() + kBarGap : kFirstBarLeft);
        bar.setVisible(true);
        previous = &bar;
    }
    if (lstCompare.listCount() == 0) deleteComparisonFiles(app_.installFolder());
}

// Opens the selected slot's pattern into the editor and computes it.
void frmMain::Ava_comparekava() {
    if (!openPatternWithoutShowing(app_, comparisonFolder(app_), store().lblcompareselected)) {
        return;
    }
    Joonista_palk();
    uuenda_materjalid();
}

// Brings slot `index` back into the editor in place of the pattern there, without asking. A
// slot whose pattern file is gone leaves the editor as it is. The slot's pair is read and
// checked before the editor is touched, and its damaged notes kept aside: a slot that cannot
// be opened is refused by name and leaves the pattern being worked on as it is.
void frmMain::lblCompare_Click(int index) {
    const std::string slot = std::to_string(index);
    const fs::path folder = comparisonFolder(app_);
    std::error_code ec;
    if (!fs::is_regular_file(patternFilePath(folder, slot), ec)) return;
    store().lblcompareselected = slot;
    const fs::path notes = notesFilePath(folder, slot);
    PatternOpening opening = readPatternForOpening(*this, patternFilePath(folder, slot), notes);
    keepDamagedNotes(*this, opening, notes);  // the open below tells the planner about them
    if (opening.refused()) {
        showOpeningRefusal(*this, opening.refusal);
        return;
    }
    Uus_kava();
    uuenda_materjalid();
    Ava_comparekava();
}

void frmMain::lblCompare_MouseDown(int, int button, int, double, double) {
    if (button == mouse::kRight) popupMenu(mnuCompare);
}

// The bar under the pointer shows its caption alone and becomes the selected slot.
void frmMain::lblCompare_MouseMove(int index, int, int, double, double) {
    for (Label& bar : lblCompare)
        bar.setTransparent(bar.index() == index);
    store().lblcompareselected = std::to_string(index);
}

void frmMain::mnuCompareKustutaValitud_Click() {
    const std::string selected = store().lblcompareselected;
    const std::optional<int> slot = slotNamed(selected);
    if (!slot) return;
    lblCompare[*slot].setVisible(false);
    deleteSlotFiles(app_.installFolder(), selected);
    Uuenda_compare();
}

void frmMain::mnuCompareKustutaKoik_Click() {
    cmdClearCompare_Click();
}

void frmMain::cmdClearCompare_Click() {
    lstCompare.clear();
    for (Label& bar : lblCompare)
        bar.setVisible(false);
    deleteComparisonFiles(app_.installFolder());
}

void frmMain::cmdClearCompare_MouseMove(int, int, double, double) {
    cmdClearCompare.setToolTipText(
        bilingual(*this, "Puhasta saekavade võrdlus", "Cleare all compare patterns"));
}

}  // namespace lumbrix
