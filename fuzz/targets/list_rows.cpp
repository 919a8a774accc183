// List rows of every kind (product, log price and board rows): any text as a row. A row rebuilt
// from its columns keeps them: rebuilding it once more gives the same row.
#include "catalogue/product_row.h"
#include "fuzz_support.h"
#include "millsettings/log_price_row.h"
#include "platform/text.h"
#include "store/board_row.h"
#include "store/numbers.h"

using namespace lumbrix;

namespace {

ProductFields fieldsOf(const ProductColumns& c) {
    ProductFields f;
    f.nominalThickness = c.nominalThickness;
    f.nominalWidth = c.nominalWidth;
    f.sawingThickness = c.sawingThickness;
    f.sawingWidth = c.sawingWidth;
    f.productPrice = c.price;
    f.shares = c.shares;
    f.prices = c.prices;
    f.moisture = c.moisture;
    f.comment = c.comment;
    return f;
}

void productRow(const std::string& text) {
    const ProductRowBuild first = buildProductRow(fieldsOf(productColumns(text)));
    if (!first.ok()) return;
    const ProductRowBuild again = buildProductRow(fieldsOf(productColumns(first.row)));
    if (!again.ok() || again.row != first.row) fuzz::violated("a rebuilt product row changed");
}

void logPriceRow(const std::string& text) {
    const LogPriceColumns c = logPriceColumns(text);
    const LogPriceRowBuild first = buildLogPriceRow(c.minimum, c.maximum, c.price, c.pocket);
    if (!first.ok()) return;
    const LogPriceColumns r = logPriceColumns(first.row);
    const LogPriceRowBuild again = buildLogPriceRow(r.minimum, r.maximum, r.price, r.pocket);
    if (!again.ok() || again.row != first.row) fuzz::violated("a rebuilt log price row changed");
}

void boardRow(const std::string& text) {
    const BoardRow row(text);
    const double length = row.length();
    const std::string rebuilt = rebuildRowTail(text, length);
    const BoardRow again(rebuilt);
    // Columns 1-31 (sizes and blanks) stay as they stand; a shorter row is filled with blanks.
    if (Left(rebuilt, boardrow::kHeadWidth) != PadRight(text, boardrow::kHeadWidth)) {
        fuzz::violated("a rebuilt board row lost its sizes");
    }
    if (again.lengthText() != NumberText(length)) fuzz::violated("a rebuilt board row's length");
    if (rebuildRowTail(rebuilt, length) != rebuilt) fuzz::violated("a rebuilt board row changed");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::useQuietDesktop();
    const std::string text = fuzz::textOf(fuzz::bytesOf(data, size));
    fuzz::runReader([&] { productRow(text); });
    fuzz::runReader([&] { logPriceRow(text); });
    fuzz::runReader([&] { boardRow(text); });
    return 0;
}
