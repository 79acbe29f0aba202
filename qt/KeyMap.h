// Translation between the toolkit's keys and the virtual-key and scan codes the views expect.
#pragma once

#include <Qt>
#include <QKeySequence>

#include "platform/Keys.h"
#include "res/Menus.h"

namespace dulm {

class KeyMap {
public:
    // The keystroke a real keyboard would send for this key. Keys without a meaning to the views
    // keep a sensible virtual-key code (or 0) and scan code 0.
    static KeyStroke Translate(int qtKey, Qt::KeyboardModifiers modifiers);
    // The key sequence of an accelerator table entry.
    static QKeySequence Shortcut(const res::Accelerator& accelerator);

private:
    static unsigned VirtualKeyOf(int qtKey);
    static int QtKeyOf(unsigned vk);
};

}  // namespace dulm
