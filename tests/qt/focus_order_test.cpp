// The keyboard order of a shown window: Tab walks the focusable widgets in the order of their
// controls' tab indexes, passes over controls that are no tab stop and over those that take
// no focus, and follows indexes changed while the window is shown.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "qt/form_view.h"
#include "qt/form_window.h"
#include "qt/qt_desktop.h"
#include "qt_test_app.h"

namespace lumbrix {
namespace {

// Focusable controls, one inside a frame, and some that take no focus between them.
class FocusForm : public Form {
  public:
    FocusForm() : Form("frmFocus") {
        move(0, 0, 6120, 4095);
        txtName.move(150, 150, 1500, 300);
        lblNote.move(150, 600, 1500, 300);
        fraGroup.move(1800, 150, 2400, 1500);
        optInside.setContainer(&fraGroup);
        optInside.move(150, 300, 1800, 300);
        lstRows.move(150, 1050, 1500, 900);
        picDrawing.move(4350, 150, 1500, 1500);
        txtOther.move(1800, 1800, 1500, 300);
        cmdGo.move(150, 2100, 1200, 375);
    }

    TextBox txtName{*this, "txtName"};
    Label lblNote{*this, "lblNote"};
    Frame fraGroup{*this, "fraGroup"};
    OptionButton optInside{*this, "optInside"};
    ListBox lstRows{*this, "lstRows"};
    PictureBox picDrawing{*this, "picDrawing"};
    TextBox txtOther{*this, "txtOther"};
    CommandButton cmdGo{*this, "cmdGo"};
};

using Names = std::vector<std::string>;

struct OrderCase {
    const char* what;
    std::function<void(FocusForm&)> beforeShow;
    std::function<void(FocusForm&)> whileShown;  // a change the program makes once shown
    Names order;                                 // Tab from the first, once round
};

void PrintTo(const OrderCase& c, std::ostream* os) {
    *os << c.what;
}

class FocusOrderTest : public ::testing::TestWithParam<OrderCase> {};

// Starts at `first` and presses Tab until the focus comes back, collecting the controls'
// widget names on the way.
Names tabRound(qt::FormWindow& window, QWidget* first) {
    first->setFocus(Qt::OtherFocusReason);
    Names visited{first->objectName().toStdString()};
    for (int i = 0; i < 12; ++i) {
        QWidget* now = window.focusWidget();
        if (!now) break;
        QTest::keyClick(now, Qt::Key_Tab);
        QWidget* next = window.focusWidget();
        if (!next || next == first) break;
        visited.push_back(next->objectName().toStdString());
    }
    return visited;
}

TEST_P(FocusOrderTest, TabFollowsTheTabIndexes) {
    const OrderCase& c = GetParam();
    test::qtApp();
    FocusForm form;
    if (c.beforeShow) c.beforeShow(form);
    auto desktop = std::make_unique<qt::QtDesktop>();
    form.show();
    qt::FormWindow* window = desktop->windowOf(form);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    qt::FormView* view = window->view();
    if (c.whileShown) view->dispatch([&] { c.whileShown(form); });
    QWidget* first = view->findChild<QWidget*>(QString::fromStdString(c.order.front()));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(tabRound(*window, first), c.order);
    desktop.reset();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FocusOrderTest,
    ::testing::Values(OrderCase{"RegistrationOrder",
                                nullptr,
                                nullptr,
                                {"txtName", "optInside", "lstRows", "txtOther", "cmdGo"}},
                      OrderCase{"IndexesSetAtDesignTime",
                                [](FocusForm& f) {
                                    f.cmdGo.setTabIndex(0);
                                    f.txtOther.setTabIndex(1);
                                    f.optInside.setTabIndex(2);
                                    f.txtName.setTabIndex(3);
                                    f.lstRows.setTabIndex(4);
                                },
                                nullptr,
                                {"cmdGo", "txtOther", "optInside", "txtName", "lstRows"}},
                      OrderCase{"EqualIndexesKeepRegistrationOrder",
                                [](FocusForm& f) {
                                    f.txtOther.setTabIndex(0);
                                    f.txtName.setTabIndex(0);
                                },
                                nullptr,
                                {"txtName", "txtOther", "optInside", "lstRows", "cmdGo"}},
                      OrderCase{"NoTabStopIsPassedOver",
                                [](FocusForm& f) {
                                    f.optInside.setTabStop(false);
                                    f.txtOther.setTabStop(false);
                                },
                                nullptr,
                                {"txtName", "lstRows", "cmdGo"}},
                      OrderCase{"IndexChangedWhileShown",
                                nullptr,
                                [](FocusForm& f) {
                                    f.txtName.setTabIndex(5);
                                },  // between lstRows and txtOther
                                {"optInside", "lstRows", "txtName", "txtOther", "cmdGo"}},
                      OrderCase{"TabStopBackWhileShown",
                                [](FocusForm& f) { f.lstRows.setTabStop(false); },
                                [](FocusForm& f) {
                                    f.lstRows.setTabStop(true);
                                    f.lstRows.setTabIndex(1);  // after txtName
                                },
                                {"txtName", "lstRows", "optInside", "txtOther", "cmdGo"}}),
    [](const ::testing::TestParamInfo<OrderCase>& param) { return std::string(param.param.what); });

}  // namespace
}  // namespace lumbrix
