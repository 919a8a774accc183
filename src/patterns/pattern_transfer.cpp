// Moving a pattern between the main window and a pattern file's content.
#include "patterns/pattern_transfer.h"

#include "mainwindow/frm_main.h"
#include "store/frm_main_sub.h"
#include "store/numbers.h"

namespace lumbrix {

namespace {

std::vector<std::string> rowsBySelecting(ListBox& list) {
    std::vector<std::string> rows;
    for (int i = 0; i < list.listCount(); ++i) {
        list.setListIndex(i);
        rows.push_back(list.list(i));
    }
    return rows;
}

void fill(ListBox& list, const std::vector<std::string>& rows) {
    list.clear();
    for (const std::string& row : rows)
        list.addItem(row);
}

}  // namespace

PatternFile takePattern(frmMain& main) {
    PatternFile p;
    p.syda = rowsBySelecting(main.lstSyda);
    p.vasak = rowsBySelecting(main.lstKylgVasak);
    p.parem = rowsBySelecting(main.lstKylgParem);
    p.all = rowsBySelecting(main.lstSeimerAll);
    p.yleval = rowsBySelecting(main.lstSeimerYleval);
    p.palgidiameeter = main.txtPalk.text();
    p.palgityygas = NumberText(Round(main.picTyygas.height(), 0));
    p.palgikoone = main.txtKoone.text();
    p.palgipikkus = main.txtPikkus.text();
    p.palgimaht = main.lblPalgimaht.caption();
    p.palgikoverus = main.txtKoverus.text();
    p.palgitasku = main.store().txtpalgitasku;
    p.EBIT = main.lblmargintotal.caption();
    p.EBITDA = main.lblmargintotalEBITDA.caption();
    p.VALJATULEK = main.lblvaljatulek.caption();
    p.Kuupaev = main.txtKavaKuupaev.text();
    p.Koostaja = main.txtKavaKoostaja.text();
    p.notes = main.txtKavaNotes.content();
    return p;
}

void putPattern(frmMain& main, const PatternFile& p) {
    // Positions the file leaves empty must not keep the shares of the pattern replaced.
    main.blankResults();
    fill(main.lstSyda, p.syda);
    fill(main.lstKylgVasak, p.vasak);
    fill(main.lstKylgParem, p.parem);
    fill(main.lstSeimerAll, p.all);
    fill(main.lstSeimerYleval, p.yleval);
    main.txtPalk.setText(p.palgidiameeter);
    main.txtKoone.setText(p.palgikoone);
    main.txtPikkus.setText(p.palgipikkus);
    main.lblPalgimaht.setCaption(p.palgimaht);
    main.txtKavaKuupaev.setText(p.Kuupaev);
    main.txtKavaKoostaja.setText(p.Koostaja);
    main.txtKavaNotes.setContent(p.notes);
}

}  // namespace lumbrix
