#include "catalogue/product_row.h"

#include <array>

#include "platform/text.h"
#include "platform/vb_error.h"
#include "store/numbers.h"

namespace lumbrix {

namespace {

constexpr std::array<const char*, 5> kPatterns = {"0", "0.0", "0.00", "0.000", "0.0000"};
constexpr int kMaxDecimals = static_cast<int>(kPatterns.size()) - 1;

// The leading number of a field with a point as decimal separator; nullopt beyond the range.
std::optional<double> leadingNumber(std::string_view text) {
    try {
        return Val(text);
    } catch (const VbError&) {
        return std::nullopt;
    }
}

// The leading number once every comma has become a point.
std::optional<double> commaTolerantNumber(std::string_view text) {
    return leadingNumber(Replace(text, ",", "."));
}

std::optional<std::string> formattedField(const std::string& name, std::string_view text,
                                          std::optional<std::string> (*format)(double),
                                          std::optional<double> (*read)(std::string_view),
                                          std::string& refusal, int width) {
    const std::optional<double> value = read(text);
    std::optional<std::string> result = value ? format(*value) : std::nullopt;
    if (!result && refusal.empty()) {
        refusal = name + " \"" + std::string(text) + "\" does not fit its " +
                  std::to_string(width) + "-character column";
    }
    return result;
}

}  // namespace

std::optional<std::string> fixedWidthNumber(double value, int decimals, int width) {
    if (decimals < 0 || decimals > kMaxDecimals) throw VbError(vberr::kInvalidProcedureCall);
    std::string text = FormatNumber(value, kPatterns[decimals]);
    if (Len(text) == width) return text;
    // One decimal more adds at most one character (a rounding carry can take one away), so
    // the width is met on the way or never.
    const int step = Len(text) > width ? -1 : 1;
    for (int d = decimals + step; d >= 0 && d <= kMaxDecimals; d += step) {
        text = FormatNumber(value, kPatterns[d]);
        if (Len(text) == width) return text;
        if ((step < 0) != (Len(text) > width)) break;  // passed the width
    }
    return std::nullopt;
}

std::optional<std::string> productSizeText(double mm) {
    const int decimals = mm > 99.9 ? 2 : mm < 10 ? 4 : 3;
    return fixedWidthNumber(mm, decimals, productrow::kSizeWidth);
}

std::optional<std::string> qualityShareText(double percent) {
    const int decimals = percent > 99.9 ? 1 : percent < 10 ? 3 : 2;
    return fixedWidthNumber(percent, decimals, productrow::kNumberWidth);
}

std::optional<std::string> qualityPriceText(int quality, double price) {
    const double bound = quality == 5 ? 99.9 : 99.0;
    const int decimals = price > bound ? 1 : price < 10 ? 3 : 2;
    return fixedWidthNumber(price, decimals, productrow::kNumberWidth);
}

std::optional<std::string> productPriceText(double price) {
    const int decimals = price > 999.9 ? 0 : price > 99.9 ? 1 : price == 0 ? 3 : 2;
    return fixedWidthNumber(price, decimals, productrow::kNumberWidth);
}

std::string paddedMoisture(std::string_view moisture) {
    if (moisture.empty()) return "00";
    if (Len(moisture) == 1) return "0" + std::string(moisture);
    return std::string(moisture);
}

ProductRowBuild buildProductRow(const ProductFields& f) {
    ProductRowBuild result;
    std::string& refusal = result.refusal;
    const auto size = [&](const char* name, const std::string& text) {
        return formattedField(name, text, productSizeText, leadingNumber, refusal,
                              productrow::kSizeWidth)
            .value_or("");
    };
    const auto number = [&](const std::string& name, const std::string& text,
                            std::optional<std::string> (*format)(double)) {
        return formattedField(name, text, format, commaTolerantNumber, refusal,
                              productrow::kNumberWidth)
            .value_or("");
    };
    // The quality prices' format depends on the quality: one formatter per quality.
    static constexpr std::array<std::optional<std::string> (*)(double), productrow::kQualities>
        kPriceFormats = {
            [](double p) { return qualityPriceText(1, p); },
            [](double p) { return qualityPriceText(2, p); },
            [](double p) { return qualityPriceText(3, p); },
            [](double p) { return qualityPriceText(4, p); },
            [](double p) { return qualityPriceText(5, p); },
            [](double p) { return qualityPriceText(6, p); },
        };

    std::string row = size("the nominal thickness", f.nominalThickness) + "x" +
                      size("the nominal width", f.nominalWidth) + Space(12) +
                      size("the sawing thickness", f.sawingThickness) + "x" +
                      size("the sawing width", f.sawingWidth) + Space(4) +
                      number("the product price", f.productPrice, productPriceText);
    for (int k = 0; k < productrow::kQualities; ++k) {
        row += " " + number("the share of quality " + std::to_string(k + 1), f.shares[k],
                            qualityShareText);
    }
    for (int k = 0; k < productrow::kQualities; ++k) {
        row += " " + number("the price of quality " + std::to_string(k + 1), f.prices[k],
                            kPriceFormats[k]);
    }
    const std::string moisture = paddedMoisture(f.moisture);
    if (refusal.empty() && Len(moisture) != productrow::kMoistureWidth) {
        refusal = "the moisture \"" + f.moisture + "\" has more than two characters";
    }
    if (refusal.empty() && Len(f.comment) > productrow::kMaxCommentLength) {
        refusal = "the comment is longer than 50 characters";
    }
    if (refusal.empty()) result.row = row + " " + moisture + " " + f.comment;
    return result;
}

ProductColumns productColumns(std::string_view row) {
    using namespace productrow;
    ProductColumns c;
    c.nominalThickness = Mid(row, kNominalThickness, kSizeWidth);
    c.nominalWidth = Mid(row, kNominalWidth, kSizeWidth);
    c.sawingThickness = Mid(row, kSawingThickness, kSizeWidth);
    c.sawingWidth = Mid(row, kSawingWidth, kSizeWidth);
    c.price = Mid(row, kPrice, kNumberWidth);
    for (int k = 0; k < kQualities; ++k) {
        c.shares[k] = Mid(row, kFirstShare + k * kQualityStep, kNumberWidth);
        c.prices[k] = Mid(row, kFirstQualityPrice + k * kQualityStep, kNumberWidth);
    }
    c.moisture = Mid(row, kMoisture, kMoistureWidth);
    c.comment = Mid(row, kComment, kMaxCommentLength);
    return c;
}

}  // namespace lumbrix
