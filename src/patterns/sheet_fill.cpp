// Filling the pattern sheet: every caption and value is carried over as the text its source
// holds; the sheet computes and formats nothing itself.
#include "app/application.h"
#include "localisation/message_language.h"
#include "mainwindow/frm_main.h"
#include "patterns/frm_print_preview.h"
#include "patterns/print_texts.h"
#include "patterns/sheet_sources.h"
#include "store/frm_main_sub.h"

namespace lumbrix {

namespace {

void copyCaption(Control& to, const Control& from) {
    to.setCaption(from.caption());
}

void copyGeometry(Control& to, const Control& from) {
    to.setHeight(from.height());
    to.setWidth(from.width());
    to.setTop(from.top());
    to.setLeft(from.left());
}

}  // namespace

void frmPrintPreview::Lae_eelvaade() {
    frmMain& m = main();
    lblProgramNameVer.setCaption(m.caption());
    copyCaption(lblPPLabelSaekava, m.lblKKLabelSaekava);
    copyCaption(lblProfiil, m.lblValitudProfiil);
    lblPPLabelSaekavanimi.setCaption(printedPatternName(m));
    // The work-order label speaks the sheet's language, named pattern or not.
    lblKKLabelTookask.setCaption(bilingual(m, "TÖÖKÄSK NR:", "WORKORDER NR:"));
    if (m.lstSyda.listCount() == 0) return;

    // The drawing at the main window's scale: boxes copied in its units land where they are
    // in the main drawing, at its current zoom.
    picBack.setScaleHeight(m.picBack.scaleHeight());
    picBack.setScaleWidth(m.picBack.scaleWidth());

    const std::pair<Control*, const Control*> headings[] = {
        {&lblKKPalgiDiameeter, &m.lblKKPalgiDiameeter},
        {&lblKKPalgiKoone, &m.lblKKPalgiKoone},
        {&lblKKPalgiKoverus, &m.lblKKPalgiKoverus},
        {&lblKKPalgiPikkus, &m.lblKKPalgiPikkus},
        {&lblKKPalgiMaht, &m.lblKKPalgiMaht},
        {&lblKKLabelKavaKuupaev, &m.lblKKLabelKavaKuupaev},
        {&lblKKLabelKavaKoostaja, &m.lblKKLabelKavaKoostaja},
        {&lblKKLabelKavaNotes, &m.lblKKLabelKavaNotes},
        {&lblKKLabelSaekava, &m.lblKKLabelSaekava},
        {&lblPPLabelProfiil, &m.lblKKLabelProfiil},
        {&lblKKLabelMAt, &m.lblKKLabelMAt},
        {&lblKKLabelRistloige, &m.lblKKLabelRistloige},
        {&lblKKLabelSaemoot, &m.lblKKLabelSaemoot},
        {&lblKKLabelsaematPikkus, &m.lblKKLabelsaematPikkus},
        {&lblKKLabelSaematmaht, &m.lblKKLabelSaematmaht},
        {&lblKKLabelSaematHind, &m.lblKKLabelSaematHind},
        {&lblKKLabelSaematValjatulek, &m.lblKKLabelSaematValjatulek},
        {&lblKKLabelSaepuruValjatulek, &m.lblKKLabelSaepuruValjatulek},
        {&lblKKLabelHakkeValjatulek, &m.lblKKLabelHakkeValjatulek},
        {&frmSaekavaMarginalCaption, &m.frmSaekavaMarginalCaption},
        {&lblKKLabelSaekavaHind, &m.lblKKLabelSaekavaHind},
        {&lblKKLabelPuruTulu, &m.lblKKLabelPuruTulu},
        {&lblKKLabelHakkeTulu, &m.lblKKLabelHakkeTulu},
        {&lblKKLabelKoorTulu, &m.lblKKLabelKoorTulu},
        {&lblKKLabelPalgikuluTM, &m.lblKKLabelPalgikuluTM},
        {&lblKKLabelPalgikuluHind, &m.lblKKLabelPalgikuluHind},
        {&lblKKLabelMarginKokku, &m.lblKKLabelMarginKokku},
        {&lblKKLabelMarginEBITDA, &m.lblKKLabelMarginEBITDA},
        {&lblKKLabelKoorValjatulek, &m.lblKKLabelKoorValjatulek},
    };
    for (const auto& [to, from] : headings)
        copyCaption(*to, *from);

    const SettingsSheetTexts settings = currentSettingsTexts(app_);
    lblPPlabelTootmiskulu.setCaption(settings.productionCaption);
    lblPPlabelAmordikulu.setCaption(settings.depreciationCaption);
    lblKKLabelLogATP.setCaption(m.store().lblKKLabelLogATP);
    lblKKLabelNetLogprice.setCaption(reportNetRawMaterialCaption(app_));
    lbltootmiskulu.setCaption(settings.production);
    lblamordikulu.setCaption(settings.depreciation);

    txtPalk.setText(m.txtPalk.text());
    txtKoone.setText(m.txtKoone.text());
    txtKoverus.setText(m.txtKoverus.text());
    txtPikkus.setText(m.txtPikkus.text());
    copyCaption(lblPalgimaht, m.lblPalgimaht);
    txtKavaKuupaev.setText(m.txtKavaKuupaev.text());
    txtKavaKoostaja.setText(m.txtKavaKoostaja.text());
    txtKavaNotes.setText(m.txtKavaNotes.text());  // plain text: no formatting comes over

    copyGeometry(picLatv, m.picLatv);
    copyGeometry(picTyygas, m.picTyygas);

    const std::pair<Label*, const Label*> money[] = {
        {&lblsaekavahind, &m.lblsaekavahind},   {&lblMarginPuru, &m.lblMarginPuru},
        {&lblMarginHake, &m.lblMarginHake},     {&lblMarginKoor, &m.lblMarginKoor},
        {&lblmargintotal, &m.lblmargintotal},   {&lblmargintotalEBITDA, &m.lblmargintotalEBITDA},
        {&lblpalgikulutm, &m.lblpalgikulutm},   {&lblPalgikuluHind, &m.lblPalgikuluHind},
        {&lblrawmaterialATP, &m.lblRawATPEBIT}, {&lblNETrawmaterial, &m.lblNETrawmaterial},
    };
    for (const auto& [to, from] : money)
        copyCaption(*to, *from);
    cmdSulge.setCaption(settings.closeCaption);
    copyCaption(cmdPrindi, m.cmdPrindi);
    copyCaption(lblvaljatulek, m.lblvaljatulek);
    copyCaption(lblvaljatulekpuruprotsent, m.lblvaljatulekpuruprotsent);
    copyCaption(lblvaljatulekhakeprotsent, m.lblvaljatulekhakeprotsent);
    copyCaption(lblvaljatulekkoorprotsent, m.lblvaljatulekkoorprotsent);

    copyBoardList(m.lstSyda, m.picsyda, lstSyda, picsyda);
    copyBoardList(m.lstKylgVasak, m.pickylgvasak, lstKylgVasak, pickylgvasak);
    copyBoardList(m.lstKylgParem, m.pickylgparem, lstKylgParem, pickylgparem);
    copyBoardList(m.lstSeimerAll, m.picseimerall, lstSeimerAll, picseimerall);
    copyBoardList(m.lstSeimerYleval, m.picseimeryleval, lstSeimerYleval, picseimeryleval);
}

void frmPrintPreview::copyBoardList(ListBox& source, const ControlArray<PictureBox>& sourceBoxes,
                                    ListBox& list, ControlArray<PictureBox>& boxes) {
    list.clear();
    // Selecting each row of the main list runs its selection handling, as the planner's
    // click would; the last row stays selected.
    for (int i = 0; i < source.listCount(); ++i) {
        source.setListIndex(i);
        list.addItem(source.text());
        if (i >= boxes.count()) continue;  // the main window refuses rows beyond its boxes
        copyGeometry(boxes[i], sourceBoxes[i]);
        boxes[i].setVisible(true);
    }
}

}  // namespace lumbrix
