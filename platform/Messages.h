// Window messages as the views receive them, with the old layout of their parameters: a key's
// lParam carries the repeat count in bits 0-15 and the scan code in bits 16-23; a handler's
// nFlags is the high word of lParam, so its low byte is the scan code.
#pragma once

#include <cstdint>

#include "platform/Gdi.h"

namespace dulm {

enum : unsigned {
    WM_SIZE = 0x0005,
    WM_PAINT = 0x000F,  // posted by the window: repaint the view when no run is in progress
    WM_CLOSE = 0x0010,
    WM_KEYDOWN = 0x0100,
    WM_KEYUP = 0x0101,
    WM_COMMAND = 0x0111,
    WM_TIMER = 0x0113,
    WM_LBUTTONDOWN = 0x0201,
    WM_RBUTTONDOWN = 0x0204,
    WM_COMMANDHELP = 0x0365,
    WM_DRAWPICTURE = 0x0400,  // posted by the window: draw the picture again for ViewHost::RequestPicture
};

struct MSG {
    constexpr MSG(unsigned msg = 0, std::uintptr_t w = 0, std::intptr_t l = 0, Point p = {})
        : message(msg), wParam(w), lParam(l), pt(p) {}
    unsigned message;
    std::uintptr_t wParam;
    std::intptr_t lParam;
    Point pt;  // client coordinates of a mouse message
};

constexpr std::intptr_t KeyLParam(unsigned scanCode, bool up) {
    return static_cast<std::intptr_t>(1u | ((scanCode & 0xFFu) << 16) | (up ? 0xC0000000u : 0u));
}
constexpr unsigned ScanCodeOf(const MSG& m) { return static_cast<unsigned>((m.lParam >> 16) & 0xFF); }

inline MSG MakeKeyMessage(unsigned message, unsigned vk, unsigned scanCode) {
    return MSG{message, vk, KeyLParam(scanCode, message == WM_KEYUP), {}};
}
inline MSG MakeMouseMessage(unsigned message, Point client) { return MSG{message, 0, 0, client}; }
inline MSG MakeCommand(unsigned id) { return MSG{WM_COMMAND, id, 0, {}}; }

// Dialog and message box results and styles.
enum : int { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };
enum : unsigned { MB_OK = 0x0, MB_YESNO = 0x4, MB_ICONEXCLAMATION = 0x30 };

// Context numbers of the help file: 0x20000 + a resource id.
constexpr unsigned HID_BASE_RESOURCE = 0x20000;
constexpr unsigned HID_BASE_COMMAND = 0x10000;

}  // namespace dulm
