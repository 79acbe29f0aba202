// Menus and the accelerator table.
#pragma once

#include <string>
#include <vector>

namespace dulm::res {

struct MenuItem {
    std::string text;               // empty for a separator
    unsigned id = 0;                // command id of an item
    std::vector<MenuItem> popup;    // the items of a popup
    bool checked = false;           // carries a check mark in the resource
    bool IsSeparator() const { return text.empty(); }
};

MenuItem Item(std::string text, unsigned id, bool checked = false);
MenuItem Popup(std::string text, std::vector<MenuItem> items);

// The popups of the main frame's menu (2), shown while no demonstration window is open.
const std::vector<MenuItem>& MainFrameMenu();
// The popups of a demonstration window's menu: Demo, View, Window and Help, then its own popups.
// Its Demo popup has "&Start Demo" when the demonstration starts on that command.
std::vector<MenuItem> DemoMenu(bool startDemo, std::vector<MenuItem> ownPopups = {});

struct Accelerator {
    unsigned vk = 0;  // virtual-key code
    bool ctrl = false;
    bool shift = false;
    bool alt = false;
    unsigned command = 0;
};

const std::vector<Accelerator>& LoadAccelerators();

}  // namespace dulm::res

namespace dulm::res {

// The commands of a window's menu that its view or document handles (ids below 0xE000).
std::vector<unsigned> ViewCommands(const std::vector<MenuItem>& menu);

}  // namespace dulm::res
