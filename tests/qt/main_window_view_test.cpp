// The main window on the Qt desktop: the screen shows what the models hold, and the
// planner's mouse reaches the models only where the planner can see it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>
#include <QToolTip>
#include <memory>

#include "app/application.h"
#include "mainwindow/frm_main.h"
#include "platform/text.h"
#include "platform/user_settings.h"
#include "qt/canvas_widget.h"
#include "qt/form_view.h"
#include "qt/form_window.h"
#include "qt/qt_desktop.h"
#include "qt_test_app.h"
#include "shown_main_window.h"
#include "store/frm_main_sub.h"
#include "store/numbers.h"
#include "temp_install.h"
#include "when_shown.h"

namespace lumbrix {
namespace {

using qt::FormView;

class MainWindowView : public test::ShownMainWindowTest {
  protected:
    // The pointer moves over `w` with no button held.
    static void hover(QWidget* w, const QPoint& pos) {
        QMouseEvent move(QEvent::MouseMove, pos, w->mapToGlobal(pos), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(w, &move);
    }
    static QPoint rowCentre(QListWidget* list, int row) {
        return list->visualItemRect(list->item(row)).center();
    }
};

TEST_F(MainWindowView, AFixedWindowWhoseCentreButtonWaitsForAProductAndOneSettingsPath) {
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    QTest::mouseClick(widget(m->cmdCenter), Qt::LeftButton);  // before the start-up timer
    EXPECT_EQ(m->lstSyda.listCount(), 0);
    EXPECT_EQ(app->userSettings().path(), defaultUserSettingsPath());
    EXPECT_EQ(app->userSettings().path(), folder / "config" / "VTLumbrix" / "settings.ini");
}

TEST_F(MainWindowView, AHoveredBoardShowsItsSizesAsTheTooltip) {
    placeCentreBoards(1);
    auto* canvas = dynamic_cast<qt::CanvasWidget*>(view->widgetOf(m->picBack));
    const QPoint onBoard = canvas->childRect(m->picsyda[0]).center().toPoint();
    hover(canvas, onBoard);
    QHelpEvent overBoard(QEvent::ToolTip, onBoard, canvas->mapToGlobal(onBoard));
    QApplication::sendEvent(canvas, &overBoard);
    EXPECT_EQ(QToolTip::text().toStdString(), Left(m->lstSyda.list(0), 29));
    // Away from the boards the drawing has no tip of its own.
    QHelpEvent overDrawing(QEvent::ToolTip, QPoint(5, 5), canvas->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(canvas, &overDrawing);
    QTRY_VERIFY(!QToolTip::isVisible());
}

TEST_F(MainWindowView, TheHighlightedRowIsTheModelsRowWhateverTheMouseDoesBesideTheRows) {
    placeCentreBoards(2);
    m->lstSyda.setListIndex(1);
    FormView::refreshAll();
    auto* list = widget<QListWidget>(m->lstSyda);
    const QPoint belowRows(20, list->viewport()->height() - 3);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, belowRows);
    EXPECT_EQ(m->lstSyda.listIndex(), 1);
    EXPECT_EQ(list->selectedItems(), QList<QListWidgetItem*>{list->item(1)});
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, belowRows);
    EXPECT_EQ(m->lstSyda.listCount(), 2) << "a double click below the rows removes nothing";
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rowCentre(list, 0));
    EXPECT_EQ(m->lstSyda.listCount(), 1);

    // Taking the focus selects nothing that the list would not show.
    m->lstSeimerAll.addItem(m->lstSyda.list(0));
    FormView::refreshAll();
    widget(m->lstSeimerAll)->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(m->lstSeimerAll.listIndex(), -1);
}

TEST_F(MainWindowView, TheRightButtonOnThePickerPicksNothingAndABoundaryPixelIsTheUpperRows) {
    placeCentreBoards(0);
    m->mnuautoscroll.click();  // auto-scroll off
    auto* list = widget<QListWidget>(m->lstDim);
    QString menuItem;
    test::whenShown<QMenu>([&](QMenu& menu) {
        menuItem = menu.actions().value(0)->objectName();
        menu.close();
    });
    QTest::mouseClick(list->viewport(), Qt::RightButton, {}, rowCentre(list, 2));
    EXPECT_EQ(menuItem, "mnuautoscroll");
    EXPECT_EQ(m->store().txtristloige, m->lstDim.list(0)) << "the picked product stays";
    EXPECT_EQ(list->selectedItems(), QList<QListWidgetItem*>{list->item(0)});

    m->mnuautoscroll.click();
    const int boundary = list->visualItemRect(list->item(0)).bottom() + 1;
    hover(list->viewport(), QPoint(20, boundary));
    EXPECT_EQ(m->lstDim.listIndex(), 0);
    hover(list->viewport(), QPoint(20, boundary + 1));
    EXPECT_EQ(m->lstDim.listIndex(), 1);
    EXPECT_EQ(list->currentRow(), 1);
}

TEST_F(MainWindowView, TheLogPriceNoticeTurnsBackToTheButtonFace) {
    auto* notice = widget<QLabel>(m->lblPalgiHinnaInfo);
    const QColor face = QApplication::palette(notice).color(QPalette::Window);
    for (const auto& [colour, shown] : {std::pair{colors::kLightOrange, QColor(255, 192, 128)},
                                        std::pair{colors::kButtonFace, face}}) {
        m->lblPalgiHinnaInfo.setBackColor(colour);
        FormView::refreshAll();
        EXPECT_EQ(notice->palette().color(QPalette::Window), shown);
    }
}

TEST_F(MainWindowView, TextFromTheProgramStaysWholeWhileTypingAndPastingKeepTheLimit) {
    m->txtSaagPaksus.setText("1039998.96");
    m->txtDimPaksus.setText("12");
    FormView::refreshAll();
    auto* sawing = widget<QLineEdit>(m->txtSaagPaksus);
    EXPECT_EQ(sawing->text(), "1039998.96");
    QTest::keyClick(sawing, '1');
    EXPECT_EQ(m->txtSaagPaksus.text(), "1039998.96");
    auto* nominal = widget<QLineEdit>(m->txtDimPaksus);
    QTest::keyClick(nominal, Qt::Key_End);
    QGuiApplication::clipboard()->setText("34567");
    QTest::keyClick(nominal, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(m->txtDimPaksus.text(), "123456");
}

TEST_F(MainWindowView, EveryFigureAndCaptionOfTheResultsPanelShowsWhole) {
    std::vector<Label*> labels{&m->lblSaematerjalMaht};
    for (Control* c : m->controls()) {
        if (c->container() == &m->frmSaekavaMarginalCaption && c->kind() == ControlKind::Label)
            labels.push_back(static_cast<Label*>(c));
    }
    for (Label* l : labels) {
        if (l->bordered()) l->setCaption(NumberText(-12345.6789012345));  // 15 digits
    }
    FormView::refreshAll();
    for (const Label* l : labels) {
        auto* shown = widget<QLabel>(*l);
        EXPECT_LE(shown->fontMetrics().horizontalAdvance(shown->text()),
                  shown->contentsRect().width())
            << l->name();
    }
}

TEST_F(MainWindowView, TheOversizeSpinnersUpArrowRaisesTheValue) {
    auto* spinner = widget<QScrollBar>(m->VScroll1);
    spinner->triggerAction(QAbstractSlider::SliderSingleStepSub);  // what the up arrow does
    EXPECT_EQ(m->VScroll1.value(), 5);
    EXPECT_EQ(m->txtYlemoot.text(), "5");
    spinner->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    spinner->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(m->VScroll1.value(), 3);
}

}  // namespace
}  // namespace lumbrix
