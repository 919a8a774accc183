#pragma once

#include <array>
#include <string>

#include "catalogue/product_row.h"

namespace lumbrix {

// The texts of the six quality grades' share (%) or price (per m3) fields, quality 1 first.
using QualityTexts = std::array<std::string, productrow::kQualities>;

// The quality table as a check leaves it.
struct QualityDistribution {
    QualityTexts shares;  // in the share format; "0.000" for a grade without share
    // In the quality price format. When the shares were refused, the prices stand as they
    // were, except that a grade without share has the price "0".
    QualityTexts prices;
    std::array<bool, productrow::kQualities> priceEnabled{};  // false for a grade without share
    bool overHundred = false;                                 // the shares total more than 100 %
    std::string total;         // the total of the shares as plain text; "" when refused
    std::string productPrice;  // in the product price format; "" when refused
};

// Checks a product's quality table: writes every share and price in its format, gives a grade
// without share the price 0, refuses shares that total more than 100 % (judged on the total
// rounded to 9 decimals, so 59.92 + 35.57 + 4.51 passes), and computes the product price, the
// sum of share times price over 100. Every field is read with a comma or a point as decimal
// separator ("45,5" is 45.5); an empty field is 0.
QualityDistribution distributeQualities(const QualityTexts& shares, const QualityTexts& prices);

}  // namespace lumbrix
