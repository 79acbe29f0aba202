#include "qt/CommandActions.h"

#include "demos/Registry.h"
#include "qt/KeyMap.h"
#include "res/Resources.h"
#include "res/Strings.h"

namespace dulm {

CommandActions::CommandActions(QWidget& owner) : QObject(&owner), m_owner(owner) { AddAccelerators(); }

QAction* CommandActions::Action(unsigned id) const {
    const auto it = m_actions.find(id);
    return it == m_actions.end() ? nullptr : it->second;
}

// The first menu that names a command gives its action the text; accelerators come with none.
QAction& CommandActions::Ensure(unsigned id, const std::string& text) {
    QAction*& action = m_actions[id];
    if (!action) {
        action = new QAction(&m_owner);
        action->setStatusTip(QString::fromStdString(res::LoadString(id)));
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, [this, id] { emit triggered(id); });
        m_owner.addAction(action);
    }
    if (action->text().isEmpty()) action->setText(QString::fromStdString(text));
    return *action;
}

// Keys without a handler (Print, Undo, Cut, Copy, Paste, the pane keys) still get an action, so
// that they are eaten as the accelerator table ate them.
void CommandActions::AddAccelerators() {
    for (const res::Accelerator& accelerator : res::LoadAccelerators()) {
        QAction& action = Ensure(accelerator.command, {});
        QList<QKeySequence> keys = action.shortcuts();
        if (const QKeySequence key = KeyMap::Shortcut(accelerator); !keys.contains(key)) keys.append(key);
        action.setShortcuts(keys);
    }
}

QMenu* CommandActions::BuildPopup(const res::MenuItem& popup) {
    auto* menu = new QMenu(QString::fromStdString(popup.text), &m_owner);
    connect(menu, &QMenu::aboutToShow, this, &CommandActions::menuAboutToShow);
    bool windowMenu = false;
    for (const res::MenuItem& item : popup.popup) {
        if (item.IsSeparator()) {
            menu->addSeparator();
            continue;
        }
        QAction& action = Ensure(item.id, item.text);
        if (item.checked) {
            action.setCheckable(true);
            action.setChecked(true);
        }
        menu->addAction(&action);
        windowMenu = windowMenu || item.id == res::ID_WINDOW_CASCADE;
    }
    if (windowMenu) {
        m_windowItems.try_emplace(menu);
        connect(menu, &QMenu::aboutToShow, this, [this, menu] { RefreshWindowMenu(*menu); });
    }
    return menu;
}

// The windows, numbered from 1 as their mnemonics, the active one checked. An item may be the one
// being chosen right now, so the old items go once control returns to the event loop.
void CommandActions::RefreshWindowMenu(QMenu& menu) {
    std::vector<QAction*>& items = m_windowItems[&menu];
    for (QAction* item : items) {
        menu.removeAction(item);
        item->deleteLater();
    }
    items.clear();
    const std::vector<WindowEntry> windows = m_windowList ? m_windowList() : std::vector<WindowEntry>{};
    if (windows.empty()) return;
    items.push_back(menu.addSeparator());
    int number = 0;
    for (const WindowEntry& window : windows) {
        ++number;
        const QString title = QString(window.title).replace('&', "&&");
        QAction* item = menu.addAction(number <= 9 ? QString("&%1 %2").arg(number).arg(title)
                                                   : QString("%1 %2").arg(number).arg(title));
        item->setCheckable(true);
        item->setChecked(window.active);
        connect(item, &QAction::triggered, this, [activate = window.activate] { if (activate) activate(); });
        items.push_back(item);
    }
}

std::vector<QAction*> CommandActions::WindowItems(QMenu* menu) const {
    std::vector<QAction*> entries;
    if (const auto it = m_windowItems.find(menu); it != m_windowItems.end())
        for (QAction* item : it->second)
            if (!item->isSeparator()) entries.push_back(item);
    return entries;
}

const std::vector<QMenu*>& CommandActions::Menus(unsigned menuId) {
    auto [it, inserted] = m_menus.try_emplace(menuId);
    if (inserted)
        for (const res::MenuItem& popup : MenuOf(menuId)) it->second.push_back(BuildPopup(popup));
    return it->second;
}

}  // namespace dulm
