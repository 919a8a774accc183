#include "test_desktop.h"

#include <gtest/gtest.h>

#include <limits>

#include "platform/form.h"
#include "platform/menu.h"
#include "platform/timer.h"

namespace lumbrix::test {

TestDesktop::TestDesktop() : installed_(*this) {}

TestDesktop::~TestDesktop() {
    // Answers nobody asked for mean a message box the test expected never appeared.
    if (!answers_.empty()) {
        ADD_FAILURE() << answers_.size() << " queued message box answer(s) were never used";
    }
    if (!modalScripts_.empty()) {
        ADD_FAILURE() << modalScripts_.size() << " modal window script(s) were never used";
    }
    if (!popupChoices_.empty()) {
        ADD_FAILURE() << popupChoices_.size() << " pop-up menu choice(s) were never used";
    }
}

void TestDesktop::expectMessage(MsgResult answer) {
    answers_.push_back(answer);
}

const ShownMessage& TestDesktop::lastMessage() const {
    static const ShownMessage none{"<no message box was shown>", 0, ""};
    return messages_.empty() ? none : messages_.back();
}

MsgResult TestDesktop::messageBox(const std::string& text, int style, const std::string& title) {
    messages_.push_back({text, style, title});
    if (answers_.empty()) {
        ADD_FAILURE() << "Unexpected message box \"" << text << "\" titled \"" << title << "\"";
        return (style & mb::kButtonMask) == mb::kYesNo ? MsgResult::No : MsgResult::Ok;
    }
    const MsgResult answer = answers_.front();
    answers_.pop_front();
    return answer;
}

void TestDesktop::onNextModal(std::function<void(Form&)> script) {
    modalScripts_.push_back(std::move(script));
}

void TestDesktop::runModal(Form& form, Form* /*owner*/) {
    modalShown_.push_back(form.name());
    runtime::ModalLoopScope loop;
    if (modalScripts_.empty()) {
        ADD_FAILURE() << "Window " << form.name() << " was shown modally with no script queued";
        form.hide();
        return;
    }
    auto script = std::move(modalScripts_.front());
    modalScripts_.pop_front();
    script(form);
    if (form.isLoaded() && form.visible()) {
        ADD_FAILURE() << "Window " << form.name() << " is still shown after its modal script";
        form.hide();
    }
}

void TestDesktop::windowShown(Form& form) {
    windowEvents_.push_back("shown " + form.name());
}

void TestDesktop::windowHidden(Form& form) {
    windowEvents_.push_back("hidden " + form.name());
}

void TestDesktop::windowUnloaded(Form& form) {
    windowEvents_.push_back("unloaded " + form.name());
}

void TestDesktop::choosePopupItem(std::string itemName) {
    popupChoices_.push_back(std::move(itemName));
}

void TestDesktop::popupMenu(Form& /*form*/, Menu& menu, std::optional<double> xTwips,
                            std::optional<double> yTwips) {
    popups_.push_back({menu.name(), !xTwips.has_value(), xTwips.value_or(0), yTwips.value_or(0)});
    if (popupChoices_.empty()) {
        ADD_FAILURE() << "Pop-up menu " << menu.name() << " was shown with no choice queued";
        return;
    }
    const std::string choice = popupChoices_.front();
    popupChoices_.pop_front();
    if (choice.empty()) return;
    Menu* item = menu.findItem(choice);
    if (!item) {
        ADD_FAILURE() << "Pop-up menu " << menu.name() << " has no item " << choice;
        return;
    }
    if (!item->visible() || !item->enabled()) {
        ADD_FAILURE() << "Pop-up item " << choice << " cannot be chosen: it is hidden or disabled";
        return;
    }
    item->click();
}

void TestDesktop::armTimer(Timer& timer, int intervalMs) {
    timers_[&timer] = {intervalMs, clockMs_ + intervalMs};
}

void TestDesktop::disarmTimer(Timer& timer) {
    timers_.erase(&timer);
}

bool TestDesktop::isArmed(const Timer& timer) const {
    return timers_.count(const_cast<Timer*>(&timer)) != 0;
}

void TestDesktop::advanceClock(int milliseconds) {
    const long long target = clockMs_ + milliseconds;
    for (;;) {
        // The timer due first; ties go to the one armed first (lowest due, then address order
        // does not matter for this program's timers).
        Timer* next = nullptr;
        long long due = std::numeric_limits<long long>::max();
        for (auto& [timer, armed] : timers_) {
            if (armed.dueMs < due) {
                due = armed.dueMs;
                next = timer;
            }
        }
        if (!next || due > target) break;
        clockMs_ = due;
        const int interval = timers_[next].intervalMs;
        // Rescheduled before it fires: its handler may disarm or re-arm it.
        timers_[next].dueMs = due + interval;
        if (!next->fire()) {
            // A handler is running: the loop may not fire timers now; try when it is idle.
            break;
        }
    }
    if (clockMs_ < target) clockMs_ = target;
}

bool TestDesktop::showPrinterDialog(const std::string& title) {
    printerDialogTitles_.push_back(title);
    return printerDialogAccepts_;
}

bool TestDesktop::printForm(Form& form) {
    if (printObserver_) printObserver_(form);
    if (printSucceeds_) printed_.push_back(form.name());
    return printSucceeds_;
}

bool TestDesktop::openDocument(const std::filesystem::path& path) {
    opened_.push_back(path);
    return openDocumentSucceeds_;
}

std::string TestDesktop::environment(const std::string& name) {
    auto it = env_.find(name);
    return it == env_.end() ? std::string() : it->second;
}

}  // namespace lumbrix::test
