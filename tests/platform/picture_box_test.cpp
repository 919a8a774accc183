// The user scale of picture boxes and finding the child box under the pointer.
#include <gtest/gtest.h>

#include "platform/controls.h"
#include "test_desktop.h"

namespace lumbrix {
namespace {

class DrawingForm : public Form {
  public:
    DrawingForm() : Form("frmDrawing") {
        picBack.setBordered(false);
        picBack.move(0, 0, 6000, 3000);  // 400 x 200 pixels
        picBack.scale(0, 0, 800, 400);   // 2 mm per pixel
        for (auto* box : {&picLow, &picHigh})
            box->setContainer(&picBack);
        picLow.move(100, 100, 200, 100);
        picHigh.move(250, 150, 100, 100);  // overlaps picLow, drawn on top
    }
    PictureBox picBack{*this, "picBack"};
    PictureBox picLow{*this, "picLow"};
    PictureBox picHigh{*this, "picHigh"};
};

TEST(PictureBoxScale, PixelsMapToScaleUnitsBothWaysAndAZeroScaleIsRefused) {
    test::TestDesktop desktop;
    DrawingForm f;
    EXPECT_DOUBLE_EQ(f.picBack.toScaleX(100), 200);
    EXPECT_DOUBLE_EQ(f.picBack.toScaleY(50), 100);
    EXPECT_DOUBLE_EQ(f.picBack.toPixelX(200), 100);
    f.picBack.setScaleLeft(-400);  // centred on 0
    EXPECT_DOUBLE_EQ(f.picBack.toScaleX(200), 0);
    EXPECT_THROW(f.picBack.setScaleWidth(0), VbError);
    EXPECT_THROW(f.picBack.scale(1, 1, 1, 5), VbError);
    EXPECT_DOUBLE_EQ(f.picBack.scaleWidth(), 800);
}

TEST(PictureBoxScale, TheTopmostVisibleChildUnderAPointIsFound) {
    test::TestDesktop desktop;
    DrawingForm f;
    struct Case {
        double x, y;
        const char* expected;  // nullptr: the drawing area itself
    };
    const Case cases[] = {{120, 120, "picLow"}, {299, 199, "picHigh"}, {360, 120, nullptr}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
        const Control* hit = f.picBack.childAt(c.x, c.y);
        EXPECT_EQ(hit ? hit->name() : "none", c.expected ? c.expected : "none");
    }
    f.picHigh.setVisible(false);
    EXPECT_EQ(f.picBack.childAt(260, 160), &f.picLow) << "hidden boxes are not hit";
}

}  // namespace
}  // namespace lumbrix
