// The calculations report's layout (twips): a white sheet of two columns, the cost fields
// pink, the income fields green, four rules between the groups of figures. The language file
// replaces the English captions set here.
#include "patterns/frm_arvutused.h"

namespace lumbrix {

namespace {

constexpr double kClientWidth = 9960;
constexpr double kClientHeight = 9480;

constexpr double kFieldWidth = 855;
constexpr double kFieldHeight = 285;
constexpr double kLeftFields = 3840;
constexpr double kRightFields = 8880;
constexpr double kCaptionHeight = 255;
constexpr double kButtonWidth = 1455;

constexpr Color kPink = colors::rgb(255, 128, 128);
constexpr Color kGreen = colors::rgb(0, 255, 0);

const Font kSheetFont{"Arial", 8.25};

void field(TextBox& box, double left, double top, Color back = colors::kWindowBackground) {
    box.move(left, top, kFieldWidth, kFieldHeight);
    box.setAlignment(Alignment::Right);
    box.setFont(kSheetFont);
    box.setBackColor(back);
    if (back != colors::kWindowBackground) box.setForeColor(colors::kBlack);
}

void captionLabel(Label& label, const char* text, double left, double top, double width) {
    label.move(left, top, width, kCaptionHeight);
    label.setCaption(text);
    label.setFont(kSheetFont);
    label.setBackColor(colors::kWhite);
}

// A caption ending where the column's fields begin.
void leftCaption(Label& label, const char* text, double left, double top) {
    captionLabel(label, text, left, top, kLeftFields - left - 60);
}
void rightCaption(Label& label, const char* text, double left, double top) {
    captionLabel(label, text, left, top, kRightFields - left - 60);
}

void share(Label& label, double top) {
    // Room for "100.00%".
    label.move(4755, top, 840, kCaptionHeight);
    label.setAlignment(Alignment::Right);
    label.setFont(kSheetFont);
    label.setBackColor(colors::kWhite);
}

}  // namespace

void frmArvutused::layOutControls() {
    setCaption("Calculations");
    move(0, 0, kClientWidth + kFrameTwips, kClientHeight + kTitleBarTwips);
    setFixedSize(true);
    setBackColor(colors::kWhite);

    lblProgramNameVer.move(960, 120, 5715, 435);
    lblProgramNameVer.setFont(Font{"Arial", 12, true});
    lblProgramNameVer.setBackColor(colors::kWhite);
    cmdExit.move(6720, 120, kButtonWidth, 255);
    cmdExit.setCaption("Exit");
    cmd_print.move(8280, 120, kButtonWidth, 255);
    cmd_print.setCaption("Print");
    captionLabel(lblArvutusedlblSaekavanimi, "Pattern:", 960, 600, 2100);
    lblSaekavanimi.move(3120, 600, 6615, 315);
    lblSaekavanimi.setFont(Font{"Arial", 9.75, true});
    lblSaekavanimi.setBackColor(colors::kWhite);

    // ---- left column
    leftCaption(lblArvutusedlblPalgidiameeter, "Log diameter, mm", 1680, 1080);
    field(txtPalgidiameeter, kLeftFields, 1080);
    leftCaption(lblArvutusedlblPalgihindEUR, "Log price per m3 of log", 1680, 1440);
    field(txtPalgihindEUR, kLeftFields, 1440);
    leftCaption(lblArvutusedlblTootmismaht, "Monthly production volume, m3", 840, 1800);
    field(txtTootmismaht, kLeftFields, 1800);
    leftCaption(lblArvutusedlblSaematerjalmaht, "Lumber, m3", 960, 3000);
    field(txtArvutusedtxtSaematerjalmaht, kLeftFields, 3000);
    share(lblArvutusedSaematerjalProtsent, 3000);
    leftCaption(lblArvutusedlblPurumaht, "Sawdust, solid m3", 960, 3360);
    field(txtArvutusedtxtPurumaht, kLeftFields, 3360);
    share(lblArvutusedPuruProtsent, 3360);
    leftCaption(lblArvutusedlblHakemaht, "Chips, solid m3", 960, 3720);
    field(txtArvutusedtxtHakemaht, kLeftFields, 3720);
    share(lblArvutusedHakeProtsent, 3720);
    leftCaption(lblArvutusedlblKoormaht, "Bark, solid m3", 960, 4080);
    field(txtArvutusedtxtKoormaht, kLeftFields, 4080);
    share(lblArvutusedKoorProtsent, 4080);
    leftCaption(lblArvutusedlblPuistekoefitsentPuru, "Sawdust loose volume factor", 960, 4560);
    field(txtPuisteKoefitsentPuru, kLeftFields, 4560);
    leftCaption(lblArvutusedlblPuistekoefitsentHake, "Chips loose volume factor", 960, 4920);
    field(txtPuisteKoefitsentHake, kLeftFields, 4920);
    leftCaption(lblArvutusedlblPuistekoefitsentKoor, "Bark loose volume factor", 960, 5280);
    field(txtPuisteKoefitsentKoor, kLeftFields, 5280);
    leftCaption(lblArvutusedlblPuruPuistemaht, "Sawdust, loose m3", 840, 5640);
    field(txtArvutusedtxtPuruPuistemaht, kLeftFields, 5640);
    leftCaption(lblArvutusedlblHakePuistemaht, "Chips, loose m3", 960, 6000);
    field(txtArvutusedtxtHakePuistemaht, kLeftFields, 6000);
    leftCaption(lblArvutusedlblKoorPuistemaht, "Bark, loose m3", 960, 6360);
    field(txtArvutusedtxtKoorPuistemaht, kLeftFields, 6360);
    field(txtPuisteKoefitsentKoorPalgist, kLeftFields, 6840);
    txtPuisteKoefitsentKoorPalgist.setVisible(false);

    // ---- right column: costs, income, results
    rightCaption(lblArvutusedlblPalgikasutusTM, "Log use, m3 per m3", 6600, 1080);
    field(txtPalgikasutusTM, kRightFields, 1080);
    rightCaption(lblArvutusedlblPalgikasutusEUR, "Log cost per m3", 6600, 1440);
    field(txtPalgikasutusEUR, kRightFields, 1440, kPink);
    rightCaption(lblArvutusedlblTootmisekulu, "Production cost", 6600, 1800);
    field(txtTootmisekulu, kRightFields, 1800, kPink);
    rightCaption(lblArvutusedlblAmortkulu, "Depreciation", 6600, 2160);
    field(txtAmortkulu, kRightFields, 2160, kPink);
    field(txtKuluTotal, kRightFields, 2520, kPink);
    rightCaption(lblArvutusedlblSaekavahindEUR, "Pattern price", 6720, 3000);
    field(txtArvutusedtxtSaekavahindEUR, kRightFields, 3000, kGreen);
    rightCaption(lblArvutusedlblPuruHindEur, "Sawdust price per loose m3", 6000, 4560);
    field(txtArvutusedtxtPuruHindEur, kRightFields, 4560);
    rightCaption(lblArvutusedlblHakeHindEur, "Chips price per loose m3", 6000, 4920);
    field(txtArvutusedtxtHakeHindEur, kRightFields, 4920);
    rightCaption(lblArvutusedlblKoorHindEur, "Bark price per loose m3", 6000, 5280);
    field(txtArvutusedtxtKoorHindEur, kRightFields, 5280);
    rightCaption(lblArvutusedlblPuruMargin, "Sawdust revenue", 6600, 5640);
    field(txtMarginPuruEUR, kRightFields, 5640, kGreen);
    rightCaption(lblArvutusedlblHakeMargin, "Chips revenue", 6600, 6000);
    field(txtMarginHakeEUR, kRightFields, 6000, kGreen);
    rightCaption(lblArvutusedlblKoorMargin, "Bark revenue", 6600, 6360);
    field(txtMarginKoorEUR, kRightFields, 6360, kGreen);
    field(txtTuluTotal, kRightFields, 6840, kGreen);
    const struct {
        Label& label;
        const char* text;
        TextBox& value;
        double top;
    } results[] = {
        {lblArvutusedlblTulemKokkuEBITDA, "Result EBITDA per m3", txtTulemTotalEBITDA, 7320},
        {lblArvutusedlblTulemKokku, "Result EBIT per m3", txtTulemTotal, 7680},
        {lblArvutusedlblRawmaterialATPEBITDA, "Raw material price at EBITDA",
         txtrawmaterialATPEBITDA, 8040},
        {lblArvutusedlblRawmaterialATPEBIT, "Raw material price at EBIT", txtrawmaterialATP, 8400},
        {lblArvutusedlblNETRawmaterial, "Net raw material", txtNETrawmaterial, 8760},
    };
    for (const auto& r : results) {
        captionLabel(r.label, r.text, 4920, r.top, 3855);
        r.label.setAlignment(Alignment::Right);
        const bool coloured = &r.value != &txtNETrawmaterial;
        field(r.value, kRightFields, r.top, coloured ? colors::kWhite : colors::kWindowBackground);
    }

    lbldate.move(7920, 9120, 975, 195);
    lbltime.move(9000, 9120, 765, 195);
    for (Label* l : {&lbldate, &lbltime}) {
        l->setFont(Font{"Arial", 6.75});
        l->setBackColor(colors::kWhite);
    }

    Line1.setPoints(480, 2880, 9720, 2880);
    Line2.setPoints(480, 6720, 9720, 6720);
    Line3.setPoints(5640, 7200, 9720, 7200);
    Line4.setPoints(6720, 9120, 9720, 9120);
}

}  // namespace lumbrix
