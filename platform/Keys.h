// Keys by name, with the virtual-key code and scan code a real keyboard sends for them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/Messages.h"

namespace dulm {

enum : unsigned {
    VK_BACK = 0x08, VK_RETURN = 0x0D, VK_PAUSE = 0x13, VK_ESCAPE = 0x1B, VK_SPACE = 0x20,
    VK_LEFT = 0x25, VK_UP = 0x26, VK_RIGHT = 0x27, VK_DOWN = 0x28, VK_NUMPAD0 = 0x60, VK_F1 = 0x70, VK_NUMLOCK = 0x90,
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

// The key that steps a run one sample at a time: Pause (or Num Lock, which sends the same scan
// code), or Space, which every keyboard has.
constexpr bool IsStepKey(unsigned nChar, unsigned nFlags) { return IsPauseScan(nFlags) || nChar == VK_SPACE; }
// Enter, of the main keyboard or the keypad: places what the keyboard points at, as a click would.
constexpr bool IsEnterKey(unsigned nChar) { return nChar == VK_RETURN; }
// An arrow key's direction, one step across (dx) or down (dy, downward positive); none for
// another key. Keypad arrows (Num Lock off) send the same virtual keys.
struct ArrowStep {
    int dx = 0;
    int dy = 0;
    friend bool operator==(const ArrowStep&, const ArrowStep&) = default;
};
std::optional<ArrowStep> ArrowOfKey(unsigned nChar);

struct KeyStroke {
    unsigned vk = 0;
    unsigned scan = 0;
    friend bool operator==(const KeyStroke&, const KeyStroke&) = default;
};

// "0"-"9", "num0"-"num9", "esc", "pause", "numlock", "f1", "space", "enter", "left", "right",
// "up", "down" or a letter "a"-"z".
std::optional<KeyStroke> KeyByName(std::string_view name);
// A main-row digit, a keypad digit and a letter, for the window's key translation.
KeyStroke DigitKey(int digit);
KeyStroke KeypadDigitKey(int digit);
std::optional<KeyStroke> LetterKey(char letter);

}  // namespace dulm
