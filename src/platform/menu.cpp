#include "platform/menu.h"

#include <algorithm>

#include "platform/form.h"

namespace lumbrix {

Menu::Menu(Form& form, std::string name, Menu* parent, int index)
    : form_(form), name_(std::move(name)), parent_(parent), index_(index) {
    Click.bind(&form_, name_ + "_Click");
    if (parent_) {
        parent_->items_.push_back(this);
    } else {
        form_.registerMenu(this);
    }
}

Menu::~Menu() {
    if (parent_) {
        std::erase(parent_->items_, this);
    } else {
        form_.unregisterMenu(this);
    }
}

Menu* Menu::findItem(const std::string& name) const {
    for (Menu* item : items_) {
        if (item->name() == name) return item;
        if (Menu* found = item->findItem(name)) return found;
    }
    return nullptr;
}

void Menu::touch() {
    // A change of an item is a change of its menu bar entry too.
    for (Menu* m = this; m; m = m->parent_)
        ++m->revision_;
}

void Menu::setCaption(const std::string& text) {
    change(caption_, text);
}

void Menu::setChecked(bool v) {
    change(checked_, v);
}

void Menu::setEnabled(bool v) {
    change(enabled_, v);
}

void Menu::setVisible(bool v) {
    change(visible_, v);
}

void Menu::setShortcut(const std::string& keys) {
    change(shortcut_, keys);
}

}  // namespace lumbrix
