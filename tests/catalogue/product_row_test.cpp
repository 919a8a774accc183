// The product row: its formats at exact widths, the row built from the editor's fields, and
// the fixed columns its readers take.
#include "catalogue/product_row.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/text.h"

namespace lumbrix {
namespace {

using Format = std::optional<std::string> (*)(double);

struct FormatCase {
    double value;
    std::optional<std::string> expected;
};

void checkFormat(const char* name, Format format, std::initializer_list<FormatCase> cases) {
    for (const FormatCase& c : cases) {
        SCOPED_TRACE(std::string(name) + " of " + std::to_string(c.value));
        EXPECT_EQ(format(c.value), c.expected);
    }
}

TEST(ProductRowFormats, SizesAreSixCharacters) {
    checkFormat("size", productSizeText,
                {
                    {8, "8.0000"},
                    {9, "9.0000"},
                    {10, "10.000"},
                    {22, "22.000"},
                    {22.88, "22.880"},
                    {99.9, "99.900"},
                    {100, "100.00"},
                    {104, "104.00"},
                    {999.99, "999.99"},
                    {0, "0.0000"},
                    // Where the rule's decimals give another width, the nearest that fits.
                    {99.91, "99.910"},  // 97 mm at 3 %: the rule gives "99.91"
                    {99.994, "99.994"},
                    {99.995, "100.00"},
                    {9.99996, "10.000"},  // "10.0000" is seven characters
                    {999.995, "1000.0"},
                    {9999.5, "9999.5"},
                    {1000000, std::nullopt},  // not even "1000000" fits
                });
}

TEST(ProductRowFormats, SharesQualityPricesAndProductPriceAreFiveCharacters) {
    checkFormat("share", qualityShareText,
                {{100, "100.0"},
                 {99.9, "99.90"},
                 {50, "50.00"},
                 {5, "5.000"},
                 {0, "0.000"},
                 {99.95, "100.0"},
                 {99.91, "99.91"},  // the rule gives "99.9"
                 {999.9, "999.9"},
                 {1000, std::nullopt}});
    checkFormat("price of quality 1", [](double p) { return qualityPriceText(1, p); },
                {{180, "180.0"},
                 {120, "120.0"},
                 {90, "90.00"},
                 {45, "45.00"},
                 {5, "5.000"},
                 {0, "0.000"},
                 {99.5, "99.50"},  // the rule gives "99.5"
                 {1000, std::nullopt}});
    checkFormat("price of quality 5", [](double p) { return qualityPriceText(5, p); },
                {{99.5, "99.50"}, {99.95, "100.0"}, {180, "180.0"}});
    checkFormat("product price", productPriceText,
                {{144, "144.0"},
                 {50, "50.00"},
                 {0, "0.000"},
                 {99.95, "100.0"},
                 {999.92, "999.9"},
                 {9.5, "9.500"},  // the rule gives "9.50"
                 {1500, std::nullopt},
                 {999.95, std::nullopt}});
}

ProductFields exampleFields() {
    ProductFields f;
    f.nominalThickness = "22";
    f.nominalWidth = "100";
    f.sawingThickness = "22.88";
    f.sawingWidth = "104.00";
    f.productPrice = "144.0";
    f.shares = {"50.00", "30.00", "20.00", "0.000", "0.000", "0.000"};
    f.prices = {"180.0", "120.0", "90.00", "0.000", "0.000", "0.000"};
    f.moisture = "18";
    f.comment = "kuiv";
    return f;
}

const std::string kExampleHead = "22.000x100.00" + Space(12) + "22.880x104.00" + Space(4);
const std::string kExampleQualities =
    "144.0 50.00 30.00 20.00 0.000 0.000 0.000 180.0 120.0 90.00 0.000 0.000 0.000 ";

TEST(ProductRow, BuildsTheRowFromTheEditorsFields) {
    struct Case {
        const char* what;
        void (*change)(ProductFields&);
        std::string row;
    };
    const Case cases[] = {
        {"the example product", [](ProductFields&) {},
         kExampleHead + kExampleQualities + "18 kuiv"},
        {"no comment: 123 characters ending in a blank",
         [](ProductFields& f) { f.comment.clear(); }, kExampleHead + kExampleQualities + "18 "},
        {"moisture 8", [](ProductFields& f) { f.moisture = "8"; },
         kExampleHead + kExampleQualities + "08 kuiv"},
        {"no moisture", [](ProductFields& f) { f.moisture.clear(); },
         kExampleHead + kExampleQualities + "00 kuiv"},
        {"no sawing width", [](ProductFields& f) { f.sawingWidth.clear(); },
         "22.000x100.00" + Space(12) + "22.880x0.0000" + Space(4) + kExampleQualities + "18 kuiv"},
        {"nominal thickness 9", [](ProductFields& f) { f.nominalThickness = "9"; },
         "9.0000x100.00" + Space(12) + "22.880x104.00" + Space(4) + kExampleQualities + "18 kuiv"},
        {"a price left at 0 by a refused distribution gets its width",
         [](ProductFields& f) { f.prices[3] = "0"; }, kExampleHead + kExampleQualities + "18 kuiv"},
        {"a comma in a share", [](ProductFields& f) { f.shares[0] = "50,00"; },
         kExampleHead + kExampleQualities + "18 kuiv"},
        {"a comment of 50 characters with Baltic letters",
         [](ProductFields& f) { f.comment = "mänd, kõva, šokk, žürii; " + std::string(25, 'x'); },
         kExampleHead + kExampleQualities + "18 mänd, kõva, šokk, žürii; " + std::string(25, 'x')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ProductFields fields = exampleFields();
        c.change(fields);
        const ProductRowBuild built = buildProductRow(fields);
        ASSERT_TRUE(built.ok()) << built.refusal;
        EXPECT_EQ(built.row, c.row);
    }
    EXPECT_EQ(Len(buildProductRow(exampleFields()).row), 127);
}

TEST(ProductRow, RefusesFieldsThatCannotKeepTheirColumns) {
    struct Case {
        const char* what;
        void (*change)(ProductFields&);
        const char* mentions;
    };
    const Case cases[] = {
        {"product price 1500", [](ProductFields& f) { f.productPrice = "1500"; }, "product price"},
        {"share 1000", [](ProductFields& f) { f.shares[2] = "1000"; }, "share of quality 3"},
        {"quality 6 price 1000", [](ProductFields& f) { f.prices[5] = "1000"; },
         "price of quality 6"},
        {"a width of a kilometre", [](ProductFields& f) { f.nominalWidth = "1000000"; },
         "nominal width"},
        {"three-digit moisture", [](ProductFields& f) { f.moisture = "100"; }, "moisture"},
        {"a comment of 51 characters", [](ProductFields& f) { f.comment = std::string(51, 'c'); },
         "comment"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ProductFields fields = exampleFields();
        c.change(fields);
        const ProductRowBuild built = buildProductRow(fields);
        EXPECT_FALSE(built.ok());
        EXPECT_TRUE(built.row.empty());
        EXPECT_NE(built.refusal.find(c.mentions), std::string::npos) << built.refusal;
    }
}

TEST(ProductRow, ReadersFindEveryFieldInItsColumns) {
    ProductFields fields = exampleFields();
    fields.shares = {"50.00", "20.00", "10.00", "10.00", "5.000", "5.000"};
    fields.prices = {"180.0", "120.0", "90.00", "60.00", "99.50", "5.000"};
    fields.comment = "kõva mänd";
    const ProductRowBuild built = buildProductRow(fields);
    ASSERT_TRUE(built.ok()) << built.refusal;

    const ProductColumns c = productColumns(built.row);
    EXPECT_EQ(c.nominalThickness, "22.000");
    EXPECT_EQ(c.nominalWidth, "100.00");
    EXPECT_EQ(c.sawingThickness, "22.880");
    EXPECT_EQ(c.sawingWidth, "104.00");
    EXPECT_EQ(c.price, "144.0");
    for (int k = 0; k < productrow::kQualities; ++k) {
        SCOPED_TRACE(k + 1);
        EXPECT_EQ(c.shares[k], fields.shares[k]);
        EXPECT_EQ(c.prices[k], fields.prices[k]);
    }
    EXPECT_EQ(c.moisture, "18");
    EXPECT_EQ(c.comment, "kõva mänd");
}

}  // namespace
}  // namespace lumbrix
