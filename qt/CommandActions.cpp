#include "qt/CommandActions.h"

#include "qt/KeyMap.h"
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
        keys.append(KeyMap::Shortcut(accelerator));
        action.setShortcuts(keys);
    }
}

QMenu* CommandActions::BuildPopup(const res::MenuItem& popup) {
    auto* menu = new QMenu(QString::fromStdString(popup.text), &m_owner);
    connect(menu, &QMenu::aboutToShow, this, &CommandActions::menuAboutToShow);
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
    }
    return menu;
}

const std::vector<QMenu*>& CommandActions::Menus(unsigned menuId) {
    auto [it, inserted] = m_menus.try_emplace(menuId);
    if (inserted)
        for (const res::MenuItem& popup : res::LoadMenu(menuId)) it->second.push_back(BuildPopup(popup));
    return it->second;
}

}  // namespace dulm
