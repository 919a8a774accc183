// Whether a pattern read from a file is one the program writes: the log the drawing takes and
// board rows in the board row's columns, so that opening it shows the pattern and its
// figures and never a box that cannot say which file is to blame.
#include "patterns/pattern_check.h"

#include <cctype>
#include <string_view>
#include <vector>

#include "platform/text.h"
#include "platform/vb_error.h"
#include "store/board_row.h"
#include "store/numbers.h"

namespace lumbrix {

namespace {

using Problem = std::optional<TwoLanguageText>;

std::string inQuotes(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

// The number of a text that holds one plain decimal number and blanks around it: digits with
// at most one decimal point or comma, a minus sign first only where `allowMinus` allows it. The
// program writes no other numbers into a pattern; exponents and the like are not taken.
std::optional<double> plainNumber(std::string_view text, bool allowMinus) {
    const std::string trimmed = Trim(text);
    std::string_view digits = trimmed;
    if (allowMinus && !digits.empty() && digits.front() == '-') digits.remove_prefix(1);
    int separators = 0;
    int figures = 0;
    for (char c : digits) {
        if (c == '.' || c == ',') {
            ++separators;
        } else if (std::isdigit(static_cast<unsigned char>(c))) {
            ++figures;
        } else {
            return std::nullopt;
        }
    }
    if (figures == 0 || separators > 1) return std::nullopt;
    return RegionCompValQuiet(trimmed);
}

// A log field as the drawing takes it: a number whose whole value its scroll bar holds.
Problem logFieldProblem(const std::string& value, const char* key, const char* estonian,
                        const char* english, int low, int high) {
    try {
        const int whole = CInt(ToDoubleStrict(value));
        if (whole >= low && whole <= high) return std::nullopt;
    } catch (const VbError&) {
        // Not a number, or one no whole number holds: refused below like any other.
    }
    const std::string field = " (" + std::string(key) + ") " + inQuotes(value);
    return TwoLanguageText{estonian + field + " ei ole arv vahemikus " + std::to_string(low) +
                               " kuni " + std::to_string(high) + ".",
                           english + field + " is not a number from " + std::to_string(low) +
                               " to " + std::to_string(high) + "."};
}

struct RowValue {
    const char* estonian;
    const char* english;
};

Problem rowValueProblem(const std::string& key, const RowValue& name, const std::string& value,
                        const std::string& whatEstonian, const std::string& whatEnglish) {
    return TwoLanguageText{"Laua real " + key + " on " + name.estonian + " " + inQuotes(value) +
                               ", mis ei ole " + whatEstonian + ".",
                           "The board row " + key + " has the " + name.english + " " +
                               inQuotes(value) + ", which is not " + whatEnglish + "."};
}

Problem rowShapeProblem(const std::string& key, const std::string& row, const std::string& estonian,
                        const std::string& english) {
    return TwoLanguageText{"Laua rida " + key + " " + inQuotes(row) + " " + estonian + ".",
                           "The board row " + key + " " + inQuotes(row) + " " + english + "."};
}

// The blank-separated words of `text`.
std::vector<std::string> wordsOf(std::string_view text) {
    std::vector<std::string> words;
    std::size_t pos = 0;
    while ((pos = text.find_first_not_of(' ', pos)) != std::string_view::npos) {
        const std::size_t end = text.find(' ', pos);
        words.emplace_back(text.substr(pos, end == std::string_view::npos ? end : end - pos));
        pos = end;
    }
    return words;
}

Problem boardRowProblem(const std::string& key, const std::string& row, int longestLog) {
    using namespace boardrow;
    if (Len(row) <= kHeadWidth) {
        return rowShapeProblem(key, row, "on poolik", "is cut short");
    }
    const bool columns = Mid(row, kNominalWidth - 1, 1) == "x" &&
                         Mid(row, kSawingWidth - 1, 1) == "x" &&
                         Mid(row, kNominalWidth + kSizeWidth, 2) == "  " &&
                         Mid(row, kSizesWidth + 1, kHeadWidth - kSizesWidth) == "   ";
    if (!columns) {
        return rowShapeProblem(key, row, "ei ole laua rida", "is not a board row");
    }
    const BoardRow board(row);
    const struct {
        RowValue name;
        std::string text;
    } sizes[] = {{{"nimipaksus", "nominal thickness"}, board.nominalThicknessText()},
                 {{"nimilaius", "nominal width"}, board.nominalWidthText()},
                 {{"saepaksus", "sawing thickness"}, board.sawingThicknessText()},
                 {{"saelaius", "sawing width"}, board.sawingWidthText()}};
    for (const auto& size : sizes) {
        const std::optional<double> mm = plainNumber(size.text, false);
        if (!mm || *mm <= 0) {
            return rowValueProblem(key, size.name, Trim(size.text), "nullist suurem mõõt",
                                   "a size above 0");
        }
    }
    const std::vector<std::string> tail = wordsOf(Mid(row, kLength));
    if (tail.size() < 3) return rowShapeProblem(key, row, "on poolik", "is cut short");
    if (tail.size() > 3) {
        return rowShapeProblem(key, row, "sisaldab peale pikkuse, mahu ja hinna muud",
                               "holds more than its length, volume and price");
    }
    const std::string longest = std::to_string(longestLog);
    const std::optional<double> length = plainNumber(tail[0], false);
    if (!length || *length <= 0 || *length > longestLog) {
        return rowValueProblem(key, {"pikkuse", "length"}, tail[0],
                               "pikkus üle 0 kuni " + longest + " mm",
                               "a length above 0 up to " + longest + " mm");
    }
    const std::optional<double> volume = plainNumber(tail[1], false);
    if (!volume || *volume > kLargestBoardVolume) {
        return rowValueProblem(key, {"mahu", "volume"}, tail[1], "maht 0 kuni 10000000 m3",
                               "a volume from 0 to 10000000 m3");
    }
    if (!plainNumber(tail[2], true) || Len(tail[2]) > kBoardPriceWidth) {
        return rowValueProblem(key, {"hinna", "price"}, tail[2], "kuni viiekohaline hind",
                               "a price of at most five characters");
    }
    return std::nullopt;
}

}  // namespace

std::optional<TwoLanguageText> patternContentProblem(const PatternRead& read,
                                                     const LogFieldRanges& ranges) {
    // The drawing needs the diameter, taper and length; the log volume is computed afresh.
    for (const std::string& key : read.missingKeys) {
        if (key == "palgimaht") continue;
        return TwoLanguageText{"Osa Palk võti " + key + " puudub.",
                               "The key " + key + " of section Palk is missing."};
    }
    const PatternFile& p = read.pattern;
    if (Problem problem =
            logFieldProblem(p.palgidiameeter, "palgidiameeter", "Palgi diameeter",
                            "The log diameter", ranges.diameterLow, ranges.diameterHigh)) {
        return problem;
    }
    if (Problem problem = logFieldProblem(p.palgikoone, "palgikoone", "Palgi koonilisus",
                                          "The log taper", ranges.taperLow, ranges.taperHigh)) {
        return problem;
    }
    if (Problem problem = logFieldProblem(p.palgipikkus, "palgipikkus", "Palgi pikkus",
                                          "The log length", ranges.lengthLow, ranges.lengthHigh)) {
        return problem;
    }
    if (!plainNumber(p.palgimaht, false)) {
        return TwoLanguageText{
            "Palgi maht (palgimaht) " + inQuotes(p.palgimaht) + " ei ole arv.",
            "The log volume (palgimaht) " + inQuotes(p.palgimaht) + " is not a number."};
    }
    // In read order, as the row keys are listed.
    const struct {
        const char* prefix;
        const std::vector<std::string>& rows;
    } positions[] = {{"syda", p.syda},
                     {"vasak", p.vasak},
                     {"parem", p.parem},
                     {"all", p.all},
                     {"yleval", p.yleval}};
    std::size_t rowNumber = 0;
    for (const auto& position : positions) {
        for (std::size_t i = 0; i < position.rows.size(); ++i, ++rowNumber) {
            const std::string key = rowNumber < read.rowKeys.size()
                                        ? read.rowKeys[rowNumber]
                                        : position.prefix + std::to_string(i);
            if (Problem problem = boardRowProblem(key, position.rows[i], ranges.lengthHigh)) {
                return problem;
            }
        }
    }
    if (p.syda.empty()) {
        return TwoLanguageText{"Failis ei ole ühtegi südamiku lauda.",
                               "The file holds no centre board."};
    }
    return std::nullopt;
}

}  // namespace lumbrix
