#include "platform/Keys.h"

#include <array>
#include <cctype>

namespace dulm {

namespace {

// Set-1 scan codes of the main-row digits 0-9 and of the keypad digits 0-9.
constexpr std::array<unsigned, 10> kDigitScan = {0x0B, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A};
constexpr std::array<unsigned, 10> kKeypadScan = {0x52, 0x4F, 0x50, 0x51, 0x4B, 0x4C, 0x4D, 0x47, 0x48, 0x49};
// Scan codes of the letters a-z.
constexpr std::array<unsigned, 26> kLetterScan = {0x1E, 0x30, 0x2E, 0x20, 0x12, 0x21, 0x22, 0x23, 0x17,
                                                  0x24, 0x25, 0x26, 0x32, 0x31, 0x18, 0x19, 0x10, 0x13,
                                                  0x1F, 0x14, 0x16, 0x2F, 0x11, 0x2D, 0x15, 0x2C};

}  // namespace

std::optional<int> DigitOfKey(unsigned nChar, unsigned nFlags) {
    if (IsKeypadScan(nFlags)) nChar -= 0x30;  // keypad digits 0x60-0x69 become "0"-"9"
    if (nChar >= '0' && nChar <= '9') return static_cast<int>(nChar - '0');
    return std::nullopt;
}

std::optional<int> KeypadDigitOfKey(unsigned nChar, unsigned nFlags) {
    if (!IsKeypadScan(nFlags) || nChar < VK_NUMPAD0 || nChar > VK_NUMPAD0 + 9) return std::nullopt;
    return static_cast<int>(nChar - VK_NUMPAD0);
}

std::optional<ArrowStep> ArrowOfKey(unsigned nChar) {
    switch (nChar) {
    case VK_LEFT: return ArrowStep{-1, 0};
    case VK_RIGHT: return ArrowStep{1, 0};
    case VK_UP: return ArrowStep{0, -1};
    case VK_DOWN: return ArrowStep{0, 1};
    default: return std::nullopt;
    }
}

KeyStroke DigitKey(int digit) { return {0x30u + unsigned(digit), kDigitScan.at(size_t(digit))}; }

KeyStroke KeypadDigitKey(int digit) { return {VK_NUMPAD0 + unsigned(digit), kKeypadScan.at(size_t(digit))}; }

std::optional<KeyStroke> LetterKey(char letter) {
    const int lower = std::tolower(static_cast<unsigned char>(letter));
    if (lower < 'a' || lower > 'z') return std::nullopt;
    return KeyStroke{unsigned('A' + (lower - 'a')), kLetterScan[size_t(lower - 'a')]};
}

std::optional<KeyStroke> KeyByName(std::string_view name) {
    if (name.size() == 1 && name[0] >= '0' && name[0] <= '9') return DigitKey(name[0] - '0');
    if (name.size() == 4 && name.substr(0, 3) == "num" && name[3] >= '0' && name[3] <= '9')
        return KeypadDigitKey(name[3] - '0');
    if (name == "esc") return KeyStroke{VK_ESCAPE, SCAN_ESCAPE};
    if (name == "pause") return KeyStroke{VK_PAUSE, SCAN_PAUSE};
    if (name == "numlock") return KeyStroke{VK_NUMLOCK, SCAN_PAUSE};
    if (name == "f1") return KeyStroke{VK_F1, 0x3B};
    if (name == "space") return KeyStroke{VK_SPACE, 0x39};
    if (name == "enter") return KeyStroke{VK_RETURN, 0x1C};
    // The arrows with scan code 0, as the desktop window passes them on: no view reads their scan
    // code, and theirs would look like the keypad's.
    if (name == "left") return KeyStroke{VK_LEFT, 0};
    if (name == "right") return KeyStroke{VK_RIGHT, 0};
    if (name == "up") return KeyStroke{VK_UP, 0};
    if (name == "down") return KeyStroke{VK_DOWN, 0};
    if (name.size() == 1) return LetterKey(name[0]);
    return std::nullopt;
}

}  // namespace dulm
