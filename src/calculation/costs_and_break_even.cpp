// The end of the economics chain: other costs per m3 of sawn timber, the centre-board price
// and break-even price, and the price the mill can pay for its logs.
#include <algorithm>

#include "mainwindow/frm_main.h"
#include "platform/vb_error.h"
#include "store/board_row.h"
#include "store/frm_main_sub.h"
#include "store/numbers.h"

namespace lumbrix {

namespace {
std::string money(double value) {
    return FormatNumber(Round(value, 2), "0.00");
}
}  // namespace

void frmMain::Arvuta_muudkulud() {
    try {
        frmMainSub& sub = store();
        const double fixed = RegionCompVal(sub.txtKuisedPysikuludKokku);
        const double depreciation = RegionCompVal(sub.txtKuisedAmordikuludKokku);
        const double variable = RegionCompVal(sub.txtYhikuMuutuvkulud);
        const double volume = RegionCompVal(sub.txtKuineTootmismaht);
        const double production = Divide(fixed, volume) + variable;
        const double depreciationPerM3 = Divide(depreciation, volume);
        sub.txtKuluTootmine = NumberText(production);
        sub.txtKuluAmort = NumberText(depreciationPerM3);
        lblMuudkuludHind.setCaption(money(depreciationPerM3 + production));
    } catch (const VbError& e) {
        runtime::showErrorBox(e.number(), e.description(), "Arvuta_muudkulud");
    }
}

void frmMain::Arvuta_breakeven() {
    try {
        frmMainSub& sub = store();
        sub.lblSydaOsakaalSydames.fill("0");
        sub.lblSydaHindSydames.fill("0");

        double centreVolume = 0;
        for (int i = 0; i < lstSyda.listCount(); ++i) {
            lstSyda.setListIndex(i);
            centreVolume += BoardRow(lstSyda.list(i)).volume();
        }
        const int rows = std::min(lstSyda.listCount(), 8);
        for (int i = 0; i < rows && centreVolume != 0; ++i) {
            const BoardRow row(lstSyda.list(i));
            sub.lblSydaOsakaalSydames[i] = NumberText(Round(row.volume() / centreVolume, 3));
            sub.lblSydaHindSydames[i] =
                NumberText(RegionCompVal(sub.lblSydaOsakaalSydames[i]) * row.price());
        }
        double centrePrice = 0;
        for (const std::string& part : sub.lblSydaHindSydames)
            centrePrice += RegionCompVal(part);
        // Centre boards without volume have no price per m3 of their timber.
        lblSydaHind.setCaption(centreVolume == 0 ? "" : NumberText(Round(centrePrice, 2)));

        const double share = pattern.sydaosakaal;
        const double centrePart = RegionCompVal(lblSydaHind.caption()) * share;
        const double patternPrice = RegionCompVal(lblsaekavahind.caption());
        // Centre boards only: no side or edger board in the pattern.
        const bool centreOnly = lstKylgVasak.listCount() == 0 && lstKylgParem.listCount() == 0 &&
                                lstSeimerAll.listCount() == 0 && lstSeimerYleval.listCount() == 0;
        double sidePart = 0;
        if (centreOnly || share >= 1) {
            lblKyljelauahind.setCaption("");
        } else {
            sidePart = patternPrice - centrePart;
            lblKyljelauahind.setCaption(NumberText(sidePart / (1 - share)));
        }

        const double breakEvenPrice = patternPrice - RegionCompVal(lblmargintotal.caption());
        const double centreAtBreakEven = breakEvenPrice - sidePart;
        if (share == 0 || !pattern.hasLogPrice) {
            // No centre timber to carry the price, or no log cost to break even with.
            lblCBBreakEven.setCaption("");
        } else {
            const double perM3 = centreAtBreakEven / share;
            lblCBBreakEven.setCaption(perM3 >= 0 ? money(perM3) : "0.00");
        }
    } catch (const VbError& e) {
        runtime::showErrorBox(e.number(), e.description(), "Arvuta_breakeven");
    }
}

void frmMain::Arvuta_rawmaterialATP() {
    try {
        const double consumption = pattern.palgikulu;
        const double classPrice = pattern.klassihind;
        // The payable price raises the class price by the margin per m3 of logs, so the class
        // price cancels out: without a class it is computed with a class price of 0 and the
        // margins of this update as their labels would have shown them.
        const bool priced = pattern.hasLogPrice;
        const double margin =
            priced ? RegionCompVal(lblmargintotal.caption()) : Round(pattern.marginaal, 2);
        const double marginEBITDA = priced ? RegionCompVal(lblmargintotalEBITDA.caption())
                                           : Round(pattern.marginaalEBITDA, 2);
        if (consumption == 0) {
            // No log consumption yet: no price per m3 of logs can be derived.
            lblRawATPEBIT.setCaption("");
            lblRawATPEBITDA.setCaption("");
        } else {
            lblRawATPEBIT.setCaption(money(classPrice + margin / consumption));
            lblRawATPEBITDA.setCaption(money(classPrice + marginEBITDA / consumption));
        }
        lblNETrawmaterial.setCaption(priced ? money(classPrice * consumption - pattern.hakketulu -
                                                    pattern.purutulu - pattern.kooretulu)
                                            : "");
    } catch (const VbError& e) {
        runtime::showErrorBox(e.number(), e.description(), "Arvuta_rawmaterialATP");
    }
}

}  // namespace lumbrix
