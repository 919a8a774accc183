// The settings dialog's controls at design: five frames, two columns of two and the costs
// across, then the bottom row. Positions in twips, inside a frame relative to it.
#include "millsettings/frm_seaded.h"

namespace lumbrix {

namespace {

constexpr double kFieldHeight = 315;
constexpr double kLabelHeight = 255;
constexpr double kSpinnerSize = 255;  // a square vertical bar: a spinner
constexpr double kStepperWidth = 375;
constexpr double kHelpWidth = 375;
constexpr Color kHelpFace = 0xC0C0FF;  // red 255, green 192, blue 192: pink

void place(Control& c, Frame& frame, double left, double top, double width, double height) {
    c.setContainer(&frame);
    c.move(left, top, width, height);
}

void label(Label& l, Frame& frame, const char* caption, double left, double top, double width) {
    place(l, frame, left, top + 40, width, kLabelHeight);
    l.setCaption(caption);
}

void field(TextBox& t, Frame& frame, double left, double top, double width, bool typed = true) {
    place(t, frame, left, top, width, kFieldHeight);
    t.setAlignment(Alignment::Right);
    t.setEnabled(typed);
}

void helpButton(CommandButton& b, Frame& frame, double left, double top) {
    place(b, frame, left, top, kHelpWidth, kFieldHeight);
    b.setCaption("?");
    b.setBackColor(kHelpFace);
}

void spinner(VScrollBar& s, Frame& frame, double left, double top) {
    place(s, frame, left, top + 30, kSpinnerSize, kSpinnerSize);
    s.setMin(kSpinnerMin);
    s.setMax(kSpinnerMax);
    s.setSmallChange(1);
    s.setLargeChange(1);
}

void stepper(CommandButton& b, Frame& frame, const char* caption, double left, double top) {
    place(b, frame, left, top, kStepperWidth, kFieldHeight);
    b.setCaption(caption);
}

}  // namespace

void frmSeaded::layOut() {
    setCaption("LUMBRIX - Seaded");
    move(0, 0, 9960, 8520);
    setFixedSize(true);

    frmSeadedKappimised.move(120, 120, 4740, 2280);
    frmSeadedKappimised.setCaption("> Kappimised <");
    Frame& trims = frmSeadedKappimised;
    label(lblSeadedLabelSisestage, trims, "Sisestage keskmised kappimised (mm)", 120, 260, 4400);
    label(lblSeadedLabelSydmat, trims, "Süd.materjal:", 120, 660, 1800);
    field(txtKappimineSydmat, trims, 2040, 660, 900);
    label(lblSeadedLabelLauad, trims, "Lauad:", 120, 1060, 1800);
    field(txtKappimineLauad, trims, 2040, 1060, 900);
    place(chkArvutaTaiskant, trims, 120, 1500, 3800, kFieldHeight);
    chkArvutaTaiskant.setCaption("Arvuta täiskandi pikkused");
    helpButton(cmdHelp_Trimmings_Settings, trims, 4200, 1800);

    frmSeadedKettad.move(5040, 120, 4740, 2280);
    frmSeadedKettad.setCaption("Ketaste pakused");
    Frame& kerfs = frmSeadedKettad;
    const struct {
        Label& caption;
        const char* text;
        TextBox& kerf;
        VScrollBar& spin;
    } kerfRows[] = {
        {lblSeadedLabelEsimeneSaag, "Esimene saag:", txtKetas1saag, vs1saag},
        {lblSeadedLabelTeineSaag, "Teine saag:", txtKetas2saag, vs2saag},
        {lblSeadedLabelServaja, "Servamisliin:", txtKetasSeimer, vsServamisliin},
        {lblSeadedLabelTrimmer, "Trimmer:", txtKetasTrimmer, vstrimmer},
    };
    double top = 300;
    for (const auto& row : kerfRows) {
        label(row.caption, kerfs, row.text, 120, top, 1800);
        field(row.kerf, kerfs, 2040, top, 900, false);
        spinner(row.spin, kerfs, 2960, top);
        top += 420;
    }
    helpButton(cmdHelp_blades_settings, kerfs, 4200, 1800);

    frmSeadedPikkusMoodul.move(120, 2520, 4740, 2280);
    frmSeadedPikkusMoodul.setCaption("> Palgi pikkusmoodulid <");
    Frame& log = frmSeadedPikkusMoodul;
    label(lblSeadedLabelPikkusmoodul, log, "Pikkusmoodul:", 120, 360, 1900);
    field(txtPalgiMoodul, log, 2460, 360, 900, false);
    spinner(vsPalgiMoodul, log, 3380, 360);
    label(lblSeadedLabelpalgikoefitsent, log, "Palgimahukoefitsent:", 120, 840, 1900);
    stepper(cmdPalgikoefmiinus, log, "--", 2040, 840);
    field(txtPalgimahukoefitsent, log, 2460, 840, 900, false);
    stepper(cmdPalgikoefpluss, log, "+", 3380, 840);
    place(cmdLogPrice, log, 120, 1440, 2400, 435);
    cmdLogPrice.setCaption("LogPrice");
    helpButton(cmdHelp_Log_Settings, log, 4200, 1800);

    frmPuistekoefitsent.move(5040, 2520, 4740, 2280);
    frmPuistekoefitsent.setCaption("> Puistekoefitsendid ja hinnad <");
    Frame& byProducts = frmPuistekoefitsent;
    label(lblSeadedPuisteKoefitsent, byProducts, "Koefitsent", 1380, 200, 1400);
    label(lblSeadedPuisteHind, byProducts, "€/m3", 3000, 200, 1600);
    const struct {
        Label& caption;
        const char* text;
        CommandButton& minus;
        TextBox& factor;
        CommandButton& plus;
        TextBox& price;
    } byProductRows[] = {
        {lblSeadedLabelHake, "Hake:", cmdHakeMiinus, txtKoefitsentHake, cmdHakePluss, txtHakehind},
        {lblSeadedLabelSaepuru, "Saepuru:", cmdPuruMiinus, txtKoefitsentPuru, cmdPuruPluss,
         txtsaepuruHind},
        {lblSeadedLabelKoor, "Koor:", cmdKoorMiinus, txtKoefitsentKoor, cmdKoorPluss, txtkoorhind},
    };
    top = 520;
    for (const auto& row : byProductRows) {
        label(row.caption, byProducts, row.text, 120, top, 1000);
        stepper(row.minus, byProducts, "--", 1080, top);
        field(row.factor, byProducts, 1500, top, 780, false);
        stepper(row.plus, byProducts, "+", 2320, top);
        field(row.price, byProducts, 3120, top, 900);
        top += 400;
    }
    label(lblSeadedLabelKoorKoefitsent, byProducts, "Koor:", 120, 1800, 1360);
    field(txtKoefitsentKoorPalgist, byProducts, 1500, 1800, 780);
    label(lblSeadedLabelKoorKoefitsent2, byProducts, "% palgimahust", 2400, 1800, 1700);
    helpButton(Command1, byProducts, 4200, 1800);

    layOutCosts();
}

void frmSeaded::layOutCosts() {
    frmSaematKulud.move(120, 4920, 9660, 2280);
    frmSaematKulud.setCaption("Kulud 1 saematerjali m3 kohta (€)");
    Frame& costs = frmSaematKulud;
    const struct {
        Label& caption;
        const char* text;
        TextBox& figure;
        bool typed;
        double left;
        double top;
    } rows[] = {
        {lblKuisedPysikuludKokkuCaption, "Kuised püsikulud, €", txtKuisedPysikuludKokku, true, 120,
         300},
        {lblKuisedAmordikuludKokkuCaption, "Kuine amordikulu, €", txtKuisedAmordikuludKokku, true,
         120, 700},
        {lblYhikuMuutuvkuludCaption, "Muutuvkulud ühikule, €/m3", txtYhikuMuutuvkulud, true, 120,
         1100},
        {lblKuineTootmismahtCaption, "Keskmine kuine tootmismaht, m3", txtKuineTootmismaht, true,
         120, 1500},
        {lblSeadedLabelTootmiskulu, "Tootmise kulu, € / m3", txtKuluTootmine, false, 4920, 300},
        {lblSeadedLabelAmordikulu, "Amort kulu, € / m3", txtKuluAmort, false, 4920, 700},
        {lblSeadedLabelCE, "Kasutatav kapital, €", txtCE, true, 4920, 1100},
    };
    for (const auto& row : rows) {
        label(row.caption, costs, row.text, row.left, row.top, 2900);
        field(row.figure, costs, row.left + 3000, row.top, 1300, row.typed);
    }
    helpButton(Command4, costs, 9120, 1800);

    chkNaitaKeeleValikut.move(120, 7380, 4500, kFieldHeight);
    chkNaitaKeeleValikut.setCaption("Paku programmi käivitamisel keele valikut");
    cmdSalvesta.move(4800, 7320, 1400, 435);
    cmdSalvesta.setCaption("Salv&esta");
    cmdOK.move(6360, 7320, 1400, 435);
    cmdOK.setCaption("&Tagasi");
    lblSalvestatud.move(7920, 7400, 1860, kLabelHeight);
    txtaeg.move(0, 0, 1500, kFieldHeight);
    txtaeg.setVisible(false);
    tmrFieldBox.setInterval(1);
    tmrFieldBox.setEnabled(false);
}

}  // namespace lumbrix
