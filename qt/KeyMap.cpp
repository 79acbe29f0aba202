#include "qt/KeyMap.h"

#include <array>
#include <utility>

namespace dulm {

namespace {

// Keys whose virtual-key code is fixed and which need no scan code; both directions use it.
constexpr std::array<std::pair<int, unsigned>, 17> kPlainKeys = {{
    {Qt::Key_Backspace, 0x08}, {Qt::Key_Tab, 0x09},     {Qt::Key_Shift, 0x10},     {Qt::Key_Control, 0x11},
    {Qt::Key_Alt, 0x12},       {Qt::Key_CapsLock, 0x14}, {Qt::Key_PageUp, 0x21},   {Qt::Key_PageDown, 0x22},
    {Qt::Key_End, 0x23},       {Qt::Key_Home, 0x24},     {Qt::Key_Left, 0x25},     {Qt::Key_Up, 0x26},
    {Qt::Key_Right, 0x27},     {Qt::Key_Down, 0x28},     {Qt::Key_Insert, 0x2D},   {Qt::Key_Delete, 0x2E},
    {Qt::Key_ScrollLock, 0x91},
}};

constexpr unsigned kFirstFunctionKey = 0x70;  // VK_F1

// Keys only the accelerator table names (the zoom keys): = and - of the main keyboard, + and - of
// the keypad. A view is not told them.
constexpr std::array<std::pair<int, unsigned>, 4> kAcceleratorKeys = {{
    {Qt::Key_Equal, 0xBB}, {Qt::Key_Minus, 0xBD}, {Qt::Key_Plus, 0x6B}, {Qt::Key_Minus, 0x6D},
}};

}  // namespace

KeyStroke KeyMap::Translate(int qtKey, Qt::KeyboardModifiers modifiers) {
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) {
        const int digit = qtKey - Qt::Key_0;
        return modifiers.testFlag(Qt::KeypadModifier) ? KeypadDigitKey(digit) : DigitKey(digit);
    }
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return *LetterKey(char('a' + (qtKey - Qt::Key_A)));
    const char* name = nullptr;
    switch (qtKey) {
    case Qt::Key_Escape: name = "esc"; break;
    case Qt::Key_Pause: name = "pause"; break;
    case Qt::Key_NumLock: name = "numlock"; break;
    case Qt::Key_F1: name = "f1"; break;
    case Qt::Key_Space: name = "space"; break;
    case Qt::Key_Return:
    case Qt::Key_Enter: name = "enter"; break;
    default: break;
    }
    if (name) return *KeyByName(name);
    return {VirtualKeyOf(qtKey), 0};
}

unsigned KeyMap::VirtualKeyOf(int qtKey) {
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return kFirstFunctionKey + unsigned(qtKey - Qt::Key_F1);
    for (const auto& [key, vk] : kPlainKeys)
        if (key == qtKey) return vk;
    return 0;
}

int KeyMap::QtKeyOf(unsigned vk) {
    if ((vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z')) return int(vk);  // Qt uses ASCII there too
    if (vk >= kFirstFunctionKey && vk < kFirstFunctionKey + 24) return Qt::Key_F1 + int(vk - kFirstFunctionKey);
    for (const auto& [key, code] : kPlainKeys)
        if (code == vk) return key;
    for (const auto& [key, code] : kAcceleratorKeys)
        if (code == vk) return key;
    return Qt::Key_unknown;
}

QKeySequence KeyMap::Shortcut(const res::Accelerator& accelerator) {
    int modifiers = 0;
    if (accelerator.ctrl) modifiers |= Qt::CTRL;
    if (accelerator.shift) modifiers |= Qt::SHIFT;
    if (accelerator.alt) modifiers |= Qt::ALT;
    return QKeySequence(QtKeyOf(accelerator.vk) | modifiers);
}

}  // namespace dulm
