// The dimension picker: the product type, the picked product in the store, the placement
// buttons of its family, auto-scroll under the pointer and the tooltip.
#include "catalogue/dimension_picker.h"

#include <gtest/gtest.h>

#include "catalogue_fixture.h"
#include "platform/vb_error.h"

namespace lumbrix {
namespace {

using DimensionPicker = test::CatalogueTest;

constexpr double kRow = ListBox::kRowHeightPixels * kTwipsPerPixel;  // one row, in twips

TEST_F(DimensionPicker, APickFillsTheStoreAndEnablesExactlyTheFamilysButtons) {
    frmMain& m = main();
    const CommandButton* buttons[] = {&m.cmdCenter, &m.cmdSideLeft, &m.cmdSideRight,
                                      &m.cmdSeimerAll, &m.cmdSeimerYleval};
    const struct {
        OptionButton& option;
        int rows;
        const Image& picture;
        const char* enabled;  // per button above
    } families[] = {
        {m.optKyljelaud, 8, m.imgSideboard, "01100"},
        {m.optSeimrilaud, 8, m.imgSeimer, "00011"},
        {m.optSydmat, 13, m.imgCenter, "10000"},
    };
    for (const auto& f : families) {
        SCOPED_TRACE(f.option.name());
        f.option.setValue(true);
        EXPECT_EQ(m.lstDim.listCount(), f.rows);
        EXPECT_EQ(m.imgMaterjal.picture(), f.picture.picture());
        EXPECT_EQ(store().txtristloige, "") << "a switch forgets the pick";
        for (const CommandButton* b : buttons)
            EXPECT_FALSE(b->enabled()) << b->name();

        m.lstDim.setListIndex(2);
        const frmMainSub& s = store();
        EXPECT_EQ(s.txtristloige, m.lstDim.list(2));
        EXPECT_EQ(s.txtpaksus, s.txtristloige.substr(25, 6));
        EXPECT_EQ(s.txtlaius, s.txtristloige.substr(32, 6));
        EXPECT_EQ(s.txttootehind, s.txtristloige.substr(42, 5));
        EXPECT_EQ(s.txtNiiskus, "18");
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(buttons[i]->enabled(), f.enabled[i] == '1') << buttons[i]->name();
    }
    EXPECT_EQ(store().txtpaksus, "48.880");
    EXPECT_EQ(store().txtKommentaar, "kuusk, ehituspuit");
}

TEST(PickerToolTip, MoistureAndComment) {
    EXPECT_EQ(pickerToolTip("18", "kuusk, laudis"), "18%, kuusk, laudis");
    EXPECT_EQ(pickerToolTip("18", ""), "18%");
    EXPECT_EQ(pickerToolTip("", "kuusk"), "kuusk");
    EXPECT_EQ(pickerToolTip("", ""), "");
}

TEST(RowUnderPointer, RowsByHeightAndTheScrollBarStrip) {
    Form form("frmPickerStandIn");
    ListBox list(form, "lstDim");
    EXPECT_EQ(rowUnderPointer(list, 10, 10), -1) << "an empty list";
    for (int i = 0; i < 20; ++i)
        list.addItem("row " + std::to_string(100 + i));
    list.setListIndex(4);
    const struct {
        double x, y;
        int topIndex, row;
    } cases[] = {
        {150, kRow - 15, 0, 0},      {150, 5.5 * kRow, 3, 8},
        {150, kRow, 0, 0},            // the boundary pixel of rows 0 and 1: the upper row
        {150, kRow + 15, 0, 1},       // one pixel further down
        {75 * 15, 2.5 * kRow, 0, 2},  // the last pixel left of the scroll bar
        {76 * 15, 2.5 * kRow, 0, 4},  // over the scroll bar: the selection stays
        {150, 40 * kRow, 0, 19},      // below the rows: the last
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "x " << c.x << " y " << c.y << " top " << c.topIndex);
        list.setTopIndex(c.topIndex);
        EXPECT_EQ(rowUnderPointer(list, c.x, c.y), c.row);
    }
    EXPECT_THROW(rowUnderPointer(list, 150, 1e7), VbError) << "beyond 16-bit pixels";
}

TEST_F(DimensionPicker, AutoScrollPicksTheRowUnderThePointerUnlessSwitchedOff) {
    frmMain& m = main();
    m.lstDim.MouseMove.raise(0, 0, 300, 3.5 * kRow);
    EXPECT_EQ(m.lstDim.listIndex(), 3);
    EXPECT_EQ(store().txtristloige, m.lstDim.list(3));
    EXPECT_TRUE(m.cmdCenter.enabled());
    EXPECT_EQ(m.lstDim.toolTipText(), "18%, kuusk, ehituspuit");
    m.lstDim.MouseMove.raise(0, 0, 300, 99 * kRow);
    EXPECT_EQ(m.lstDim.listIndex(), 12);
    EXPECT_EQ(m.lstDim.toolTipText(), "18%, mänd, tala");

    m.mnuautoscroll.click();
    EXPECT_FALSE(m.mnuautoscroll.checked());
    m.lstDim.setListIndex(1);
    m.lstDim.MouseMove.raise(0, 0, 300, 6 * kRow);
    EXPECT_EQ(m.lstDim.listIndex(), 1) << "off: only the tooltip follows the selection";
    EXPECT_EQ(m.lstDim.toolTipText(), "18%, kuusk, ehituspuit");
}

}  // namespace
}  // namespace lumbrix
