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

TEST_F(DimensionPicker, StartsOnCentreMaterialWithNothingPicked) {
    frmMain& m = main();
    EXPECT_TRUE(m.optSydmat.value());
    EXPECT_EQ(m.Lauatyyp, "Syda");
    EXPECT_EQ(m.lstDim.listCount(), 13) << "the centre rows, once";
    EXPECT_EQ(m.imgMaterjal.picture(), m.imgCenter.picture());
    for (const CommandButton* b :
         {&m.cmdCenter, &m.cmdSideLeft, &m.cmdSideRight, &m.cmdSeimerAll, &m.cmdSeimerYleval}) {
        EXPECT_FALSE(b->enabled()) << b->name();
    }
    EXPECT_EQ(store().txtristloige, "");
    EXPECT_EQ(m.Tootetyyp, "Syda") << "the editor opens on centre material too";
    EXPECT_EQ(m.lstTootedDim.listCount(), 13);
}

TEST_F(DimensionPicker, APickFillsTheStoreAndEnablesTheFamilysButtons) {
    frmMain& m = main();
    const struct {
        OptionButton& option;
        int rows;
        const Image& picture;
        const char* enabled;  // cmdCenter, cmdSideLeft, cmdSideRight, cmdSeimerAll, cmdSeimerYleval
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
        m.lstDim.setListIndex(2);
        const frmMainSub& s = store();
        EXPECT_EQ(s.txtristloige, m.lstDim.list(2));
        EXPECT_EQ(s.txtpaksus, s.txtristloige.substr(25, 6));
        EXPECT_EQ(s.txtlaius, s.txtristloige.substr(32, 6));
        EXPECT_EQ(s.txttootehind, s.txtristloige.substr(42, 5));
        EXPECT_EQ(s.txtNiiskus, "18");
        const CommandButton* buttons[] = {&m.cmdCenter, &m.cmdSideLeft, &m.cmdSideRight,
                                          &m.cmdSeimerAll, &m.cmdSeimerYleval};
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(buttons[i]->enabled(), f.enabled[i] == '1') << buttons[i]->name();
    }
    EXPECT_EQ(store().txtristloige.substr(0, 13), "47.000x150.00");
    EXPECT_EQ(store().txtpaksus, "48.880");
    EXPECT_EQ(store().txtKommentaar, "kuusk, ehituspuit");
}

TEST_F(DimensionPicker, ASwitchForgetsThePickButKeepsItsPrice) {
    frmMain& m = main();
    m.lstDim.setListIndex(0);
    m.optSeimrilaud.setValue(true);
    EXPECT_EQ(store().txtristloige, "");
    EXPECT_EQ(store().txtpaksus, "");
    EXPECT_EQ(store().txtlaius, "");
    EXPECT_EQ(store().txttootehind, "225.3") << "until the next pick";
    EXPECT_FALSE(m.cmdCenter.enabled());
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
        int topIndex;
        int row;
    } cases[] = {
        {150, 0, 0, 0},
        {150, kRow - 15, 0, 0},
        {150, kRow, 0, 1},
        {150, 5.5 * kRow, 0, 5},
        {150, 5.5 * kRow, 3, 8},
        {75 * 15, 2 * kRow, 0, 2},
        {76 * 15, 2 * kRow, 0, 4},
        {150, 40 * kRow, 0, 19},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "x " << c.x << " y " << c.y << " top " << c.topIndex);
        list.setTopIndex(c.topIndex);
        EXPECT_EQ(rowUnderPointer(list, c.x, c.y), c.row);
    }
    EXPECT_THROW(rowUnderPointer(list, 150, 1e7), VbError) << "beyond 16-bit pixels";
}

TEST_F(DimensionPicker, AutoScrollPicksTheRowUnderThePointerAndShowsItsToolTip) {
    frmMain& m = main();
    m.lstDim.MouseMove.raise(0, 0, 300, 3.5 * kRow);
    EXPECT_EQ(m.lstDim.listIndex(), 3);
    EXPECT_EQ(store().txtristloige, m.lstDim.list(3));
    EXPECT_TRUE(m.cmdCenter.enabled());
    EXPECT_EQ(m.lstDim.toolTipText(), "18%, kuusk, ehituspuit");

    m.lstDim.MouseMove.raise(0, 0, 300, 99 * kRow);
    EXPECT_EQ(m.lstDim.listIndex(), 12) << "below the rows: the last";
    EXPECT_EQ(m.lstDim.toolTipText(), "18%, mänd, tala");

    m.lstDim.MouseMove.raise(0, 0, 1500, 0);
    EXPECT_EQ(m.lstDim.listIndex(), 12) << "over the scroll bar";
}

TEST_F(DimensionPicker, AutoScrollOffOnlyRefreshesTheToolTip) {
    frmMain& m = main();
    m.lstDim.setListIndex(1);
    m.mnuautoscroll.click();
    EXPECT_FALSE(m.mnuautoscroll.checked());
    EXPECT_EQ(m.lstDim.toolTipText(), "");
    m.lstDim.MouseMove.raise(0, 0, 300, 6 * kRow);
    EXPECT_EQ(m.lstDim.listIndex(), 1);
    EXPECT_EQ(m.lstDim.toolTipText(), "18%, kuusk, ehituspuit");
    m.mnuautoscroll.click();
    EXPECT_TRUE(m.mnuautoscroll.checked());
}

TEST_F(DimensionPicker, AnEmptyListPicksNothingAndKeepsTheLastToolTip) {
    frmMain& m = main();
    m.lstDim.setListIndex(0);
    m.lstDim.clear();
    m.lstDim.MouseMove.raise(0, 0, 300, 10);
    EXPECT_EQ(m.lstDim.listIndex(), -1);
    EXPECT_EQ(m.lstDim.toolTipText(), "18%, kuusk, ehituspuit");
}

TEST_F(DimensionPicker, TheRightButtonOpensTheScrollMenuAtThePointer) {
    frmMain& m = main();
    m.lstDim.MouseDown.raise(mouse::kLeft, 0, 30, 30);
    EXPECT_TRUE(desktop.popupsShown().empty());
    desktop.choosePopupItem("mnuautoscroll");
    m.lstDim.MouseDown.raise(mouse::kRight, 0, 30, 30);
    ASSERT_EQ(desktop.popupsShown().size(), 1u);
    EXPECT_EQ(desktop.popupsShown()[0].menuName, "mnuscroll");
    EXPECT_TRUE(desktop.popupsShown()[0].atPointer);
    EXPECT_FALSE(m.mnuautoscroll.checked());
}

}  // namespace
}  // namespace lumbrix
