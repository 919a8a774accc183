// The comparison strip on the Qt desktop: parked bars stand inside the strip as its models
// place them, and the planner's mouse hovers, recalls, deletes and clears through them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QTest>
#include <memory>
#include <utility>
#include <vector>

#include "app/application.h"
#include "mainwindow/frm_main.h"
#include "qt/form_view.h"
#include "qt/form_window.h"
#include "qt/qt_desktop.h"
#include "qt_test_app.h"
#include "shown_main_window.h"
#include "store/frm_main_sub.h"
#include "temp_install.h"
#include "when_shown.h"

namespace lumbrix {
namespace {

using qt::FormView;

class ComparisonStripView : public test::ShownMainWindowTest {
  protected:
    void SetUp() override {
        ShownMainWindowTest::SetUp();
        if (HasFatalFailure()) return;
        // Three variants of one log: one, two and three centre boards, each parked.
        m->tmr_Startup_Timer();
        m->lstDim.setListIndex(0);
        for (int variant = 0; variant < 3; ++variant) {
            m->cmdCenter.press();
            m->mnupalkaddtocompare.click();
        }
        FormView::refreshAll();
    }
    QWidget* bar(int slot) { return view->widgetOf(m->lblCompare[slot]); }
    // The shown bars' slots and their distances in pixels from the strip's first bar place.
    std::vector<std::pair<int, int>> shownBars() {
        std::vector<std::pair<int, int>> shown;
        for (int slot = 0; slot < 5; ++slot) {
            if (bar(slot)->isVisible()) shown.emplace_back(slot, bar(slot)->x() - firstBarX);
        }
        return shown;
    }
    int firstBarX = 0;
};

TEST_F(ComparisonStripView, BarsStandInTheStripAndAnswerTheMouse) {
    QWidget* strip = view->widgetOf(m->Picture1);
    ASSERT_TRUE(strip->isVisible());
    firstBarX = bar(0)->x();
    const int border = bar(0)->y() - int(m->lblCompare[0].top() / kTwipsPerPixel);
    for (int slot = 0; slot < 3; ++slot) {
        EXPECT_EQ(bar(slot)->parentWidget(), strip) << "the strip clips its bars";
        EXPECT_EQ(bar(slot)->y() - border, int(m->lblCompare[slot].top() / kTwipsPerPixel));
        EXPECT_EQ(qobject_cast<QLabel*>(bar(slot))->text().toStdString(),
                  m->lblCompare[slot].caption());
    }
    using Shown = std::vector<std::pair<int, int>>;
    EXPECT_EQ(shownBars(), (Shown{{0, 0}, {1, 65}, {2, 130}}));

    // Hover: the bar under the pointer shows its caption alone and becomes the selection.
    QMouseEvent move(QEvent::MouseMove, QPointF(20, 5), bar(1)->mapToGlobal(QPointF(20, 5)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(bar(1), &move);
    FormView::refreshAll();
    EXPECT_FALSE(bar(1)->autoFillBackground());
    EXPECT_TRUE(bar(0)->autoFillBackground());
    EXPECT_EQ(m->store().lblcompareselected, "1");

    // The pop-up menu's delete-selected item removes slot 1; the others close up.
    test::whenShown<QMenu>([](QMenu& menu) {
        for (QAction* a : menu.actions()) {
            if (a->objectName() == "mnuCompareKustutaValitud")
                QTest::mouseClick(&menu, Qt::LeftButton, {}, menu.actionGeometry(a).center());
        }
    });
    QTest::mouseClick(bar(1), Qt::RightButton, {}, QPoint(20, 5));
    FormView::refreshAll();
    EXPECT_EQ(shownBars(), (Shown{{0, 0}, {2, 65}}));

    // A click on the first bar brings back its one-board pattern.
    QTest::mouseClick(bar(0), Qt::LeftButton, {}, QPoint(20, 5));
    FormView::refreshAll();
    EXPECT_EQ(m->lstSyda.listCount(), 1);
    EXPECT_EQ(m->lblSaekavanimi.caption(), "0.kava");

    // The clear button.
    QWidget* clear = view->widgetOf(m->cmdClearCompare);
    QTest::mouseClick(clear, Qt::LeftButton);
    FormView::refreshAll();
    EXPECT_TRUE(shownBars().empty());
}

}  // namespace
}  // namespace lumbrix
