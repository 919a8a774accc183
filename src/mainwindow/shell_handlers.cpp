// Wires the main window's commands, menus, board placement, drawing and results panel to
// their handlers.
#include "app/application.h"
#include "localisation/message_language.h"
#include "mainwindow/frm_main.h"
#include "millsettings/frm_palgi_hinnad.h"

namespace lumbrix {

namespace {

// A label that explains itself in the current language whenever the pointer moves over it.
void explain(frmMain& m, Label& label, std::string estonian, std::string english) {
    label.MouseMove.connect([&m, &label, estonian, english](int, int, double, double) {
        label.setToolTipText(bilingual(m, estonian, english));
    });
}

}  // namespace

void frmMain::connectShellHandlers() {
    tmr_Startup.TimerEvent.connect([this] { tmr_Startup_Timer(); });
    Unload.connect([this](int& cancel) { Form_Unload(cancel); });

    // Commands and menus.
    cmdUusKava.Click.connect([this] { cmdUusKava_Click(); });
    mnuSaekavaUus.Click.connect([this] { cmdUusKava_Click(); });
    mnuUus.Click.connect([this] { cmdUusKava_Click(); });
    cmdSoovita.Click.connect([this] { cmdSoovita_Click(); });
    cmdPalgiHinnad.Click.connect([this] { cmdPalgiHinnad_Click(); });
    cmdKavaLisainfoShow.Click.connect([this] { cmdKavaLisainfoShow_Click(); });
    cmdSobita.MouseDown.connect(
        [this](int b, int s, double x, double y) { cmdSobita_MouseDown(b, s, x, y); });
    cmdSobita.MouseMove.connect(
        [this](int b, int s, double x, double y) { cmdSobita_MouseMove(b, s, x, y); });
    txtKavaKuupaev.KeyPress.connect([this](int& key) { txtKavaKuupaev_KeyPress(key); });
    mnuProgramSeaded.Click.connect([this] { mnuProgramSeaded_Click(); });
    mnuHelp.Click.connect([this] { mnuHelp_Click(); });
    mnuProgramExit.Click.connect([this] { mnuProgramExit_Click(); });
    mnuAutoFit.Click.connect([this] { mnuAutoFit_Click(); });
    mnusalvestaprofiil.Click.connect([this] { mnusalvestaprofiil_Click(); });
    mnusalvestaprofiilkui.Click.connect([this] { mnusalvestaprofiilkui_Click(); });
    cmdSalvestaUusKava.Click.connect([this] { cmdSalvestaUusKava_Click(); });
    mnuSaekavaSalvesta.Click.connect([this] { cmdSalvestaUusKava_Click(); });
    cmdAvaKava.Click.connect([this] { cmdAvaKava_Click(); });
    mnuSaekavaAva.Click.connect([this] { mnuSaekavaAva_Click(); });
    cmdShowCalculations.Click.connect([this] { cmdShowCalculations_Click(); });
    cmdPrindi.Click.connect([this] { cmdPrindi_Click(); });
    mnuSaekavaPrindi.Click.connect([this] { mnuSaekavaPrindi_Click(); });
    mnuSaekavaEelvaade.Click.connect([this] { mnuSaekavaEelvaade_Click(); });
    mnupalk3Denable.Click.connect([this] { mnupalk3Denable_Click(); });
    mnuProgramInfo.Click.connect([this] { mnuProgramInfo_Click(); });
    // The mouse leaving the drawing over the window's surface, frames or tabs.
    MouseMove.connect([this](int, int, double, double) { Form_MouseMove(); });
    for (Control* surface : std::initializer_list<Control*>{&frmLisaInfo, &frmPalgiInfo,
                                                            &frmSaekavaMarginalCaption, &SSTab1}) {
        surface->MouseMove.connect([this](int, int, double, double) { Uuenda_taustavarv(); });
    }

    // Placing boards.
    cmdCenter.Click.connect([this] { cmdCenter_Click(); });
    cmdSeimerAll.Click.connect([this] { cmdSeimerAll_Click(); });
    cmdSeimerYleval.Click.connect([this] { cmdSeimerYleval_Click(); });
    cmdSideLeft.Click.connect([this] { cmdSideLeft_Click(); });
    cmdSideRight.Click.connect([this] { cmdSideRight_Click(); });

    // Removing, hovering and clicking boards, per position.
    for (BoardList which : {BoardList::Syda, BoardList::SeimerAll, BoardList::SeimerYleval,
                            BoardList::KylgVasak, BoardList::KylgParem}) {
        const BoardPosition position = boardPosition(which);
        ListBox& list = position.list;
        list.DblClick.connect(
            [this, which, &list] { removeBoard(which, list.listIndex(), false); });
        for (PictureBox& box : position.boxes) {
            const int index = box.index();
            box.DblClick.connect([this, which, index] { removeBoard(which, index, true); });
            box.MouseDown.connect(
                [this](int button, int, double, double) { boardMouseDown(button); });
            if (which == BoardList::Syda) {
                box.MouseMove.connect(
                    [this, index](int, int, double, double) { picsyda_MouseMove(index); });
                box.Click.connect([this] { optSydmat.setValue(true); });
            } else {
                box.MouseMove.connect([this, which, index](int, int, double, double) {
                    hoverOuterBoard(which, index);
                });
            }
            if (which == BoardList::KylgVasak || which == BoardList::KylgParem) {
                box.Click.connect([this] { optKyljelaud.setValue(true); });
            }
        }
    }
    picBack.MouseMove.connect([this](int, int, double, double) { picBack_MouseMove(); });
    picBack.MouseDown.connect([this](int button, int, double, double) { boardMouseDown(button); });
    Command2.Click.connect([this] { Command2_Click(); });
    Command3.Click.connect([this] { Command3_Click(); });

    // The results panel.
    explain(*this, lblsydmatosakaal, "Südamematerjalide osakaal", "Share of centerboards");
    explain(*this, lblseimrilauaosakaal, "Seimrilaudade osakaal", "Share of edgerboards");
    explain(*this, lblkyljelauaosakaal, "Küljelaudade osakaal", "Share of sideboards");
    explain(*this, lblPalgiHinnaInfo, "Veateated", "Error messages");
    lblPalgimaht.MouseMove.connect([this](int, int, double, double) { lblPalgimaht_MouseMove(); });
    lblPalgimaht.Click.connect([this] { lblPalgimaht_Click(); });
    lblPalgiHinnaInfo.DblClick.connect([this] { lblPalgiHinnaInfo_DblClick(); });
    lblPalgikuluHind.Click.connect([this] { showLogPriceEditor(app_, *this); });
    lblMuudkuludHind.Click.connect([this] { lblMuudkuludHind_Click(); });
    lblValitudProfiil.MouseDown.connect(
        [this](int button, int, double, double) { lblValitudProfiil_MouseDown(button); });
    // The by-product revenues open the settings that give them (factors and prices).
    lblMarginHake.Click.connect([this] { mnuProgramSeaded_Click(); });
    lblMarginPuru.Click.connect([this] { mnuProgramSeaded_Click(); });
}

}  // namespace lumbrix
