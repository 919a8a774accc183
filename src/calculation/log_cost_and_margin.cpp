// Money of the pattern, per m3 of sawn timber: the log price class and log cost, each board's
// share and price contribution, revenue, costs, margin (EBIT), EBITDA and return on capital.
#include <algorithm>
#include <array>

#include "app/application.h"
#include "localisation/message_language.h"
#include "mainwindow/frm_main.h"
#include "millsettings/frm_palgi_hinnad.h"
#include "platform/text.h"
#include "platform/vb_error.h"
#include "store/board_row.h"
#include "store/frm_main_sub.h"
#include "store/numbers.h"

namespace lumbrix {

namespace {

std::string money(double value) {
    return FormatNumber(Round(value, 2), "0.00");
}

// The store's share and contribution elements of one board list.
template <std::size_t N>
struct BoardResults {
    ListBox& list;
    std::array<std::string, N>& share;
    std::array<std::string, N>& contribution;
};

template <std::size_t N>
void writeShares(const BoardResults<N>& r, double sawnVolume) {
    const int rows = std::min<int>(r.list.listCount(), static_cast<int>(N));
    for (int i = 0; i < rows; ++i) {
        const BoardRow row(r.list.list(i));
        r.share[i] = NumberText(Round(Divide(row.volume(), sawnVolume), 3));
        r.contribution[i] = NumberText(Round(RegionCompVal(r.share[i]) * row.price(), 3));
    }
}

// Adds the elements to a running sum, one by one in their order.
template <std::size_t N>
void addEach(double& total, const std::array<std::string, N>& elements) {
    for (const std::string& e : elements)
        total += RegionCompVal(e);
}

}  // namespace

void frmMain::Arvuta_palgihind() {
    try {
        frmMainSub& sub = store();
        // The log consumption follows the yield whatever the price list holds.
        if (RegionCompVal(lblvaljatulek2.caption()) > 0) {
            pattern.palgikulu = Round(Divide(1, pattern.valjatulek), 3);
            lblpalgikulutm.setCaption(NumberText(pattern.palgikulu));
        }
        // Without a price class this update counts the class price and the log cost as 0.
        pattern.hasLogPrice = false;
        pattern.klassihind = 0;
        pattern.palgikuluhind = 0;

        if (lstPalgiHinnad.listCount() == 0) {
            lblPalgikuluHind.setCaption("");
            runtime::msgBox(bilingual(*this, "Palgihinnad sisestamata!", "Log prices missing!"),
                            mb::kCritical | mb::kOkOnly, "Info");
            app_.window<frmPalgiHinnad>().show();
            return;
        }

        const double diameter = Val(txtPalk.text());
        int found = -1;
        for (int i = 0; i < lstPalgiHinnad.listCount(); ++i) {
            lstPalgiHinnad.setListIndex(i);
            const std::string& row = lstPalgiHinnad.list(i);
            sub.txtpalgiklass = row;
            sub.txtpalgiminDiam = Mid(row, 1, 3);
            sub.txtpalgiMaxdiam = Mid(row, 7, 3);
            sub.txtpalgitasku = Mid(row, 19, 3);
            if (Val(sub.txtpalgiminDiam) <= diameter && Val(sub.txtpalgiMaxdiam) >= diameter) {
                found = i;
                break;
            }
            lblPalgiHinnaInfo.setCaption(
                bilingual(*this, "Diameetril puudub hind!", "Diameter price is missing!"));
            lblPalgiHinnaInfo.setBackColor(colors::kLightOrange);
            lblPalgikuluHind.setCaption("");
            lblPalgikuluHind.setBackColor(colors::kRed);
            sub.txtpalgiklassihind = "0";
            sub.txtpalgiminDiam = "0";
            sub.txtpalgiMaxdiam = "0";
        }
        if (found < 0) return;

        sub.txtpalgiklassihind = Mid(lstPalgiHinnad.list(found), 12, 5);
        lblPalgiHinnaInfo.setCaption("");
        lblPalgiHinnaInfo.setBackColor(colors::kButtonFace);
        pattern.hasLogPrice = true;
        pattern.klassihind = RegionCompVal(sub.txtpalgiklassihind);
        pattern.palgikuluhind = pattern.palgikulu * pattern.klassihind;
        lblPalgikuluHind.setCaption(money(pattern.palgikuluhind));
        lblPalgikuluHind.setBackColor(colors::kWhite);
    } catch (const VbError& e) {
        runtime::showErrorBox(e.number(), e.description(), "Arvuta_palgihind");
    }
}

void frmMain::Arvuta_margin() {
    try {
        frmMainSub& sub = store();
        const double sawn = RegionCompVal(lblSaematerjalMaht.caption());
        writeShares(BoardResults<8>{lstSyda, sub.lblSydaosakaal, sub.lblsydamargin}, sawn);
        writeShares(BoardResults<2>{lstKylgVasak, sub.lblKylgVasakosakaal, sub.lblKylgVasakmargin},
                    sawn);
        writeShares(BoardResults<2>{lstKylgParem, sub.lblKylgParemosakaal, sub.lblKylgParemmargin},
                    sawn);
        writeShares(
            BoardResults<2>{lstSeimerYleval, sub.lblSeimerYlevalosakaal, sub.lblSeimerYlevalmargin},
            sawn);
        writeShares(BoardResults<2>{lstSeimerAll, sub.lblSeimerAllosakaal, sub.lblSeimerAllmargin},
                    sawn);

        // One running sum over the sixteen contributions in this order: the last digit of a
        // floating-point sum depends on it, and so, rarely, does a shown cent.
        double patternPrice = 0;
        addEach(patternPrice, sub.lblsydamargin);
        addEach(patternPrice, sub.lblKylgParemmargin);
        addEach(patternPrice, sub.lblKylgVasakmargin);
        addEach(patternPrice, sub.lblSeimerAllmargin);
        addEach(patternPrice, sub.lblSeimerYlevalmargin);
        pattern.saekavahind = patternPrice;
        lblsaekavahind.setCaption(money(pattern.saekavahind));

        pattern.tulud =
            pattern.saekavahind + pattern.purutulu + pattern.hakketulu + pattern.kooretulu;
        lblTulud.setCaption(NumberText(Round(pattern.tulud, 2)));
        const double production = RegionCompVal(sub.txtKuluTootmine);
        const double depreciation = RegionCompVal(sub.txtKuluAmort);
        pattern.kulud = pattern.palgikuluhind + production + depreciation;
        pattern.kuludEBITDA = pattern.palgikuluhind + production;
        pattern.marginaal = pattern.tulud - pattern.kulud;
        pattern.marginaalEBITDA = pattern.tulud - pattern.kuludEBITDA;
        // Without a log price the costs and margins would show the logs as free: left empty.
        const bool priced = pattern.hasLogPrice;
        lblKulud.setCaption(priced ? NumberText(Round(pattern.kulud, 2)) : "");
        lblmargintotal.setCaption(priced ? money(pattern.marginaal) : "");
        lblmargintotalEBITDA.setCaption(priced ? money(pattern.marginaalEBITDA) : "");

        // A profile without capital employed has no return on it.
        const double capital = RegionCompVal(sub.txtCE);
        lblROCE.setCaption(
            !priced || capital == 0 ? "" : NumberText(Round(pattern.marginaal / capital * 100, 2)));
    } catch (const VbError& e) {
        runtime::showErrorBox(e.number(), e.description(), "Arvuta_margin");
    }
}

}  // namespace lumbrix
