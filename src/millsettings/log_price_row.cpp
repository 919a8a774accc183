#include "millsettings/log_price_row.h"

#include <algorithm>

#include "platform/text.h"
#include "platform/vb_error.h"
#include "store/numbers.h"

namespace lumbrix {

namespace {

// The entry's leading number with a point, or nullopt beyond the number range.
std::optional<double> entryValue(std::string_view entry) {
    try {
        return Val(entry);
    } catch (const VbError&) {
        return std::nullopt;
    }
}

bool isPocket(std::string_view pocket) {
    return !pocket.empty() && pocket.size() <= logpricerow::kPocketWidth &&
           std::all_of(pocket.begin(), pocket.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

std::optional<std::string> logPriceDiameterText(std::string_view entry) {
    const std::optional<double> value = entryValue(entry);
    if (!value) return std::nullopt;
    std::string digits = FormatNumber(*value, "0");
    if (digits.front() == '-' || Len(digits) > logpricerow::kDiameterWidth) return std::nullopt;
    return std::string(logpricerow::kDiameterWidth - digits.size(), '0') + digits;
}

std::optional<std::string> logPriceText(std::string_view entry) {
    const std::optional<double> value = entryValue(entry);
    if (!value) return std::nullopt;
    // Three decimals below 10, two below 100, one from there: the first of these that gives
    // five characters once rounded, so a price that rounds up to the next range takes that
    // range's decimals.
    for (const char* pattern : {"0.000", "0.00", "0.0"}) {
        std::string text = FormatNumber(*value, pattern);
        if (text.front() == '-') return std::nullopt;
        if (Len(text) == logpricerow::kPriceWidth) return text;
    }
    return std::nullopt;
}

std::string composeLogPriceRow(std::string_view minimum, std::string_view maximum,
                               std::string_view price, std::string_view pocket) {
    std::string row(minimum);
    row += " - ";
    row += maximum;
    row += "  ";
    row += price;
    row += "  ";
    row += pocket;
    return row;
}

LogPriceRowBuild buildLogPriceRow(std::string_view minimum, std::string_view maximum,
                                  std::string_view price, std::string_view pocket) {
    LogPriceRowBuild result;
    const std::optional<std::string> minText = logPriceDiameterText(minimum);
    const std::optional<std::string> maxText = logPriceDiameterText(maximum);
    const std::optional<std::string> priceText = logPriceText(price);
    if (!minText) {
        result.refused = LogPriceEntry::Minimum;
    } else if (!maxText) {
        result.refused = LogPriceEntry::Maximum;
    } else if (!priceText) {
        result.refused = LogPriceEntry::Price;
    } else if (!isPocket(pocket)) {
        result.refused = LogPriceEntry::Pocket;
    } else {
        result.row = composeLogPriceRow(*minText, *maxText, *priceText, pocket);
    }
    return result;
}

LogPriceColumns logPriceColumns(std::string_view row) {
    return {Mid(row, logpricerow::kMinimum, logpricerow::kDiameterWidth),
            Mid(row, logpricerow::kMaximum, logpricerow::kDiameterWidth),
            Mid(row, logpricerow::kPrice, logpricerow::kPriceWidth),
            Mid(row, logpricerow::kPocket, logpricerow::kPocketWidth)};
}

}  // namespace lumbrix
