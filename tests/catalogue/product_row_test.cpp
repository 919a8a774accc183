// The product row: its formats at exact widths and the row built from the editor's fields. The
// shipped profile's test reads every shipped row back through the readers' columns.
#include "catalogue/product_row.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/text.h"

namespace lumbrix {
namespace {

TEST(ProductRowFormats, ExactWidthWidenedWhereTheRuleMissesItRefusedWhereNothingFits) {
    using Format = std::optional<std::string> (*)(double);
    const Format size = productSizeText, share = qualityShareText, price = productPriceText;
    const Format quality = [](double p) { return qualityPriceText(1, p); };
    // Where the rule's decimals miss the width, the nearest that fits: size 99.91 ("99.91")
    // and 9.99996 ("10.0000"), share 99.91 ("99.9"), quality price 99.5 ("99.5"), product
    // price 9.5 ("9.50"). nullptr: refused.
    const struct {
        Format text;
        double value;
        const char* expected;
    } cases[] = {
        {size, 8, "8.0000"},       {size, 104, "104.00"},    {size, 99.91, "99.910"},
        {size, 9.99996, "10.000"}, {size, 1000000, nullptr}, {share, 100, "100.0"},
        {share, 5, "5.000"},       {share, 99.91, "99.91"},  {share, 1000, nullptr},
        {quality, 99.5, "99.50"},  {quality, 1000, nullptr}, {price, 144, "144.0"},
        {price, 0, "0.000"},       {price, 9.5, "9.500"},    {price, 999.95, nullptr},
        {price, 1500, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value << " as " << (c.expected ? c.expected : "-"));
        EXPECT_EQ(c.text(c.value).value_or("refused"), c.expected ? c.expected : "refused");
    }
}

ProductFields exampleFields() {
    ProductFields f{"22", "100", "22.88", "104.00", "144.0", {}, {}, "18", "kuiv"};
    f.shares = {"50.00", "30.00", "20.00", "0.000", "0.000", "0.000"};
    f.prices = {"180.0", "120.0", "90.00", "0.000", "0.000", "0.000"};
    return f;
}

TEST(ProductRow, BuildsTheRowFromTheEditorsFields) {
    const std::string head = "22.000x100.00" + Space(12) + "22.880x104.00" + Space(4) +
                             "144.0 50.00 30.00 20.00 0.000 0.000 0.000 " +
                             "180.0 120.0 90.00 0.000 0.000 0.000 ";
    const struct {
        const char* what;
        void (*change)(ProductFields&);
        std::string row;
    } cases[] = {
        {"the example", [](ProductFields&) {}, head + "18 kuiv"},
        {"no comment: 123 characters", [](ProductFields& f) { f.comment.clear(); }, head + "18 "},
        {"moisture 8", [](ProductFields& f) { f.moisture = "8"; }, head + "08 kuiv"},
        {"no moisture", [](ProductFields& f) { f.moisture.clear(); }, head + "00 kuiv"},
        {"a price left at 0 by a refused distribution", [](ProductFields& f) { f.prices[3] = "0"; },
         head + "18 kuiv"},
        {"50 characters of comment with Baltic letters",
         [](ProductFields& f) { f.comment = "mänd, kõva, šokk, žürii; " + std::string(25, 'x'); },
         head + "18 mänd, kõva, šokk, žürii; " + std::string(25, 'x')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ProductFields fields = exampleFields();
        c.change(fields);
        const ProductRowBuild built = buildProductRow(fields);
        ASSERT_TRUE(built.ok()) << built.refusal;
        EXPECT_EQ(built.row, c.row);
        EXPECT_EQ(productColumns(built.row).comment, fields.comment) << "read by characters";
    }
}

TEST(ProductRow, RefusesFieldsThatCannotKeepTheirColumns) {
    const struct {
        void (*change)(ProductFields&);
        const char* mentions;
    } cases[] = {
        {[](ProductFields& f) { f.productPrice = "1500"; }, "product price"},
        {[](ProductFields& f) { f.shares[2] = "1000"; }, "share of quality 3"},
        {[](ProductFields& f) { f.nominalWidth = "1000000"; }, "nominal width"},
        {[](ProductFields& f) { f.moisture = "100"; }, "moisture"},
        {[](ProductFields& f) { f.comment = std::string(51, 'c'); }, "comment"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mentions);
        ProductFields fields = exampleFields();
        c.change(fields);
        const ProductRowBuild built = buildProductRow(fields);
        EXPECT_TRUE(built.row.empty());
        EXPECT_NE(built.refusal.find(c.mentions), std::string::npos) << built.refusal;
    }
}

}  // namespace
}  // namespace lumbrix
