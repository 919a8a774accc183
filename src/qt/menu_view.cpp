#include "qt/menu_view.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>

#include "qt/qt_convert.h"

namespace lumbrix::qt {

QString shortcutText(const std::string& keys) {
    if (keys.empty()) return {};
    QString text = toQ(keys);
    QStringList parts;
    int i = 0;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == '^') {
            parts << "Ctrl";
        } else if (c == '+' && i + 1 < text.size()) {
            parts << "Shift";
        } else if (c == '%' && i + 1 < text.size()) {
            parts << "Alt";
        } else {
            break;
        }
    }
    QString rest = text.mid(i);
    if (rest.startsWith('{') && rest.endsWith('}')) rest = rest.mid(1, rest.size() - 2);
    if (rest.compare("DEL", Qt::CaseInsensitive) == 0) rest = "Del";
    if (rest.compare("INSERT", Qt::CaseInsensitive) == 0) rest = "Ins";
    parts << (rest.size() == 1 ? rest.toUpper() : rest);
    return parts.join('+');
}

void applyMenuState(QAction* action, const Menu& menu) {
    if (!menu.isSeparator()) action->setText(toQ(menu.caption()));
    action->setEnabled(menu.enabled());
    action->setVisible(menu.visible());
    // Only a ticked item shows a tick; an unticked one shows nothing.
    action->setCheckable(menu.checked());
    action->setChecked(menu.checked());
    action->setShortcut(QKeySequence(shortcutText(menu.shortcut())));
}

namespace {

void fillPopup(QMenu* qmenu, const Menu& menu, std::unordered_map<QAction*, Menu*>& actionMenus) {
    for (Menu* item : menu.items()) {
        if (!item->visible()) continue;
        if (item->isSeparator()) {
            qmenu->addSeparator();
            continue;
        }
        if (!item->items().empty()) {
            QMenu* sub = qmenu->addMenu(toQ(item->caption()));
            sub->setEnabled(item->enabled());
            fillPopup(sub, *item, actionMenus);
            continue;
        }
        QAction* action = qmenu->addAction(toQ(item->caption()));
        action->setObjectName(toQ(item->name()));
        applyMenuState(action, *item);
        action->setShortcut({});  // shortcuts belong to the menu bar
        actionMenus[action] = item;
    }
}

}  // namespace

QMenu* buildPopupMenu(const Menu& menu, std::unordered_map<QAction*, Menu*>& actionMenus) {
    auto* qmenu = new QMenu;
    fillPopup(qmenu, menu, actionMenus);
    return qmenu;
}

MenuBarView::MenuBarView(const std::vector<Menu*>& menus,
                         std::function<bool(std::function<void()>)> run, QWidget* parent)
    : QMenuBar(parent), topMenus_(menus), run_(std::move(run)) {
    for (Menu* menu : topMenus_)
        addEntry(this, *menu);
    refresh(true);
}

QAction* MenuBarView::addEntry(QWidget* into, Menu& menu) {
    QAction* action = nullptr;
    if (menu.isSeparator()) {
        action = new QAction(into);
        action->setSeparator(true);
        into->addAction(action);
    } else if (!menu.items().empty() || !menu.parent()) {
        // A menu of its own: the bar's entries and items that open a submenu.
        auto* qmenu = new QMenu(toQ(menu.caption()), into);
        action = qmenu->menuAction();
        into->addAction(action);
        addItems(qmenu, menu);
        Menu* model = &menu;
        connect(qmenu, &QMenu::aboutToShow, this,
                [this, model] { run_([model] { model->click(); }); });
    } else {
        action = new QAction(toQ(menu.caption()), into);
        into->addAction(action);
        Menu* model = &menu;
        connect(action, &QAction::triggered, this, [this, model] {
            // The action ticked or unticked itself: the model decides.
            if (run_([model] { model->click(); })) refresh(true);
        });
    }
    action->setObjectName(toQ(menu.name()));
    items_[&menu] = {action, 0};
    return action;
}

void MenuBarView::addItems(QMenu* qmenu, Menu& menu) {
    for (Menu* item : menu.items())
        addEntry(qmenu, *item);
}

bool MenuBarView::hasVisibleMenus() const {
    for (const Menu* menu : topMenus_) {
        if (menu->visible()) return true;
    }
    return false;
}

void MenuBarView::refresh(bool force) {
    for (auto& [menu, item] : items_) {
        if (!force && item.seenRevision == menu->revision()) continue;
        item.seenRevision = menu->revision();
        applyMenuState(item.action, *menu);
        // Entries that open a menu carry no tick of their own.
        if (!menu->items().empty() || !menu->parent()) item.action->setCheckable(false);
    }
    setVisible(hasVisibleMenus());
}

}  // namespace lumbrix::qt
