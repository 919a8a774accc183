#include "window_state.h"

#include "mainwindow/frm_main.h"
#include "platform/text.h"
#include "store/board_row.h"
#include "store/frm_main_sub.h"

namespace lumbrix::test {

void setTypicalProfile(frmMain& m) {
    frmMainSub& sub = m.store();
    sub.txtKetas1saag = "5";
    sub.txtKetas2saag = "4";
    sub.txtKetasSeimer = "5";
    sub.txtKappimineSydmat = "100";
    sub.txtKappimineLauad = "100";
    sub.txtPalgimahukoefitsent = "0.95";
    sub.txtKoefitsentPuru = "3.4";
    sub.txtKoefitsentHake = "2.4";
    sub.txtKoefitsentKoor = "3.4";
    sub.txtKoefitsentKoorPalgist = "0.08";
    sub.txtsaepuruHind = "5";
    sub.txtHakehind = "10";
    sub.txtkoorhind = "2";
    sub.txtKuisedPysikuludKokku = "1000";
    sub.txtKuisedAmordikuludKokku = "500";
    sub.txtYhikuMuutuvkulud = "20";
    sub.txtKuineTootmismaht = "100";
    sub.txtKuluTootmine = "30";
    sub.txtKuluAmort = "5";
    sub.txtCE = "2000";
    m.lstPalgiHinnad.clear();
    m.lstPalgiHinnad.addItem("010 - 600  50.00  1");
}

std::string boardRow(const char* nominal, const char* sawing, double volume, const char* price) {
    return composeBoardRow(
        boardRowHead(Left(nominal, 6), Mid(nominal, 8), Left(sawing, 6), Mid(sawing, 8)), 4800,
        volume, price);
}

void fillFullPattern(frmMain& m) {
    for (int i = 0; i < 8; ++i)
        m.lstSyda.addItem(boardRow("32.000x100.00", "34.000x104.00", 0.017, "210.0"));
    for (ListBox* list : {&m.lstKylgVasak, &m.lstKylgParem, &m.lstSeimerAll, &m.lstSeimerYleval}) {
        list->addItem(boardRow("22.000x100.00", "24.000x104.00", 0.012, "180.0"));
        list->addItem(boardRow("19.000x75.000", "21.000x79.000", 0.008, "160.0"));
    }
    m.txtPalk.setText("400");
    m.Joonista_palk();
    m.uuenda_materjalid();
}

std::string patternScreen(frmMain& m, bool withName) {
    std::string s;
    for (ListBox* list :
         {&m.lstSyda, &m.lstKylgVasak, &m.lstKylgParem, &m.lstSeimerAll, &m.lstSeimerYleval}) {
        for (const std::string& row : list->rows())
            s += list->name() + ": " + row + "\n";
    }
    for (TextBox* box : {&m.txtPalk, &m.txtKoone, &m.txtPikkus, &m.txtKoverus, &m.txtKavaKuupaev,
                         &m.txtKavaKoostaja}) {
        s += box->name() + ": " + box->text() + "\n";
    }
    s += "notes: " + m.txtKavaNotes.text() + "\n";
    for (Control* c : m.controls()) {
        if (c->kind() == ControlKind::Label && (withName || c != &m.lblSaekavanimi)) {
            s += c->name() + ": " + c->caption() + "\n";
        }
    }
    return s;
}

}  // namespace lumbrix::test
