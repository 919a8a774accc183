// The quality distribution of a product and its price, and the procedure that applies it to
// the catalogue editor's quality table.
#include "catalogue/quality_distribution.h"

#include "localisation/message_language.h"
#include "mainwindow/frm_main.h"
#include "platform/vb_error.h"
#include "store/numbers.h"

namespace lumbrix {

namespace {

constexpr Color kPriceDisabled = colors::rgb(192, 192, 192);
constexpr Color kPriceEnabled = colors::rgb(255, 255, 255);
constexpr Color kTotalAccepted = colors::rgb(0, 192, 0);

// A number in its field format. A value that no number of decimals brings to the field's
// width (which only a refused total or a row that cannot be stored gives) is written plain.
std::string inFormat(const std::optional<std::string>& formatted, double value) {
    return formatted.value_or(NumberText(value));
}

}  // namespace

QualityDistribution distributeQualities(const QualityTexts& shares, const QualityTexts& prices) {
    QualityDistribution d;
    d.prices = prices;
    double total = 0;
    for (int k = 0; k < productrow::kQualities; ++k) {
        const double share = RegionCompVal(shares[k]);
        d.shares[k] = inFormat(qualityShareText(share), share);
        d.priceEnabled[k] = RegionCompVal(d.shares[k]) != 0;
        if (!d.priceEnabled[k]) {
            d.shares[k] = "0.000";
            d.prices[k] = "0";
        }
        total += RegionCompVal(d.shares[k]);
    }
    if (Round(total, 9) > 100) {
        d.overHundred = true;
        return d;
    }
    d.total = NumberText(total);

    double sum = 0;
    for (int k = 0; k < productrow::kQualities; ++k) {
        const double price = RegionCompVal(d.prices[k]);
        d.prices[k] = inFormat(qualityPriceText(k + 1, price), price);
        sum += RegionCompVal(d.shares[k]) * RegionCompVal(d.prices[k]);
    }
    const double productPrice = CheckedResult(sum / 100);
    d.productPrice = inFormat(productPriceText(productPrice), productPrice);
    return d;
}

TextBox& frmMain::txtQualShare(int quality) {
    TextBox* const fields[] = {&txtQual1Share, &txtQual2Share, &txtQual3Share,
                               &txtQual4Share, &txtQual5Share, &txtQual6Share};
    if (quality < 1 || quality > productrow::kQualities) {
        throw VbError(vberr::kSubscriptOutOfRange);
    }
    return *fields[quality - 1];
}

TextBox& frmMain::txtQualPrice(int quality) {
    TextBox* const fields[] = {&txtQual1Price, &txtQual2Price, &txtQual3Price,
                               &txtQual4Price, &txtQual5Price, &txtQual6Price};
    if (quality < 1 || quality > productrow::kQualities) {
        throw VbError(vberr::kSubscriptOutOfRange);
    }
    return *fields[quality - 1];
}

void frmMain::Arvuta_kvaliteedijagunemine() {
    checkQualityDistribution(true);
}

bool frmMain::checkQualityDistribution(bool reportOverHundred) {
    try {
        QualityTexts shares;
        QualityTexts prices;
        for (int k = 0; k < productrow::kQualities; ++k) {
            shares[k] = txtQualShare(k + 1).text();
            prices[k] = txtQualPrice(k + 1).text();
        }
        const QualityDistribution d = distributeQualities(shares, prices);
        for (int k = 0; k < productrow::kQualities; ++k) {
            txtQualShare(k + 1).setText(d.shares[k]);
            TextBox& price = txtQualPrice(k + 1);
            price.setText(d.prices[k]);
            price.setEnabled(d.priceEnabled[k]);
            price.setBackColor(d.priceEnabled[k] ? kPriceEnabled : kPriceDisabled);
        }
        if (d.overHundred) {
            lblQualShareTotal.setCaption("");
            if (reportOverHundred) {
                runtime::msgBox(bilingual(*this, "Kvaliteedijagunemine ei saa ületada 100%!",
                                          "Quality distribution can't be more than 100%!"),
                                mb::kCritical, bilingual(*this, "Viga!", "Error!"));
            }
            return false;
        }
        lblQualShareTotal.setCaption(d.total);
        lblQualShareTotal.setForeColor(kTotalAccepted);
        lblproductPrice.setCaption(d.productPrice);
        return true;
    } catch (const VbError&) {
        return false;  // a failed check ends quietly; Add and Change refuse the product
    }
}

}  // namespace lumbrix
