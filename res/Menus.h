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

// The popups of menu resource id (2, or a template's id); empty when there is none.
const std::vector<MenuItem>& LoadMenu(unsigned id);

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

// The commands of a template's menu that its view or document handles (ids below 0xE000).
std::vector<unsigned> ViewCommands(unsigned menuId);

}  // namespace dulm::res
