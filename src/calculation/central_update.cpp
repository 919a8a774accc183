// The central update: brings the whole pattern up to date after any change.
#include <optional>

#include "app/application.h"
#include "calculation/log_geometry.h"
#include "localisation/message_language.h"
#include "mainwindow/frm_main.h"
#include "mainwindow/header_text.h"
#include "platform/vb_error.h"
#include "store/board_row.h"
#include "store/frm_main_sub.h"
#include "store/numbers.h"

namespace lumbrix {

namespace {

const std::string kOutOfLogEstonian = "Toode palgist väljas!";
const std::string kOutOfLogEnglish = "Product is out of log!";
// The sum of the volume column over the rows of `list`, each row reached by selecting it.
double volumeTotal(ListBox& list) {
    double total = 0;
    for (int i = 0; i < list.listCount(); ++i) {
        list.setListIndex(i);
        total += BoardRow(list.list(i)).volume();
    }
    return total;
}

// A share in per cent, one decimal.
std::string percentOneDecimal(double fraction) {
    return FormatNumber(Round(fraction * 100, 1), "0.0");
}

void colourPair(PictureBox& a, PictureBox& b, bool insideLog) {
    const Color c = insideLog ? colors::kOrange : colors::kRed;
    a.setBackColor(c);
    b.setBackColor(c);
}

}  // namespace

void frmMain::uuenda_materjalid() {
    try {
        // 1. Header: today's date at every update, the author when the field is empty.
        txtKavaKuupaev.setText(todayForHeader(app_.desktop()));
        if (txtKavaKoostaja.text().empty())
            txtKavaKoostaja.setText(authorFromEnvironment(app_.desktop()));

        // 2.-5. Boxes: all hidden, then laid out from the rows; no centre board resets.
        hideBoardBoxes();
        if (lstSyda.listCount() == 0) {
            Uus_kava();
            return;
        }
        layOutBoardBoxes();
        // The log volume as the log stands now, so a changed volume coefficient counts in this
        // very update. A log the drawing refuses (a text that is no number or lies beyond its
        // scroll bar) stops the update here, once the drawing has said why: every figure stays
        // that of the last log the drawing accepted, as nothing below may mix the refused log
        // in (the full-edge lengths already read it).
        const std::optional<double> current =
            currentLogVolume(RegionCompVal(store().txtPalgimahukoefitsent));
        if (!current) {
            Joonista_palk();
            return;
        }
        pattern.dblPalgimaht = *current;

        // Full-edge lengths: the corner diameters, the out-of-log flag and, when the setting
        // asks for it, the outer rows rewritten. Done before the volumes are summed so that
        // the figures shown belong to the rows shown.
        arvuta_taiskant();

        // 6.-7. Volumes per family and the sawn volume.
        const double centre = volumeTotal(lstSyda);
        const double left = volumeTotal(lstKylgVasak);
        const double right = volumeTotal(lstKylgParem);
        const double upper = volumeTotal(lstSeimerYleval);
        const double lower = volumeTotal(lstSeimerAll);
        pattern.saematerjalimaht = Round(centre + left + right + upper + lower, 3);
        lblSaematerjalMaht.setCaption(NumberText(pattern.saematerjalimaht));

        // 8.-9.
        if (pattern.dblPalgimaht == 0) {
            showLogVolumeZeroMessage(*this);
            return;
        }
        if (pattern.saematerjalimaht == 0) return;

        // 10. Yield.
        pattern.valjatulek = Round(pattern.saematerjalimaht / pattern.dblPalgimaht, 3);
        lblvaljatulek.setCaption(FormatNumber(pattern.valjatulek, "0.00%"));
        lblvaljatulek2.setCaption(NumberText(pattern.valjatulek));

        // 11. Shares of the sawn volume; the side share is what the others leave.
        pattern.sydaosakaal = centre / pattern.saematerjalimaht;
        const double edger = upper + lower > 0 ? (upper + lower) / pattern.saematerjalimaht : 0;
        lblsydmatosakaal.setCaption(percentOneDecimal(pattern.sydaosakaal));
        lblkyljelauaosakaal.setCaption(percentOneDecimal(1 - pattern.sydaosakaal - edger));
        lblseimrilauaosakaal.setCaption(percentOneDecimal(edger));

        // 12. The calculation chain; each step reports its own errors.
        Joonista_palk();
        Arvuta_palgihind();
        Arvuta_puru();
        // The other costs before the margin, so that the margin always uses this update's
        // production cost and depreciation.
        Arvuta_muudkulud();
        Arvuta_margin();
        Arvuta_breakeven();

        // 13.-14.
        cmdShowCalculations.setEnabled(true);
        lblZoom.setCaption(zoomCaption());

        // 15.-17. The outer boxes coloured by whether the log holds them, from the full-edge
        // step's corner diameters.
        const double diameter = Val(txtPalk.text());
        colourPair(picseimerall[0], picseimeryleval[0], pattern.seimerdiameeter0 < diameter);
        colourPair(picseimerall[1], picseimeryleval[1], pattern.seimerdiameeter1 < diameter);
        colourPair(pickylgvasak[0], pickylgparem[0], pattern.kylgdiameeter0 < diameter);
        colourPair(pickylgvasak[1], pickylgparem[1], pattern.kylgdiameeter1 < diameter);
        if (pattern.palgistvaljas == 1) {
            lblPalgiHinnaInfo.setCaption(bilingual(*this, kOutOfLogEstonian, kOutOfLogEnglish));
            lblPalgiHinnaInfo.setBackColor(colors::kLightOrange);
        }

        // 18.
        Arvuta_rawmaterialATP();
        Arvuta_3d();
    } catch (const VbError& e) {
        runtime::showErrorBox(e.number(), e.description(), "frmmain_uuenda_materjalid");
    }
}

std::optional<double> frmMain::currentLogVolume(double coefficient) const {
    try {
        // The drawing takes a log only when each text is a number whose whole value its
        // scroll bar can hold.
        const double diameter = ToDoubleStrict(txtPalk.text());
        const double length = ToDoubleStrict(txtPikkus.text());
        if (!scrDiameeter.holds(CInt(diameter)) || !scrPikkus.holds(CInt(length)) ||
            !scrKoone.holds(CInt(ToDoubleStrict(txtKoone.text())))) {
            return std::nullopt;
        }
        return logVolume(diameter, length, coefficient);
    } catch (const VbError&) {
        return std::nullopt;  // a text that is no number, or a whole number that overflows
    }
}

// One-shot timers: each disables itself first, so one arming gives exactly one run.
void frmMain::tmr_update_Timer() {
    tmr_update.setEnabled(false);
    uuenda_materjalid();
}

void frmMain::tmr_reload_Timer() {
    tmr_reload.setEnabled(false);
    cmdSobita_Click();
    uuenda_materjalid();
}

}  // namespace lumbrix
