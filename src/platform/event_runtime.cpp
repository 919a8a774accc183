#include "platform/event_runtime.h"

#include <exception>
#include <map>
#include <utility>
#include <vector>

#include "platform/vb_error.h"

namespace lumbrix::runtime {
namespace {

struct PendingAction {
    const Form* form;  // null: waits for all handlers
    std::function<void()> action;
};

struct State {
    Desktop* desktop = nullptr;
    int depth = 0;
    int loopBase = 0;
    std::map<const Form*, int> formDepth;
    std::vector<PendingAction> pending;
    // Actions that wait until the event running now is over: the depth of its loop.
    std::vector<std::pair<int, std::function<void()>>> afterEvent;
};

State& state() {
    static State s;
    return s;
}

// Runs the pending actions whose handlers have all returned. An action may queue others
// (unloading a window runs its unload handlers), so the list is walked until it is stable.
void runReadyActions() {
    State& s = state();
    bool ran = true;
    while (ran) {
        ran = false;
        for (std::size_t i = 0; i < s.pending.size(); ++i) {
            const Form* form = s.pending[i].form;
            const bool ready = form ? handlerDepth(*form) == 0 : s.depth == 0;
            if (!ready) continue;
            auto action = std::move(s.pending[i].action);
            s.pending.erase(s.pending.begin() + static_cast<std::ptrdiff_t>(i));
            action();
            ran = true;
            break;
        }
    }
}

// Runs the actions of the events that are over: those whose loop's depth is reached again.
void runActionsAfterEvent() {
    State& s = state();
    for (std::size_t i = 0; i < s.afterEvent.size();) {
        if (s.afterEvent[i].first < s.depth) {
            ++i;
            continue;
        }
        auto action = std::move(s.afterEvent[i].second);
        s.afterEvent.erase(s.afterEvent.begin() + static_cast<std::ptrdiff_t>(i));
        action();
    }
}

}  // namespace

void setDesktop(Desktop* desktop) {
    state().desktop = desktop;
}

Desktop& desktop() {
    if (!state().desktop) throw VbError(vberr::kInternalError, "No desktop is installed");
    return *state().desktop;
}

bool hasDesktop() {
    return state().desktop != nullptr;
}

ScopedDesktop::ScopedDesktop(Desktop& desktop) : previous_(state().desktop) {
    state().desktop = &desktop;
}

ScopedDesktop::~ScopedDesktop() {
    state().desktop = previous_;
}

void dispatch(Form* form, const std::string& handlerName, const std::function<void()>& handler) {
    State& s = state();
    ++s.depth;
    if (form) ++s.formDepth[form];
    try {
        handler();
    } catch (const VbError& e) {
        showErrorBox(e.number(), e.description(), handlerName);
    } catch (const std::exception& e) {
        showErrorBox(vberr::kInternalError, e.what(), handlerName);
    }
    if (form) {
        auto it = s.formDepth.find(form);
        if (it != s.formDepth.end() && --it->second == 0) s.formDepth.erase(it);
    }
    --s.depth;
    runReadyActions();
    runActionsAfterEvent();
}

int handlerDepth() {
    return state().depth;
}

int handlerDepth(const Form& form) {
    const auto& fd = state().formDepth;
    auto it = fd.find(&form);
    return it == fd.end() ? 0 : it->second;
}

bool timersMayFire() {
    return state().depth == state().loopBase;
}

ModalLoopScope::ModalLoopScope() : savedBase_(state().loopBase) {
    state().loopBase = state().depth;
}

ModalLoopScope::~ModalLoopScope() {
    state().loopBase = savedBase_;
}

void whenHandlersOfFormReturned(Form& form, std::function<void()> action) {
    if (handlerDepth(form) == 0) {
        action();
        return;
    }
    state().pending.push_back({&form, std::move(action)});
}

void whenIdle(std::function<void()> action) {
    if (state().depth == 0) {
        action();
        return;
    }
    state().pending.push_back({nullptr, std::move(action)});
}

void whenEventOver(std::function<void()> action) {
    State& s = state();
    if (s.depth == s.loopBase) {
        action();
        return;
    }
    s.afterEvent.emplace_back(s.loopBase, std::move(action));
}

void forgetForm(const Form& form) {
    auto& p = state().pending;
    std::erase_if(p, [&](const PendingAction& a) { return a.form == &form; });
    state().formDepth.erase(&form);
}

MsgResult msgBox(const std::string& text, int style, const std::string& title) {
    return desktop().messageBox(text, style, title.empty() ? kApplicationTitle : title);
}

void showErrorBox(int number, const std::string& description, const std::string& title) {
    msgBox(std::to_string(number) + " - " + description, mb::kCritical | mb::kOkOnly, title);
}

}  // namespace lumbrix::runtime
