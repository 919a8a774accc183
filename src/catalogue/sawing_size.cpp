#include "catalogue/sawing_size.h"

#include "store/numbers.h"

namespace lumbrix {

SawingSize sawingSize(std::string_view nominalThickness, std::string_view nominalWidth,
                      std::string_view oversize) {
    const double factor = 100 + Val(oversize);
    const double thickness = ToDoubleStrict(nominalThickness);
    const double width = ToDoubleStrict(nominalWidth);
    return {FormatNumber(CheckedResult(thickness * factor / 100), "0.00"),
            FormatNumber(CInt(width * factor / 100), "0.00")};
}

}  // namespace lumbrix
