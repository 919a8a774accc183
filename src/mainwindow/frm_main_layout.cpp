// The main window's layout: positions and sizes (twips), containers, tab pages, built-in
// captions, fonts and colours, and the controls that start hidden. The language file replaces
// most captions at start-up; the English ones here serve until then.
//
// Pattern tab, left to right: the results frame (with the pattern header frame under it when
// shown), the drawing with its zoom buttons and the log frame below it, and the board lists
// with the dimension picker and the placement buttons below them. The pattern commands, the
// profile and the pattern name run along the bottom.
#include <algorithm>
#include <initializer_list>
#include <vector>

#include "mainwindow/frm_main.h"
#include "mainwindow/main_window_geometry.h"
#include "mainwindow/pattern_drawing.h"

namespace lumbrix {

namespace {

// ---- window, tab strip and the tab page's usable area
constexpr double kWindowWidth = 17700;
constexpr double kWindowHeight = 11400;
constexpr double kTabLeft = 60;
constexpr double kTabTop = 60;
constexpr double kTabWidth = 17460;
constexpr double kTabHeight = 10485;
using namespace mainlayout;

constexpr double kMainBottom = 9990;  // bottom of the three columns
constexpr double kBottomRowTop = 10050;

// ---- the three columns
constexpr double kLeftWidth = 4650;
constexpr double kDrawingLeft = kPageLeft + kLeftWidth + kGap;
constexpr double kDrawingSize = 6700;
constexpr double kRightLeft = kDrawingLeft + kDrawingSize + kGap;
constexpr double kRightWidth = kPageRight - kRightLeft;  // 55 board-row characters

// ---- common heights
constexpr double kButtonHeight = 330;
constexpr double kRowPitch = 285;

// ---- the comparison strip: five bars of 855 x 615 with gaps of 120, and its clear button
constexpr double kCompareStripWidth = 4995;
constexpr double kCompareStripHeight = 615;
constexpr double kCompareBarWidth = 855;
constexpr double kCompareBarPitch = 960;
constexpr double kClearCompareSize = 255;

// ---- board lists: fixed-pitch rows of 16 pixels, a 2-pixel border on each side
constexpr double kListBorder = 2 * 2 * kTwipsPerPixel;
constexpr double kBoardRowHeight = ListBox::kRowHeightPixels * kTwipsPerPixel;

// ---- results frame: one grid of a caption column and a value column, one figure a row. A
// value holds a plain number of 15 significant digits with its sign and point.
constexpr double kFrameInset = 90;
constexpr double kResultValueWidth = 1950;
constexpr double kResultValueLeft = kLeftWidth - kFrameInset - kResultValueWidth;
constexpr double kResultCaptionWidth = kResultValueLeft - kFrameInset - 30;
constexpr double kResultPitch = 270;

// ---- colours
constexpr Color kButtCircle = patterndrawing::kButtEnd;
constexpr Color kMiddleCircle = patterndrawing::kMiddle;
constexpr Color kTopCircle = patterndrawing::kTopEnd;

// Places a control on the pattern tab, on the window or inside `container`.
void place(Control& c, double left, double top, double width, double height,
           Control* container = nullptr) {
    placeOnPage(c, 0, left, top, width, height, container);
}

void placeCaption(Label& label, const char* text, double left, double top, double width,
                  Control* container = nullptr) {
    placeCaptionOnPage(label, 0, text, left, top, width, container);
}

// A label that the calculation fills with a figure: empty, right-aligned, bordered, on the
// white of every figure.
void placeValue(Label& label, double left, double top, double width, Control* container = nullptr) {
    place(label, left, top, width, kLabelHeight, container);
    label.setCaption("");
    label.setAlignment(Alignment::Right);
    label.setBordered(true);
    label.setBackColor(colors::kWhite);
}

// A control the planner never sees; it still belongs to the pattern tab.
void park(Control& c, double height = kLabelHeight) {
    place(c, kPageLeft, kPageTop, 1200, height);
    c.setVisible(false);
}

// Places the rows of the results frame one under another: a caption and its figure.
class ResultRows {
  public:
    explicit ResultRows(Frame& frame) : frame_(frame) {}

    void row(Label& caption, const char* text, Label& figure) {
        placeCaption(caption, text, kFrameInset, y_, kResultCaptionWidth, &frame_);
        placeValue(figure, kResultValueLeft, y_, kResultValueWidth, &frame_);
        y_ += kResultPitch;
    }
    double bottom() const { return y_ + kFrameInset; }

  private:
    Frame& frame_;
    double y_ = kFrameFirstRow;
};

// One board list under the previous one; returns the top of the next.
double placeBoardList(ListBox& list, double top, int rows) {
    const double height = rows * kBoardRowHeight + kListBorder;
    place(list, kRightLeft, top, kRightWidth, height);
    list.setFont(kRecordFont);
    return top + height + 45;
}

// A column heading over the board lists, at a character column of the board rows.
void placeColumnHeading(Label& label, const char* text, int column, int widthChars, double top) {
    const double left = kRightLeft + kListTextInset + column * kCharWidth;
    const double width = std::min(widthChars * kCharWidth, kPageRight - left);
    placeCaption(label, text, left, top, width);
}

void placeBoardBox(PictureBox& box, PictureBox& drawing) {
    patterndrawing::setUpBoardBox(box, drawing, colors::kOrange);
    box.setTabPage(0);
}

void placeCircle(Shape& circle, PictureBox& drawing, Color border) {
    patterndrawing::setUpLogOutline(circle, drawing, border);
    circle.setTabPage(0);
}

// The keyboard order of the window: `first` in the order given, then every other control in
// its order so far.
void orderTabStops(Form& form, std::initializer_list<Control*> first) {
    std::vector<Control*> rest;
    for (Control* c : form.controls()) {
        if (std::find(first.begin(), first.end(), c) == first.end()) rest.push_back(c);
    }
    std::stable_sort(rest.begin(), rest.end(), [](const Control* a, const Control* b) {
        return a->tabIndex() < b->tabIndex();
    });
    int next = 0;
    for (Control* c : first)
        c->setTabIndex(next++);
    for (Control* c : rest)
        c->setTabIndex(next++);
}

}  // namespace

// The strip of comparison bars and its clear button; the bars start hidden, with their slot
// digits as captions and the window's colours.
void frmMain::layOutComparisonStrip(double left, double top) {
    place(Picture1, left, top, kCompareStripWidth, kCompareStripHeight);
    for (Label& bar : lblCompare) {
        place(bar, 120 + kCompareBarPitch * bar.index(), 0, kCompareBarWidth, kCompareStripHeight,
              &Picture1);
        bar.setCaption(std::to_string(bar.index()));
        bar.setBackColor(colors::kWindowBackground);
        bar.setForeColor(colors::kWindowText);
        bar.setVisible(false);
    }
    place(cmdClearCompare, left + kCompareStripWidth + kGap,
          top + (kCompareStripHeight - kClearCompareSize) / 2, kClearCompareSize,
          kClearCompareSize);
    cmdClearCompare.setCaption("X");
}

void frmMain::layOutControls() {
    setCaption("LUMBRIX");
    move(left(), top(), kWindowWidth, kWindowHeight);
    // The controls stand where this layout puts them: the window neither grows nor shrinks.
    setFixedSize(true);

    SSTab1.move(kTabLeft, kTabTop, kTabWidth, kTabHeight);
    SSTab1.setTabCaption(0, "Kava koostamine");
    SSTab1.setTabCaption(1, "Tooted ja hinnad");

    // ---- left column: results, each figure on its own row under its caption's name
    frmSaekavaMarginalCaption.setCaption("Results");
    ResultRows results(frmSaekavaMarginalCaption);
    // The language file's sawdust and chips captions head the shares, which the pattern sheet
    // shows under the same captions; the volumes have captions of the window's own.
    results.row(lblKKLabelPuruOsakaal, "Sawdust, m3", lblvaljatulekpuru);
    results.row(lblKKLabelSaepuruValjatulek, "Sawdust, % of log", lblvaljatulekpuruprotsent);
    results.row(lblKKLabelHakeOsakaal, "Chips, m3", lblvaljatulekhake);
    results.row(lblKKLabelHakkeValjatulek, "Chips, % of log", lblvaljatulekhakeprotsent);
    results.row(lblKKLabelKoorValjatulek, "Bark, % of log", lblvaljatulekkoorprotsent);
    results.row(lblKKLabelMAt, "Centre boards", lblsydmatosakaal);
    results.row(lblKKLabelKyljelauaOsakaal, "Side boards", lblkyljelauaosakaal);
    results.row(lblKKLabelSeimrilauaOsakaal, "Edger boards", lblseimrilauaosakaal);
    results.row(lblKKLabelPalgikuluTM, "Log use per m3", lblpalgikulutm);
    results.row(lblKKLabelPalgikuluHind, "Log cost per m3", lblPalgikuluHind);
    results.row(lblKKLabelMuudkuludHind, "Other costs", lblMuudkuludHind);
    results.row(lblKKLabelPuruTulu, "Sawdust revenue", lblMarginPuru);
    results.row(lblKKLabelHakkeTulu, "Chips revenue", lblMarginHake);
    results.row(lblKKLabelKoorTulu, "Bark revenue", lblMarginKoor);
    results.row(lblKKLabelSaekavaHind, "Pattern price", lblsaekavahind);
    results.row(lblKKLabelTulud, "Revenue", lblTulud);
    results.row(lblKKLabelKulud, "Costs", lblKulud);
    results.row(lblKKLabelMarginKokku, "Margin (EBIT)", lblmargintotal);
    results.row(lblKKLabelMarginEBITDA, "EBITDA", lblmargintotalEBITDA);
    results.row(lblKKLabelROCE, "ROCE", lblROCE);
    results.row(lblKKLabelCBBreakEven, "Break-even price", lblCBBreakEven);
    results.row(lblKKLabelSydaHind, "Centre board price", lblSydaHind);
    results.row(lblKKLabelKyljelauaHind, "Side board price", lblKyljelauahind);
    results.row(lblKKLabelRawATPEBIT, "Raw ATP (EBIT)", lblRawATPEBIT);
    results.row(lblKKLabelRawATPEBITDA, "Raw ATP (EBITDA)", lblRawATPEBITDA);
    results.row(lblKKLabelNetRawmaterial, "Net raw material", lblNETrawmaterial);
    place(frmSaekavaMarginalCaption, kPageLeft, kPageTop, kLeftWidth, results.bottom());

    // ---- left column, under the results: the pattern header, shown on demand
    const double headerTop =
        frmSaekavaMarginalCaption.top() + frmSaekavaMarginalCaption.height() + kGap;
    const double headerHeight = kMainBottom - headerTop;
    place(frmLisaInfo, kPageLeft, headerTop, kLeftWidth, headerHeight);
    frmLisaInfo.setCaption("Pattern header");
    frmLisaInfo.setVisible(false);
    // The date and the author on one row, each caption as wide as its longest language needs.
    constexpr double kHeaderCaption = 780;
    constexpr double kDateField = 1140;
    constexpr double kAuthorX = 120 + kHeaderCaption + 30 + kDateField + 60;
    placeCaption(lblKKLabelKavaKuupaev, "Date", 120, 330, kHeaderCaption, &frmLisaInfo);
    place(txtKavaKuupaev, 120 + kHeaderCaption + 30, 300, kDateField, kTextHeight, &frmLisaInfo);
    placeCaption(lblKKLabelKavaKoostaja, "Author", kAuthorX, 330, kHeaderCaption, &frmLisaInfo);
    place(txtKavaKoostaja, kAuthorX + kHeaderCaption + 30, 300,
          kLeftWidth - 120 - (kAuthorX + kHeaderCaption + 30), kTextHeight, &frmLisaInfo);
    placeCaption(lblKKLabelKavaNotes, "Notes", 120, 660, kLeftWidth - 240, &frmLisaInfo);
    place(txtKavaNotes, 120, 930, kLeftWidth - 240, headerHeight - 930 - 120, &frmLisaInfo);

    // ---- centre: the drawing, its zoom buttons and the log
    place(picBack, kDrawingLeft, kPageTop, kDrawingSize, kDrawingSize);
    picBack.setBackColor(colors::kWhite);
    picBack.setBordered(true);
    placeCircle(picTyygas, picBack, kButtCircle);
    placeCircle(picMiddle, picBack, kMiddleCircle);
    placeCircle(picLatv, picBack, kTopCircle);
    for (PictureBox& box : picsyda)
        placeBoardBox(box, picBack);
    for (int i = 0; i < 2; ++i) {
        placeBoardBox(picseimerall[i], picBack);
        placeBoardBox(picseimeryleval[i], picBack);
        placeBoardBox(pickylgvasak[i], picBack);
        placeBoardBox(pickylgparem[i], picBack);
    }
    const double zoomTop = kPageTop + kDrawingSize + kGap;
    place(Command2, kDrawingLeft, zoomTop, 450, kButtonHeight);
    Command2.setCaption("+");
    place(Command3, kDrawingLeft + 510, zoomTop, 450, kButtonHeight);
    Command3.setCaption("-");
    place(lblZoom, kDrawingLeft + 1080, zoomTop + 45, 1500, kLabelHeight);
    // The board under the pointer: its name (centre boards) and its sizes.
    place(lblActiveBoard, kDrawingLeft + 2640, zoomTop + 45, 900, kLabelHeight);
    place(lblinfo, kDrawingLeft + 3600, zoomTop + 45, kDrawingSize - 3600, kLabelHeight);
    lblinfo.setFont(Font{"Courier New", 8});

    const double logTop = zoomTop + kButtonHeight + kGap;
    place(frmPalgiInfo, kDrawingLeft, logTop, kDrawingSize, kMainBottom - logTop);
    frmPalgiInfo.setCaption("Log");
    struct LogInput {
        Label& caption;
        const char* text;
        TextBox& value;
        HScrollBar& bar;
    };
    const LogInput inputs[] = {
        {lblKKPalgiDiameeter, "Top diameter, mm", txtPalk, scrDiameeter},
        {lblKKPalgiKoone, "Taper, mm/m", txtKoone, scrKoone},
        {lblKKPalgiKoverus, "Curvature, mm/m", txtKoverus, scrKoverus},
        {lblKKPalgiPikkus, "Length, mm", txtPikkus, scrPikkus},
    };
    double rowTop = kFrameFirstRow;
    for (const LogInput& in : inputs) {
        placeCaption(in.caption, in.text, 120, rowTop + 30, 1740, &frmPalgiInfo);
        place(in.value, 1920, rowTop, 660, kTextHeight, &frmPalgiInfo);
        in.value.setAlignment(Alignment::Right);
        place(in.bar, 2640, rowTop + 15, 1620, 270, &frmPalgiInfo);
        rowTop += 360;
    }
    constexpr double kLogRightX = 4320;
    constexpr double kLogRightWidth = 2260;
    placeCaption(lblKKPalgiMaht, "Log volume, m3", kLogRightX, kFrameFirstRow + 30, 1500,
                 &frmPalgiInfo);
    placeValue(lblPalgimaht, kLogRightX + 1560, kFrameFirstRow + 30, kLogRightWidth - 1560,
               &frmPalgiInfo);
    place(cmdSobita, kLogRightX, kFrameFirstRow + 360, kLogRightWidth, kButtonHeight,
          &frmPalgiInfo);
    cmdSobita.setCaption("Fit");
    place(lblPalgiHinnaInfo, kLogRightX, kFrameFirstRow + 750, kLogRightWidth, 630, &frmPalgiInfo);
    lblPalgiHinnaInfo.setWordWrap(true);
    lblPalgiHinnaInfo.setBackColor(colors::kButtonFace);

    // ---- right column: the board lists in their positions' order, top to bottom
    placeCaption(lblKKLabelSaekava, "Sawing pattern", kRightLeft, kPageTop, kRightWidth);
    lblKKLabelSaekava.setFontBold(true);
    const double headingTop = kPageTop + kRowPitch;
    placeColumnHeading(lblKKLabelRistloige, "Cross-section", 0, 14, headingTop);
    placeColumnHeading(lblKKLabelSaemoot, "Sawing size", 15, 14, headingTop);
    placeColumnHeading(lblKKLabelsaematPikkus, "Length", 31, 8, headingTop);
    placeColumnHeading(lblKKLabelSaematmaht, "Volume", 40, 10, headingTop);
    placeColumnHeading(lblKKLabelSaematHind, "Price", 50, 8, headingTop);
    double listTop = headingTop + kRowPitch;
    listTop = placeBoardList(lstSeimerYleval, listTop, 2);
    listTop = placeBoardList(lstKylgVasak, listTop, 2);
    listTop = placeBoardList(lstSyda, listTop, 8);
    listTop = placeBoardList(lstKylgParem, listTop, 2);
    listTop = placeBoardList(lstSeimerAll, listTop, 2);

    // Totals under the lists: the lumber yield, and the sawn volume under the volume column.
    placeCaption(lblKKLabelSaematValjatulek, "Lumber yield", kRightLeft, listTop, 1500);
    placeValue(lblvaljatulek, kRightLeft + 1560, listTop, 900);
    const double volumeColumnEnd = kRightLeft + kListTextInset + 45 * kCharWidth;
    placeValue(lblSaematerjalMaht, volumeColumnEnd - kResultValueWidth, listTop, kResultValueWidth);

    // The dimension picker and the placement buttons, laid out like the positions.
    const double pickerTop = listTop + kRowPitch + kGap;
    place(optSydmat, kRightLeft, pickerTop, 1300, kRowPitch);
    optSydmat.setCaption("Centre");
    place(optSeimrilaud, kRightLeft + 1380, pickerTop, 1300, kRowPitch);
    optSeimrilaud.setCaption("Edger");
    place(optKyljelaud, kRightLeft + 2760, pickerTop, 1300, kRowPitch);
    optKyljelaud.setCaption("Side");
    constexpr double kPlacementPitch = kButtonHeight + 30;
    const double buttonsTop = kMainBottom - 3 * kPlacementPitch + 30;
    const double dimTop = pickerTop + kRowPitch + 45;
    // The comparison strip stands between the picker and the placement buttons.
    const double stripTop = buttonsTop - kGap - kCompareStripHeight;
    place(lstDim, kRightLeft, dimTop, kRightWidth, stripTop - kGap - dimTop);
    layOutComparisonStrip(kRightLeft, stripTop);
    lstDim.setFont(kRecordFont);
    constexpr double kPlacementWidth = 1200;
    const double middleX = kRightLeft + (kRightWidth - kPlacementWidth) / 2;
    const double sideOffset = kPlacementWidth + kGap;
    struct Placement {
        CommandButton& button;
        const char* text;
        double left;
        int row;
    };
    const Placement placements[] = {
        {cmdSeimerYleval, "Up", middleX, 0}, {cmdSideLeft, "Left", middleX - sideOffset, 1},
        {cmdCenter, "Centre", middleX, 1},   {cmdSideRight, "Right", middleX + sideOffset, 1},
        {cmdSeimerAll, "Down", middleX, 2},
    };
    for (const Placement& p : placements) {
        place(p.button, p.left, buttonsTop + p.row * kPlacementPitch, kPlacementWidth,
              kButtonHeight);
        p.button.setCaption(p.text);
        // Nothing can be placed until a product is picked.
        p.button.setEnabled(false);
    }

    // ---- bottom row: pattern commands, profile and pattern name
    struct Command {
        CommandButton& button;
        const char* text;
    };
    const Command commands[] = {{cmdUusKava, "New"},
                                {cmdAvaKava, "Open"},
                                {cmdSalvestaUusKava, "Save"},
                                {cmdSoovita, "Suggest"},
                                {cmdShowCalculations, "Calculations"},
                                {cmdPalgiHinnad, "Log prices"},
                                {cmdPrindi, "Print"},
                                {cmdKavaLisainfoShow, "Header"}};
    constexpr double kCommandWidth = 1200;
    constexpr double kCommandHeight = 360;
    double x = kPageLeft;
    for (const Command& c : commands) {
        place(c.button, x, kBottomRowTop, kCommandWidth, kCommandHeight);
        c.button.setCaption(c.text);
        x += kCommandWidth + kGap;
    }
    const double labelTop = kBottomRowTop + 52;
    placeCaption(lblKKLabelProfiil, "Profile:", x + kGap, labelTop, 900);
    lblKKLabelProfiil.setAlignment(Alignment::Right);
    place(lblValitudProfiil, x + kGap + 960, labelTop, 2100, kLabelHeight);
    lblValitudProfiil.setBordered(true);
    const double nameLeft = lblValitudProfiil.left() + lblValitudProfiil.width() + 120;
    place(lblSaekavanimi, nameLeft, labelTop, kPageRight - nameLeft, kLabelHeight);
    lblSaekavanimi.setBordered(true);

    // ---- controls the planner never sees
    for (ListBox* list : {&lstCompare, &lstsydabackup, &lstseimerallbackup, &lstseimerylevalbackup,
                          &lstkylgvasakbackup, &lstkylgparembackup, &lstTemp, &lstPalgiHinnad}) {
        park(*list, 2 * kBoardRowHeight + kListBorder);
    }
    park(cmdLaeprofiil, kButtonHeight);
    cmdLaeprofiil.setCaption("Load profile");
    for (Label* l : {&lblLastCompare, &lblUpdated, &lblValitudKeel, &lblvaljatulek2,
                     &lblvaljatulekpuru2, &lblvaljatulekhake2}) {
        park(*l);
    }

    // ---- menus: the built-in captions; every top-level menu but two is a pop-up
    struct MenuCaption {
        Menu& menu;
        const char* text;
    };
    const MenuCaption menuCaptions[] = {{mnuprogramm, "Programm"},
                                        {mnuProgramSeaded, "Seaded"},
                                        {mnuHelp, "Abi"},
                                        {mnuProgramSep1, "-"},
                                        {mnuProgramInfo, "Info"},
                                        {mnuProgramSep2, "-"},
                                        {mnuProgramExit, "Välju"},
                                        {mnuSaekava, "Saekava"},
                                        {mnuSaekavaUus, "Uus"},
                                        {mnuSaekavaAva, "Ava"},
                                        {mnuSaekavaSalvesta, "Salvesta"},
                                        {mnuSaekavaSep1, "-"},
                                        {mnuSaekavaEelvaade, "Eelvaade"},
                                        {mnuSaekavaPrindi, "Prindi"},
                                        {mnupalk, "palk"},
                                        {mnufit, "Sobita ladvaga"},
                                        {mnupalkaddtocompare, "Lisa võrdlusesse"},
                                        {mnupalk3Denable, "Näita 3D"},
                                        {mnuPalkUuenda, "Uuenda"},
                                        {mnuPalkSep1, "-"},
                                        {mnuUus, "Uus kava"},
                                        {mnutootedkustuta, "tooted"},
                                        {mnuKustutaValitud, "Valitud"},
                                        {mnuKustutaKoik, "Kõik"},
                                        {mnuscroll, "Scroll"},
                                        {mnuautoscroll, "Kerimine"},
                                        {mnuArvutused, "Arvutused"},
                                        {mnuArvutusedSydamematerjal, "Südamematerjal"},
                                        {mnuArvutusedKyljelauad, "Küljelauad"},
                                        {mnuArvutusedSep1, "-"},
                                        {mnuAutoFit, "Automaatne sobitamine"},
                                        {mnuprofiil, "Salvesta"},
                                        {mnusalvestaprofiil, "Salvesta profiil"},
                                        {mnusalvestaprofiilkui, "Salvesta nimega..."},
                                        {mnuCompare, "Compare"},
                                        {mnuCompareKustutaValitud, "Kustuta valitud"},
                                        {mnuCompareKustutaKoik, "Kustuta kõik"},
                                        {mnuKustuta, "Kustuta"},
                                        {mnuKustutaKustuta, "Kustuta"},
                                        {Mnusoovita, "Soovita"},
                                        {mnuAddNewDimension, "Lisa uus mõõt"}};
    for (const MenuCaption& m : menuCaptions)
        m.menu.setCaption(m.text);
    for (Menu* popup : {&mnupalk, &mnutootedkustuta, &mnuscroll, &mnuArvutused, &mnuprofiil,
                        &mnuCompare, &mnuKustuta, &Mnusoovita}) {
        popup->setVisible(false);
    }
    mnuPalkUuenda.setVisible(false);
    layOutCatalogueTab();

    // ---- keyboard order of the pattern tab; the header's fields follow the button that shows it
    orderTabStops(*this, {// the log
                          &txtPalk, &scrDiameeter, &txtKoone, &scrKoone, &txtKoverus, &scrKoverus,
                          &txtPikkus, &scrPikkus, &cmdSobita,
                          // the dimension picker and the placement buttons
                          &optSydmat, &optSeimrilaud, &optKyljelaud, &lstDim, &cmdSeimerYleval,
                          &cmdSideLeft, &cmdCenter, &cmdSideRight, &cmdSeimerAll,
                          // the board lists and the zoom buttons
                          &lstSeimerYleval, &lstKylgVasak, &lstSyda, &lstKylgParem, &lstSeimerAll,
                          &Command2, &Command3,
                          // the commands along the bottom and the pattern header
                          &cmdUusKava, &cmdAvaKava, &cmdSalvestaUusKava, &cmdSoovita,
                          &cmdShowCalculations, &cmdPalgiHinnad, &cmdPrindi, &cmdKavaLisainfoShow,
                          &txtKavaKuupaev, &txtKavaKoostaja, &txtKavaNotes});
}

}  // namespace lumbrix
