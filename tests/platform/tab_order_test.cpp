// The keyboard order of a window's controls: tab indexes follow registration, survive controls
// that come and go, and the setters count as changes only when the value differs.
#include <gtest/gtest.h>

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
    ListBox lstRows{*this, "lstRows"};
    Timer tmrTick{*this, "tmrTick"};
};

TEST(TabOrderTest, NewControlsTakeTheNextNumberInRegistrationOrder) {
    OrderForm form;
    struct Case {
        const Control* control;
        int tabIndex;
    };
    const Case cases[] = {{&form.lblName, 0},   {&form.txtName, 1}, {&form.cmdRow[0], 2},
                          {&form.cmdRow[1], 3}, {&form.lstRows, 4}, {&form.tmrTick, 5}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.control->name() + "(" + std::to_string(c.control->index()) + ")");
        EXPECT_EQ(c.control->tabIndex(), c.tabIndex);
        EXPECT_TRUE(c.control->tabStop());
    }
    // A second window counts from zero again.
    OrderForm other;
    EXPECT_EQ(other.lblName.tabIndex(), 0);
    EXPECT_EQ(other.tmrTick.tabIndex(), 5);
}

TEST(TabOrderTest, ANewControlFollowsTheHighestIndexSoFar) {
    struct Case {
        const char* what;
        int movedTo;            // new tab index of txtName; -1 leaves it
        bool dropLast;          // the last control registered goes before the new one comes
        int expectedForNewOne;  // the new control's tab index
    };
    const Case cases[] = {
        {"defaults", -1, false, 6},
        {"one moved to the end", 20, false, 21},
        {"one moved to the front", 0, false, 6},
        {"the last one gone", -1, true, 6},  // no number is given twice
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Form form("frmDynamic");
        std::vector<std::unique_ptr<Control>> controls;
        for (int i = 0; i < 6; ++i)
            controls.push_back(std::make_unique<TextBox>(form, "txt" + std::to_string(i)));
        if (c.movedTo >= 0) controls[1]->setTabIndex(c.movedTo);
        if (c.dropLast) controls.erase(controls.begin() + 2);  // index 2 leaves; 5 is still there
        TextBox added(form, "txtAdded");
        EXPECT_EQ(added.tabIndex(), c.expectedForNewOne);
    }
}

TEST(TabOrderTest, SettersCountAChangeOnlyWhenTheValueDiffers) {
    struct Case {
        const char* what;
        void (*act)(Control&);
        int tabIndex;
        bool tabStop;
        int revisionsAdded;
    };
    const Case cases[] = {
        {"same index", [](Control& c) { c.setTabIndex(1); }, 1, true, 0},
        {"new index", [](Control& c) { c.setTabIndex(7); }, 7, true, 1},
        {"same stop", [](Control& c) { c.setTabStop(true); }, 1, true, 0},
        {"stop off", [](Control& c) { c.setTabStop(false); }, 1, false, 1},
        {"stop off and on",
         [](Control& c) {
             c.setTabStop(false);
             c.setTabStop(true);
         },
         1, true, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        OrderForm form;
        const std::uint64_t before = form.txtName.revision();
        c.act(form.txtName);
        EXPECT_EQ(form.txtName.tabIndex(), c.tabIndex);
        EXPECT_EQ(form.txtName.tabStop(), c.tabStop);
        EXPECT_EQ(form.txtName.revision() - before, static_cast<std::uint64_t>(c.revisionsAdded));
        // The others keep their numbers.
        EXPECT_EQ(form.lstRows.tabIndex(), 4);
    }
}

}  // namespace
}  // namespace lumbrix
