#pragma once

#include <string>
#include <vector>

#include "platform/control.h"

namespace lumbrix {

// A tab strip whose pages show different controls of the window (a control names its page
// with `setTabPage`). Changing the current page raises Click with the previous page.
class TabStrip : public Control {
  public:
    TabStrip(Form& form, std::string name, int pages, int index = -1);

    int tabCount() const { return static_cast<int>(captions_.size()); }
    int currentTab() const { return current_; }
    void setCurrentTab(int page);  // error 380 outside 0..count-1
    const std::string& tabCaption(int page) const;
    void setTabCaption(int page, const std::string& text);
    bool tabVisible(int page) const;
    void setTabVisible(int page, bool v);

    Event<int> TabClick;  // previous page; the handler is "name_Click"

  private:
    void checkPage(int page) const;

    std::vector<std::string> captions_;
    std::vector<bool> visibleTabs_;
    int current_ = 0;
};

// The common dialog control: shows the printer dialog. With CancelError set, Cancel raises
// error 32755 in the code that showed it.
class CommonDialog : public Control {
  public:
    CommonDialog(Form& form, std::string name, int index = -1);

    const std::string& dialogTitle() const { return title_; }
    void setDialogTitle(const std::string& t) { title_ = t; }
    bool cancelError() const { return cancelError_; }
    void setCancelError(bool v) { cancelError_ = v; }

    // Shows the printer dialog; the printer chosen is used by the next print.
    void showPrinter();

  private:
    std::string title_;
    bool cancelError_ = false;
};

}  // namespace lumbrix
