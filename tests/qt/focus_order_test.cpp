// The keyboard order of a shown window: Tab walks the focusable widgets in the order of their
// controls' tab indexes, passes over controls that are no tab stop and over those that take
// no focus, and follows indexes changed while the window is shown.
#include <gtest/gtest.h>

#include <QTest>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "qt/form_view.h"
#include "qt/form_window.h"
#include "qt/qt_desktop.h"
#include "qt_test_app.h"

namespace lumbrix {
namespace {

// Focusable controls, one inside a frame, and a picture box (no focus) between them.
class FocusForm : public Form {
  public:
    FocusForm() : Form("frmFocus") {
        move(0, 0, 6120, 4095);
        txtName.move(150, 150, 1500, 300);
        fraGroup.move(1800, 150, 2400, 1500);
        optInside.setContainer(&fraGroup);
        optInside.move(150, 300, 1800, 300);
        lstRows.move(150, 1050, 1500, 900);
        picDrawing.move(4350, 150, 1500, 1500);
        txtOther.move(1800, 1800, 1500, 300);
    }
    TextBox txtName{*this, "txtName"};
    Frame fraGroup{*this, "fraGroup"};
    OptionButton optInside{*this, "optInside"};
    ListBox lstRows{*this, "lstRows"};
    PictureBox picDrawing{*this, "picDrawing"};
    TextBox txtOther{*this, "txtOther"};
};

using Names = std::vector<std::string>;

// Gives `first` the focus and presses Tab until the focus comes back to it.
Names tabRound(qt::FormWindow& window, const char* first) {
    QWidget* start = window.findChild<QWidget*>(first);
    if (!start) return {};
    start->setFocus(Qt::OtherFocusReason);
    Names visited{first};
    for (int i = 0; i < 8; ++i) {
        QTest::keyClick(window.focusWidget(), Qt::Key_Tab);
        QWidget* next = window.focusWidget();
        if (!next || next == start) break;
        visited.push_back(next->objectName().toStdString());
    }
    return visited;
}

TEST(FocusOrder, TabFollowsTheTabIndexesAndStops) {
    test::qtApp();
    FocusForm form;
    form.txtOther.setTabIndex(0);
    form.lstRows.setTabIndex(0);  // equal indexes keep the order of registration
    form.txtName.setTabIndex(1);
    form.optInside.setTabStop(false);
    qt::QtDesktop desktop;
    form.show();
    qt::FormWindow* window = desktop.windowOf(form);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    EXPECT_EQ(tabRound(*window, "lstRows"), (Names{"lstRows", "txtOther", "txtName"}));

    // Changed by the program while the window is shown.
    window->view()->dispatch([&] {
        form.optInside.setTabStop(true);
        form.txtName.setTabIndex(7);
    });
    EXPECT_EQ(tabRound(*window, "lstRows"), (Names{"lstRows", "txtOther", "optInside", "txtName"}));
}

}  // namespace
}  // namespace lumbrix
