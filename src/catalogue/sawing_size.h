#pragma once

#include <string>
#include <string_view>

namespace lumbrix {

// The sawing (green) sizes of a product as the editor shows them, "0.00".
struct SawingSize {
    std::string thickness;
    std::string width;
};

// The sawing sizes from the nominal (dry) sizes and the oversize (%): the thickness is the
// nominal thickness times (100 + oversize) / 100; the width likewise, rounded to whole
// millimetres with ties to the even one (150 mm at 3 % is 154, 50 mm at 3 % is 52). The sizes
// are read from their whole texts, with a point or a comma; the oversize by its leading number.
// An empty or non-numeric size is VbError 13; a width beyond 32767 mm is VbError 6.
SawingSize sawingSize(std::string_view nominalThickness, std::string_view nominalWidth,
                      std::string_view oversize);

}  // namespace lumbrix
