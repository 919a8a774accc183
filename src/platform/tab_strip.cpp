#include "platform/tab_strip.h"

#include "platform/event_runtime.h"
#include "platform/vb_error.h"

namespace lumbrix {

TabStrip::TabStrip(Form& form, std::string name, int pages, int index)
    : Control(form, ControlKind::TabStrip, std::move(name), index),
      captions_(static_cast<std::size_t>(pages > 0 ? pages : 1)),
      visibleTabs_(captions_.size(), true) {
    bindEvent(TabClick, "Click");
}

void TabStrip::checkPage(int page) const {
    if (page < 0 || page >= tabCount()) throw VbError(vberr::kInvalidPropertyValue);
}

void TabStrip::setCurrentTab(int page) {
    checkPage(page);
    if (page == current_) return;
    const int previous = current_;
    current_ = page;
    touch();
    TabClick.raise(previous);
}

const std::string& TabStrip::tabCaption(int page) const {
    checkPage(page);
    return captions_[static_cast<std::size_t>(page)];
}

void TabStrip::setTabCaption(int page, const std::string& text) {
    checkPage(page);
    captions_[static_cast<std::size_t>(page)] = text;
    touch();
}

bool TabStrip::tabVisible(int page) const {
    checkPage(page);
    return visibleTabs_[static_cast<std::size_t>(page)];
}

void TabStrip::setTabVisible(int page, bool v) {
    checkPage(page);
    visibleTabs_[static_cast<std::size_t>(page)] = v;
    touch();
}

CommonDialog::CommonDialog(Form& form, std::string name, int index)
    : Control(form, ControlKind::CommonDialog, std::move(name), index) {
    setVisible(false);
}

void CommonDialog::showPrinter() {
    const bool accepted = runtime::desktop().showPrinterDialog(title_);
    if (!accepted && cancelError_) throw VbError(vberr::kCancelSelected);
}

}  // namespace lumbrix
