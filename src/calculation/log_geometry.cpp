// The log: its volume, its drawing as three circles seen along its axis (top end, middle,
// butt end) and the scroll bars that mirror its text boxes.
#include "calculation/log_geometry.h"

#include "localisation/message_language.h"
#include "mainwindow/frm_main.h"
#include "platform/vb_error.h"
#include "store/frm_main_sub.h"
#include "store/numbers.h"

namespace lumbrix {

double logVolume(double topDiameterMm, double lengthMm, double coefficient) {
    const double d = topDiameterMm / 10;
    const double l = lengthMm / 1000;
    const double v = coefficient * (d * d * l * (0.797 + 0.0153 * l) + 3.74 * l * l) / 10000;
    return Round(CheckedResult(v), 3);
}

void showLogVolumeZeroMessage(const frmMain& main) {
    runtime::msgBox(bilingual(
        main, "Palgimahu arvutamises viga! Maht 0tm! Kontrolli seadeid ja mahukoefitsenti!",
        "There is an error in log volume calculation! Volume is 0m3! Check settings and volume "
        "coefitsent!"));
}

namespace {

// A scroll bar's value from a text box: the strict number, rounded to a whole number.
int wholeNumberOf(const TextBox& box) {
    return CInt(ToDoubleStrict(box.text()));
}

// A circle of the given diameter whose centre lies `shiftLeft` mm left of the area's centre.
void placeCircle(Shape& circle, const PictureBox& area, double diameter, double shiftLeft) {
    circle.setHeight(diameter);
    circle.setWidth(diameter);
    circle.setTop((area.scaleHeight() - diameter) / 2);
    circle.setLeft((area.scaleWidth() - diameter) / 2 - shiftLeft);
}

}  // namespace

void frmMain::Joonista_palk() {
    try {
        const double k = RegionCompVal(store().txtPalgimahukoefitsent);
        if (k == 0) {
            showLogVolumeZeroMessage(*this);
            return;
        }
        dblPalk = ToDoubleStrict(txtPalk.text());
        scrDiameeter.setValue(CInt(dblPalk));
        scrKoone.setValue(wholeNumberOf(txtKoone));
        scrPikkus.setValue(wholeNumberOf(txtPikkus));

        placeCircle(picLatv, picBack, dblPalk, 0);
        const double length = RegionCompVal(txtPikkus.text());
        const double growth = RegionCompVal(txtKoone.text()) * length / 1000;
        const double sweep = RegionCompVal(txtKoverus.text()) * length / 1000;
        dblTyygas = dblPalk + growth;
        placeCircle(picMiddle, picBack, dblPalk + growth / 2, sweep / 2);
        placeCircle(picTyygas, picBack, dblTyygas, sweep);
        picTyygas.setVisible(true);
        picLatv.setVisible(true);
        picMiddle.setVisible(true);

        pattern.dblPalgimaht =
            logVolume(ToDoubleStrict(txtPalk.text()), ToDoubleStrict(txtPikkus.text()), k);
        lblPalgimaht.setCaption(FormatNumber(pattern.dblPalgimaht, "0.000"));

        // The scroll bars once more: a handler run above may have changed a text box.
        scrDiameeter.setValue(wholeNumberOf(txtPalk));
        scrKoone.setValue(wholeNumberOf(txtKoone));
        scrPikkus.setValue(wholeNumberOf(txtPikkus));
    } catch (const VbError& e) {
        runtime::showErrorBox(e.number(), e.description(), "Joonista_palk");
    }
}

void frmMain::scrDiameeter_Change() {
    txtPalk.setText(NumberText(scrDiameeter.value()));
    Joonista_palk();
    uuenda_materjalid();
}

void frmMain::scrKoone_Change() {
    txtKoone.setText(NumberText(scrKoone.value()));
    Joonista_palk();
    uuenda_materjalid();
}

void frmMain::scrKoverus_Change() {
    txtKoverus.setText(NumberText(scrKoverus.value()));
    Joonista_palk();
    uuenda_materjalid();
}

}  // namespace lumbrix
