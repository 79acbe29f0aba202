// One action per command id, shared by every menu, the toolbar and the accelerator keys, with the
// status-bar prompt of the string table; and the menus of each menu resource, built once.
#pragma once

#include <functional>
#include <map>
#include <vector>

#include <QAction>
#include <QMenu>
#include <QObject>

#include "res/Menus.h"

namespace dulm {

class CommandActions final : public QObject {
    Q_OBJECT
public:
    // The actions belong to owner's window, so that their keys work wherever its focus is.
    explicit CommandActions(QWidget& owner);

    // Null when no menu, toolbar button or accelerator uses the command.
    QAction* Action(unsigned id) const;
    // The popups of a menu resource.
    const std::vector<QMenu*>& Menus(unsigned menuId);

    // An open demonstration window as the Window menu lists it.
    struct WindowEntry {
        QString title;
        bool active = false;
        std::function<void()> activate;
    };
    using WindowList = std::function<std::vector<WindowEntry>()>;
    // Where the Window menus get the windows they list below Cascade and Tile, each time one opens.
    void SetWindowList(WindowList list) { m_windowList = std::move(list); }
    // The items of the list in a Window menu, in order.
    std::vector<QAction*> WindowItems(QMenu* menu) const;

signals:
    void triggered(unsigned id);
    // Any of the menus is about to open: their items need their current state.
    void menuAboutToShow();

private:
    QAction& Ensure(unsigned id, const std::string& text);
    QMenu* BuildPopup(const res::MenuItem& popup);
    void AddAccelerators();
    void RefreshWindowMenu(QMenu& menu);

    QWidget& m_owner;
    std::map<unsigned, QAction*> m_actions;
    std::map<unsigned, std::vector<QMenu*>> m_menus;
    WindowList m_windowList;
    std::map<QMenu*, std::vector<QAction*>> m_windowItems;  // separator and entries, per Window menu
};

}  // namespace dulm
