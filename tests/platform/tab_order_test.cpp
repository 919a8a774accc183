// The keyboard order of a window's controls: tab indexes follow registration, survive controls
// that come and go, and the setters count as changes only when the value differs.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/controls.h"

namespace lumbrix {
namespace {

class OrderForm : public Form {
  public:
    OrderForm() : Form("frmOrder") {}

    Label lblName{*this, "lblName"};
    TextBox txtName{*this, "txtName"};
    ControlArray<CommandButton> cmdRow{*this, "cmdRow", 2};
    Timer tmrTick{*this, "tmrTick"};
};

TEST(TabOrderTest, NewControlsTakeTheNextNumberInRegistrationOrder) {
    OrderForm form;
    const Control* inOrder[] = {&form.lblName, &form.cmdRow[0], &form.cmdRow[1], &form.tmrTick};
    const int expected[] = {0, 2, 3, 4};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(inOrder[i]->tabIndex(), expected[i]);
        EXPECT_TRUE(inOrder[i]->tabStop());
    }
    OrderForm other;
    EXPECT_EQ(other.lblName.tabIndex(), 0) << "a second window counts from zero again";
}

TEST(TabOrderTest, ANewControlFollowsTheHighestIndexSoFar) {
    struct Case {
        const char* what;
        int movedTo;            // new tab index of the second control; -1 leaves it
        bool dropOne;           // the third control goes before the new one comes
        int expectedForNewOne;  // the new control's tab index
    };
    const Case cases[] = {
        {"one moved to the end", 20, false, 21},
        {"one moved to the front", 0, false, 6},
        {"one gone", -1, true, 6},  // no number is given twice
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Form form("frmDynamic");
        std::vector<std::unique_ptr<Control>> controls;
        for (int i = 0; i < 6; ++i)
            controls.push_back(std::make_unique<TextBox>(form, "txt" + std::to_string(i)));
        if (c.movedTo >= 0) controls[1]->setTabIndex(c.movedTo);
        if (c.dropOne) controls.erase(controls.begin() + 2);
        TextBox added(form, "txtAdded");
        EXPECT_EQ(added.tabIndex(), c.expectedForNewOne);
    }
}

TEST(TabOrderTest, SettersCountAChangeOnlyWhenTheValueDiffers) {
    OrderForm form;
    Control& c = form.txtName;
    const std::uint64_t start = c.revision();
    c.setTabIndex(1);
    c.setTabStop(true);
    EXPECT_EQ(c.revision(), start);
    c.setTabIndex(7);
    c.setTabStop(false);
    EXPECT_EQ(c.revision(), start + 2);
    EXPECT_EQ(form.tmrTick.tabIndex(), 4) << "the others keep their numbers";
}

}  // namespace
}  // namespace lumbrix
