#pragma once

#include <optional>
#include <string>

#include "platform/controls.h"
#include "store/frm_main_sub.h"
#include "store/pattern_values.h"

namespace lumbrix {

class Application;

// The main window: the current log and its drawing, the five board lists with their board
// boxes, the dimension picker, the result labels, the pattern header and the menus. The
// pattern's procedures are members of this window; their bodies live with their subject
// (src/calculation for the calculation, src/mainwindow for commands and start-up).
class frmMain : public Form {
  public:
    explicit frmMain(Application& app);
    ~frmMain() override;

    Application& app() const { return app_; }
    frmMainSub& store() const;

    // ---- tabs: 0 builds the pattern, 1 keeps products and prices
    TabStrip SSTab1{*this, "SSTab1", 2};

    // ---- log inputs
    Frame frmPalgiInfo{*this, "frmPalgiInfo"};
    Label lblKKPalgiDiameeter{*this, "lblKKPalgiDiameeter"};
    Label lblKKPalgiKoone{*this, "lblKKPalgiKoone"};
    Label lblKKPalgiKoverus{*this, "lblKKPalgiKoverus"};
    Label lblKKPalgiPikkus{*this, "lblKKPalgiPikkus"};
    Label lblKKPalgiMaht{*this, "lblKKPalgiMaht"};
    TextBox txtPalk{*this, "txtPalk"};
    TextBox txtKoone{*this, "txtKoone"};
    TextBox txtKoverus{*this, "txtKoverus"};
    TextBox txtPikkus{*this, "txtPikkus"};
    HScrollBar scrDiameeter{*this, "scrDiameeter"};
    HScrollBar scrKoone{*this, "scrKoone"};
    HScrollBar scrKoverus{*this, "scrKoverus"};
    HScrollBar scrPikkus{*this, "scrPikkus"};
    Label lblPalgimaht{*this, "lblPalgimaht"};
    CommandButton cmdSobita{*this, "cmdSobita"};
    Label lblPalgiHinnaInfo{*this, "lblPalgiHinnaInfo"};

    // ---- the drawing of the pattern: the log's three circles and one box per board position
    PictureBox picBack{*this, "picBack"};
    Shape picTyygas{*this, "picTyygas"};
    Shape picMiddle{*this, "picMiddle"};
    Shape picLatv{*this, "picLatv"};
    ControlArray<PictureBox> picsyda{*this, "picsyda", 8};
    ControlArray<PictureBox> picseimerall{*this, "picseimerall", 2};
    ControlArray<PictureBox> picseimeryleval{*this, "picseimeryleval", 2};
    ControlArray<PictureBox> pickylgvasak{*this, "pickylgvasak", 2};
    ControlArray<PictureBox> pickylgparem{*this, "pickylgparem", 2};
    CommandButton Command2{*this, "Command2"};  // zoom in
    CommandButton Command3{*this, "Command3"};  // zoom out
    Label lblZoom{*this, "lblZoom"};

    // ---- dimension picker and board placement
    OptionButton optSydmat{*this, "optSydmat"};
    OptionButton optSeimrilaud{*this, "optSeimrilaud"};
    OptionButton optKyljelaud{*this, "optKyljelaud"};
    ListBox lstDim{*this, "lstDim"};
    CommandButton cmdCenter{*this, "cmdCenter"};
    CommandButton cmdSideLeft{*this, "cmdSideLeft"};
    CommandButton cmdSideRight{*this, "cmdSideRight"};
    CommandButton cmdSeimerAll{*this, "cmdSeimerAll"};
    CommandButton cmdSeimerYleval{*this, "cmdSeimerYleval"};

    // ---- board lists (one board row per item) and their scratch lists for rebuilds
    Label lblKKLabelSaekava{*this, "lblKKLabelSaekava"};
    Label lblKKLabelRistloige{*this, "lblKKLabelRistloige"};
    Label lblKKLabelSaemoot{*this, "lblKKLabelSaemoot"};
    Label lblKKLabelsaematPikkus{*this, "lblKKLabelsaematPikkus"};
    Label lblKKLabelSaematHind{*this, "lblKKLabelSaematHind"};
    ListBox lstSeimerYleval{*this, "lstSeimerYleval"};
    ListBox lstKylgVasak{*this, "lstKylgVasak"};
    ListBox lstSyda{*this, "lstSyda"};
    ListBox lstKylgParem{*this, "lstKylgParem"};
    ListBox lstSeimerAll{*this, "lstSeimerAll"};
    ListBox lstsydabackup{*this, "lstsydabackup"};
    ListBox lstseimerallbackup{*this, "lstseimerallbackup"};
    ListBox lstseimerylevalbackup{*this, "lstseimerylevalbackup"};
    ListBox lstkylgvasakbackup{*this, "lstkylgvasakbackup"};
    ListBox lstkylgparembackup{*this, "lstkylgparembackup"};
    ListBox lstTemp{*this, "lstTemp"};

    // ---- results: volumes, yield and shares, by-products, costs and margins
    Frame frmSaekavaMarginalCaption{*this, "frmSaekavaMarginalCaption"};
    Label lblKKLabelSaematmaht{*this, "lblKKLabelSaematmaht"};
    Label lblSaematerjalMaht{*this, "lblSaematerjalMaht"};
    Label lblKKLabelSaematValjatulek{*this, "lblKKLabelSaematValjatulek"};
    Label lblvaljatulek{*this, "lblvaljatulek"};
    Label lblvaljatulek2{*this, "lblvaljatulek2"};  // the yield as plain text, hidden
    Label lblKKLabelMAt{*this, "lblKKLabelMAt"};
    Label lblsydmatosakaal{*this, "lblsydmatosakaal"};
    Label lblkyljelauaosakaal{*this, "lblkyljelauaosakaal"};
    Label lblseimrilauaosakaal{*this, "lblseimrilauaosakaal"};
    Label lblKKLabelSaepuruValjatulek{*this, "lblKKLabelSaepuruValjatulek"};
    Label lblvaljatulekpuru{*this, "lblvaljatulekpuru"};
    Label lblvaljatulekpuruprotsent{*this, "lblvaljatulekpuruprotsent"};
    Label lblvaljatulekpuru2{*this, "lblvaljatulekpuru2"};
    Label lblKKLabelHakkeValjatulek{*this, "lblKKLabelHakkeValjatulek"};
    Label lblvaljatulekhake{*this, "lblvaljatulekhake"};
    Label lblvaljatulekhakeprotsent{*this, "lblvaljatulekhakeprotsent"};
    Label lblvaljatulekhake2{*this, "lblvaljatulekhake2"};
    Label lblKKLabelKoorValjatulek{*this, "lblKKLabelKoorValjatulek"};
    Label lblvaljatulekkoorprotsent{*this, "lblvaljatulekkoorprotsent"};
    Label lblKKLabelPalgikuluTM{*this, "lblKKLabelPalgikuluTM"};
    Label lblpalgikulutm{*this, "lblpalgikulutm"};
    Label lblKKLabelPalgikuluHind{*this, "lblKKLabelPalgikuluHind"};
    Label lblPalgikuluHind{*this, "lblPalgikuluHind"};
    Label lblKKLabelMuudkuludHind{*this, "lblKKLabelMuudkuludHind"};
    Label lblMuudkuludHind{*this, "lblMuudkuludHind"};
    Label lblKKLabelPuruTulu{*this, "lblKKLabelPuruTulu"};
    Label lblMarginPuru{*this, "lblMarginPuru"};
    Label lblKKLabelHakkeTulu{*this, "lblKKLabelHakkeTulu"};
    Label lblMarginHake{*this, "lblMarginHake"};
    Label lblKKLabelKoorTulu{*this, "lblKKLabelKoorTulu"};
    Label lblMarginKoor{*this, "lblMarginKoor"};
    Label lblKKLabelSaekavaHind{*this, "lblKKLabelSaekavaHind"};
    Label lblsaekavahind{*this, "lblsaekavahind"};
    Label lblKKLabelMarginKokku{*this, "lblKKLabelMarginKokku"};
    Label lblmargintotal{*this, "lblmargintotal"};
    Label lblKKLabelMarginEBITDA{*this, "lblKKLabelMarginEBITDA"};
    Label lblmargintotalEBITDA{*this, "lblmargintotalEBITDA"};
    Label lblROCE{*this, "lblROCE"};
    Label lblTulud{*this, "lblTulud"};
    Label lblKulud{*this, "lblKulud"};
    Label lblKKLabelCBBreakEven{*this, "lblKKLabelCBBreakEven"};
    Label lblCBBreakEven{*this, "lblCBBreakEven"};
    Label lblSydaHind{*this, "lblSydaHind"};
    Label lblKyljelauahind{*this, "lblKyljelauahind"};
    Label lblKKLabelRawATPEBIT{*this, "lblKKLabelRawATPEBIT"};
    Label lblRawATPEBIT{*this, "lblRawATPEBIT"};
    Label lblRawATPEBITDA{*this, "lblRawATPEBITDA"};
    Label lblKKLabelNetRawmaterial{*this, "lblKKLabelNetRawmaterial"};
    Label lblNETrawmaterial{*this, "lblNETrawmaterial"};
    // Captions of the figures that share no caption with another one.
    Label lblKKLabelPuruOsakaal{*this, "lblKKLabelPuruOsakaal"};
    Label lblKKLabelHakeOsakaal{*this, "lblKKLabelHakeOsakaal"};
    Label lblKKLabelKyljelauaOsakaal{*this, "lblKKLabelKyljelauaOsakaal"};
    Label lblKKLabelSeimrilauaOsakaal{*this, "lblKKLabelSeimrilauaOsakaal"};
    Label lblKKLabelTulud{*this, "lblKKLabelTulud"};
    Label lblKKLabelKulud{*this, "lblKKLabelKulud"};
    Label lblKKLabelROCE{*this, "lblKKLabelROCE"};
    Label lblKKLabelSydaHind{*this, "lblKKLabelSydaHind"};
    Label lblKKLabelKyljelauaHind{*this, "lblKKLabelKyljelauaHind"};
    Label lblKKLabelRawATPEBITDA{*this, "lblKKLabelRawATPEBITDA"};

    // ---- pattern commands, name, profile and log prices
    CommandButton cmdUusKava{*this, "cmdUusKava"};
    CommandButton cmdAvaKava{*this, "cmdAvaKava"};
    CommandButton cmdSalvestaUusKava{*this, "cmdSalvestaUusKava"};
    CommandButton cmdSoovita{*this, "cmdSoovita"};
    CommandButton cmdShowCalculations{*this, "cmdShowCalculations"};
    CommandButton cmdPalgiHinnad{*this, "cmdPalgiHinnad"};
    CommandButton cmdPrindi{*this, "cmdPrindi"};
    CommandButton cmdLaeprofiil{*this, "cmdLaeprofiil"};  // hidden: reloads the profile
    Label lblKKLabelProfiil{*this, "lblProfiil"};
    Label lblValitudProfiil{*this, "lblValitudProfiil"};
    Label lblSaekavanimi{*this, "lblSaekavanimi"};
    ListBox lstPalgiHinnad{*this, "lstPalgiHinnad"};

    // ---- pattern header: date, author and notes
    Frame frmLisaInfo{*this, "frmLisaInfo"};
    Label lblKKLabelKavaKuupaev{*this, "lblKKLabelKavaKuupaev"};
    TextBox txtKavaKuupaev{*this, "txtKavaKuupaev"};
    Label lblKKLabelKavaKoostaja{*this, "lblKKLabelKavaKoostaja"};
    TextBox txtKavaKoostaja{*this, "txtKavaKoostaja"};
    Label lblKKLabelKavaNotes{*this, "lblKKLabelKavaNotes"};
    RichTextBox txtKavaNotes{*this, "txtKavaNotes"};

    // ---- hidden flags and helpers
    Label lblUpdated{*this, "lblUpdated"};
    Label lblValitudKeel{*this, "lblValitudKeel"};
    Timer tmr_Startup{*this, "tmr_Startup"};
    Timer tmr_update{*this, "tmr_update"};
    Timer tmr_reload{*this, "tmr_reload"};
    CommonDialog comDial{*this, "comDial"};

    // ---- menus: two on the menu bar, the others pop-ups
    Menu mnuprogramm{*this, "mnuprogramm"};
    Menu mnuProgramSeaded{*this, "mnuProgramSeaded", &mnuprogramm};
    Menu mnuHelp{*this, "mnuHelp", &mnuprogramm};
    Menu mnuProgramSep1{*this, "mnuProgramSep1", &mnuprogramm};
    Menu mnuProgramInfo{*this, "mnuProgramInfo", &mnuprogramm};
    Menu mnuProgramSep2{*this, "mnuProgramSep2", &mnuprogramm};
    Menu mnuProgramExit{*this, "mnuProgramExit", &mnuprogramm};
    Menu mnuSaekava{*this, "mnuSaekava"};
    Menu mnuSaekavaUus{*this, "mnuSaekavaUus", &mnuSaekava};
    Menu mnuSaekavaAva{*this, "mnuSaekavaAva", &mnuSaekava};
    Menu mnuSaekavaSalvesta{*this, "mnuSaekavaSalvesta", &mnuSaekava};
    Menu mnuSaekavaSep1{*this, "mnuSaekavaSep1", &mnuSaekava};
    Menu mnuSaekavaEelvaade{*this, "mnuSaekavaEelvaade", &mnuSaekava};
    Menu mnuSaekavaPrindi{*this, "mnuSaekavaPrindi", &mnuSaekava};
    Menu mnupalk{*this, "mnupalk"};
    Menu mnufit{*this, "mnufit", &mnupalk};
    Menu mnupalkaddtocompare{*this, "mnupalkaddtocompare", &mnupalk};
    Menu mnupalk3Denable{*this, "mnupalk3Denable", &mnupalk};
    Menu mnuPalkUuenda{*this, "mnuPalkUuenda", &mnupalk};
    Menu mnuPalkSep1{*this, "mnuPalkSep1", &mnupalk};
    Menu mnuUus{*this, "mnuUus", &mnupalk};
    Menu mnutootedkustuta{*this, "mnutootedkustuta"};
    Menu mnuKustutaValitud{*this, "mnuKustutaValitud", &mnutootedkustuta};
    Menu mnuKustutaKoik{*this, "mnuKustutaKoik", &mnutootedkustuta};
    Menu mnuscroll{*this, "mnuscroll"};
    Menu mnuautoscroll{*this, "mnuautoscroll", &mnuscroll};
    Menu mnuArvutused{*this, "mnuArvutused"};
    Menu mnuArvutusedSydamematerjal{*this, "mnuArvutusedSydamematerjal", &mnuArvutused};
    Menu mnuArvutusedKyljelauad{*this, "mnuArvutusedKyljelauad", &mnuArvutused};
    Menu mnuArvutusedSep1{*this, "mnuArvutusedSep1", &mnuArvutused};
    Menu mnuAutoFit{*this, "mnuAutoFit", &mnuArvutused};
    Menu mnuprofiil{*this, "mnuprofiil"};
    Menu mnusalvestaprofiil{*this, "mnusalvestaprofiil", &mnuprofiil};
    Menu mnusalvestaprofiilkui{*this, "mnusalvestaprofiilkui", &mnuprofiil};
    Menu mnuCompare{*this, "mnuCompare"};
    Menu mnuCompareKustutaValitud{*this, "mnuCompareKustutaValitud", &mnuCompare};
    Menu mnuCompareKustutaKoik{*this, "mnuCompareKustutaKoik", &mnuCompare};
    // Hidden menus that only take captions from the language file; nothing opens them.
    Menu mnuKustuta{*this, "mnuKustuta"};
    Menu mnuKustutaKustuta{*this, "mnuKustutaKustuta", &mnuKustuta};
    Menu Mnusoovita{*this, "Mnusoovita"};
    Menu mnuAddNewDimension{*this, "mnuAddNewDimension", &Mnusoovita};

    // ---- the current pattern's numbers
    PatternValues pattern;
    double dblPalk = 0;    // top diameter, mm (working value of the log drawing)
    double dblTyygas = 0;  // butt diameter, mm (working value of the log drawing)

    // ---- start-up
    void Form_Load();

    // ---- the central update and its timers
    void uuenda_materjalid();
    void tmr_update_Timer();
    void tmr_reload_Timer();
    // Lays out the board boxes of the current rows in the drawing area.
    void layOutBoardBoxes();
    // Hides every box and lays them out again when the rows (or kerfs, or zoom) changed
    // since the last layout, so that whoever reads box sizes reads those of the rows shown.
    void refreshBoardBoxes();
    // Hides every board box (and gives it size 0: a hidden box holds no board).
    void hideBoardBoxes();
    // The volume of the log as its text boxes stand, with the volume coefficient `k`; none
    // when the drawing would refuse the log (a text that is no number or lies beyond its
    // scroll bar).
    std::optional<double> currentLogVolume(double k) const;

    // ---- new pattern
    void Uus_kava();
    // Blanks every result of the pattern as New does: board boxes hidden, each position's
    // shares and contributions, and the result labels. Opening a pattern starts from here, so
    // nothing of the pattern it replaces counts in its figures.
    void blankResults();

    // ---- log geometry and volume
    void Joonista_palk();
    void scrDiameeter_Change();
    void scrKoone_Change();
    void scrKoverus_Change();
    void scrPikkus_Change();
    // Rewrites every board row's length and volume for the log length and the trims in use,
    // as a change of the log length does (the rows keep their order).
    void rebuildBoardRows();

    // ---- selection handlers of the board lists: paint the family's boxes orange
    void lstSyda_Click();
    void lstSeimerAll_Click();
    void lstSeimerYleval_Click();
    void lstKylgVasak_Click();
    void lstKylgParem_Click();

    // ---- steps of the calculation chain. The central update runs the full-edge lengths
    // before it sums the volumes; then the log cost, the by-products, the other costs, the
    // margins and shares and the break-even; last the raw-material price and the 3D corners.
    void Arvuta_palgihind();
    void Arvuta_puru();
    void Arvuta_margin();
    void Arvuta_muudkulud();
    void Arvuta_breakeven();
    void arvuta_taiskant();
    void Arvuta_rawmaterialATP();
    void Arvuta_3d();

    // ---- diameter fit and calculation mode
    void cmdSobita_Click();
    void mnuArvutusedSydamematerjal_Click();
    void mnuArvutusedKyljelauad_Click();
    bool sideBoardMode() const { return mnuArvutusedKyljelauad.checked(); }

    // ---- profiles on disk: settings, log prices, products, preferences
    // Reads the planner's preferences (automatic fit, default profile, language) into the
    // store and this window; run once while the window loads.
    void Lae_registriseaded();
    // Loads the current profile: makes sure its folder exists, reads its settings into the
    // store with the derived costs, and refills lstPalgiHinnad and lstDim from its files.
    // Others run it by pressing cmdLaeprofiil.
    void cmdLaeprofiil_Click();
    // Clears `list` and fills it with the current profile's log price rows, in file order.
    void Lae_palgihinnad(ListBox& list);
    // Appends the product rows of the picker's type `Lauatyyp` to `list`.
    void Lae_dim(ListBox& list);
    // Appends the product rows of the catalogue editor's type `Tootetyyp` to `list`.
    void Lae_tooted(ListBox& list);
    // Writes the rows of `list` to the list file of `Tootetyyp`; false (after a message) when
    // the file was not written.
    bool Salvesta_tooted(const ListBox& list);
    std::string Lauatyyp;    // the picker's product type: "Syda", "Seimrilaud" or "Kyljelaud"
    std::string Tootetyyp;   // the catalogue editor's product type, the same texts
    std::string Loendifail;  // the product list file chosen last (a full path)

    // True when the current pattern has no name (never saved or opened under one).
    bool patternIsUnnamed() const;

    // ==== product catalogue (tab 1) and dimension picker: controls and procedures
    // ---- dimension picker: the picture of its product type, copied from three hidden sources
    Image imgMaterjal{*this, "imgMaterjal"};
    Image imgCenter{*this, "imgCenter"};
    Image imgSeimer{*this, "imgSeimer"};
    Image imgSideboard{*this, "imgSideboard"};

    // ---- catalogue tab: the product type, each option with its picture
    Frame frmTooteliigid{*this, "frmTooteliigid"};
    OptionButton optTootedSydmat{*this, "optTootedSydmat"};
    OptionButton optTootedSeimrilaud{*this, "optTootedSeimrilaud"};
    OptionButton optTootedKyljelaud{*this, "optTootedKyljelaud"};
    Image imgToodeSyda{*this, "imgToodeSyda"};
    Image imgToodeSeimrilauad{*this, "imgToodeSeimrilauad"};
    Image imgToodeKyljelauad{*this, "imgToodeKyljelauad"};
    Image imgToodeMaterjal{*this, "imgToodeMaterjal"};  // the picture of the current type

    // ---- catalogue tab: the products of the type, with headings over their columns
    Label lblListNominal{*this, "lblListNominal"};
    Label lblListSawing{*this, "lblListSawing"};
    Label lblListPrice{*this, "lblListPrice"};
    Label lblListShares{*this, "lblListShares"};
    Label lblListQualityPrices{*this, "lblListQualityPrices"};
    Label lblListMoisture{*this, "lblListMoisture"};
    Label lblListComment{*this, "lblListComment"};
    ListBox lstTootedDim{*this, "lstTootedDim"};
    // The product picked into the fields (hidden): its row, and its index in lstTootedDim.
    TextBox txtvalitudristloige{*this, "txtvalitudristloige"};
    Label lblvalitudindex{*this, "lblvalitudindex"};

    // ---- catalogue tab: the product's sizes, moisture and comment
    Frame frmTooteinfo{*this, "frmTooteinfo"};
    Label lblTHLabelPaksus{*this, "lblTHLabelPaksus"};
    TextBox txtDimPaksus{*this, "txtDimPaksus"};
    Label lblTHLabelLaius{*this, "lblTHLabelLaius"};
    TextBox txtDimLaius{*this, "txtDimLaius"};
    Label lblTHLabelylemoot{*this, "lblTHLabelylemoot"};
    TextBox txtYlemoot{*this, "txtYlemoot"};
    VScrollBar VScroll1{*this, "VScroll1"};  // the oversize, 0 to 7 %
    CommandButton cmdArvuta{*this, "cmdArvuta"};
    Label lblTHLabelMargPak{*this, "lblTHLabelMargPak"};
    TextBox txtSaagPaksus{*this, "txtSaagPaksus"};
    Label lblTHLabelMargLai{*this, "lblTHLabelMargLai"};
    TextBox txtSaagLaius{*this, "txtSaagLaius"};
    Label lblTHLabelniiskus{*this, "lblTHLabelniiskus"};
    TextBox txtDimNiiskus{*this, "txtDimNiiskus"};
    Label lblTHLabelComment{*this, "lblTHLabelComment"};
    TextBox txtComment{*this, "txtComment"};

    // ---- catalogue tab: the quality table and the product price
    Label lblQualityHeading{*this, "lblQualityHeading"};
    Label lblShareHeading{*this, "lblShareHeading"};
    Label lblQualityPriceHeading{*this, "lblQualityPriceHeading"};
    ControlArray<Label> lblQualityNumber{*this, "lblQualityNumber", 6};
    TextBox txtQual1Share{*this, "txtQual1Share"};
    TextBox txtQual2Share{*this, "txtQual2Share"};
    TextBox txtQual3Share{*this, "txtQual3Share"};
    TextBox txtQual4Share{*this, "txtQual4Share"};
    TextBox txtQual5Share{*this, "txtQual5Share"};
    TextBox txtQual6Share{*this, "txtQual6Share"};
    TextBox txtQual1Price{*this, "txtQual1Price"};
    TextBox txtQual2Price{*this, "txtQual2Price"};
    TextBox txtQual3Price{*this, "txtQual3Price"};
    TextBox txtQual4Price{*this, "txtQual4Price"};
    TextBox txtQual5Price{*this, "txtQual5Price"};
    TextBox txtQual6Price{*this, "txtQual6Price"};
    Label lblShareTotalCaption{*this, "lblShareTotalCaption"};
    Label lblQualShareTotal{*this, "lblQualShareTotal"};
    Label lblProductPriceCaption{*this, "lblProductPriceCaption"};
    Label lblproductPrice{*this, "lblproductPrice"};

    // ---- catalogue tab: commands
    CommandButton cmdNew{*this, "cmdNew"};
    CommandButton cmdLisaDim{*this, "cmdLisaDim"};
    CommandButton cmdMuudaDim{*this, "cmdMuudaDim"};
    CommandButton cmdKustutaDim{*this, "cmdKustutaDim"};

    // The share and price fields of quality 1 to 6.
    TextBox& txtQualShare(int quality);
    TextBox& txtQualPrice(int quality);

    // ---- dimension picker: the product type, the picked product and the placement buttons
    void optSydmat_Click();
    void optSeimrilaud_Click();
    void optKyljelaud_Click();
    // Disables the five placement buttons and reloads the profile (which refills lstDim).
    void Uuenda_lauanupud();
    void lstDim_Click();
    void lstDim_MouseDown(int button, int shift, double x, double y);
    void lstDim_MouseMove(int button, int shift, double x, double y);
    void mnuautoscroll_Click();
    // The row of `list` under the pointer at (x, y), twips from the list's corner: -1 for an
    // empty list, the selected row when the pointer is over the scroll bar, the last row when
    // it is below the rows.
    int GetListItemFromPt(const ListBox& list, double x, double y) const;

    // ---- catalogue editor: product type, picking, deleting
    void optTootedSydmat_Click();
    void optTootedSeimrilaud_Click();
    void optTootedKyljelaud_Click();
    void lstTootedDim_Click();
    void lstTootedDim_KeyPress(int& keyAscii);
    void lstTootedDim_KeyDown(int& keyCode, int shift);
    void cmdKustutaDim_Click();
    void mnuKustutaValitud_Click();
    void mnuKustutaKoik_Click();

    // ---- catalogue editor: the fields' key filters and rules
    void txtDimPaksus_KeyPress(int& keyAscii);
    void txtDimLaius_KeyPress(int& keyAscii);
    void txtDimLaius_Change();
    void txtDimNiiskus_KeyPress(int& keyAscii);
    void txtYlemoot_Change();
    void VScroll1_Change();
    // The sawing sizes, shares and prices: digits, Backspace, point and comma.
    void decimalField_KeyPress(int& keyAscii);
    void txtQualPrice_GotFocus(TextBox& field);

    // ---- quality distribution, product price and the product commands
    void Arvuta_kvaliteedijagunemine();
    void cmdArvuta_Click();
    void cmdNew_Click();
    void Kustuta_tooteandmed();
    void cmdLisaDim_Click();
    void cmdMuudaDim_Click();

  private:
    void switchPickerType(const char* type, const Image& picture);
    void switchEditorType(const char* type, const Image& picture, int oversize);
    // Passes digits, Backspace and the characters of `extra`; beeps and drops anything else.
    void filterKey(int& keyAscii, const std::string& extra);
    // Runs the quality distribution; false when it refused the shares (or failed).
    bool checkQualityDistribution(bool reportOverHundred);
    // Add and Change store no product whose quality table is refused: true (after telling
    // the planner) when the distribution refuses it.
    bool refuseInvalidQualities();
    // The product row of the fields (moisture padded in its field first); none, after a
    // message, when a value cannot be stored.
    std::optional<std::string> editedProductRow();
    // Saves lstTootedDim; when the file was not written, reloads the list from it.
    bool saveEditorList();
    // The fields emptied after a delete; the quality table keeps its colours and labels.
    void clearFieldsAfterDelete();
    // Ends on `option` in the picker with its list read afresh, selected before or not.
    void showPickerType(OptionButton& option);
    // The row of lstTootedDim that holds the picked product; -1 when it holds it no more.
    int pickedEditorRow() const;
    // Selects row `row` of lstTootedDim without filling the fields from it.
    void markEditorRow(int row);
    bool markingEditorRow_ = false;

  public:
    // ==== end of product catalogue and dimension picker

    // ==== main window shell, board placement, drawn pattern and results panel
    Label lblinfo{*this, "lblinfo"};                // sizes of the board under the pointer
    Label lblActiveBoard{*this, "lblActiveBoard"};  // name of the centre board under the pointer
    CommandButton cmdKavaLisainfoShow{*this, "cmdKavaLisainfoShow"};  // shows the header
    ControlArray<Label> lblCompare{*this, "lblCompare", 5};           // comparison slot bars
    CommandButton cmdClearCompare{*this, "cmdClearCompare"};
    PictureBox Picture1{*this, "Picture1"};         // the strip that holds and clips the bars
    ListBox lstCompare{*this, "lstCompare"};        // the occupied slots' digits, hidden
    Label lblLastCompare{*this, "lblLastCompare"};  // the slot filled last, hidden

    // One board position: its list, its boxes, its placement button and its store results.
    struct BoardPosition {
        BoardList which;
        ListBox& list;
        const ControlArray<PictureBox>& boxes;
        bool centre;
    };
    BoardPosition boardPosition(BoardList which);

    // start-up, shutdown and commands
    void tmr_Startup_Timer();
    void Form_Unload(int& cancel);
    void cmdUusKava_Click();
    // The new-pattern command; false when the planner kept the pattern (Cancel, or a save
    // that did not happen).
    bool startNewPattern();
    void cmdSoovita_Click();
    void cmdPalgiHinnad_Click();
    void cmdKavaLisainfoShow_Click();
    void cmdSobita_MouseDown(int button, int shift, double x, double y);
    void cmdSobita_MouseMove(int button, int shift, double x, double y);
    void txtKavaKuupaev_KeyPress(int& keyAscii);
    void mnuProgramSeaded_Click();
    void mnuHelp_Click();
    void mnuProgramExit_Click();
    void mnuAutoFit_Click();
    void mnusalvestaprofiil_Click();
    void mnusalvestaprofiilkui_Click();
    // The calculations report; the pattern sheet's preview and its direct print.
    void cmdShowCalculations_Click();
    void mnuSaekavaEelvaade_Click();
    void mnuSaekavaPrindi_Click();
    void cmdPrindi_Click();
    // Save and open: the save dialog; the open dialog, then the log drawing and the update.
    void cmdSalvestaUusKava_Click();
    void cmdAvaKava_Click();
    void mnuSaekavaAva_Click();
    // The 3D view of the sawn log (its corners computed first) and the information box.
    void mnupalk3Denable_Click();
    void mnuProgramInfo_Click();

    // comparison slots: park, lay out, recall and remove
    void mnupalkaddtocompare_Click();
    void Salvesta_compare();
    void Uuenda_compare();
    void Ava_comparekava();
    void lblCompare_Click(int index);
    void lblCompare_MouseDown(int index, int button, int shift, double x, double y);
    void lblCompare_MouseMove(int index, int button, int shift, double x, double y);
    void mnuCompareKustutaValitud_Click();
    void mnuCompareKustutaKoik_Click();
    void cmdClearCompare_Click();
    void cmdClearCompare_MouseMove(int button, int shift, double x, double y);

    // placing and removing boards
    void cmdCenter_Click();
    void Lisa_sydamematerjal();
    // Tells the planner that the centre list holds its eight boards already.
    void refuseNinthCentreBoard();
    void cmdSeimerAll_Click();
    void cmdSeimerYleval_Click();
    void cmdSideLeft_Click();
    void cmdSideRight_Click();
    void placeOuterBoard(BoardList which);
    // Removes row `row` of a position; `fromDrawing` when a board box was double-clicked.
    void removeBoard(BoardList which, int row, bool fromDrawing);

    // the drawn pattern: hover, clicks, pop-up menu and zoom
    void hoverOuterBoard(BoardList which, int index);
    void picsyda_MouseMove(int index);
    void Form_MouseMove();
    void picBack_MouseMove();
    void boardMouseDown(int button);
    void Command2_Click();
    void Command3_Click();
    void Uuenda_taustavarv();
    // "Zoom: " and the zoom percentage of the drawing area.
    std::string zoomCaption() const;

    // the results panel
    void lblPalgimaht_MouseMove();
    void lblPalgimaht_Click();
    void lblPalgiHinnaInfo_DblClick();
    void lblMuudkuludHind_Click();
    void lblValitudProfiil_MouseDown(int button);
    // ==== end of main window shell

  private:
    // Layout and handlers of the catalogue tab and the picker.
    void layOutCatalogueTab();
    void connectCatalogueHandlers();
    // Handlers of the window's commands, menus, placement, drawing and results panel.
    void connectShellHandlers();
    // Handlers of the comparison bars, their menu and the clear button.
    void connectComparisonHandlers();

    // What the board boxes were last laid out from.
    std::string boardLayoutSource() const;

    void setDesignValues();
    void layOutControls();  // positions, sizes and built-in captions
    void layOutComparisonStrip(double left, double top);
    void connectHandlers();

    Application& app_;
    std::string laidOutFrom_;
};

}  // namespace lumbrix
