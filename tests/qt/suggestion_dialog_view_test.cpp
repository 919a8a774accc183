// The suggestion dialog on the Qt desktop: the Suggest button opens it modally over the main
// window, its steppers reach their handlers, and show pattern leaves a fitted pattern on the
// main window's screen.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "calculation/frm_soovita.h"
#include "platform/event_runtime.h"
#include "shown_main_window.h"
#include "when_shown.h"

namespace lumbrix {
namespace {

class SuggestionDialogView : public test::InstalledAppTest {
  protected:
    void SetUp() override {
        InstalledAppTest::SetUp();
        loadMainWindow();
        m->tmr_Startup_Timer();  // the shipped profile: second-saw kerf 3.8, first 4.6
        m->show();
        mainWindow = desktop->windowOf(*m);
        ASSERT_NE(mainWindow, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(mainWindow));
    }

    template <class W = QWidget>
    static W* widget(qt::FormWindow& window, const Control& c) {
        return qobject_cast<W*>(window.view()->widgetOf(c));
    }
    // Clicks Suggest on the main window; `inDialog` works the dialog once its modal loop runs.
    void suggest(const std::function<void(qt::FormWindow&, frmSoovita&)>& inDialog) {
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            frmSoovita* d = app->loadedWindow<frmSoovita>();
            qt::FormWindow* w = d ? desktop->windowOf(*d) : nullptr;
            if (!w || !w->isVisible()) return;
            poll.stop();
            EXPECT_EQ(w->parentWidget(), mainWindow) << "modal over the main window";
            inDialog(*w, *d);
        });
        poll.start(5);
        QTest::mouseClick(widget(*mainWindow, m->cmdSoovita), Qt::LeftButton);
        EXPECT_FALSE(poll.isActive()) << "the dialog was not shown";
    }

    qt::FormWindow* mainWindow = nullptr;
};

TEST_F(SuggestionDialogView, SteppersReachTheirHandlersAndShowPatternDrawsTheFittedLog) {
    suggest([](qt::FormWindow& w, frmSoovita& d) {
        for (const Control* c : d.controls())
            EXPECT_NE(w.view()->widgetOf(*c), nullptr) << c->name();
        EXPECT_EQ(widget<QLabel>(w, d.lblparimristloigesaag)->text(), "133.40 x 141.40");
        for (int i = 0; i < 3; ++i)
            QTest::mouseClick(widget(w, d.cmdExLogPluss), Qt::LeftButton);
        QTest::mouseClick(widget(w, d.cmdPalkMiinus), Qt::LeftButton);
        EXPECT_EQ(widget<QLabel>(w, d.lblPalgiDiameeter)->text(), "199");
        EXPECT_EQ(widget<QLabel>(w, d.lblparimristloigesaag)->text(), "30.425 x 140.70");
        QTest::mouseClick(widget(w, d.cmdPalkPluss), Qt::LeftButton);
        QTest::mouseClick(widget(w, d.cmdYlemootPluss), Qt::LeftButton);
        EXPECT_EQ(widget<QLineEdit>(w, d.txtExLog)->text(), "4");
        EXPECT_EQ(widget<QLineEdit>(w, d.txtYlemoot)->text(), "3.1");
        EXPECT_EQ(widget<QLabel>(w, d.lblParimRistloige)->text(), "29.680 x 137.15");
        QTest::mouseClick(widget(w, d.cmdJoonistaKava), Qt::LeftButton);
    });
    EXPECT_FALSE(app->isLoaded<frmSoovita>());
    EXPECT_EQ(m->lstSyda.listCount(), 4);

    QTest::qWait(50);  // the reload and update timers
    // 4 x 30.6 + 5 x 3.8 across, 141.4 + 2 x 4.6 high: a diagonal of 206.57 mm.
    EXPECT_EQ(widget<QLineEdit>(*mainWindow, m->txtPalk)->text(), "207");
    EXPECT_EQ(widget<QListWidget>(*mainWindow, m->lstSyda)->count(), 4);
    EXPECT_EQ(widget<QLabel>(*mainWindow, m->lblSaematerjalMaht)->text(), "0.084");
}

// A diameter typed on an empty pattern that the drawing refuses: the suggestion is shown, but
// show pattern is greyed out on screen and a click on it writes nothing.
TEST_F(SuggestionDialogView, ShowPatternIsGreyedOutForALogTheDrawingRefuses) {
    for (const char* diameter : {"14143", "601"}) {
        SCOPED_TRACE(diameter);
        m->lstSyda.clear();
        auto* field = widget<QLineEdit>(*mainWindow, m->txtPalk);
        field->selectAll();
        QTest::keyClicks(field, diameter);
        ASSERT_EQ(m->txtPalk.text(), diameter);
        suggest([this](qt::FormWindow& w, frmSoovita& d) {
            auto* show = widget<QAbstractButton>(w, d.cmdJoonistaKava);
            EXPECT_FALSE(show->isEnabled());
            QTest::mouseClick(show, Qt::LeftButton);
            ASSERT_TRUE(app->isLoaded<frmSoovita>()) << "still open";
            QTest::mouseClick(widget(w, d.cmdTagasi), Qt::LeftButton);
        });
        EXPECT_EQ(m->lstSyda.listCount(), 0);
        EXPECT_EQ(widget<QListWidget>(*mainWindow, m->lstSyda)->count(), 0);
    }
}

// Right after the dialog has closed, the update may ask the planner something (a profile
// without log prices, say) while the desktop still counts the dialog's hidden window as the
// active one, as it does when the focus comes back to it. The box stands over the main window:
// given to the hidden window, it would be deleted with that window while it is shown.
TEST_F(SuggestionDialogView, ABoxAsTheDialogClosesStandsOverTheMainWindow) {
    QWidget* owner = nullptr;
    QTimer::singleShot(50, [&] {
        test::forEachShownBox([&](QMessageBox& box) {
            owner = box.parentWidget();
            box.button(QMessageBox::Ok)->click();
        });
    });
    suggest([](qt::FormWindow& w, frmSoovita& d) {
        w.view()->dispatch([&] {
            d.unload();
            QApplication::setActiveWindow(&w);
            runtime::msgBox("Log prices missing!", mb::kCritical, "Info");
        });
    });
    EXPECT_EQ(owner, mainWindow);
}

}  // namespace
}  // namespace lumbrix
