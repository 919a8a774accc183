#include "store/board_row.h"

#include <utility>
#include <vector>

#include "platform/text.h"
#include "store/numbers.h"

namespace lumbrix {

namespace {

// The first `count` blank-separated words of `text`.
std::vector<std::string> words(std::string_view text, std::size_t count) {
    std::vector<std::string> found;
    std::size_t pos = 0;
    while (found.size() < count) {
        pos = text.find_first_not_of(' ', pos);
        if (pos == std::string_view::npos) break;
        const std::size_t end = text.find(' ', pos);
        found.emplace_back(text.substr(pos, end == std::string_view::npos ? end : end - pos));
        pos = end;
    }
    found.resize(count);
    return found;
}

// `row` rewritten behind `head` with a new length, the volume that follows from the row's
// nominal sizes, and the row's price.
std::string rowWithHead(std::string_view head, std::string_view row, double lengthMm) {
    const BoardRow old(row);
    const double volume = boardVolume(lengthMm, old.nominalThickness(), old.nominalWidth());
    return composeBoardRow(head, lengthMm, volume, old.priceText());
}

}  // namespace

BoardRow::BoardRow(std::string_view text) : text_(text) {
    std::vector<std::string> tail = words(Mid(text_, boardrow::kLength), 3);
    length_ = std::move(tail[0]);
    volume_ = std::move(tail[1]);
    price_ = std::move(tail[2]);
}

std::string BoardRow::nominalThicknessText() const {
    return Mid(text_, boardrow::kNominalThickness, boardrow::kSizeWidth);
}
std::string BoardRow::nominalWidthText() const {
    return Mid(text_, boardrow::kNominalWidth, boardrow::kSizeWidth);
}
std::string BoardRow::sawingThicknessText() const {
    return Mid(text_, boardrow::kSawingThickness, boardrow::kSizeWidth);
}
std::string BoardRow::sawingWidthText() const {
    return Mid(text_, boardrow::kSawingWidth, boardrow::kSizeWidth);
}

double BoardRow::nominalThickness() const {
    return RegionCompVal(nominalThicknessText());
}
double BoardRow::nominalWidth() const {
    return RegionCompVal(nominalWidthText());
}
double BoardRow::sawingThickness() const {
    return RegionCompVal(sawingThicknessText());
}
double BoardRow::sawingWidth() const {
    return RegionCompVal(sawingWidthText());
}
double BoardRow::length() const {
    return RegionCompVal(length_);
}
double BoardRow::volume() const {
    return RegionCompVal(volume_);
}
double BoardRow::price() const {
    return RegionCompVal(price_);
}

std::string boardRowHead(std::string_view nominalThickness, std::string_view nominalWidth,
                         std::string_view sawingThickness, std::string_view sawingWidth) {
    std::string head;
    head.append(nominalThickness).append("x").append(nominalWidth).append(Space(2));
    head.append(sawingThickness).append("x").append(sawingWidth).append(Space(3));
    return head;
}

std::string composeBoardRowText(std::string_view head, std::string_view lengthText,
                                std::string_view volumeText, std::string_view priceText) {
    std::string row(head);
    row.append(lengthText).append(Space(5)).append(volumeText).append(Space(5));
    row.append(priceText);
    return row;
}

std::string composeBoardRow(std::string_view head, double lengthMm, double volume,
                            std::string_view priceText) {
    return composeBoardRowText(head, NumberText(lengthMm), FormatNumber(volume, "0.000"),
                               priceText);
}

double boardVolume(double lengthMm, double nominalThickness, double nominalWidth) {
    return Round(CheckedResult(lengthMm * nominalThickness * nominalWidth) / 1e9, 3);
}

std::string placedBoardRow(std::string_view productRow, std::string_view priceText,
                           double logLengthMm, double trimMm) {
    const std::string nominalThickness = Mid(productRow, 1, 6);
    const std::string nominalWidth = Mid(productRow, 8, 6);
    const std::string head = boardRowHead(nominalThickness, nominalWidth, Mid(productRow, 26, 6),
                                          Mid(productRow, 33, 6));
    const double length = logLengthMm - trimMm;
    const double volume =
        boardVolume(length, RegionCompVal(nominalThickness), RegionCompVal(nominalWidth));
    return composeBoardRow(head, length, volume, priceText);
}

// A row shorter than its head (only a damaged pattern file holds one) is filled with blanks,
// so that the new tail starts at its own column and reads back.
std::string rebuildRowTail(std::string_view row, double lengthMm) {
    return rowWithHead(PadRight(row, boardrow::kHeadWidth), row, lengthMm);
}

std::string rebuildFullEdgeRow(std::string_view row, double lengthMm) {
    return rowWithHead(PadRight(row, boardrow::kSizesWidth) + Space(3), row, lengthMm);
}

}  // namespace lumbrix
