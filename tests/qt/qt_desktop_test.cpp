// The Qt desktop: message boxes, modal windows, windows that go with their models, pop-up
// menus, timers on the event loop, printing and the printer dialog.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <fstream>
#include <functional>
#include <iterator>
#include <regex>

#include "platform/vb_error.h"
#include "shown_sample.h"
#include "when_shown.h"

namespace lumbrix {
namespace {

using Log = std::vector<std::string>;

using test::whenShown;

// A dialog whose OK button hides it and whose timer, when enabled, unloads it.
class SmallDialog : public Form {
  public:
    SmallDialog() : Form("frmSmall") {
        setCaption("Small");
        move(0, 0, 3000, 1500);
        setFixedSize(true);
        cmdOK.move(120, 120, 1200, 375);
        tmrClose.setInterval(10);
        tmrClose.setEnabled(false);
        cmdOK.Click.connect([this] {
            events.push_back("cmdOK_Click");
            hide();
        });
        tmrClose.TimerEvent.connect([this] {
            tmrClose.setEnabled(false);
            events.push_back("tmrClose_Timer");
            unload();
        });
    }
    CommandButton cmdOK{*this, "cmdOK"};
    Timer tmrClose{*this, "tmrClose"};
    Log events;
};

class QtDesktopTest : public test::ShownSampleTest {};

TEST_F(QtDesktopTest, MessageBoxesShowTheirButtonsIconAndTitleAndReturnTheAnswer) {
    using SB = QMessageBox::StandardButton;
    struct Case {
        int style;
        QMessageBox::StandardButtons buttons;
        QMessageBox::Icon icon;
        SB defaultButton, press;
        MsgResult expected;
    };
    const Case cases[] = {
        {mb::kOkOnly | mb::kInformation, SB::Ok, QMessageBox::Information, SB::Ok, SB::Ok,
         MsgResult::Ok},
        {mb::kYesNo | mb::kExclamation, SB::Yes | SB::No, QMessageBox::Warning, SB::Yes, SB::No,
         MsgResult::No},
        {mb::kYesNoCancel | mb::kCritical, SB::Yes | SB::No | SB::Cancel, QMessageBox::Critical,
         SB::Yes, SB::Cancel, MsgResult::Cancel},
        {mb::kAbortRetryIgnore, SB::Abort | SB::Retry | SB::Ignore, QMessageBox::NoIcon, SB::Abort,
         SB::Ignore, MsgResult::Ignore},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.style);
        whenShown<QMessageBox>([&](QMessageBox& box) {
            EXPECT_EQ(box.standardButtons(), c.buttons);
            EXPECT_EQ(box.icon(), c.icon);
            EXPECT_EQ(box.windowTitle(), "Question");
            EXPECT_EQ(box.text(), QString::fromUtf8("Säästa muudatused?"));
            EXPECT_EQ(box.defaultButton(), box.button(c.defaultButton));
            box.button(c.press)->click();
        });
        EXPECT_EQ(runtime::msgBox("Säästa muudatused?", c.style, "Question"), c.expected);
    }
    // A box that names no title carries the application's.
    whenShown<QMessageBox>([&](QMessageBox& box) {
        EXPECT_EQ(box.windowTitle(), "LUMBRIX");
        box.button(QMessageBox::Ok)->click();
    });
    runtime::msgBox("x");
}

TEST_F(QtDesktopTest, AModalWindowEndsWhenItsModelHidesItAndRunsTimersInItsLoop) {
    SmallDialog dialog;
    Log order;
    whenShown<qt::FormWindow>(
        [&](qt::FormWindow& w) {
            order.push_back("shown " + w.windowTitle().toStdString());
            EXPECT_EQ(w.parentWidget(), window);  // owned by the owner's window
            EXPECT_EQ(w.size(), QSize(192, 67));  // 3000 x 1500 twips less the window's chrome
            QTest::mouseClick(w.view()->widgetOf(dialog.cmdOK), Qt::LeftButton);
        },
        "Small");
    runtime::dispatch(&form, "cmdShow_Click", [&] {
        order.push_back("before");
        dialog.showModal(&form);
        order.push_back("after");
    });
    EXPECT_EQ(order, (Log{"before", "shown Small", "after"}));
    ASSERT_NE(desktop->windowOf(dialog), nullptr);
    EXPECT_FALSE(desktop->windowOf(dialog)->isVisible());

    // Shown again, its timer unloads it from inside the modal loop; its window goes too.
    dialog.tmrClose.setEnabled(true);
    runtime::dispatch(&form, "cmdShow_Click", [&] { dialog.showModal(&form); });
    EXPECT_EQ(dialog.events, (Log{"cmdOK_Click", "tmrClose_Timer"}));
    EXPECT_FALSE(dialog.isLoaded());
    EXPECT_EQ(desktop->windowOf(dialog), nullptr);
}

TEST_F(QtDesktopTest, TimersFireFromTheEventLoopButNeverInsideAHandler) {
    int ticks = 0;
    form.tmrTick.TimerEvent.connect([&] { ++ticks; });
    form.tmrTick.setInterval(10);
    test::runEventLoop(60);
    EXPECT_GT(ticks, 0);

    int duringBox = -1, beforeBox = -1;
    runtime::dispatch(&form, "cmdAsk_Click", [&] {
        beforeBox = ticks;
        // The box stays open for a while; its loop may not run the timer of this handler.
        QTimer::singleShot(80, [&] {
            duringBox = ticks;
            test::forEachShownBox([](QMessageBox& box) { box.button(QMessageBox::Ok)->click(); });
        });
        runtime::msgBox("wait");
    });
    EXPECT_EQ(duringBox, beforeBox);
    test::runEventLoop(40);
    EXPECT_GT(ticks, beforeBox);

    form.tmrTick.setEnabled(false);
    const int stopped = ticks;
    test::runEventLoop(40);
    EXPECT_EQ(ticks, stopped);
}

TEST_F(QtDesktopTest, AnUnloadedModelTakesItsWindowAlong) {
    QPointer<qt::FormWindow> shown = window;
    bool lastWindowGone = false;
    desktop->setOnLastWindowClosed([&] { lastWindowGone = true; });
    form.unload();
    EXPECT_EQ(desktop->windowOf(form), nullptr);
    test::runEventLoop(10);
    EXPECT_TRUE(shown.isNull());
    EXPECT_TRUE(lastWindowGone);
}

TEST_F(QtDesktopTest, APopupMenuRunsTheChosenItemAndOpensWhereAsked) {
    QPoint openedAt;
    whenShown<QMenu>([&](QMenu& menu) {
        openedAt = menu.pos();
        QTest::keyClick(&menu, Qt::Key_Down);
        QTest::keyClick(&menu, Qt::Key_Down);
        QTest::keyClick(&menu, Qt::Key_Return);
    });
    form.popupMenu(form.mnuPopup, 1440, 1080);
    EXPECT_EQ(form.events, Log{"mnuPopupSecond_Click"});
    EXPECT_EQ(openedAt, view->surface()->mapToGlobal(QPoint(96, 72)));

    // Dismissed: nothing runs.
    form.clearLog();
    whenShown<QMenu>([](QMenu& menu) { menu.close(); });
    form.popupMenu(form.mnuPopup);
    EXPECT_TRUE(form.events.empty());
}

TEST_F(QtDesktopTest, ABoxMenuOrModalWindowStandsOverTheWindowAsItsHandlerLeftIt) {
    SmallDialog dialog;
    const std::function<void()> openers[] = {[] { runtime::msgBox("x"); },
                                             [&] { form.popupMenu(form.mnuPopup); },
                                             [&] { dialog.showModal(&form); }};
    int n = 0;
    for (const auto& open : openers) {
        const std::string caption = "opener " + std::to_string(++n);
        QString shownUnder;
        QTimer::singleShot(0, [&] {
            shownUnder = widget<QLabel>(form.lblName)->text();
            QWidget* top = QApplication::activePopupWidget();
            (top ? top : QApplication::activeModalWidget())->close();
        });
        runtime::dispatch(&form, "cmdOpen_Click", [&] {
            form.lblName.setCaption(caption);
            open();
        });
        EXPECT_EQ(shownUnder.toStdString(), caption);
    }
}

// The pages of the PDF file at `path`; -1 when it is no PDF or next to empty.
long pdfPages(const QString& path) {
    std::ifstream in(path.toStdString(), std::ios::binary);
    const std::string pdf{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (pdf.rfind("%PDF", 0) != 0 || pdf.size() < 1000) return -1;
    const std::regex page(R"(/Type\s*/Page[^s])");
    return std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page),
                         std::sregex_iterator());
}

TEST_F(QtDesktopTest, PrintingAWindowMakesOneNonEmptyPage) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QPrinter& printer = desktop->printer();
    printer.setOutputFormat(QPrinter::PdfFormat);

    SmallDialog hidden;  // loaded and never shown
    hidden.load();
    for (Form* printed : {static_cast<Form*>(&form), static_cast<Form*>(&hidden)}) {
        SCOPED_TRACE(printed->name());
        const QString file = dir.filePath(QString::fromStdString(printed->name() + ".pdf"));
        printer.setOutputFileName(file);
        printed->printForm();
        EXPECT_EQ(pdfPages(file), 1);
    }
    // The window on screen keeps its command buttons.
    EXPECT_FALSE(widget(form.cmdGo)->isHidden());
    hidden.unload();
}

TEST_F(QtDesktopTest, ThePrinterDialogsCancelIsReported) {
    for (bool accept : {false, true}) {
        whenShown<QPrintDialog>([&](QPrintDialog& dialog) {
            EXPECT_EQ(dialog.windowTitle(), "Print");
            accept ? dialog.accept() : dialog.reject();
        });
        EXPECT_EQ(desktop->showPrinterDialog("Print"), accept);
    }
    // Through the common dialog control: Cancel is error 32755 when asked for.
    form.comDial.setCancelError(true);
    whenShown<QPrintDialog>([](QPrintDialog& dialog) { dialog.reject(); });
    try {
        form.comDial.showPrinter();
        ADD_FAILURE() << "Cancel raised no error";
    } catch (const VbError& e) {
        EXPECT_EQ(e.number(), 32755);
    }
}

}  // namespace
}  // namespace lumbrix
