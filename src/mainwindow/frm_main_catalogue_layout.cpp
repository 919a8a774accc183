// The products and prices tab: the catalogue editor. Positions in twips, built-in captions
// (the language file replaces most of them), fonts, limits and the design values of the
// editor's fields; and the picture of the dimension picker's product type on the pattern tab.
//
// Top: the product type with its pictures on the left, the product list with headings over
// its columns on the right. Bottom, across the page: the product's frame with its sizes, the
// quality table, moisture and comment, and the commands.
#include <algorithm>

#include "app/application.h"
#include "mainwindow/frm_main.h"
#include "mainwindow/main_window_geometry.h"

namespace lumbrix {

namespace {

constexpr int kCataloguePage = 1;

using namespace mainlayout;

// ---- common sizes
constexpr double kButtonHeight = 360;
constexpr double kFieldPitch = 390;  // one row of the product's frame
constexpr double kLabelDrop = 30;    // a caption sits this much lower than its field

// ---- top left: the product type
constexpr double kTypeWidth = 3120;
constexpr double kTypePicture = 48 * kTwipsPerPixel;
constexpr double kTypePitch = kTypePicture + 60;
constexpr double kCurrentPicture = 96 * kTwipsPerPixel;

// ---- top right: the product list, fixed-pitch rows
constexpr double kListLeft = kPageLeft + kTypeWidth + kGap;

// ---- bottom: the product's frame and its four columns
constexpr double kInfoHeight = kFrameFirstRow + 9 * kFieldPitch + 90;
constexpr double kInfoTop = kPageBottom - kInfoHeight;
constexpr double kSizesLeft = 150;
constexpr double kSizeField = 2250;
constexpr double kSizeFieldWidth = 900;
constexpr double kQualityLeft = 3300;  // room for the quality heading in either language
constexpr double kShareField = 4700;
constexpr double kPriceField = 5800;
constexpr double kQualityFieldWidth = 1000;
constexpr double kNotesLeft = 7200;
constexpr double kCommandsWidth = 2700;

// ---- the picker's picture beside the placement buttons
constexpr double kPickerPicture = 64 * kTwipsPerPixel;

void place(Control& c, double left, double top, double width, double height,
           Control* container = nullptr) {
    placeOnPage(c, kCataloguePage, left, top, width, height, container);
}

void placeCaption(Label& label, const char* text, double left, double top, double width,
                  Control* container = nullptr) {
    placeCaptionOnPage(label, kCataloguePage, text, left, top, width, container);
}

// A row of the product's frame: a caption and its field.
double rowTop(int row) {
    return kFrameFirstRow + row * kFieldPitch;
}

void placeField(Label& caption, const char* text, TextBox& field, double left, double fieldLeft,
                double fieldWidth, int row, Frame& frame) {
    placeCaption(caption, text, left, rowTop(row) + kLabelDrop, fieldLeft - left - kGap, &frame);
    place(field, fieldLeft, rowTop(row), fieldWidth, kTextHeight, &frame);
}

// A heading over the product list, at a character column of its rows.
void placeColumnHeading(Label& label, const char* text, int column, int widthChars) {
    const double left = kListLeft + kListTextInset + column * kCharWidth;
    const double width = std::min(widthChars * kCharWidth, kPageRight - left);
    placeCaption(label, text, left, kPageTop, width);
}

}  // namespace

void frmMain::layOutCatalogueTab() {
    const auto picture = [this](const char* name) {
        return (app_.installFolder() / "pictures" / name).string();
    };

    // ---- the picker's product type, shown left of the placement buttons on the pattern tab
    cmdCenter.setPicture(picture("place_centre.png"));
    cmdSeimerYleval.setPicture(picture("place_edger_up.png"));
    cmdSeimerAll.setPicture(picture("place_edger_down.png"));
    cmdSideLeft.setPicture(picture("place_side_left.png"));
    cmdSideRight.setPicture(picture("place_side_right.png"));
    imgCenter.setPicture(picture("family_centre.png"));
    imgSeimer.setPicture(picture("family_edger.png"));
    imgSideboard.setPicture(picture("family_side.png"));
    for (Image* source : {&imgCenter, &imgSeimer, &imgSideboard}) {
        source->setTabPage(0);
        source->move(kPageLeft, kPageTop, kPickerPicture, kPickerPicture);
        source->setVisible(false);
    }
    const double besideButtons = cmdSideLeft.left() - lstDim.left() - kGap;
    const double buttonsHeight = cmdSeimerAll.top() + cmdSeimerAll.height() - cmdSeimerYleval.top();
    const double pickerPicture = std::min({kPickerPicture, besideButtons, buttonsHeight});
    imgMaterjal.setTabPage(0);
    imgMaterjal.move(lstDim.left(), cmdSeimerYleval.top() + (buttonsHeight - pickerPicture) / 2,
                     pickerPicture, pickerPicture);
    imgMaterjal.setStretch(true);
    imgMaterjal.setPicture(imgCenter.picture());

    // ---- top left: the editor's product type
    place(frmTooteliigid, kPageLeft, kPageTop, kTypeWidth, kFrameFirstRow + 3 * kTypePitch + kGap);
    frmTooteliigid.setCaption("Product type");
    struct TypeRow {
        OptionButton& option;
        const char* caption;
        Image& image;
        const char* file;
    };
    const TypeRow types[] = {
        {optTootedSydmat, "Centre material", imgToodeSyda, "family_centre.png"},
        {optTootedSeimrilaud, "Edger boards", imgToodeSeimrilauad, "family_edger.png"},
        {optTootedKyljelaud, "Side boards", imgToodeKyljelauad, "family_side.png"},
    };
    double typeTop = kFrameFirstRow;
    for (const TypeRow& t : types) {
        place(t.image, 150, typeTop, kTypePicture, kTypePicture, &frmTooteliigid);
        t.image.setStretch(true);
        t.image.setPicture(picture(t.file));
        const double optionLeft = 150 + kTypePicture + 120;
        place(t.option, optionLeft, typeTop + (kTypePicture - kLabelHeight) / 2,
              kTypeWidth - optionLeft - 90, kLabelHeight + 30, &frmTooteliigid);
        t.option.setCaption(t.caption);
        typeTop += kTypePitch;
    }
    optTootedSydmat.setValue(true);
    const double currentTop = kPageTop + frmTooteliigid.height() + 240;
    place(imgToodeMaterjal, kPageLeft + (kTypeWidth - kCurrentPicture) / 2, currentTop,
          kCurrentPicture, kCurrentPicture);
    imgToodeMaterjal.setStretch(true);
    imgToodeMaterjal.setPicture(imgToodeSyda.picture());

    // ---- top right: the products of the type
    placeColumnHeading(lblListNominal, "Nominal size", 0, 14);
    placeColumnHeading(lblListSawing, "Sawing size", 25, 14);
    placeColumnHeading(lblListPrice, "Price", 42, 6);
    placeColumnHeading(lblListShares, "Quality shares, %", 48, 36);
    placeColumnHeading(lblListQualityPrices, "Quality prices", 84, 36);
    placeColumnHeading(lblListMoisture, "%", 120, 3);
    placeColumnHeading(lblListComment, "Comment", 123, 20);
    const double listTop = kPageTop + kLabelHeight + 15;
    place(lstTootedDim, kListLeft, listTop, kPageRight - kListLeft, kInfoTop - kGap - listTop);
    lstTootedDim.setFont(kRecordFont);
    lstTootedDim.setSorted(true);

    // The picked product, kept out of sight.
    place(txtvalitudristloige, kPageLeft, kPageBottom - kTextHeight, 1200, kTextHeight);
    txtvalitudristloige.setVisible(false);
    place(lblvalitudindex, kPageLeft, kPageBottom - kLabelHeight, 1200, kLabelHeight);
    lblvalitudindex.setVisible(false);

    // ---- bottom: the product
    place(frmTooteinfo, kPageLeft, kInfoTop, kPageRight - kPageLeft, kInfoHeight);
    frmTooteinfo.setCaption("Product");

    // Sizes: nominal, oversize, sawing.
    placeField(lblTHLabelPaksus, "Thickness, mm", txtDimPaksus, kSizesLeft, kSizeField,
               kSizeFieldWidth, 0, frmTooteinfo);
    placeField(lblTHLabelLaius, "Width, mm", txtDimLaius, kSizesLeft, kSizeField, kSizeFieldWidth,
               1, frmTooteinfo);
    placeField(lblTHLabelylemoot, "Oversize, %", txtYlemoot, kSizesLeft, kSizeField,
               kSizeFieldWidth - 285, 2, frmTooteinfo);
    place(VScroll1, kSizeField + kSizeFieldWidth - 255, rowTop(2), 255, kTextHeight, &frmTooteinfo);
    place(cmdArvuta, kSizeField, rowTop(3), kSizeFieldWidth, kTextHeight + 30, &frmTooteinfo);
    cmdArvuta.setCaption("Compute");
    placeField(lblTHLabelMargPak, "Sawing thickness, mm", txtSaagPaksus, kSizesLeft, kSizeField,
               kSizeFieldWidth, 4, frmTooteinfo);
    placeField(lblTHLabelMargLai, "Sawing width, mm", txtSaagLaius, kSizesLeft, kSizeField,
               kSizeFieldWidth, 5, frmTooteinfo);
    for (TextBox* t : {&txtDimPaksus, &txtDimLaius, &txtYlemoot, &txtSaagPaksus, &txtSaagLaius})
        t->setAlignment(Alignment::Right);
    for (TextBox* t : {&txtDimPaksus, &txtDimLaius, &txtSaagPaksus, &txtSaagLaius})
        t->setMaxLength(6);
    txtYlemoot.setText("4");
    txtYlemoot.setLocked(true);
    VScroll1.setMin(0);
    VScroll1.setMax(7);
    VScroll1.setValue(4);

    // The quality table: a share and a price per quality, the total and the product price.
    placeCaption(lblQualityHeading, "Quality", kQualityLeft, rowTop(0) + kLabelDrop,
                 kShareField - kQualityLeft - kGap, &frmTooteinfo);
    placeCaption(lblShareHeading, "Share, %", kShareField, rowTop(0) + kLabelDrop,
                 kQualityFieldWidth, &frmTooteinfo);
    placeCaption(lblQualityPriceHeading, "Price", kPriceField, rowTop(0) + kLabelDrop,
                 kQualityFieldWidth, &frmTooteinfo);
    for (Label* heading : {&lblShareHeading, &lblQualityPriceHeading})
        heading->setAlignment(Alignment::Right);
    for (int k = 1; k <= 6; ++k) {
        Label& number = lblQualityNumber[k - 1];
        placeCaption(number, "", kQualityLeft, rowTop(k) + kLabelDrop,
                     kShareField - kQualityLeft - kGap, &frmTooteinfo);
        number.setCaption(std::to_string(k));
        TextBox& share = txtQualShare(k);
        TextBox& price = txtQualPrice(k);
        place(share, kShareField, rowTop(k), kQualityFieldWidth, kTextHeight, &frmTooteinfo);
        place(price, kPriceField, rowTop(k), kQualityFieldWidth, kTextHeight, &frmTooteinfo);
        share.setAlignment(Alignment::Right);
        price.setAlignment(Alignment::Right);
        price.setMaxLength(5);
        price.setBackColor(colors::rgb(255, 255, 255));
    }
    placeCaption(lblShareTotalCaption, "Total", kQualityLeft, rowTop(7) + kLabelDrop,
                 kShareField - kQualityLeft - kGap, &frmTooteinfo);
    place(lblQualShareTotal, kShareField, rowTop(7) + kLabelDrop, kQualityFieldWidth, kLabelHeight,
          &frmTooteinfo);
    placeCaption(lblProductPriceCaption, "Product price per m3", kQualityLeft,
                 rowTop(8) + kLabelDrop, kPriceField - kQualityLeft - kGap, &frmTooteinfo);
    place(lblproductPrice, kPriceField, rowTop(8) + kLabelDrop, kQualityFieldWidth, kLabelHeight,
          &frmTooteinfo);
    for (Label* figure : {&lblQualShareTotal, &lblproductPrice}) {
        figure->setAlignment(Alignment::Right);
        figure->setBordered(true);
    }
    lblQualShareTotal.setCaption("0");
    lblproductPrice.setCaption("0.000");
    lblproductPrice.setFontBold(true);

    // Moisture and comment.
    placeField(lblTHLabelniiskus, "Moisture, %", txtDimNiiskus, kNotesLeft, kNotesLeft + 1500, 500,
               0, frmTooteinfo);
    txtDimNiiskus.setMaxLength(2);
    txtDimNiiskus.setAlignment(Alignment::Right);
    const double commandsLeft = frmTooteinfo.width() - 150 - kCommandsWidth;
    placeCaption(lblTHLabelComment, "Comment", kNotesLeft, rowTop(1) + kLabelDrop,
                 commandsLeft - 300 - kNotesLeft, &frmTooteinfo);
    place(txtComment, kNotesLeft, rowTop(2), commandsLeft - 300 - kNotesLeft, kTextHeight,
          &frmTooteinfo);
    txtComment.setMaxLength(50);

    // Commands, top to bottom; storing needs sawing sizes computed first.
    CommandButton* const commands[] = {&cmdNew, &cmdLisaDim, &cmdMuudaDim, &cmdKustutaDim};
    const char* const captions[] = {"New", "Add", "Change", "Delete..."};
    for (int i = 0; i < 4; ++i) {
        place(*commands[i], commandsLeft, rowTop(i) + i * 30, kCommandsWidth, kButtonHeight,
              &frmTooteinfo);
        commands[i]->setCaption(captions[i]);
    }
    for (CommandButton* b : {&cmdLisaDim, &cmdMuudaDim, &cmdKustutaDim})
        b->setEnabled(false);
}

}  // namespace lumbrix
