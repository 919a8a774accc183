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
#include <QMessageBox>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

#include "app/application.h"
#include "mainwindow/frm_main.h"
#include "platform/text.h"
#include "platform/user_settings.h"
#include "qt/canvas_widget.h"
#include "qt/form_view.h"
#include "qt/form_window.h"
#include "qt/qt_desktop.h"
#include "qt_test_app.h"
#include "store/frm_main_sub.h"
#include "store/numbers.h"
#include "temp_install.h"
#include "when_shown.h"

namespace lumbrix {
namespace {

using qt::FormView;

// Sets an environment variable for the test's life.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        ::setenv(name_, value.c_str(), 1);
    }
    ~ScopedEnv() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

  private:
    const char* name_;
    std::optional<std::string> old_;
};

// The program's main window shown on the Qt desktop (offscreen) in a temporary installation
// folder with the shipped profile; the user settings live in the folder too.
class MainWindowView : public ::testing::Test {
  protected:
    void SetUp() override {
        test::qtApp();
        folder.copyShippedData();
        desktop = std::make_unique<qt::QtDesktop>();
        app = std::make_unique<Application>(*desktop, folder.path());
        m = &app->window<frmMain>();
        m->tmr_Startup.setEnabled(false);  // a test loads the profile when it needs it
        m->show();
        window = desktop->windowOf(*m);
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        view = window->view();
    }
    void TearDown() override {
        app.reset();
        desktop.reset();
    }

    template <class W = QWidget>
    W* widget(const Control& c) {
        return qobject_cast<W*>(view->widgetOf(c));
    }
    // The shipped profile loaded, as the start-up timer does.
    void loadProfile() {
        m->tmr_Startup_Timer();
        FormView::refreshAll();
    }
    // The pointer moves over `w` with no button held.
    static void hover(QWidget* w, const QPoint& pos) {
        QMouseEvent move(QEvent::MouseMove, pos, w->mapToGlobal(pos), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(w, &move);
    }
    // The centre of row `row` of a list's widget.
    static QPoint rowCentre(QListWidget* list, int row) {
        return list->visualItemRect(list->item(row)).center();
    }

    test::TempInstallFolder folder;
    ScopedEnv config{"XDG_CONFIG_HOME", (folder / "config").string()};
    std::unique_ptr<qt::QtDesktop> desktop;
    std::unique_ptr<Application> app;
    frmMain* m = nullptr;
    qt::FormWindow* window = nullptr;
    FormView* view = nullptr;
};

TEST_F(MainWindowView, TheWindowKeepsItsSizeAndThePlacementButtonsWaitForAProduct) {
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_EQ(window->size(), window->minimumSize());
    // Before the start-up timer has run: the buttons are disabled and a click adds nothing.
    QTest::mouseClick(widget(m->cmdCenter), Qt::LeftButton);
    EXPECT_EQ(m->lstSyda.listCount(), 0);
    loadProfile();
    for (const CommandButton* b :
         {&m->cmdCenter, &m->cmdSideLeft, &m->cmdSideRight, &m->cmdSeimerAll, &m->cmdSeimerYleval})
        EXPECT_FALSE(widget(*b)->isEnabled()) << b->name();
    QTest::mouseClick(widget<QListWidget>(m->lstDim)->viewport(), Qt::LeftButton, {},
                      rowCentre(widget<QListWidget>(m->lstDim), 0));
    EXPECT_TRUE(widget(m->cmdCenter)->isEnabled());
    // The settings of the program and of its tests come from one place.
    EXPECT_EQ(app->userSettings().path(), defaultUserSettingsPath());
    EXPECT_EQ(app->userSettings().path(), folder / "config" / "VTLumbrix" / "settings.ini");
}

TEST_F(MainWindowView, AHoveredBoardShowsItsSizesAsTheTooltip) {
    loadProfile();
    m->lstDim.setListIndex(0);
    m->cmdCenter.press();
    FormView::refreshAll();
    auto* canvas = dynamic_cast<qt::CanvasWidget*>(view->widgetOf(m->picBack));
    ASSERT_NE(canvas, nullptr);
    ASSERT_TRUE(m->picsyda[0].visible());
    const QPoint onBoard = canvas->childRect(m->picsyda[0]).center().toPoint();
    hover(canvas, onBoard);
    const std::string sizes = Left(m->lstSyda.list(0), 29);
    EXPECT_EQ(m->picsyda[0].toolTipText(), sizes);

    QHelpEvent overBoard(QEvent::ToolTip, onBoard, canvas->mapToGlobal(onBoard));
    QApplication::sendEvent(canvas, &overBoard);
    EXPECT_EQ(QToolTip::text().toStdString(), sizes);
    // Away from the boards the drawing has no tip of its own.
    QHelpEvent overDrawing(QEvent::ToolTip, QPoint(5, 5), canvas->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(canvas, &overDrawing);
    QTRY_VERIFY(!QToolTip::isVisible());
}

TEST_F(MainWindowView, TheHighlightedRowIsTheModelsRowWhateverTheMouseDoesBesideTheRows) {
    loadProfile();
    m->lstDim.setListIndex(0);
    m->cmdCenter.press();
    m->cmdCenter.press();
    m->lstSyda.setListIndex(1);
    FormView::refreshAll();
    auto* list = widget<QListWidget>(m->lstSyda);
    const QPoint belowRows(20, list->viewport()->height() - 3);
    ASSERT_FALSE(list->indexAt(belowRows).isValid());

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, belowRows);
    EXPECT_EQ(m->lstSyda.listIndex(), 1);
    EXPECT_EQ(list->selectedItems(), QList<QListWidgetItem*>{list->item(1)});
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, belowRows);
    EXPECT_EQ(m->lstSyda.listCount(), 2) << "a double click below the rows removes nothing";

    // A double click on a row removes that row.
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rowCentre(list, 0));
    EXPECT_EQ(m->lstSyda.listCount(), 1);

    // Taking the focus selects nothing in the model that the list would not show.
    m->lstSeimerAll.addItem(m->lstSyda.list(0));
    FormView::refreshAll();
    auto* empty = widget<QListWidget>(m->lstSeimerAll);
    empty->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(m->lstSeimerAll.listIndex(), -1);
    EXPECT_TRUE(empty->selectedItems().isEmpty());
}

TEST_F(MainWindowView, TheRightButtonOnThePickerOpensItsMenuAndPicksNothing) {
    loadProfile();
    m->mnuautoscroll.click();  // auto-scroll off
    ASSERT_FALSE(m->mnuautoscroll.checked());
    FormView::refreshAll();
    auto* list = widget<QListWidget>(m->lstDim);
    QString menuItem;
    test::whenShown<QMenu>([&](QMenu& menu) {
        menuItem = menu.actions().value(0)->objectName();
        menu.close();
    });
    QTest::mouseClick(list->viewport(), Qt::RightButton, {}, rowCentre(list, 2));
    EXPECT_EQ(menuItem, "mnuautoscroll");
    EXPECT_EQ(m->lstDim.listIndex(), -1);
    EXPECT_EQ(m->store().txtristloige, "");
    EXPECT_TRUE(list->selectedItems().isEmpty());
    EXPECT_FALSE(m->cmdCenter.enabled());

    // With auto-scroll, the pixel on the boundary of rows 0 and 1 belongs to row 0.
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
    m->lblPalgiHinnaInfo.setBackColor(colors::kLightOrange);
    FormView::refreshAll();
    EXPECT_EQ(notice->palette().color(QPalette::Window), QColor(255, 192, 128));
    m->lblPalgiHinnaInfo.setBackColor(colors::kButtonFace);
    FormView::refreshAll();
    EXPECT_EQ(notice->palette().color(QPalette::Window), face);
}

TEST_F(MainWindowView, TextFromTheProgramStaysWholeWhileTypingAndPastingKeepTheLimit) {
    m->txtSaagPaksus.setText("1039998.96");
    FormView::refreshAll();
    auto* sawing = widget<QLineEdit>(m->txtSaagPaksus);
    EXPECT_EQ(sawing->text(), "1039998.96");
    sawing->setFocus();
    QTest::keyClick(sawing, Qt::Key_End);
    QTest::keyClick(sawing, '1');
    EXPECT_EQ(m->txtSaagPaksus.text(), "1039998.96");

    auto* nominal = widget<QLineEdit>(m->txtDimPaksus);
    m->txtDimPaksus.setText("12");
    FormView::refreshAll();
    nominal->setFocus();
    QTest::keyClick(nominal, Qt::Key_End);
    QGuiApplication::clipboard()->setText("34567");
    QTest::keyClick(nominal, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(m->txtDimPaksus.text(), "123456");
}

TEST_F(MainWindowView, EveryFigureOfTheResultsPanelShowsAFifteenDigitNumberWhole) {
    const std::string longest = NumberText(-12345.6789012345);
    ASSERT_EQ(longest, "-12345.6789012345");
    const Label* figures[] = {&m->lblvaljatulekpuru,
                              &m->lblvaljatulekpuruprotsent,
                              &m->lblvaljatulekhake,
                              &m->lblvaljatulekhakeprotsent,
                              &m->lblvaljatulekkoorprotsent,
                              &m->lblsydmatosakaal,
                              &m->lblkyljelauaosakaal,
                              &m->lblseimrilauaosakaal,
                              &m->lblpalgikulutm,
                              &m->lblPalgikuluHind,
                              &m->lblMuudkuludHind,
                              &m->lblMarginPuru,
                              &m->lblMarginHake,
                              &m->lblMarginKoor,
                              &m->lblsaekavahind,
                              &m->lblTulud,
                              &m->lblKulud,
                              &m->lblmargintotal,
                              &m->lblmargintotalEBITDA,
                              &m->lblROCE,
                              &m->lblCBBreakEven,
                              &m->lblSydaHind,
                              &m->lblKyljelauahind,
                              &m->lblRawATPEBIT,
                              &m->lblRawATPEBITDA,
                              &m->lblNETrawmaterial,
                              &m->lblSaematerjalMaht};
    for (const Label* figure : figures)
        const_cast<Label*>(figure)->setCaption(longest);
    FormView::refreshAll();
    for (const Label* figure : figures) {
        SCOPED_TRACE(figure->name());
        auto* label = widget<QLabel>(*figure);
        ASSERT_NE(label, nullptr);
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()),
                  label->contentsRect().width());
    }
    // The captions show whole too.
    for (const Control* c : m->controls()) {
        if (c->container() != &m->frmSaekavaMarginalCaption || c->kind() != ControlKind::Label)
            continue;
        auto* label = widget<QLabel>(*c);
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()),
                  label->contentsRect().width())
            << c->name();
    }
}

TEST_F(MainWindowView, TheOversizeSpinnersUpArrowRaisesTheValue) {
    auto* spinner = widget<QScrollBar>(m->VScroll1);
    ASSERT_EQ(m->VScroll1.value(), 4);
    QStyleOptionSlider option;
    option.initFrom(spinner);
    option.orientation = Qt::Vertical;
    option.minimum = spinner->minimum();
    option.maximum = spinner->maximum();
    option.sliderPosition = spinner->sliderPosition();
    option.sliderValue = spinner->value();
    option.singleStep = spinner->singleStep();
    option.pageStep = spinner->pageStep();
    option.subControls = QStyle::SC_All;
    const auto arrow = [&](QStyle::SubControl which) {
        return spinner->style()->subControlRect(QStyle::CC_ScrollBar, &option, which, spinner);
    };
    m->SSTab1.setCurrentTab(1);
    FormView::refreshAll();
    QTest::mouseClick(spinner, Qt::LeftButton, {}, arrow(QStyle::SC_ScrollBarSubLine).center());
    EXPECT_EQ(m->VScroll1.value(), 5);
    EXPECT_EQ(m->txtYlemoot.text(), "5");
    QTest::mouseClick(spinner, Qt::LeftButton, {}, arrow(QStyle::SC_ScrollBarAddLine).center());
    QTest::mouseClick(spinner, Qt::LeftButton, {}, arrow(QStyle::SC_ScrollBarAddLine).center());
    EXPECT_EQ(m->VScroll1.value(), 3);
}

}  // namespace
}  // namespace lumbrix
