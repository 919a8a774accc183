// Window life (load, modal loops, unload) and timers on the event loop.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "test_desktop.h"

namespace lumbrix {
namespace {

using test::TestDesktop;
using Log = std::vector<std::string>;

class TimerForm : public Form {
  public:
    TimerForm() : Form("frmTimers") {
        tmrOnce.setInterval(500);
        tmrOnce.TimerEvent.connect([this] {
            tmrOnce.setEnabled(false);  // one-shot: disables itself first thing
            log.push_back("tmrOnce");
        });
        tmrRepeat.setInterval(100);
        tmrRepeat.setEnabled(false);
        tmrRepeat.TimerEvent.connect([this] { log.push_back("tmrRepeat"); });
        Load.connect([this] { log.push_back("Form_Load"); });
        Unload.connect([this](int& cancel) {
            log.push_back("Form_Unload");
            cancel = refuseUnload ? 1 : 0;
        });
        QueryUnload.connect(
            [this](int&, int mode) { log.push_back("Form_QueryUnload " + std::to_string(mode)); });
        cmdClose.Click.connect([this] {
            unload();
            log.push_back("after unload, loaded=" + std::to_string(isLoaded()));
        });
    }

    long repeats() const { return std::count(log.begin(), log.end(), "tmrRepeat"); }

    Timer tmrOnce{*this, "tmrOnce"};
    Timer tmrRepeat{*this, "tmrRepeat"};
    CommandButton cmdClose{*this, "cmdClose"};
    CommandButton cmdWork{*this, "cmdWork"};
    bool refuseUnload = false;
    Log log;
};

class WindowLifeTest : public testing::Test {
  protected:
    TestDesktop desktop;
    TimerForm form;
};

TEST_F(WindowLifeTest, ATimerRunsOnlyOnALoadedWindowOnceItsIntervalHasPassed) {
    EXPECT_FALSE(desktop.isArmed(form.tmrOnce)) << "not before the window is loaded";
    form.load();
    desktop.advanceClock(499);
    EXPECT_EQ(form.log, Log{"Form_Load"});
    desktop.advanceClock(1);
    desktop.advanceClock(2000);
    EXPECT_EQ(form.log, (Log{"Form_Load", "tmrOnce"})) << "a one-shot timer fires once";

    form.tmrRepeat.setEnabled(true);
    desktop.advanceClock(350);
    EXPECT_EQ(form.repeats(), 3);
    form.tmrRepeat.setInterval(200);  // a new interval restarts the count
    desktop.advanceClock(199);
    EXPECT_EQ(form.repeats(), 3);
    desktop.advanceClock(1);
    EXPECT_EQ(form.repeats(), 4);
}

TEST_F(WindowLifeTest, ATimerNeverFiresInsideAHandler) {
    form.load();
    form.cmdWork.Click.connect([&] {
        desktop.advanceClock(1000);  // time passes while the handler runs
        form.log.push_back("handler ends");
    });
    form.cmdWork.press();
    desktop.advanceClock(0);  // back in the loop
    EXPECT_EQ(form.log, (Log{"Form_Load", "handler ends", "tmrOnce"}));
}

TEST_F(WindowLifeTest, ATimerHandlerIsNeverReEntered) {
    form.load();
    int depth = 0, maxDepth = 0;
    form.tmrRepeat.TimerEvent.connect([&] {
        maxDepth = std::max(maxDepth, ++depth);
        form.log.push_back("tmrRepeat");
        // A modal window inside the handler runs a loop in which timers may fire.
        runtime::ModalLoopScope nestedLoop;
        form.tmrRepeat.fire();
        --depth;
    });
    form.tmrRepeat.setEnabled(true);
    desktop.advanceClock(300);
    EXPECT_EQ(form.repeats(), 3);
    EXPECT_EQ(maxDepth, 1);
}

TEST_F(WindowLifeTest, UnloadInsideItsOwnHandlerTakesEffectWhenTheHandlerReturns) {
    form.show();
    form.cmdClose.press();
    EXPECT_EQ(form.log,
              (Log{"Form_Load", "after unload, loaded=1", "Form_QueryUnload 1", "Form_Unload"}));
    EXPECT_FALSE(form.isLoaded());
    EXPECT_FALSE(form.visible());
    EXPECT_FALSE(desktop.isArmed(form.tmrOnce)) << "an unloaded window's timers stop";
}

TEST_F(WindowLifeTest, UnloadCanBeCancelled) {
    form.show();
    form.refuseUnload = true;
    form.requestClose();
    EXPECT_TRUE(form.isLoaded());
    EXPECT_TRUE(form.visible());
    EXPECT_EQ(form.log, (Log{"Form_Load", "Form_QueryUnload 0", "Form_Unload"}));
}

TEST_F(WindowLifeTest, AModalShowReturnsToTheCallerOnceTheWindowIsGone) {
    TimerForm dialog;
    form.show();
    Log order;
    desktop.onNextModal([&](Form& shown) {
        order.push_back("in loop, modal=" + std::to_string(shown.isModal()));
        dialog.cmdClose.press();  // the dialog's close button unloads it
    });
    form.cmdWork.Click.connect([&] {
        dialog.showModal(&form);
        order.push_back("caller goes on, dialog loaded=" + std::to_string(dialog.isLoaded()));
    });
    form.cmdWork.press();
    EXPECT_EQ(order, (Log{"in loop, modal=1", "caller goes on, dialog loaded=0"}));
    EXPECT_THROW(form.showModal(nullptr), VbError) << "a shown window cannot go modal";
}

TEST_F(WindowLifeTest, FailedPrintingIsReportedAsAnError) {
    desktop.setPrintSucceeds(false);
    EXPECT_THROW(form.printForm(), VbError);
    EXPECT_TRUE(desktop.printedWindows().empty());
}

}  // namespace
}  // namespace lumbrix
