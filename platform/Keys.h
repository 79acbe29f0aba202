// Keys by name, with the virtual-key code and scan code a real keyboard sends for them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/Messages.h"

namespace dulm {

enum : unsigned {
    VK_BACK = 0x08, VK_RETURN = 0x0D, VK_PAUSE = 0x13, VK_ESCAPE = 0x1B, VK_SPACE = 0x20,
    VK_NUMPAD0 = 0x60, VK_F1 = 0x70, VK_NUMLOCK = 0x90,
};

// Scan codes with a meaning to the views: 1 is Esc, 0x45 is Pause and Num Lock (keypad keys lie above 0x46).
enum : unsigned { SCAN_ESCAPE = 0x01, SCAN_PAUSE = 0x45 };

// What the scan code in a key handler's nFlags (its low byte) means to the views.
constexpr unsigned ScanOf(unsigned nFlags) { return nFlags & 0xFF; }
constexpr bool IsEscScan(unsigned nFlags) { return ScanOf(nFlags) == SCAN_ESCAPE; }
constexpr bool IsPauseScan(unsigned nFlags) { return ScanOf(nFlags) == SCAN_PAUSE; }  // Pause or Num Lock
constexpr bool IsKeypadScan(unsigned nFlags) { return ScanOf(nFlags) > 0x46; }
// The same for a message taken from the queue.
constexpr unsigned KeyFlagsOf(const MSG& m) { return static_cast<unsigned>((m.lParam >> 16) & 0xFFFF); }
constexpr bool IsEscRelease(const MSG& m) { return m.message == WM_KEYUP && IsEscScan(KeyFlagsOf(m)); }

// The digit of a key: a main-row digit, or a keypad digit (its scan code lies above 0x46 and its
// virtual key is the digit's plus 0x30). None for any other key.
std::optional<int> DigitOfKey(unsigned nChar, unsigned nFlags);
// A keypad digit only: a keypad scan code and a virtual key VK_NUMPAD0 to VK_NUMPAD9.
std::optional<int> KeypadDigitOfKey(unsigned nChar, unsigned nFlags);

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
