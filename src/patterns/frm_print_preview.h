#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/controls.h"

namespace lumbrix {

class Application;
class frmMain;

// The title of the box that reports a failed print of the pattern sheet.
inline constexpr const char* kPrintErrorTitle = "frmmain/mnuSaekavaPrindi";

// The pattern sheet: one page laid out as it prints, filled from the main window when it is
// created (the header, the log, the drawing with its board boxes, the five board lists, the
// figures and the notes). Shown as the print preview, where the planner may format the notes,
// hide the money figures and add a work-order number, or printed at once without being shown.
// Most controls bear the name of the main window's control they copy.
class frmPrintPreview : public Form {
  public:
    explicit frmPrintPreview(Application& app);

    // ---- top band and tool buttons (the seven tool buttons never reach the paper)
    Label lblProgramNameVer{*this, "lblProgramNameVer"};
    Image imgLogo{*this, "imgLogo"};
    CommandButton cmdPrindi{*this, "cmdPrindi"};
    CommandButton cmdSulge{*this, "cmdSulge"};
    CommandButton cmdWordOrder{*this, "cmdWordOrder"};

    // ---- header: pattern and profile, log data
    Label lblPPLabelSaekava{*this, "lblPPLabelSaekava"};
    Label lblPPLabelSaekavanimi{*this, "lblPPLabelSaekavanimi"};
    Label lblPPLabelProfiil{*this, "lblPPLabelProfiil"};
    Label lblProfiil{*this, "lblProfiil"};
    Label lblKKPalgiDiameeter{*this, "lblKKPalgiDiameeter"};
    Label lblKKPalgiKoone{*this, "lblKKPalgiKoone"};
    Label lblKKPalgiKoverus{*this, "lblKKPalgiKoverus"};
    Label lblKKPalgiPikkus{*this, "lblKKPalgiPikkus"};
    TextBox txtPalk{*this, "txtPalk"};
    TextBox txtKoone{*this, "txtKoone"};
    TextBox txtKoverus{*this, "txtKoverus"};
    TextBox txtPikkus{*this, "txtPikkus"};

    // ---- work-order box, hidden at first
    Frame frmWorkorder{*this, "frmWorkorder"};
    Label lblKKLabelTookask{*this, "lblKKLabelTookask"};
    TextBox txttookasunumber{*this, "txttookasunumber"};

    // ---- the drawing: the log's two ends and one box per board position
    PictureBox picBack{*this, "picBack"};
    Shape picTyygas{*this, "picTyygas"};
    Shape picLatv{*this, "picLatv"};
    ControlArray<PictureBox> picsyda{*this, "picsyda", 8};
    ControlArray<PictureBox> pickylgvasak{*this, "pickylgvasak", 2};
    ControlArray<PictureBox> pickylgparem{*this, "pickylgparem", 2};
    ControlArray<PictureBox> picseimerall{*this, "picseimerall", 2};
    ControlArray<PictureBox> picseimeryleval{*this, "picseimeryleval", 2};

    // ---- the board lists with the log volume and the yields
    Frame Frame1{*this, "Frame1"};
    Label lblKKPalgiMaht{*this, "lblKKPalgiMaht"};
    Label lblPalgimaht{*this, "lblPalgimaht"};
    Label lblKKLabelSaekava{*this, "lblKKLabelSaekava"};
    Label lblKKLabelMAt{*this, "lblKKLabelMAt"};
    Label lblKKLabelRistloige{*this, "lblKKLabelRistloige"};
    Label lblKKLabelSaemoot{*this, "lblKKLabelSaemoot"};
    Label lblKKLabelsaematPikkus{*this, "lblKKLabelsaematPikkus"};
    Label lblKKLabelSaematmaht{*this, "lblKKLabelSaematmaht"};
    Label lblKKLabelSaematHind{*this, "lblKKLabelSaematHind"};
    ListBox lstSyda{*this, "lstSyda"};
    ListBox lstSeimerYleval{*this, "lstSeimerYleval"};
    ListBox lstSeimerAll{*this, "lstSeimerAll"};
    ListBox lstKylgVasak{*this, "lstKylgVasak"};
    ListBox lstKylgParem{*this, "lstKylgParem"};
    // An empty opaque box that blanks the price column out when shown.
    Label frmPrices{*this, "frmPrices"};
    Label lblKKLabelSaematValjatulek{*this, "lblKKLabelSaematValjatulek"};
    Label lblvaljatulek{*this, "lblvaljatulek"};
    Label lblKKLabelSaepuruValjatulek{*this, "lblKKLabelSaepuruValjatulek"};
    Label lblvaljatulekpuruprotsent{*this, "lblvaljatulekpuruprotsent"};
    Label lblKKLabelHakkeValjatulek{*this, "lblKKLabelHakkeValjatulek"};
    Label lblvaljatulekhakeprotsent{*this, "lblvaljatulekhakeprotsent"};
    Label lblKKLabelKoorValjatulek{*this, "lblKKLabelKoorValjatulek"};
    Label lblvaljatulekkoorprotsent{*this, "lblvaljatulekkoorprotsent"};

    // ---- pattern header fields and notes
    Label lblKKLabelKavaKuupaev{*this, "lblKKLabelKavaKuupaev"};
    TextBox txtKavaKuupaev{*this, "txtKavaKuupaev"};
    Label lblKKLabelKavaKoostaja{*this, "lblKKLabelKavaKoostaja"};
    TextBox txtKavaKoostaja{*this, "txtKavaKoostaja"};
    Label lblKKLabelKavaNotes{*this, "lblKKLabelKavaNotes"};
    RichTextBox txtKavaNotes{*this, "txtKavaNotes"};

    // ---- money figures
    Frame frmSaekavaMarginalCaption{*this, "frmSaekavaMarginalCaption"};
    Label lblKKLabelSaekavaHind{*this, "lblKKLabelSaekavaHind"};
    Label lblsaekavahind{*this, "lblsaekavahind"};
    Label lblKKLabelPuruTulu{*this, "lblKKLabelPuruTulu"};
    Label lblMarginPuru{*this, "lblMarginPuru"};
    Label lblKKLabelHakkeTulu{*this, "lblKKLabelHakkeTulu"};
    Label lblMarginHake{*this, "lblMarginHake"};
    Label lblKKLabelKoorTulu{*this, "lblKKLabelKoorTulu"};
    Label lblMarginKoor{*this, "lblMarginKoor"};
    Label lblKKLabelPalgikuluTM{*this, "lblKKLabelPalgikuluTM"};
    Label lblpalgikulutm{*this, "lblpalgikulutm"};
    Label lblKKLabelPalgikuluHind{*this, "lblKKLabelPalgikuluHind"};
    Label lblPalgikuluHind{*this, "lblPalgikuluHind"};
    Label lblPPlabelTootmiskulu{*this, "lblPPlabelTootmiskulu"};
    Label lbltootmiskulu{*this, "lbltootmiskulu"};
    Label lblPPlabelAmordikulu{*this, "lblPPlabelAmordikulu"};
    Label lblamordikulu{*this, "lblamordikulu"};
    Label lblKKLabelMarginKokku{*this, "lblKKLabelMarginKokku"};
    Label lblmargintotal{*this, "lblmargintotal"};
    Label lblKKLabelMarginEBITDA{*this, "lblKKLabelMarginEBITDA"};
    Label lblmargintotalEBITDA{*this, "lblmargintotalEBITDA"};
    Label lblKKLabelLogATP{*this, "lblKKLabelLogATP"};
    Label lblrawmaterialATP{*this, "lblrawmaterialATP"};
    Label lblKKLabelNetLogprice{*this, "lblKKLabelNetLogprice"};
    Label lblNETrawmaterial{*this, "lblNETrawmaterial"};

    // ---- the notes' style buttons and the money figures' toggle, over the notes and the
    // frame they touch
    CommandButton cmdBold{*this, "cmdBold"};
    CommandButton cmdItalic{*this, "cmdItalic"};
    CommandButton cmdUnderline{*this, "cmdUnderline"};
    CommandButton cmdHide{*this, "cmdHide"};

    // ---- when the sheet was made
    Label lbldate{*this, "lbldate"};
    Label lbltime{*this, "lbltime"};

    void Form_Load();
    // Fills the sheet from the main window, the store, the settings and the report.
    void Lae_eelvaade();
    void cmdPrindi_Click();
    void cmdSulge_Click();
    void cmdBold_Click();
    void cmdItalic_Click();
    void cmdUnderline_Click();
    void txtKavaNotes_SelChange();
    void cmdHide_Click();
    void cmdWordOrder_Click();

    // Hides or shows the seven tool buttons.
    void showToolButtons(bool shown);

  private:
    void layOutControls();
    void layOutListsFrame();
    void layOutMoneyFrame();
    void connectHandlers();
    frmMain& main() const;
    // Copies the rows of `source` and the geometry of their boxes into `list` and `boxes`.
    void copyBoardList(ListBox& source, const ControlArray<PictureBox>& sourceBoxes, ListBox& list,
                       ControlArray<PictureBox>& boxes);
    // The five board lists of the sheet.
    std::array<ListBox*, 5> boardLists();
    // Takes every board's price out of the sheet's lists, or puts the prices back.
    void showBoardPrices(bool shown);

    Application& app_;
    // The rows of the board lists with their prices, kept while the prices are left out.
    std::array<std::vector<std::string>, 5> pricedRows_;
};

}  // namespace lumbrix
