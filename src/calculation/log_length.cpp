// A change of the log length: every board row is rebuilt for the new length.
#include <utility>

#include "mainwindow/board_lists.h"
#include "mainwindow/frm_main.h"
#include "store/board_row.h"
#include "store/frm_main_sub.h"
#include "store/numbers.h"

namespace lumbrix {

namespace {

// The arrow step of the length scroll bar: the log length module when it is a usable
// whole number; anything else (0, negative, too large, not a number) keeps the step.
void applyLengthModule(ScrollBar& bar, const std::string& moduleText) {
    const double module = RegionCompVal(moduleText);
    if (!(module >= 1 && module <= 32767)) return;
    bar.setSmallChange(CInt(module));
}

}  // namespace

void frmMain::scrPikkus_Change() {
    applyLengthModule(scrPikkus, store().txtPalgiMoodul);
    txtPikkus.setText(NumberText(scrPikkus.value()));
    rebuildBoardRows();
    Joonista_palk();
    uuenda_materjalid();
}

void frmMain::rebuildBoardRows() {
    const std::pair<ListBox*, ListBox*> lists[] = {{&lstSyda, &lstsydabackup},
                                                   {&lstSeimerYleval, &lstseimerylevalbackup},
                                                   {&lstSeimerAll, &lstseimerallbackup},
                                                   {&lstKylgVasak, &lstkylgvasakbackup},
                                                   {&lstKylgParem, &lstkylgparembackup}};
    for (const auto& [list, scratch] : lists) {
        const std::string& trim =
            list == &lstSyda ? store().txtKappimineSydmat : store().txtKappimineLauad;
        scratch->clear();
        for (int i = 0; i < list->listCount(); ++i) {
            list->setListIndex(i);
            const double length = RegionCompVal(txtPikkus.text()) - RegionCompVal(trim);
            scratch->addItem(rebuildRowTail(list->list(i), length));
        }
        list->clear();
        for (const std::string& row : scratch->rows())
            appendBoardRow(*list, row);
        scratch->clear();
    }
}

}  // namespace lumbrix
