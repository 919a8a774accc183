// The quality distribution: share and price formats, the 100 % check, the product price, and
// what the editor's quality table shows after it.
#include "catalogue/quality_distribution.h"

#include <gtest/gtest.h>

#include "catalogue_fixture.h"

namespace lumbrix {
namespace {

// Six field texts from "a|b|c"; the missing ones are empty.
QualityTexts texts(const std::string& fields) {
    QualityTexts t;
    std::size_t k = 0;
    for (char ch : fields) {
        if (ch == '|')
            ++k;
        else
            t[k].push_back(ch);
    }
    return t;
}

std::string joined(const QualityTexts& t) {
    std::string all = t[0];
    for (int k = 1; k < productrow::kQualities; ++k)
        all += " " + t[k];
    return all;
}

TEST(QualityDistribution, FormatsTotalAndProductPrice) {
    const struct {
        const char *shares, *prices, *expectedShares, *expectedPrices;
        const char* enabled;  // one character per quality: '1' enabled, '0' greyed
        const char *total, *productPrice;
    } cases[] = {
        {"50|30|20", "180|120|90", "50.00 30.00 20.00 0.000 0.000 0.000",
         "180.0 120.0 90.00 0.000 0.000 0.000", "111000", "100", "144.0"},
        {"60|25.5|14.5", "150|99.5|40", "60.00 25.50 14.50 0.000 0.000 0.000",
         "150.0 99.50 40.00 0.000 0.000 0.000", "111000", "100", "121.2"},
        // A total of 100 in binary arithmetic is 100.
        {"59.92|35.57|4.51", "100|100|100", "59.92 35.57 4.510 0.000 0.000 0.000",
         "100.0 100.0 100.0 0.000 0.000 0.000", "111000", "100", "100.0"},
        {"12,5", "45,5", "12.50 0.000 0.000 0.000 0.000 0.000",
         "45.50 0.000 0.000 0.000 0.000 0.000", "100000", "12.5", "5.688"},
        // Above 99.0 (quality 5: above 99.9) a price takes one decimal, but below 100 the
        // column's five characters need two, so 99.5 reads the same for every quality.
        {"10|10|10|10|10|10", "99.5|5|45|0|99.5|12.5", "10.00 10.00 10.00 10.00 10.00 10.00",
         "99.50 5.000 45.00 0.000 99.50 12.50", "111111", "60", "26.15"},
        // Refused shares leave the prices as typed, except "0" for a quality without share.
        {"60|50||||100", "180||7|||3", "60.00 50.00 0.000 0.000 0.000 100.0", "180  0 0 0 3",
         "110001", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.shares) + " at " + c.prices);
        const QualityDistribution d = distributeQualities(texts(c.shares), texts(c.prices));
        EXPECT_EQ(d.overHundred, c.total[0] == '\0');
        EXPECT_EQ(joined(d.shares), c.expectedShares);
        EXPECT_EQ(joined(d.prices), c.expectedPrices);
        for (int k = 0; k < 6; ++k)
            EXPECT_EQ(d.priceEnabled[k], c.enabled[k] == '1') << "quality " << k + 1;
        EXPECT_EQ(d.total, c.total);
        EXPECT_EQ(d.productPrice, c.productPrice);
    }
}

using QualityTable = test::CatalogueTest;

TEST_F(QualityTable, TheTableShowsTheCheckAndTooManySharesAreReported) {
    frmMain& m = main();
    enterProduct("22", "100", {"50", "30", "20"}, {"180", "120", "90"});
    m.Arvuta_kvaliteedijagunemine();
    EXPECT_EQ(m.lblQualShareTotal.caption(), "100");
    EXPECT_EQ(m.lblQualShareTotal.foreColor(), colors::rgb(0, 192, 0));
    EXPECT_EQ(m.lblproductPrice.caption(), "144.0");
    EXPECT_TRUE(m.txtQual3Price.enabled());
    EXPECT_FALSE(m.txtQual4Price.enabled());
    EXPECT_EQ(m.txtQual4Price.backColor(), colors::rgb(192, 192, 192));
    EXPECT_TRUE(desktop.messages().empty());

    const struct {
        const char *language, *text, *title;
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
        EXPECT_EQ(m.lblproductPrice.caption(), "144.0") << "the last accepted price stays";
        EXPECT_EQ(m.txtQual2Share.text(), "60.00");
    }
}

}  // namespace
}  // namespace lumbrix
