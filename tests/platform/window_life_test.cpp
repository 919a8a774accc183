// Window life (load, show, modal loops, unload) and timers on the event loop.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/controls.h"
#include "test_desktop.h"

namespace lumbrix {
namespace {

using test::TestDesktop;

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

    Timer tmrOnce{*this, "tmrOnce"};
    Timer tmrRepeat{*this, "tmrRepeat"};
    CommandButton cmdClose{*this, "cmdClose"};
    CommandButton cmdWork{*this, "cmdWork"};
    bool refuseUnload = false;
    std::vector<std::string> log;
};

TEST(Timers, ATimerRunsOnlyOnALoadedWindowAndOnlyWhenItsIntervalHasPassed) {
    TestDesktop desktop;
    TimerForm form;
    EXPECT_FALSE(desktop.isArmed(form.tmrOnce)) << "not before the window is loaded";
    form.load();
    EXPECT_TRUE(desktop.isArmed(form.tmrOnce));
    desktop.advanceClock(499);
    EXPECT_EQ(form.log, std::vector<std::string>{"Form_Load"});
    desktop.advanceClock(1);
    desktop.advanceClock(2000);
    EXPECT_EQ(form.log, (std::vector<std::string>{"Form_Load", "tmrOnce"}))
        << "a one-shot timer fires once";
}

TEST(Timers, ARepeatingTimerFiresEveryIntervalAndANewIntervalRestartsTheCount) {
    TestDesktop desktop;
    TimerForm form;
    form.load();
    form.tmrRepeat.setEnabled(true);
    desktop.advanceClock(350);
    EXPECT_EQ(std::count(form.log.begin(), form.log.end(), "tmrRepeat"), 3);
    form.tmrRepeat.setInterval(200);  // restarts at 350
    desktop.advanceClock(199);
    EXPECT_EQ(std::count(form.log.begin(), form.log.end(), "tmrRepeat"), 3);
    desktop.advanceClock(1);
    EXPECT_EQ(std::count(form.log.begin(), form.log.end(), "tmrRepeat"), 4);
}

TEST(Timers, ATimerNeverFiresInsideAHandler) {
    TestDesktop desktop;
    TimerForm form;
    form.load();
    form.cmdWork.Click.connect([&] {
        desktop.advanceClock(1000);  // time passes while the handler runs
        form.log.push_back("handler ends");
    });
    form.cmdWork.press();
    desktop.advanceClock(0);  // back in the loop
    EXPECT_EQ(form.log, (std::vector<std::string>{"Form_Load", "handler ends", "tmrOnce"}));
}

TEST(Timers, ATimerHandlerIsNeverReEntered) {
    TestDesktop desktop;
    TimerForm form;
    form.load();
    int depth = 0, maxDepth = 0, ticks = 0;
    form.tmrRepeat.TimerEvent.connect([&] {
        ++depth;
        ++ticks;
        maxDepth = std::max(maxDepth, depth);
        // A modal window inside the handler runs a loop in which timers may fire.
        runtime::ModalLoopScope nestedLoop;
        form.tmrRepeat.fire();
        --depth;
    });
    form.tmrRepeat.setEnabled(true);
    desktop.advanceClock(300);
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(maxDepth, 1);
}

TEST(Timers, TimersFireInsideAModalWindowsLoop) {
    TestDesktop desktop;
    TimerForm owner;
    TimerForm dialog;
    owner.load();
    owner.tmrOnce.setEnabled(false);
    dialog.load();
    desktop.onNextModal([&](Form& shown) {
        desktop.advanceClock(600);  // the dialog's loop runs its timer
        shown.hide();
    });
    owner.cmdWork.Click.connect([&] { dialog.showModal(&owner); });
    owner.cmdWork.press();
    EXPECT_EQ(dialog.log, (std::vector<std::string>{"Form_Load", "tmrOnce"}));
}

TEST(WindowLife, UnloadInsideItsOwnHandlerTakesEffectWhenTheHandlerReturns) {
    TestDesktop desktop;
    TimerForm form;
    form.show();
    form.cmdClose.press();
    EXPECT_EQ(form.log, (std::vector<std::string>{"Form_Load", "after unload, loaded=1",
                                                  "Form_QueryUnload 1", "Form_Unload"}));
    EXPECT_FALSE(form.isLoaded());
    EXPECT_FALSE(form.visible());
    EXPECT_FALSE(desktop.isArmed(form.tmrOnce)) << "an unloaded window's timers stop";
}

TEST(WindowLife, UnloadCanBeCancelled) {
    TestDesktop desktop;
    TimerForm form;
    form.show();
    form.refuseUnload = true;
    form.requestClose();
    EXPECT_TRUE(form.isLoaded());
    EXPECT_TRUE(form.visible());
    EXPECT_EQ(form.log.back(), "Form_Unload");
    EXPECT_EQ(form.log[form.log.size() - 2], "Form_QueryUnload 0") << "closed by the planner";
}

TEST(WindowLife, AModalShowReturnsToTheCallerOnceTheWindowIsGone) {
    TestDesktop desktop;
    TimerForm owner;
    TimerForm dialog;
    owner.show();
    std::vector<std::string> order;
    desktop.onNextModal([&](Form& shown) {
        order.push_back("in loop, modal=" + std::to_string(shown.isModal()));
        dialog.cmdClose.press();  // the dialog's close button unloads it
    });
    owner.cmdWork.Click.connect([&] {
        dialog.showModal(&owner);
        order.push_back("caller goes on, dialog loaded=" + std::to_string(dialog.isLoaded()));
    });
    owner.cmdWork.press();
    EXPECT_EQ(order,
              (std::vector<std::string>{"in loop, modal=1", "caller goes on, dialog loaded=0"}));
    EXPECT_EQ(desktop.modalWindowsShown(), std::vector<std::string>{"frmTimers"});
}

TEST(WindowLife, ShowingAShownWindowModallyIsAnError) {
    TestDesktop desktop;
    TimerForm form;
    form.show();
    EXPECT_THROW(form.showModal(nullptr), VbError);
}

TEST(WindowLife, PopUpMenuChoiceRunsTheItemsClick) {
    TestDesktop desktop;
    TimerForm form;
    Menu mnuPopup(form, "mnuPopup");
    Menu mnuOne(form, "mnuOne", &mnuPopup);
    Menu mnuTwo(form, "mnuTwo", &mnuPopup);
    std::vector<std::string> clicks;
    mnuOne.Click.connect([&] { clicks.push_back("one"); });
    mnuTwo.Click.connect([&] { clicks.push_back("two"); });
    desktop.choosePopupItem("mnuTwo");
    desktop.choosePopupItem("");
    form.popupMenu(mnuPopup, 120, 300);
    form.popupMenu(mnuPopup);
    EXPECT_EQ(clicks, std::vector<std::string>{"two"});
    ASSERT_EQ(desktop.popupsShown().size(), 2u);
    EXPECT_FALSE(desktop.popupsShown()[0].atPointer);
    EXPECT_EQ(desktop.popupsShown()[0].xTwips, 120);
    EXPECT_TRUE(desktop.popupsShown()[1].atPointer);
}

TEST(WindowLife, PrinterDialogCancelIsError32755OnlyWithCancelError) {
    TestDesktop desktop;
    TimerForm form;
    CommonDialog comDial(form, "comDial");
    desktop.setPrinterDialogAnswer(false);
    EXPECT_NO_THROW(comDial.showPrinter());
    comDial.setCancelError(true);
    try {
        comDial.showPrinter();
        ADD_FAILURE() << "cancel was not reported";
    } catch (const VbError& e) {
        EXPECT_EQ(e.number(), 32755);
    }
}

TEST(WindowLife, FailedPrintingIsReportedAsAnError) {
    TestDesktop desktop;
    TimerForm form;
    desktop.setPrintSucceeds(false);
    EXPECT_THROW(form.printForm(), VbError);
    desktop.setPrintSucceeds(true);
    form.printForm();
    EXPECT_EQ(desktop.printedWindows(), std::vector<std::string>{"frmTimers"});
}

}  // namespace
}  // namespace lumbrix
