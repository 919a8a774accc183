// The Qt desktop: message boxes, modal windows, windows that follow their models, pop-up
// menus, timers on the event loop, printing and the printer dialog, settings and clock.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDateTime>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <regex>
#include <sstream>

#include "platform/vb_error.h"
#include "shown_sample.h"

namespace lumbrix {
namespace {

using Log = std::vector<std::string>;

// Runs `action` on the first visible window of type W (with the title `title`, when one is
// given) once the event loop runs: inside the window's own loop, for a dialog being opened.
template <class W>
void whenShown(std::function<void(W&)> action, QString title = {}) {
    QTimer::singleShot(0, [action, title] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* found = qobject_cast<W*>(w);
            if (found && found->isVisible() && (title.isEmpty() || found->windowTitle() == title)) {
                action(*found);
                return;
            }
        }
        ADD_FAILURE() << "No " << W::staticMetaObject.className() << " was shown";
    });
}

// A dialog whose OK button hides it and whose timer, when enabled, hides it too.
class SmallDialog : public Form {
  public:
    SmallDialog() : Form("frmSmall") {
        setCaption("Small");
        move(0, 0, 3000, 1500);
        setFixedSize(true);
        cmdOK.move(120, 120, 1200, 375);
        cmdOK.setCaption("OK");
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

// A window whose timer counts its ticks.
class TickingWindow : public Form {
  public:
    TickingWindow() : Form("frmTicking") {
        tmrTick.setInterval(10);
        tmrTick.TimerEvent.connect([this] { ++ticks; });
    }
    Timer tmrTick{*this, "tmrTick"};
    int ticks = 0;
};

class QtDesktopTest : public test::ShownSampleTest {};

TEST_F(QtDesktopTest, MessageBoxesShowTheirButtonsIconAndTitleAndReturnTheAnswer) {
    using SB = QMessageBox::StandardButton;
    struct Case {
        int style;
        QMessageBox::StandardButtons buttons;
        QMessageBox::Icon icon;
        SB defaultButton;
        SB press;
        MsgResult expected;
    };
    const Case cases[] = {
        {mb::kOkOnly | mb::kInformation, SB::Ok, QMessageBox::Information, SB::Ok, SB::Ok,
         MsgResult::Ok},
        {mb::kOkCancel | mb::kQuestion, SB::Ok | SB::Cancel, QMessageBox::Question, SB::Ok,
         SB::Cancel, MsgResult::Cancel},
        {mb::kYesNo | mb::kExclamation, SB::Yes | SB::No, QMessageBox::Warning, SB::Yes, SB::No,
         MsgResult::No},
        {mb::kYesNoCancel | mb::kCritical, SB::Yes | SB::No | SB::Cancel, QMessageBox::Critical,
         SB::Yes, SB::Yes, MsgResult::Yes},
        {mb::kAbortRetryIgnore, SB::Abort | SB::Retry | SB::Ignore, QMessageBox::NoIcon, SB::Abort,
         SB::Ignore, MsgResult::Ignore},
        {mb::kRetryCancel | mb::kCritical, SB::Retry | SB::Cancel, QMessageBox::Critical, SB::Retry,
         SB::Retry, MsgResult::Retry},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.style);
        QMessageBox::StandardButtons shown;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QString title, text;
        QAbstractButton* defaultButton = nullptr;
        QAbstractButton* expectedDefault = nullptr;
        whenShown<QMessageBox>([&](QMessageBox& box) {
            shown = box.standardButtons();
            icon = box.icon();
            title = box.windowTitle();
            text = box.text();
            defaultButton = box.defaultButton();
            expectedDefault = box.button(c.defaultButton);
            box.button(c.press)->click();
        });
        const MsgResult answer = runtime::msgBox("Säästa muudatused?", c.style, "Question");
        EXPECT_EQ(answer, c.expected);
        EXPECT_EQ(shown, c.buttons);
        EXPECT_EQ(icon, c.icon);
        EXPECT_EQ(title, "Question");
        EXPECT_EQ(text, QString::fromUtf8("Säästa muudatused?"));
        EXPECT_NE(defaultButton, nullptr);
        EXPECT_EQ(defaultButton, expectedDefault);
    }
    // A box that names no title carries the application's.
    QString title;
    whenShown<QMessageBox>([&](QMessageBox& box) {
        title = box.windowTitle();
        box.button(QMessageBox::Ok)->click();
    });
    runtime::msgBox("x");
    EXPECT_EQ(title, "LUMBRIX");
}

TEST_F(QtDesktopTest, AModalWindowRunsItsLoopUntilItsModelHidesIt) {
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
    EXPECT_EQ(dialog.events, Log{"cmdOK_Click"});
    EXPECT_TRUE(dialog.isLoaded());
    EXPECT_FALSE(dialog.visible());
    ASSERT_NE(desktop->windowOf(dialog), nullptr);
    EXPECT_FALSE(desktop->windowOf(dialog)->isVisible());
    dialog.unload();
    EXPECT_EQ(desktop->windowOf(dialog), nullptr);
}

TEST_F(QtDesktopTest, TimersFireInsideAModalWindowsLoopAndItsWindowGoesWithTheModel) {
    SmallDialog dialog;
    dialog.load();
    dialog.tmrClose.setEnabled(true);
    runtime::dispatch(&form, "cmdShow_Click", [&] { dialog.showModal(&form); });
    EXPECT_EQ(dialog.events, Log{"tmrClose_Timer"});
    EXPECT_FALSE(dialog.isLoaded());
    EXPECT_EQ(desktop->windowOf(dialog), nullptr);
}

TEST_F(QtDesktopTest, TimersFireFromTheEventLoopButNeverInsideAHandler) {
    TickingWindow ticking;
    ticking.load();
    test::runEventLoop(60);
    EXPECT_GT(ticking.ticks, 0);

    int duringBox = -1;
    int beforeBox = -1;
    runtime::dispatch(&ticking, "cmdAsk_Click", [&] {
        beforeBox = ticking.ticks;
        // The box stays open for a while; its loop may not run the timer of this handler.
        QTimer::singleShot(80, [&] {
            duringBox = ticking.ticks;
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
                    box->button(QMessageBox::Ok)->click();
                }
            }
        });
        runtime::msgBox("wait");
    });
    EXPECT_EQ(duringBox, beforeBox);
    test::runEventLoop(40);
    EXPECT_GT(ticking.ticks, beforeBox);

    ticking.tmrTick.setEnabled(false);
    const int stopped = ticking.ticks;
    test::runEventLoop(40);
    EXPECT_EQ(ticking.ticks, stopped);
}

TEST_F(QtDesktopTest, WindowsFollowTheirModels) {
    QPointer<qt::FormWindow> shown = window;
    EXPECT_TRUE(shown->isVisible());
    form.setCaption("Renamed");
    qt::FormView::refreshAll();
    EXPECT_EQ(shown->windowTitle(), "Renamed");
    form.hide();
    EXPECT_FALSE(shown->isVisible());
    form.show();
    EXPECT_EQ(desktop->windowOf(form), shown.data());  // the same window again
    EXPECT_TRUE(shown->isVisible());

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

std::string readFile(const QString& path) {
    std::ifstream in(path.toStdString(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

int pageCount(const std::string& pdf) {
    const std::regex page(R"(/Type\s*/Page[^s])");
    return static_cast<int>(
        std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page), std::sregex_iterator()));
}

TEST_F(QtDesktopTest, PrintingAWindowMakesOneNonEmptyPage) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QPrinter& printer = desktop->printer();
    printer.setOutputFormat(QPrinter::PdfFormat);

    struct Case {
        const char* what;
        std::function<void()> print;
    };
    SmallDialog hidden;  // loaded and never shown
    hidden.load();
    const Case cases[] = {
        {"a shown window", [&] { form.printForm(); }},
        {"a loaded window that is not shown", [&] { hidden.printForm(); }},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString file = dir.filePath(QString("page%1.pdf").arg(++n));
        printer.setOutputFileName(file);
        c.print();
        const std::string pdf = readFile(file);
        EXPECT_EQ(pdf.rfind("%PDF", 0), 0u);
        EXPECT_GT(pdf.size(), 1000u);
        EXPECT_EQ(pageCount(pdf), 1);
    }
    // The window on screen keeps its command buttons.
    EXPECT_FALSE(widget(form.cmdGo)->isHidden());
    hidden.unload();
}

TEST_F(QtDesktopTest, CommandButtonsCanBeLeftOutOfTheView) {
    form.cmdCancel.setVisible(false);
    qt::FormView::refreshAll();
    view->setCommandButtonsShown(false);
    EXPECT_TRUE(widget(form.cmdGo)->isHidden());
    EXPECT_FALSE(widget(form.lblName)->isHidden());
    view->setCommandButtonsShown(true);
    EXPECT_FALSE(widget(form.cmdGo)->isHidden());
    EXPECT_TRUE(widget(form.cmdCancel)->isHidden());  // hidden by its model
}

TEST_F(QtDesktopTest, ThePrinterDialogsCancelIsReported) {
    struct Case {
        bool accept;
        bool expected;
    };
    for (const Case& c : {Case{false, false}, Case{true, true}}) {
        QString title;
        whenShown<QPrintDialog>([&](QPrintDialog& dialog) {
            title = dialog.windowTitle();
            c.accept ? dialog.accept() : dialog.reject();
        });
        EXPECT_EQ(desktop->showPrinterDialog("Print"), c.expected);
        EXPECT_EQ(title, "Print");
    }
    // Through the common dialog control: Cancel is error 32755 when asked for.
    form.comDial.setCancelError(true);
    whenShown<QPrintDialog>([](QPrintDialog& dialog) { dialog.reject(); });
    try {
        form.comDial.showPrinter();
        ADD_FAILURE() << "Cancel raised no error";
    } catch (const VbError& e) {
        EXPECT_EQ(e.number(), vberr::kCancelSelected);
    }
}

TEST_F(QtDesktopTest, SettingsPathEnvironmentAndClock) {
    const QByteArray savedXdg = qgetenv("XDG_CONFIG_HOME");
    const QByteArray savedHome = qgetenv("HOME");
    qputenv("XDG_CONFIG_HOME", "/tmp/xdg");
    EXPECT_EQ(desktop->userSettingsPath(), "/tmp/xdg/VTLumbrix/settings.ini");
    qunsetenv("XDG_CONFIG_HOME");
    qputenv("HOME", "/home/planner");
    EXPECT_EQ(desktop->userSettingsPath(), "/home/planner/.config/VTLumbrix/settings.ini");
    qputenv("LUMBRIX_TEST_VALUE", "saeveski");
    EXPECT_EQ(desktop->environment("LUMBRIX_TEST_VALUE"), "saeveski");
    EXPECT_EQ(desktop->environment("LUMBRIX_TEST_UNSET_VALUE"), "");
    qunsetenv("LUMBRIX_TEST_VALUE");
    if (savedXdg.isNull()) {
        qunsetenv("XDG_CONFIG_HOME");
    } else {
        qputenv("XDG_CONFIG_HOME", savedXdg);
    }
    qputenv("HOME", savedHome);

    const QDateTime before = QDateTime::currentDateTime();
    const CalendarDate now = desktop->now();
    const QDateTime reported(QDate(now.year, now.month, now.day),
                             QTime(now.hour, now.minute, now.second));
    EXPECT_LE(std::abs(reported.secsTo(before)), 2);
}

}  // namespace
}  // namespace lumbrix
