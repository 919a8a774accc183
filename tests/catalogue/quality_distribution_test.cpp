// The quality distribution: share and price formats, the 100 % check, the product price, and
// what the editor's quality table shows after it.
#include "catalogue/quality_distribution.h"

#include <gtest/gtest.h>

#include "catalogue_fixture.h"

namespace lumbrix {
namespace {

struct DistributionCase {
    const char* name;
    QualityTexts shares;
    QualityTexts prices;
    QualityTexts expectedShares;
    QualityTexts expectedPrices;
    const char* enabled;  // one character per quality: '1' enabled, '0' greyed
    const char* total;
    const char* productPrice;
};

const DistributionCase kCases[] = {
    {"all empty",
     {},
     {},
     {"0.000", "0.000", "0.000", "0.000", "0.000", "0.000"},
     {"0.000", "0.000", "0.000", "0.000", "0.000", "0.000"},
     "000000",
     "0",
     "0.000"},
    {"three qualities",
     {"50", "30", "20"},
     {"180", "120", "90"},
     {"50.00", "30.00", "20.00", "0.000", "0.000", "0.000"},
     {"180.0", "120.0", "90.00", "0.000", "0.000", "0.000"},
     "111000",
     "100",
     "144.0"},
    {"decimal shares and prices",
     {"60", "25.5", "14.5"},
     {"150", "99.5", "40"},
     {"60.00", "25.50", "14.50", "0.000", "0.000", "0.000"},
     {"150.0", "99.50", "40.00", "0.000", "0.000", "0.000"},
     "111000",
     "100",
     "121.2"},
    {"a total of 100 in binary arithmetic is 100",
     {"59.92", "35.57", "4.51"},
     {"100", "100", "100"},
     {"59.92", "35.57", "4.510", "0.000", "0.000", "0.000"},
     {"100.0", "100.0", "100.0", "0.000", "0.000", "0.000"},
     "111000",
     "100",
     "100.0"},
    {"commas read as decimal points",
     {"12,5"},
     {"45,5"},
     {"12.50", "0.000", "0.000", "0.000", "0.000", "0.000"},
     {"45.50", "0.000", "0.000", "0.000", "0.000", "0.000"},
     "100000",
     "12.5",
     "5.688"},
    // Above 99.0 (quality 5: above 99.9) a price takes one decimal, but below 100 the column's
    // five characters need two, so 99.5 reads the same for every quality.
    {"price bounds: 99.0, and 99.9 for quality 5",
     {"10", "10", "10", "10", "10", "10"},
     {"99.5", "5", "45", "0", "99.5", "12.5"},
     {"10.00", "10.00", "10.00", "10.00", "10.00", "10.00"},
     {"99.50", "5.000", "45.00", "0.000", "99.50", "12.50"},
     "111111",
     "60",
     "26.15"},
    {"share formats",
     {"99.9", "", "0", "", "", ""},
     {"1", "1", "1", "", "", ""},
     {"99.90", "0.000", "0.000", "0.000", "0.000", "0.000"},
     {"1.000", "0.000", "0.000", "0.000", "0.000", "0.000"},
     "100000",
     "99.9",
     "0.999"},
    {"quality 6 counts like the others",
     {"", "", "", "", "", "12.5"},
     {"", "", "", "", "", "45.75"},
     {"0.000", "0.000", "0.000", "0.000", "0.000", "12.50"},
     {"0.000", "0.000", "0.000", "0.000", "0.000", "45.75"},
     "000001",
     "12.5",
     "5.719"},
};

TEST(QualityDistribution, FormatsTotalAndProductPrice) {
    for (const DistributionCase& c : kCases) {
        SCOPED_TRACE(c.name);
        const QualityDistribution d = distributeQualities(c.shares, c.prices);
        EXPECT_FALSE(d.overHundred);
        EXPECT_EQ(d.shares, c.expectedShares);
        EXPECT_EQ(d.prices, c.expectedPrices);
        for (int k = 0; k < 6; ++k)
            EXPECT_EQ(d.priceEnabled[k], c.enabled[k] == '1') << "quality " << k + 1;
        EXPECT_EQ(d.total, c.total);
        EXPECT_EQ(d.productPrice, c.productPrice);
    }
}

TEST(QualityDistribution, SharesOverOneHundredAreRefusedBeforeThePrices) {
    const QualityDistribution d =
        distributeQualities({"60", "50", "", "", "", "100"}, {"180", "", "7", "", "", "3"});
    EXPECT_TRUE(d.overHundred);
    EXPECT_EQ(d.shares, (QualityTexts{"60.00", "50.00", "0.000", "0.000", "0.000", "100.0"}));
    // Prices are not rewritten; a quality without share has the price "0".
    EXPECT_EQ(d.prices, (QualityTexts{"180", "", "0", "0", "0", "3"}));
    EXPECT_EQ(d.total, "");
    EXPECT_EQ(d.productPrice, "");
}

using QualityTable = test::CatalogueTest;

TEST_F(QualityTable, GreyedPricesGreenTotalAndTheProductPrice) {
    frmMain& m = main();
    enterProduct("22", "100", {"50", "30", "20"}, {"180", "120", "90"});
    m.Arvuta_kvaliteedijagunemine();
    EXPECT_EQ(m.lblQualShareTotal.caption(), "100");
    EXPECT_EQ(m.lblQualShareTotal.foreColor(), colors::rgb(0, 192, 0));
    EXPECT_EQ(m.lblproductPrice.caption(), "144.0");
    for (int k = 1; k <= 6; ++k) {
        SCOPED_TRACE(k);
        const bool withShare = k <= 3;
        EXPECT_EQ(m.txtQualPrice(k).enabled(), withShare);
        EXPECT_EQ(m.txtQualPrice(k).backColor(),
                  withShare ? colors::rgb(255, 255, 255) : colors::rgb(192, 192, 192));
    }
    EXPECT_TRUE(desktop.messages().empty());
}

TEST_F(QualityTable, TooManySharesAreReportedAndThePriceStays) {
    frmMain& m = main();
    enterProduct("22", "100", {"50", "30", "20"}, {"180", "120", "90"});
    m.Arvuta_kvaliteedijagunemine();
    const struct {
        const char* language;
        const char* text;
        const char* title;
    } languages[] = {
        {"english.keel", "Quality distribution can't be more than 100%!", "Error!"},
        {"eesti.keel", "Kvaliteedijagunemine ei saa ületada 100%!", "Viga!"},
    };
    for (const auto& l : languages) {
        SCOPED_TRACE(l.language);
        m.lblValitudKeel.setCaption(l.language);
        m.txtQual2Share.setText("60");
        desktop.expectMessage(MsgResult::Ok);
        m.Arvuta_kvaliteedijagunemine();
        expectMessage(l.text, mb::kCritical, l.title);
        EXPECT_EQ(m.lblQualShareTotal.caption(), "");
        EXPECT_EQ(m.lblproductPrice.caption(), "144.0");
        EXPECT_EQ(m.txtQual2Share.text(), "60.00");
        EXPECT_EQ(m.txtQual4Price.text(), "0") << "left by the share check";
    }
}

}  // namespace
}  // namespace lumbrix
