// The view of a window: every kind builds, widgets sit where the models say, the planner's
// actions reach the handlers with the right events, and the screen follows the models.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>

#include "qt/canvas_widget.h"
#include "shown_sample.h"

namespace lumbrix {
namespace {

using qt::FormView;

class FormViewTest : public test::ShownSampleTest {
  protected:
    QAction* menuAction(const char* name) { return view->menuBar()->findChild<QAction*>(name); }
};

TEST_F(FormViewTest, EveryKindOfControlHasItsWidget) {
    struct Case {
        const Control* control;
        const char* qtClass;
    };
    const Case cases[] = {
        {&form.lblName, "QLabel"},       {&form.txtDigits, "QLineEdit"},
        {&form.lstRows, "QListWidget"},  {&form.cmdGo, "QPushButton"},
        {&form.chkFlag, "QCheckBox"},    {&form.fraGroup, "QGroupBox"},
        {&form.optOne, "QRadioButton"},  {&form.hsbValue, "QScrollBar"},
        {&form.vsbValue, "QScrollBar"},  {&form.picCanvas, "lumbrix::qt::CanvasWidget"},
        {&form.tabPages, "QTabWidget"},  {&form.rtbNotes, "QTextEdit"},
        {&form.drvDrive, "QComboBox"},   {&form.dirFolders, "QListWidget"},
        {&form.filFiles, "QListWidget"}, {&form.lblInCanvas, "QLabel"},
        {&form.imgOnWindow, "QLabel"},   {&form.shpOnWindow, "QWidget"},
        {&form.linOnWindow, "QWidget"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.control->name());
        QWidget* w = view->widgetOf(*c.control);
        ASSERT_NE(w, nullptr);
        if (std::string(c.qtClass) != "lumbrix::qt::CanvasWidget") {
            EXPECT_TRUE(w->inherits(c.qtClass)) << w->metaObject()->className();
        } else {
            EXPECT_NE(dynamic_cast<qt::CanvasWidget*>(w), nullptr);
        }
        EXPECT_EQ(w->objectName().toStdString(), c.control->name());
    }
    // Timers and the common dialog show nothing; the figures of a picture box are drawn by it.
    for (const Control* c :
         std::initializer_list<const Control*>{&form.tmrTick, &form.comDial, &form.shpLog,
                                               &form.linAxis, &form.imgMark, &form.picBoard}) {
        EXPECT_EQ(view->widgetOf(*c), nullptr) << c->name();
    }
    auto* canvas = dynamic_cast<qt::CanvasWidget*>(view->widgetOf(form.picCanvas));
    ASSERT_NE(canvas, nullptr);
    const std::vector<Control*> figures = {&form.shpLog, &form.linAxis, &form.imgMark,
                                           &form.picBoard};
    EXPECT_EQ(canvas->figures(), figures);
}

TEST_F(FormViewTest, WidgetsArePlacedFromTwipsFramesAndScaleUnits) {
    struct Case {
        const Control* control;
        QRect geometry;
        const Control* parent;  // null: the window's surface
    };
    const Case cases[] = {
        {&form.lblName, QRect(10, 10, 100, 20), nullptr},
        {&form.cmdGo, QRect(120, 40, 80, 25), nullptr},
        {&form.optTwo, QRect(10, 50, 120, 20), &form.fraGroup},  // relative to the frame
        {&form.picCanvas, QRect(320, 120, 204, 154), nullptr},
        // In the canvas's scale: x 0..50, y 0 down to -20, one unit a pixel, 2-pixel border.
        {&form.lblInCanvas, QRect(102, 77, 50, 20), &form.picCanvas},
        // A line's widget covers its points grown by its width.
        {&form.linOnWindow, QRect(529, 59, 62, 2), nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.control->name());
        QWidget* w = view->widgetOf(*c.control);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->geometry(), c.geometry);
        QWidget* parent = c.parent ? view->widgetOf(*c.parent) : view->surface();
        EXPECT_EQ(w->parentWidget(), parent);
    }
    EXPECT_EQ(view->surface()->size(), QSize(600, 460));
    EXPECT_EQ(view->clientSize(), QSize(600, 460));
}

TEST_F(FormViewTest, CaptionsFontsColoursAndTooltipsFollowTheModels) {
    form.lblOnFirst.setFont(Font{"MS Sans Serif", 12, true, false, false});
    form.cmdGo.setFont(Font{"Arial", 9.75, false, true, false});
    FormView::refreshAll();

    auto* label = widget<QLabel>(form.lblName);
    EXPECT_EQ(label->text(), "Name");
    EXPECT_EQ(label->toolTip(), "What it is called");
    EXPECT_TRUE(label->autoFillBackground());
    EXPECT_EQ(label->palette().color(QPalette::Window), QColor(255, 192, 128));
    EXPECT_EQ(window->windowTitle(), "Sample");
    EXPECT_EQ(widget<QPushButton>(form.cmdGo)->text(), "Go");
    EXPECT_EQ(widget<QGroupBox>(form.fraGroup)->title(), "Group");
    EXPECT_EQ(widget<QTabWidget>(form.tabPages)->tabText(1), "Second");

    const QFont sans = widget(form.lblOnFirst)->font();
    EXPECT_EQ(sans.family(), QApplication::font().family());  // MS Sans Serif: the desktop's
    EXPECT_DOUBLE_EQ(sans.pointSizeF(), 12);
    EXPECT_TRUE(sans.bold());
    const QFont arial = widget(form.cmdGo)->font();
    EXPECT_EQ(arial.family(), "Arial");
    EXPECT_DOUBLE_EQ(arial.pointSizeF(), 9.75);
    EXPECT_TRUE(arial.italic());

    // A system colour comes from the palette: a text box's window background is Base.
    EXPECT_EQ(widget(form.txtDigits)->palette().color(QPalette::Base),
              QApplication::palette().color(QPalette::Base));

    form.lblName.setEnabled(false);
    form.cmdCancel.setVisible(false);
    form.lblName.setBackColor(colors::kRed);
    FormView::refreshAll();
    EXPECT_FALSE(label->isEnabled());
    EXPECT_TRUE(widget(form.cmdCancel)->isHidden());
    EXPECT_EQ(label->palette().color(QPalette::Window), QColor(255, 0, 0));
}

TEST_F(FormViewTest, TabStripShowsTheControlsOfItsCurrentPage) {
    EXPECT_FALSE(widget(form.lblOnFirst)->isHidden());
    EXPECT_TRUE(widget(form.lblOnSecond)->isHidden());
    auto* tabs = widget<QTabWidget>(form.tabPages);
    QTabBar* bar = tabs->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    EXPECT_EQ(form.tabPages.currentTab(), 1);
    EXPECT_EQ(form.events, std::vector<std::string>{"tabPages_Click 0"});
    EXPECT_TRUE(widget(form.lblOnFirst)->isHidden());
    EXPECT_FALSE(widget(form.lblOnSecond)->isHidden());
    // The program turns the page back.
    form.tabPages.setCurrentTab(0);
    FormView::refreshAll();
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_FALSE(widget(form.lblOnFirst)->isHidden());
}

TEST_F(FormViewTest, TypedKeysGoThroughTheKeyFilterAndTheHandlersChangeShows) {
    auto* edit = widget<QLineEdit>(form.txtDigits);
    QTest::keyClicks(edit, "1a2");
    EXPECT_EQ(form.txtDigits.text(), "12");
    EXPECT_EQ(edit->text(), "12");
    EXPECT_EQ(form.events, (std::vector<std::string>{"txtDigits_Change 1", "txtDigits_Change 12"}));
    // The handler's change of another control is on screen after the event.
    EXPECT_EQ(widget<QLabel>(form.lblName)->text(), "typed 12");

    QTest::keyClick(edit, Qt::Key_Left);
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(form.txtDigits.text(), "2");
    EXPECT_EQ(form.txtDigits.selStart(), 0);
    EXPECT_EQ(edit->cursorPosition(), 0);

    // Pasting bypasses the key filter and sets the text.
    QGuiApplication::clipboard()->setText("7x");
    QTest::keyClick(edit, Qt::Key_End);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(form.txtDigits.text(), "27x");
    EXPECT_EQ(edit->cursorPosition(), 3);
}

TEST_F(FormViewTest, ClickingAButtonRunsItsHandlerAndTheViewFollows) {
    QTest::mouseClick(widget(form.cmdGo), Qt::LeftButton);
    EXPECT_EQ(form.events, (std::vector<std::string>{"cmdGo_Click", "chkFlag_Click 2"}));
    EXPECT_EQ(widget<QListWidget>(form.lstRows)->count(), 5);
    EXPECT_EQ(widget<QListWidget>(form.lstRows)->item(4)->text(), "epsilon");
    EXPECT_EQ(widget<QCheckBox>(form.chkFlag)->checkState(), Qt::PartiallyChecked);
}

TEST_F(FormViewTest, EnterAndEscapePressTheDefaultAndCancelButtons) {
    QWidget* edit = widget(form.txtDigits);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_EQ(form.events,
              (std::vector<std::string>{"cmdGo_Click", "chkFlag_Click 2", "cmdCancel_Click"}));
}

TEST_F(FormViewTest, ListRowsAreTheModelsRowHeightAndAClickSelects) {
    auto* list = widget<QListWidget>(form.lstRows);
    for (int row = 0; row < list->count(); ++row) {
        EXPECT_EQ(list->visualItemRect(list->item(row)).height(), ListBox::kRowHeightPixels);
    }
    for (int y : {0, 15, 16, 40, 63, 64, 90}) {
        SCOPED_TRACE(y);
        EXPECT_EQ(list->indexAt(QPoint(5, y)).row(), form.lstRows.rowAtPixel(y));
    }
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(10, 2 * 16 + 8));
    EXPECT_EQ(form.lstRows.listIndex(), 2);
    EXPECT_EQ(form.events, std::vector<std::string>{"lstRows_Click 2"});
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, QPoint(10, 2 * 16 + 8));
    EXPECT_EQ(form.events.back(), "lstRows_DblClick");

    // Selecting from code raises one Click (the model's), not a second one from the widget.
    form.clearLog();
    form.lstRows.setListIndex(0);
    FormView::refreshAll();
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_EQ(form.events, std::vector<std::string>{"lstRows_Click 0"});
}

TEST_F(FormViewTest, ScrollBarMovesSetTheModelsValue) {
    auto* bar = widget<QScrollBar>(form.hsbValue);
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(form.hsbValue.value(), 10);
    EXPECT_EQ(form.events, std::vector<std::string>{"hsbValue_Change 10"});
    EXPECT_EQ(widget<QLabel>(form.lblName)->text(), "value 10");

    // Min above Max: the range is the values between them and the bar runs the other way.
    auto* vertical = widget<QScrollBar>(form.vsbValue);
    EXPECT_EQ(vertical->minimum(), 0);
    EXPECT_EQ(vertical->maximum(), 50);
    EXPECT_TRUE(vertical->invertedAppearance());
    vertical->setValue(40);
    EXPECT_EQ(form.vsbValue.value(), 40);

    // A value set from code shows without a second Change.
    form.clearLog();
    form.hsbValue.setValue(70);
    FormView::refreshAll();
    EXPECT_EQ(bar->value(), 70);
    EXPECT_EQ(form.events, std::vector<std::string>{"hsbValue_Change 70"});
}

TEST_F(FormViewTest, OptionAndCheckBoxClicksGoThroughTheirModels) {
    auto* one = widget<QRadioButton>(form.optOne);
    auto* two = widget<QRadioButton>(form.optTwo);
    QTest::mouseClick(two, Qt::LeftButton, {}, QPoint(5, 10));
    EXPECT_TRUE(form.optTwo.value());
    EXPECT_FALSE(one->isChecked());
    EXPECT_TRUE(two->isChecked());
    // Clicking the selected option again changes nothing and raises nothing.
    QTest::mouseClick(two, Qt::LeftButton, {}, QPoint(5, 10));
    EXPECT_TRUE(two->isChecked());
    QTest::mouseClick(widget(form.chkFlag), Qt::LeftButton, {}, QPoint(5, 10));
    EXPECT_EQ(form.events, (std::vector<std::string>{"optTwo_Click", "chkFlag_Click 1"}));
}

TEST_F(FormViewTest, MenuItemsReachTheirHandlersAndShowTheirTicks) {
    QAction* open = menuAction("mnuFileOpen");
    QAction* ticked = menuAction("mnuFileTicked");
    ASSERT_NE(open, nullptr);
    ASSERT_NE(ticked, nullptr);
    EXPECT_TRUE(ticked->isChecked());
    EXPECT_FALSE(open->isCheckable());  // an item without a tick shows no box either
    open->trigger();
    EXPECT_EQ(form.events, std::vector<std::string>{"mnuFileOpen_Click"});
    EXPECT_FALSE(ticked->isChecked());
    // A ticked item clicked by the planner keeps the tick its model has.
    open->trigger();
    ticked->trigger();
    EXPECT_TRUE(ticked->isChecked());
    EXPECT_EQ(form.events.back(), "mnuFileTicked_Click");
    // Opening a menu raises its Click first.
    form.clearLog();
    QMenu* file = menuAction("mnuFile")->menu();
    ASSERT_NE(file, nullptr);
    emit file->aboutToShow();
    EXPECT_EQ(form.events, std::vector<std::string>{"mnuFile_Click"});
    // A hidden top-level menu is a pop-up menu, not an entry of the bar.
    EXPECT_FALSE(menuAction("mnuPopup")->isVisible());
    EXPECT_TRUE(menuAction("mnuFile")->isVisible());
}

TEST_F(FormViewTest, RefreshTouchesOnlyTheControlsWhoseModelChanged) {
    auto* onFirst = widget<QLabel>(form.lblOnFirst);
    onFirst->setText("stale");  // behind the model's back
    QTest::mouseClick(widget(form.cmdGo), Qt::LeftButton);
    EXPECT_EQ(onFirst->text(), "stale");  // its model did not change
    EXPECT_EQ(widget<QListWidget>(form.lstRows)->count(), 5);
    form.lblOnFirst.setCaption("fresh");
    FormView::refreshAll();
    EXPECT_EQ(onFirst->text(), "fresh");
}

TEST_F(FormViewTest, MouseMovesGoToTheControlUnderThePointerInItsUnits) {
    QTest::mouseMove(widget(form.lblName), QPoint(5, 2));
    QTest::mouseMove(view->surface(), QPoint(560, 300));
    ASSERT_GE(form.events.size(), 2u);
    EXPECT_EQ(form.events[form.events.size() - 2], "lblName_MouseMove 0 75,30");
    EXPECT_EQ(form.events.back(), "Form_MouseMove 0 8400,4500");
    QTest::mouseClick(widget(form.lblName), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(form.events.back(), "lblName_Click");
}

TEST_F(FormViewTest, ClosingTheWindowAsksTheModel) {
    bool allow = false;
    form.QueryUnload.connect([&](int& cancel, int mode) {
        form.log("Form_QueryUnload " + std::to_string(mode));
        if (!allow) cancel = 1;
    });
    window->close();
    EXPECT_EQ(form.events, std::vector<std::string>{"Form_QueryUnload 0"});
    EXPECT_TRUE(form.isLoaded());
    EXPECT_TRUE(window->isVisible());
    allow = true;
    window->close();
    EXPECT_FALSE(form.isLoaded());
    EXPECT_EQ(desktop->windowOf(form), nullptr);
    EXPECT_FALSE(window->isVisible());
}

}  // namespace
}  // namespace lumbrix
