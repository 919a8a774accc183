// By-products of the pattern: sawdust from the kerfs, chips (the rest of the log that is
// neither board nor sawdust) and bark, as shares of the log, per m3 of sawn timber in solid
// and loose volume, and their revenue.
#include "calculation/cut_block.h"
#include "mainwindow/frm_main.h"
#include "platform/vb_error.h"
#include "store/board_row.h"
#include "store/frm_main_sub.h"
#include "store/numbers.h"

namespace lumbrix {

namespace {

// kerf (mm) x cut height (mm) x length (mm) x cuts, in m3.
double cutVolume(double kerf, double height, double length, double cuts) {
    return kerf * height * length * cuts / 1e9;
}

// One by-product per m3 of sawn timber, as the store holds it: the solid and loose volumes as
// text, and the revenue rounded to 2 decimals. Each step reads the text the step before wrote,
// as every figure of the store is text, so the last digits are those of the shown figures.
struct ByProduct {
    std::string solid;
    std::string loose;
    double revenue;
};

ByProduct perM3OfSawnTimber(double shareOfLog, double logConsumption,
                            const std::string& looseFactor, const std::string& pricePerLoose) {
    ByProduct b;
    b.solid = NumberText(shareOfLog * logConsumption);
    b.loose = NumberText(RegionCompVal(b.solid) * RegionCompVal(looseFactor));
    b.revenue = Round(RegionCompVal(b.loose) * RegionCompVal(pricePerLoose), 2);
    return b;
}

std::string percentOf(double fraction) {
    return FormatNumber(Round(fraction, 3), "0.00%");
}

}  // namespace

void frmMain::Arvuta_puru() {
    try {
        frmMainSub& sub = store();
        const double k1 = pattern.ketas1saag;
        const double k2 = RegionCompVal(pattern.ketas2saag);
        const double edgerKerf = RegionCompVal(sub.txtKetasSeimer);
        const double length = RegionCompVal(txtPikkus.text());
        const double logVolume = pattern.dblPalgimaht;
        const int n = lstSyda.listCount();

        double thicknesses = 0;
        for (int i = 0; i < n; ++i) {
            lstSyda.setListIndex(i);
            thicknesses += BoardRow(lstSyda.list(i)).sawingThickness();
        }
        const CutBlock block = governingCutBlock(*this, k1, k2, thicknesses);

        const double lowerEdging = lstSeimerAll.listCount() > 0
                                       ? cutVolume(edgerKerf, picseimerall[0].height(), length, 2)
                                       : 0;
        const double upperEdging =
            lstSeimerYleval.listCount() > 0
                ? cutVolume(edgerKerf, picseimeryleval[0].height(), length, 2)
                : 0;
        const double sawdust = cutVolume(k1, block.width, length, 2) + lowerEdging + upperEdging +
                               cutVolume(k2, block.height, length, n + 1);
        lblvaljatulekpuru.setCaption(NumberText(sawdust));
        const double sawdustShare = Divide(sawdust, logVolume);
        lblvaljatulekpuruprotsent.setCaption(percentOf(sawdustShare));
        lblvaljatulekpuru2.setCaption(NumberText(sawdustShare));

        if (n == 0) {
            lblvaljatulekhake.setCaption("");
            lblvaljatulekhakeprotsent.setCaption("");
            sub.lblpurupuistekant.clear();
            sub.lblpuistehakkekant.clear();
            sub.lblpuistekoorkant.clear();
            return;
        }

        // Chips are what is left; negative when boards and kerfs exceed the log.
        const double chips = logVolume - pattern.saematerjalimaht - sawdust;
        lblvaljatulekhake.setCaption(NumberText(chips));
        const double chipsShare = Divide(chips, logVolume);
        lblvaljatulekhake2.setCaption(NumberText(chipsShare));
        lblvaljatulekhakeprotsent.setCaption(chipsShare < 0 ? "0.00%" : percentOf(chipsShare));
        const double barkShare = RegionCompVal(sub.txtKoefitsentKoorPalgist);
        lblvaljatulekkoorprotsent.setCaption(FormatNumber(barkShare, "0.00%"));

        const double consumption = pattern.palgikulu;
        sub.lblsaematmaht = NumberText(pattern.valjatulek * consumption);

        const ByProduct chipsPerM3 =
            perM3OfSawnTimber(chipsShare, consumption, sub.txtKoefitsentHake, sub.txtHakehind);
        sub.lblhakkemaht = chipsPerM3.solid;
        sub.lblpuistehakkekant = chipsPerM3.loose;
        pattern.hakketulu = chipsPerM3.revenue;
        lblMarginHake.setCaption(NumberText(pattern.hakketulu));

        const ByProduct sawdustPerM3 =
            perM3OfSawnTimber(sawdustShare, consumption, sub.txtKoefitsentPuru, sub.txtsaepuruHind);
        sub.lblpurumaht = sawdustPerM3.solid;
        sub.lblpurupuistekant = sawdustPerM3.loose;
        pattern.purutulu = sawdustPerM3.revenue;
        lblMarginPuru.setCaption(NumberText(pattern.purutulu));

        const ByProduct barkPerM3 =
            perM3OfSawnTimber(barkShare, consumption, sub.txtKoefitsentKoor, sub.txtkoorhind);
        sub.lblkoormaht = barkPerM3.solid;
        sub.lblpuistekoorkant = barkPerM3.loose;
        pattern.kooretulu = barkPerM3.revenue;
        lblMarginKoor.setCaption(NumberText(pattern.kooretulu));
    } catch (const VbError& e) {
        runtime::showErrorBox(e.number(), e.description(), "Arvuta_puru");
    }
}

}  // namespace lumbrix
