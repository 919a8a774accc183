#pragma once

#include <QMenuBar>
#include <cstdint>
#include <functional>
#include <unordered_map>

#include "platform/menu.h"

class QAction;
class QMenu;

namespace lumbrix::qt {

// Qt key sequence text for a menu shortcut as the windows give it: "^S" is Ctrl+S, "+" is
// Shift, "%" Alt, "{F1}" a named key; anything else is taken as Qt's own notation.
QString shortcutText(const std::string& keys);

// Builds a pop-up menu from `menu`'s visible items (submenus for items that have items).
// The caller owns the returned menu; `actionMenus` receives the item of each action.
QMenu* buildPopupMenu(const Menu& menu, std::unordered_map<QAction*, Menu*>& actionMenus);

// The menu bar of a window: one entry per top-level menu, shown while the menu is visible.
// The items are built once (a window's menus are fixed); their captions, ticks, enabled and
// visible states follow the models. Opening a menu raises the menu's Click first, as the
// original desktop did, so its handler can prepare the items.
class MenuBarView : public QMenuBar {
  public:
    // `run` runs a call on the models the way the window's other events do; it returns
    // false when the window has gone meanwhile.
    MenuBarView(const std::vector<Menu*>& menus, std::function<bool(std::function<void()>)> run,
                QWidget* parent);

    bool hasVisibleMenus() const;
    // Brings the items whose menu changed (or all, when `force`) in line with the models.
    void refresh(bool force = false);

  private:
    struct Item {
        QAction* action;
        std::uint64_t seenRevision;
    };
    void addItems(QMenu* qmenu, Menu& menu);
    QAction* addEntry(QWidget* into, Menu& menu);

    std::vector<Menu*> topMenus_;
    std::function<bool(std::function<void()>)> run_;
    std::unordered_map<Menu*, Item> items_;
};

// Applies a menu model's caption, tick, enabled and visible state to its action.
void applyMenuState(QAction* action, const Menu& menu);

}  // namespace lumbrix::qt
