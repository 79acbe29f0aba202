// Keys by name, with the virtual-key code and scan code a real keyboard sends for them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace dulm {

enum : unsigned {
    VK_BACK = 0x08, VK_RETURN = 0x0D, VK_PAUSE = 0x13, VK_ESCAPE = 0x1B, VK_SPACE = 0x20,
    VK_NUMPAD0 = 0x60, VK_F1 = 0x70, VK_NUMLOCK = 0x90,
};

// Scan codes with a meaning to the views: 1 is Esc, 0x45 is Pause and Num Lock (keypad keys lie above 0x46).
enum : unsigned { SCAN_ESCAPE = 0x01, SCAN_PAUSE = 0x45 };

struct KeyStroke {
    unsigned vk = 0;
    unsigned scan = 0;
    friend bool operator==(const KeyStroke&, const KeyStroke&) = default;
};

// "0"-"9", "num0"-"num9", "esc", "pause", "numlock", "f1", "space", "enter" or a letter "a"-"z".
std::optional<KeyStroke> KeyByName(std::string_view name);
// A main-row digit, a keypad digit and a letter, for the window's key translation.
KeyStroke DigitKey(int digit);
KeyStroke KeypadDigitKey(int digit);
std::optional<KeyStroke> LetterKey(char letter);

}  // namespace dulm
