// The view of a window: every kind builds where the models say, the planner's actions reach
// the handlers with the right events, and the screen follows the models.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "qt/canvas_widget.h"
#include "shown_sample.h"
#include "test_paths.h"

namespace lumbrix {
namespace {

using Log = std::vector<std::string>;
using qt::FormView;

class FormViewTest : public test::ShownSampleTest {
  protected:
    QAction* menuAction(const char* name) { return view->menuBar()->findChild<QAction*>(name); }
};

TEST_F(FormViewTest, EveryKindOfControlHasItsWidgetInPlace) {
    const std::pair<const Control*, const char*> cases[] = {
        {&form.lblName, "QLabel"},         {&form.txtDigits, "QLineEdit"},
        {&form.lstRows, "QListWidget"},    {&form.cmdGo, "QPushButton"},
        {&form.chkFlag, "QCheckBox"},      {&form.fraGroup, "QGroupBox"},
        {&form.optOne, "QRadioButton"},    {&form.hsbValue, "QScrollBar"},
        {&form.vsbValue, "QScrollBar"},    {&form.tabPages, "QTabWidget"},
        {&form.rtbNotes, "QTextEdit"},     {&form.drvDrive, "QComboBox"},
        {&form.dirFolders, "QListWidget"}, {&form.filFiles, "QListWidget"},
        {&form.lblInCanvas, "QLabel"},     {&form.imgOnWindow, "QLabel"},
        {&form.shpOnWindow, "QWidget"},    {&form.linOnWindow, "QWidget"},
    };
    for (const auto& [control, qtClass] : cases) {
        SCOPED_TRACE(control->name());
        QWidget* w = view->widgetOf(*control);
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(w->inherits(qtClass)) << w->metaObject()->className();
        EXPECT_EQ(w->objectName().toStdString(), control->name());
    }
    // Timers and the common dialog show nothing; the figures of a picture box are drawn by it.
    for (const Control* c :
         std::initializer_list<const Control*>{&form.tmrTick, &form.comDial, &form.shpLog,
                                               &form.linAxis, &form.imgMark, &form.picBoard})
        EXPECT_EQ(view->widgetOf(*c), nullptr) << c->name();
    auto* canvas = dynamic_cast<qt::CanvasWidget*>(widget(form.picCanvas));
    ASSERT_NE(canvas, nullptr);
    EXPECT_EQ(canvas->figures(),
              (std::vector<Control*>{&form.shpLog, &form.linAxis, &form.imgMark, &form.picBoard}));

    // Twips become pixels, relative to the frame; inside a canvas, its scale's units.
    EXPECT_EQ(view->clientSize(), QSize(600, 460));
    EXPECT_EQ(widget(form.cmdGo)->geometry(), QRect(120, 40, 80, 25));
    EXPECT_EQ(widget(form.optTwo)->geometry(), QRect(10, 50, 120, 20));
    EXPECT_EQ(widget(form.optTwo)->parentWidget(), widget(form.fraGroup));
    EXPECT_EQ(widget(form.lblInCanvas)->geometry(), QRect(102, 77, 50, 20));
    EXPECT_EQ(widget(form.lblInCanvas)->parentWidget(), canvas);
}

TEST_F(FormViewTest, ALabelShowsItsCaptionWithoutTheAccessKeyMarks) {
    const std::pair<const char*, const char*> cases[] = {
        {"Saekava &nimi:", "Saekava nimi:"},
        {"A && B", "A & B"},
        {"plain", "plain"},
        {"end&", "end&"},
        {"&&&x", "&x"},
        {"", ""},
    };
    for (const auto& [caption, shown] : cases) {
        form.lblName.setCaption(caption);
        view->refresh();
        EXPECT_EQ(widget<QLabel>(form.lblName)->text().toStdString(), shown) << caption;
    }
}

TEST_F(FormViewTest, TypedKeysGoThroughTheKeyFilterAndTheHandlersChangeShows) {
    auto* edit = widget<QLineEdit>(form.txtDigits);
    QTest::keyClicks(edit, "1a2");
    EXPECT_EQ(form.txtDigits.text(), "12");
    EXPECT_EQ(edit->text(), "12");
    EXPECT_EQ(form.events, (Log{"txtDigits_Change 1", "txtDigits_Change 12"}));
    // The handler's change of another control is on screen after the event.
    EXPECT_EQ(widget<QLabel>(form.lblName)->text(), "typed 12");

    // Pasting bypasses the key filter and sets the text.
    QGuiApplication::clipboard()->setText("7x");
    QTest::keyClick(edit, Qt::Key_Home);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(form.txtDigits.text(), "7x12");
    EXPECT_EQ(edit->cursorPosition(), 2);
}

TEST_F(FormViewTest, ClicksAndEnterAndEscapeRunTheHandlersAndTheViewFollows) {
    QTest::mouseClick(widget(form.chkFlag), Qt::LeftButton, {}, QPoint(5, 10));
    QTest::mouseClick(widget(form.optTwo), Qt::LeftButton, {}, QPoint(5, 10));
    QTest::mouseClick(widget(form.optTwo), Qt::LeftButton, {}, QPoint(5, 10));  // no change
    QTest::mouseClick(widget(form.cmdGo), Qt::LeftButton);
    QWidget* edit = widget(form.txtDigits);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Escape);  // the Cancel button
    EXPECT_EQ(form.events, (Log{"chkFlag_Click 1", "optTwo_Click", "cmdGo_Click", "chkFlag_Click 2",
                                "cmdCancel_Click"}));
    EXPECT_TRUE(form.optTwo.value());
    EXPECT_FALSE(widget<QAbstractButton>(form.optOne)->isChecked());
    EXPECT_EQ(widget<QListWidget>(form.lstRows)->item(4)->text(), "epsilon");
    EXPECT_EQ(widget<QCheckBox>(form.chkFlag)->checkState(), Qt::PartiallyChecked);
    form.clearLog();
    QTest::keyClick(edit, Qt::Key_Return);         // the default button
    EXPECT_EQ(form.events, (Log{"cmdGo_Click"}));  // already grayed: no second chkFlag_Click
}

TEST_F(FormViewTest, AClickSelectsTheListRowUnderIt) {
    auto* list = widget<QListWidget>(form.lstRows);
    // The model finds the row that the widget shows under a pixel; a pixel on the boundary
    // of two rows is the upper one's.
    for (int y : {0, 15, 17, 63, 90}) {
        SCOPED_TRACE(y);
        EXPECT_EQ(list->indexAt(QPoint(5, y)).row(), form.lstRows.rowAtPixel(y));
    }
    EXPECT_EQ(form.lstRows.rowAtPixel(16), 0);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(10, 2 * 16 + 8));
    EXPECT_EQ(form.lstRows.listIndex(), 2);
    EXPECT_EQ(form.events, Log{"lstRows_Click 2"});
    // Selecting from code raises one Click (the model's), not a second one from the widget.
    form.clearLog();
    form.lstRows.setListIndex(0);
    FormView::refreshAll();
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_EQ(form.events, Log{"lstRows_Click 0"});
}

TEST_F(FormViewTest, ScrollBarMovesSetTheModelsValue) {
    auto* bar = widget<QScrollBar>(form.hsbValue);
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(form.hsbValue.value(), 10);
    EXPECT_EQ(form.events, Log{"hsbValue_Change 10"});
    EXPECT_EQ(widget<QLabel>(form.lblName)->text(), "value 10");
    // A value set from code shows without a second Change.
    form.clearLog();
    form.hsbValue.setValue(70);
    FormView::refreshAll();
    EXPECT_EQ(bar->value(), 70);
    EXPECT_EQ(form.events, Log{"hsbValue_Change 70"});

    // Min above Max: the range is the values between them and the bar runs the other way.
    auto* vertical = widget<QScrollBar>(form.vsbValue);
    EXPECT_EQ(vertical->maximum(), 50);
    EXPECT_TRUE(vertical->invertedAppearance());
    vertical->setValue(40);
    EXPECT_EQ(form.vsbValue.value(), 40);
}

TEST_F(FormViewTest, MenuItemsReachTheirHandlersAndShowTheirTicks) {
    QAction* open = menuAction("mnuFileOpen");
    QAction* ticked = menuAction("mnuFileTicked");
    ASSERT_TRUE(open && ticked);
    EXPECT_FALSE(open->isCheckable());
    open->trigger();
    EXPECT_EQ(form.events, Log{"mnuFileOpen_Click"});
    EXPECT_FALSE(ticked->isChecked());
    // A ticked item clicked by the planner keeps the tick its model has.
    ticked->trigger();
    EXPECT_FALSE(ticked->isChecked());
    // Opening a menu raises its Click first.
    emit menuAction("mnuFile")->menu()->aboutToShow();
    EXPECT_EQ(form.events, (Log{"mnuFileOpen_Click", "mnuFileTicked_Click", "mnuFile_Click"}));
    // A hidden top-level menu is a pop-up menu, not an entry of the bar.
    EXPECT_FALSE(menuAction("mnuPopup")->isVisible());
}

TEST_F(FormViewTest, RefreshTouchesOnlyTheControlsWhoseModelChanged) {
    auto* onTab = widget<QLabel>(form.lblOnTab);
    onTab->setText("stale");  // behind the model's back
    QTest::mouseClick(widget(form.cmdGo), Qt::LeftButton);
    EXPECT_EQ(onTab->text(), "stale");
    EXPECT_EQ(widget<QListWidget>(form.lstRows)->count(), 5);
    form.lblOnTab.setCaption("fresh");
    FormView::refreshAll();
    EXPECT_EQ(onTab->text(), "fresh");
}

TEST_F(FormViewTest, ACommandButtonShowsThePictureOfItsModel) {
    auto* button = widget<QPushButton>(form.cmdGo);
    EXPECT_TRUE(button->icon().isNull());
    form.cmdGo.setPicture(std::string(test::kShippedDataDir) + "/pictures/place_centre.png");
    FormView::refreshAll();
    EXPECT_FALSE(button->icon().isNull());
    EXPECT_LE(button->iconSize().height(), 32);
    form.cmdGo.setPicture("");
    FormView::refreshAll();
    EXPECT_TRUE(button->icon().isNull());
}

TEST_F(FormViewTest, ClosingTheWindowAsksTheModel) {
    int answer = 1;  // cancel
    form.QueryUnload.connect([&](int& cancel, int mode) {
        form.log("Form_QueryUnload " + std::to_string(mode));
        cancel = answer;
    });
    window->close();
    EXPECT_TRUE(window->isVisible());
    answer = 0;
    window->close();
    EXPECT_EQ(form.events, (Log{"Form_QueryUnload 0", "Form_QueryUnload 0"}));
    EXPECT_EQ(desktop->windowOf(form), nullptr);
}

}  // namespace
}  // namespace lumbrix
