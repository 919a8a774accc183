#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/event.h"

namespace lumbrix {

class Form;

// A menu or menu item of a window. Top-level menus that are visible form the menu bar;
// hidden ones serve as pop-up menus. An item may carry a tick.
class Menu {
  public:
    // A top-level menu when `parent` is null.
    Menu(Form& form, std::string name, Menu* parent = nullptr, int index = -1);
    ~Menu();
    Menu(const Menu&) = delete;
    Menu& operator=(const Menu&) = delete;

    const std::string& name() const { return name_; }
    int index() const { return index_; }
    Form& form() const { return form_; }
    Menu* parent() const { return parent_; }
    const std::vector<Menu*>& items() const { return items_; }
    Menu* findItem(const std::string& name) const;  // searches the whole subtree

    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& text);
    // A caption of "-" makes the item a separator.
    bool isSeparator() const { return caption_ == "-"; }
    bool checked() const { return checked_; }
    void setChecked(bool v);
    bool enabled() const { return enabled_; }
    void setEnabled(bool v);
    bool visible() const { return visible_; }
    void setVisible(bool v);
    const std::string& shortcut() const { return shortcut_; }
    void setShortcut(const std::string& keys);

    // The planner chose this item (or a test did): raises Click.
    void click() const { Click.raise(); }

    Event<> Click;

    std::uint64_t revision() const { return revision_; }

  private:
    // A change of an item counts for its parents too: the menu bar redraws from the top.
    void touch();
    template <class T, class U>
    void change(T& field, const U& value) {
        if (field == value) return;
        field = value;
        touch();
    }

    Form& form_;
    std::string name_;
    Menu* parent_;
    int index_;
    std::vector<Menu*> items_;
    std::string caption_;
    std::string shortcut_;
    bool checked_ = false;
    bool enabled_ = true;
    bool visible_ = true;
    std::uint64_t revision_ = 1;
};

}  // namespace lumbrix
