// The pattern sheet's layout (twips), as the page prints: the header and the log data along
// the top, the drawing on the left with the board lists beside it, the header fields and notes
// under the drawing and the money figures beside them. The fill replaces the captions set here.
#include "patterns/frm_print_preview.h"

#include <filesystem>

#include "app/application.h"
#include "mainwindow/pattern_drawing.h"

namespace lumbrix {

namespace {

constexpr double kClientWidth = 11400;
constexpr double kClientHeight = 10860;
constexpr double kLabelHeight = 255;
constexpr double kTextHeight = 285;
constexpr double kButtonWidth = 1455;
constexpr double kStyleButton = 255;

// The board lists: fixed-pitch rows, small enough that 55 columns fit the list's width. The
// caption of the centre boards stands on a line of its own just above them.
constexpr double kListLeft = 615;  // in Frame1
constexpr double kListsTop = 840 + 195;
constexpr double kListWidth = 4440;
constexpr int kListRowPixels = 12;
constexpr double kListBorder = 60;
const Font kListFont{"Courier New", 6};

// The drawing: the boards a lighter orange than on the main window.
constexpr Color kBoardBox = colors::kLightOrange;

const Font kSheetFont{"Arial", 8.25};
const Font kSmallFont{"Arial", 6.75};

void text(Label& label, const char* caption, double left, double top, double width,
          Control* container = nullptr, const Font& font = kSheetFont) {
    label.setContainer(container);
    label.move(left, top, width, kLabelHeight);
    label.setCaption(caption);
    label.setFont(font);
    label.setTransparent(true);
}

void value(Label& label, double left, double top, double width, Control* container = nullptr) {
    text(label, "", left, top, width, container);
    label.setAlignment(Alignment::Right);
}

void field(TextBox& box, double left, double top, double width) {
    box.move(left, top, width, kTextHeight);
    box.setFont(kSheetFont);
}

}  // namespace

void frmPrintPreview::layOutControls() {
    setCaption("Preview");
    move(0, 0, kClientWidth + kFrameTwips, kClientHeight + kTitleBarTwips);
    setFixedSize(true);
    setBackColor(colors::kWhite);

    // ---- top band and header
    imgLogo.move(120, 90, 480, 480);
    imgLogo.setStretch(true);
    imgLogo.setPicture((app_.installFolder() / "pictures" / "family_centre.png").string());
    text(lblProgramNameVer, "", 720, 90, 6000, nullptr, Font{"Arial", 12, true});
    lblProgramNameVer.setHeight(435);
    cmdSulge.move(8160, 120, kButtonWidth, 255);
    cmdSulge.setCaption("Close");
    cmdPrindi.move(9735, 120, kButtonWidth, 255);
    cmdPrindi.setCaption("Print");
    text(lblPPLabelSaekava, "Sawing pattern", 390, 570, 1500);
    text(lblPPLabelSaekavanimi, "", 1980, 555, 4900, nullptr, Font{"Arial", 9.75, true});
    // The name on one line: a blank in it (the proposed names have one after the centre
    // board's sizes) must not push the rest onto a line the label has no room for.
    lblPPLabelSaekavanimi.setWordWrap(false);
    text(lblPPLabelProfiil, "Profile", 390, 810, 1500);
    text(lblProfiil, "", 1980, 825, 4900);
    const struct {
        Label& caption;
        const char* heading;
        TextBox& box;
        double top;
    } logRows[] = {{lblKKPalgiDiameeter, "Diameter, mm", txtPalk, 705},
                   {lblKKPalgiKoone, "Taper, mm/m", txtKoone, 1080},
                   {lblKKPalgiKoverus, "Curvature", txtKoverus, 1455},
                   {lblKKPalgiPikkus, "Length, mm", txtPikkus, 1860}};
    for (const auto& row : logRows) {
        text(row.caption, row.heading, 6960, row.top, 2250);
        field(row.box, 9240, row.top - 30, 1500);
        row.box.setAlignment(Alignment::Right);
    }

    // ---- work-order box and its button
    frmWorkorder.move(360, 1170, 5655, 345);
    frmWorkorder.setBackColor(colors::kWhite);
    frmWorkorder.setVisible(false);
    text(lblKKLabelTookask, "WORKORDER NR:", 60, 60, 1800, &frmWorkorder);
    lblKKLabelTookask.setFontBold(true);
    txttookasunumber.setContainer(&frmWorkorder);
    field(txttookasunumber, 1920, 30, 3615);
    cmdWordOrder.move(195, 1155, 135, 360);

    // ---- the drawing
    picBack.move(495, 1365, 5235, 5235);
    picBack.setBackColor(colors::kWhite);
    picBack.setBordered(true);
    using namespace patterndrawing;
    picBack.scale(0, 0, kFullZoomUnits, kFullZoomUnits);
    setUpLogOutline(picTyygas, picBack, kButtEnd);
    setUpLogOutline(picLatv, picBack, kTopEnd);
    for (auto* boxes : {&picsyda, &pickylgvasak, &pickylgparem, &picseimerall, &picseimeryleval}) {
        for (PictureBox& box : *boxes)
            setUpBoardBox(box, picBack, kBoardBox);
    }

    layOutListsFrame();

    // ---- pattern header fields and notes with their style buttons
    text(lblKKLabelKavaKuupaev, "Date", 120, 6870, 1200);
    field(txtKavaKuupaev, 1380, 6840, 1500);
    text(lblKKLabelKavaKoostaja, "Author", 120, 7230, 1200);
    field(txtKavaKoostaja, 1380, 7200, 3000);
    text(lblKKLabelKavaNotes, "Notes", 120, 7650, 3000);
    txtKavaNotes.move(120, 7920, 5535, 2415);
    txtKavaNotes.setFont(kSheetFont);
    const struct {
        CommandButton& button;
        const char* caption;
        double left;
    } styles[] = {{cmdBold, "B", 4920}, {cmdItalic, "I", 5160}, {cmdUnderline, "U", 5400}};
    for (const auto& s : styles) {
        s.button.move(s.left, 7680, kStyleButton, kStyleButton);
        s.button.setCaption(s.caption);
    }
    cmdBold.setFont(Font{"Arial", 8.25, true});
    cmdItalic.setFont(Font{"Arial", 8.25, false, true});
    cmdUnderline.setFont(Font{"Arial", 8.25, false, false, true});

    layOutMoneyFrame();
    cmdHide.move(10845, 7260, 255, 240);
    cmdHide.setCaption("X");

    text(lbldate, "", 9360, 10560, 1020, nullptr, kSmallFont);
    lbldate.setHeight(195);
    text(lbltime, "", 10440, 10560, 900, nullptr, kSmallFont);
    lbltime.setHeight(195);
}

void frmPrintPreview::layOutListsFrame() {
    Frame1.move(6120, 2190, 5175, 5055);
    Frame1.setBackColor(colors::kWhite);
    text(lblKKPalgiMaht, "Log volume, m3", 120, 90, 2900, &Frame1);
    value(lblPalgimaht, 3120, 90, 1200, &Frame1);
    text(lblKKLabelSaekava, "Sawing pattern", 120, 360, 3000, &Frame1);
    lblKKLabelSaekava.setFontBold(true);
    // Column headings over the columns of the board rows (nominal size, sawing size, length,
    // volume, price), each 72 twips a character.
    const struct {
        Label& heading;
        const char* caption;
        double column;
        double width;
    } headings[] = {{lblKKLabelRistloige, "Cross-section", 0, 1060},
                    {lblKKLabelSaemoot, "Sawing size", 1080, 1060},
                    {lblKKLabelsaematPikkus, "Length", 2160, 640},
                    {lblKKLabelSaematmaht, "m3", 2880, 640},
                    {lblKKLabelSaematHind, "Price", 3600, 840}};
    for (const auto& h : headings)
        text(h.heading, h.caption, kListLeft + h.column, 600, h.width, &Frame1, kSmallFont);
    text(lblKKLabelMAt, "Centre boards", kListLeft, 840, kListWidth, &Frame1, kSmallFont);
    lblKKLabelMAt.setHeight(kListsTop - 840);

    const struct {
        ListBox& list;
        int rows;
    } lists[] = {{lstSyda, 8},
                 {lstSeimerYleval, 2},
                 {lstSeimerAll, 2},
                 {lstKylgVasak, 2},
                 {lstKylgParem, 2}};
    double top = kListsTop;
    for (const auto& l : lists) {
        const double height = l.rows * kListRowPixels * kTwipsPerPixel + kListBorder;
        l.list.setContainer(&Frame1);
        l.list.move(kListLeft, top, kListWidth, height);
        l.list.setFont(kListFont);
        l.list.setRowHeightPixels(kListRowPixels);
        top += height;
    }
    frmPrices.setContainer(&Frame1);
    // Over the price column, from its heading to the last row.
    frmPrices.move(4200, 750, 855, top + 30 - 750);
    frmPrices.setBackColor(colors::kWhite);
    frmPrices.setCaption("");
    frmPrices.setVisible(false);

    const struct {
        Label& caption;
        const char* heading;
        Label& figure;
        double left;
        double top;
    } yields[] = {
        {lblKKLabelSaematValjatulek, "Lumber yield", lblvaljatulek, 120, 4425},
        {lblKKLabelSaepuruValjatulek, "Sawdust", lblvaljatulekpuruprotsent, 2640, 4425},
        {lblKKLabelHakkeValjatulek, "Chips", lblvaljatulekhakeprotsent, 120, 4755},
        {lblKKLabelKoorValjatulek, "Bark", lblvaljatulekkoorprotsent, 2640, 4755},
    };
    for (const auto& y : yields) {
        text(y.caption, y.heading, y.left, y.top, 1500, &Frame1);
        value(y.figure, y.left + 1500, y.top, 840, &Frame1);
    }
}

void frmPrintPreview::layOutMoneyFrame() {
    frmSaekavaMarginalCaption.move(5775, 7290, 5415, 3075);
    frmSaekavaMarginalCaption.setBackColor(colors::kWhite);
    const struct {
        Label& caption;
        const char* heading;
        Label& figure;
    } rows[] = {
        {lblKKLabelSaekavaHind, "Pattern price", lblsaekavahind},
        {lblKKLabelPuruTulu, "Sawdust revenue", lblMarginPuru},
        {lblKKLabelHakkeTulu, "Chips revenue", lblMarginHake},
        {lblKKLabelKoorTulu, "Bark revenue", lblMarginKoor},
        {lblKKLabelPalgikuluTM, "Log use, m3 per m3", lblpalgikulutm},
        {lblKKLabelPalgikuluHind, "Log cost", lblPalgikuluHind},
        {lblPPlabelTootmiskulu, "Production cost", lbltootmiskulu},
        {lblPPlabelAmordikulu, "Depreciation", lblamordikulu},
        {lblKKLabelMarginKokku, "Margin EBIT", lblmargintotal},
        {lblKKLabelMarginEBITDA, "Margin EBITDA", lblmargintotalEBITDA},
        {lblKKLabelLogATP, "Raw material price", lblrawmaterialATP},
        {lblKKLabelNetLogprice, "Net raw material", lblNETrawmaterial},
    };
    double top = 270;
    for (const auto& r : rows) {
        text(r.caption, r.heading, 120, top, 3780, &frmSaekavaMarginalCaption);
        value(r.figure, 3960, top, 1335, &frmSaekavaMarginalCaption);
        top += 225;
    }
}

}  // namespace lumbrix
