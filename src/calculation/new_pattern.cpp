// The new-pattern reset: an empty pattern on the default log.
#include "mainwindow/frm_main.h"
#include "store/frm_main_sub.h"

namespace lumbrix {

void frmMain::Uus_kava() {
    for (Label* label : {&lblmargintotal, &lblmargintotalEBITDA, &lblPalgikuluHind}) {
        label->setBackColor(colors::kWhite);
    }

    // The default log. A scroll bar that moves runs its handler at once, which redraws the
    // log and runs the central update while the lists still hold their rows.
    txtPalk.setText("200");
    scrDiameeter.setValue(200);
    txtKoone.setText("8");
    scrKoone.setValue(8);
    txtPikkus.setText("5200");
    scrPikkus.setValue(5200);

    blankResults();

    optSydmat.setValue(true);

    for (ListBox* list :
         {&lstSyda, &lstSeimerYleval, &lstSeimerAll, &lstKylgVasak, &lstKylgParem}) {
        list->clear();
    }

    txtKavaKuupaev.setText("");
    txtKavaKoostaja.setText("");
    txtKavaNotes.setText("");
    cmdShowCalculations.setEnabled(false);
    lblPalgiHinnaInfo.setBackColor(colors::kButtonFace);
    lblSaekavanimi.setCaption("");

    Joonista_palk();
}

void frmMain::blankResults() {
    hideBoardBoxes();
    frmMainSub& sub = store();
    sub.clearAllBoardResults();
    for (Label* label :
         {&lblSaematerjalMaht, &lblvaljatulek, &lblvaljatulekpuru, &lblvaljatulekpuruprotsent,
          &lblvaljatulekkoorprotsent, &lblsydmatosakaal, &lblkyljelauaosakaal,
          &lblseimrilauaosakaal, &lblvaljatulekhake, &lblvaljatulekhakeprotsent}) {
        label->setCaption("");
    }
    sub.lblpurupuistekant.clear();
    sub.lblpuistehakkekant.clear();
    sub.lblpuistekoorkant.clear();
    for (Label* label : {&lblmargintotal, &lblmargintotalEBITDA, &lblpalgikulutm, &lblPalgikuluHind,
                         &lblMuudkuludHind, &lblMarginPuru, &lblMarginHake, &lblMarginKoor,
                         &lblvaljatulek2, &lblTulud, &lblKulud, &lblsaekavahind}) {
        label->setCaption("");
    }
    for (Label* label : {&lblSydaHind, &lblKyljelauahind, &lblCBBreakEven, &lblRawATPEBIT,
                         &lblRawATPEBITDA, &lblNETrawmaterial, &lblROCE}) {
        label->setCaption("");
    }
}

}  // namespace lumbrix
