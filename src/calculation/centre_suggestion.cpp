#include "calculation/centre_suggestion.h"

#include <algorithm>
#include <cmath>

#include "catalogue/product_row.h"
#include "platform/text.h"
#include "platform/vb_error.h"
#include "store/board_row.h"
#include "store/numbers.h"

namespace lumbrix {

namespace {

// The size format of the product row; a value too large for six characters keeps the
// format's decimals, so the dialog shows it as it is, and such boards are not written.
std::string sizeText(double mm) {
    if (std::optional<std::string> text = productSizeText(mm)) return *text;
    return FormatNumber(mm, mm > 99.9 ? "0.00" : mm < 10 ? "0.0000" : "0.000");
}

// A number written with one decimal and read back: the later steps use the written value.
double oneDecimal(double value) {
    return Val(FormatNumber(value, "0.0"));
}

}  // namespace

bool CentreSuggestion::sawable() const {
    return Val(sawingThickness) > 0 && Val(sawingWidth) > 0 && Val(nominalThickness) > 0 &&
           Val(nominalWidth) > 0;
}

bool CentreSuggestion::fitsBoardRow() const {
    for (const std::string* size :
         {&nominalThickness, &nominalWidth, &sawingThickness, &sawingWidth}) {
        if (Len(*size) != boardrow::kSizeWidth) return false;
    }
    return true;
}

CentreSuggestion suggestCentreBoards(double diameterMm, int count, double kerfMm,
                                     double oversizePercent) {
    const double sawingWidth = oneDecimal(diameterMm / std::sqrt(2.0));
    CentreSuggestion s;
    s.kerfTotal = CLng(oneDecimal(kerfMm * (count + 1)));
    const double sawingThickness = Divide(sawingWidth - static_cast<double>(s.kerfTotal), count);
    const double divisor = 100 + oversizePercent;
    s.nominalWidth = sizeText(Divide(sawingWidth * 100, divisor));
    s.nominalThickness = sizeText(Divide(sawingThickness * 100, divisor));
    s.sawingWidth = sizeText(sawingWidth);
    s.sawingThickness = sizeText(sawingThickness);
    return s;
}

std::string suggestedCentreRow(const CentreSuggestion& s, double lengthMm) {
    const std::string head =
        boardRowHead(s.nominalThickness, s.nominalWidth, s.sawingThickness, s.sawingWidth);
    const double volume = boardVolume(lengthMm, Val(s.nominalThickness), Val(s.nominalWidth));
    return composeBoardRowText(head, NumberText(lengthMm), NumberText(volume), "0.000");
}

std::optional<double> fieldNumber(std::string_view text) {
    try {
        return ToDoubleStrict(text);
    } catch (const VbError&) {
        return std::nullopt;
    }
}

int usedBoardCount(std::string_view text) {
    const std::optional<double> typed = fieldNumber(text);
    if (!typed) return suggestion::kDesignBoards;
    const double kept = std::clamp(*typed, static_cast<double>(suggestion::kFewestBoards),
                                   static_cast<double>(suggestion::kMostBoards));
    return CInt(kept);
}

double usedOversize(std::string_view text) {
    const std::optional<double> typed = fieldNumber(text);
    if (!typed) return suggestion::kDesignOversize;
    return std::clamp(*typed, suggestion::kLeastOversize, suggestion::kMostOversize);
}

}  // namespace lumbrix
