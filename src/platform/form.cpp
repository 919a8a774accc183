#include "platform/form.h"

#include <algorithm>

#include "platform/event_runtime.h"
#include "platform/menu.h"
#include "platform/timer.h"
#include "platform/vb_error.h"

namespace lumbrix {

Form::Form(std::string name) : name_(std::move(name)) {
    Load.bind(this, "Form_Load");
    QueryUnload.bind(this, "Form_QueryUnload");
    Unload.bind(this, "Form_Unload");
    Activate.bind(this, "Form_Activate");
    Resize.bind(this, "Form_Resize");
    MouseMove.bind(this, "Form_MouseMove");
    MouseDown.bind(this, "Form_MouseDown");
    Click.bind(this, "Form_Click");
}

Form::~Form() {
    // Controls and menus are members of the derived window and are gone by now; what is
    // left is the window's place in the runtime's pending work.
    runtime::forgetForm(*this);
}

void Form::setCaption(const std::string& text) {
    change(caption_, text);
}

// The design values a window's constructor sets place nothing: only what happens once the
// window is loaded does.
void Form::setLeft(double v) {
    leftPlaced_ = leftPlaced_ || loaded_;
    change(left_, v);
}

void Form::setTop(double v) {
    topPlaced_ = topPlaced_ || loaded_;
    change(top_, v);
}

void Form::move(double left, double top, double width, double height) {
    leftPlaced_ = leftPlaced_ || loaded_;
    topPlaced_ = topPlaced_ || loaded_;
    const bool resized = width_ != width || height_ != height;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    touch();
    if (resized && loaded_) Resize.raise();
}

void Form::move(double left, double top) {
    move(left, top, width_, height_);
}

double Form::scaleWidth() const {
    return std::max(0.0, width_ - kFrameTwips);
}

double Form::scaleHeight() const {
    const bool hasMenuBar =
        std::any_of(menus_.begin(), menus_.end(), [](const Menu* m) { return m->visible(); });
    return std::max(0.0, height_ - kTitleBarTwips - (hasMenuBar ? kMenuBarTwips : 0));
}

void Form::setBackColor(Color c) {
    change(backColor_, c);
}

void Form::setFont(const Font& f) {
    change(font_, f);
}

void Form::setFixedSize(bool fixed) {
    fixedSize_ = fixed;
    touch();
}

void Form::load() {
    if (loaded_) return;
    loaded_ = true;
    setTimersLoaded(true);
    Load.raise();
}

void Form::show() {
    load();
    if (!loaded_) return;  // the load handler unloaded the window again
    if (visible_) {
        // Showing a window that is already shown brings it to the front.
        if (!modal_) runtime::desktop().windowShown(*this);
        return;
    }
    visible_ = true;
    touch();
    runtime::desktop().windowShown(*this);
    Activate.raise();
}

void Form::showModal(Form* owner) {
    load();
    if (!loaded_) return;
    if (visible_) throw VbError(400, "Form already displayed; can't show modally");
    visible_ = true;
    modal_ = true;
    owner_ = owner;
    touch();
    Activate.raise();
    runtime::desktop().runModal(*this, owner);
    // The loop ends once the window is hidden or unloaded.
    modal_ = false;
    owner_ = nullptr;
}

void Form::hide() {
    if (!visible_) return;
    visible_ = false;
    touch();
    runtime::desktop().windowHidden(*this);
}

void Form::unload() {
    if (!loaded_ || unloadPending_) return;
    if (runtime::handlerDepth(*this) > 0) {
        unloadPending_ = true;
        runtime::whenHandlersOfFormReturned(*this, [this] {
            unloadPending_ = false;
            performUnload(unloadmode::kCode);
        });
        return;
    }
    performUnload(unloadmode::kCode);
}

void Form::requestClose() {
    if (!loaded_ || unloadPending_) return;
    performUnload(unloadmode::kControlMenu);
}

bool Form::performUnload(int mode) {
    if (!loaded_) return true;
    int cancel = 0;
    QueryUnload.raise(cancel, mode);
    if (cancel != 0) return false;
    Unload.raise(cancel);
    if (cancel != 0) return false;
    hide();
    setTimersLoaded(false);
    loaded_ = false;
    leftPlaced_ = false;
    topPlaced_ = false;
    touch();
    runtime::desktop().windowUnloaded(*this);
    if (onUnloaded_) onUnloaded_(*this);
    return true;
}

void Form::setTimersLoaded(bool loaded) {
    for (Control* c : controls_) {
        if (c->kind() == ControlKind::Timer) static_cast<Timer*>(c)->setWindowLoaded(loaded);
    }
}

void Form::popupMenu(Menu& menu) {
    runtime::desktop().popupMenu(*this, menu, std::nullopt, std::nullopt);
}

void Form::popupMenu(Menu& menu, double xTwips, double yTwips) {
    runtime::desktop().popupMenu(*this, menu, xTwips, yTwips);
}

void Form::popupMenuBelow(Menu& menu, const Control& anchor) {
    // The control's lower left corner, in the window's twips through the frames holding it.
    double x = anchor.left();
    double y = anchor.top() + anchor.height();
    for (const Control* c = anchor.container(); c; c = c->container()) {
        x += c->left();
        y += c->top();
    }
    popupMenu(menu, x, y);
}

void Form::printForm() {
    if (!runtime::desktop().printForm(*this)) throw VbError(482, "Printer error");
}

Control* Form::findControl(const std::string& name, int index) const {
    for (Control* c : controls_) {
        if (c->name() == name && c->index() == index) return c;
    }
    return nullptr;
}

Menu* Form::findMenu(const std::string& name) const {
    for (Menu* m : menus_) {
        if (m->name() == name) return m;
        if (Menu* found = m->findItem(name)) return found;
    }
    return nullptr;
}

void Form::setActiveControl(Control* c) {
    change(activeControl_, c);
}

void Form::registerControl(Control* c) {
    controls_.push_back(c);
}

void Form::unregisterControl(Control* c) {
    std::erase(controls_, c);
    if (activeControl_ == c) activeControl_ = nullptr;
}

void Form::registerMenu(Menu* m) {
    menus_.push_back(m);
}

void Form::unregisterMenu(Menu* m) {
    std::erase(menus_, m);
}

}  // namespace lumbrix
