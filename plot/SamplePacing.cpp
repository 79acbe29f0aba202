#include "plot/SamplePacing.h"

#include "platform/ViewHost.h"

namespace dulm {

std::optional<int> DigitOfKey(unsigned nChar, unsigned nFlags) {
    const unsigned scan = nFlags & 0xFF;
    if (scan > 0x46) nChar -= 0x30;  // keypad digits 0x60-0x69 become "0"-"9"
    if (nChar >= '0' && nChar <= '9') return static_cast<int>(nChar - '0');
    return std::nullopt;
}

void SamplePacing::OnKeyUp(unsigned nChar, unsigned nFlags) {
    if ((nFlags & 0xFF) == kPauseScanCode) {
        s_bStep = 1;
        return;
    }
    if (const std::optional<int> d = DigitOfKey(nChar, nFlags)) s_delay = static_cast<std::int16_t>(100 * *d * *d);
}

void SamplePacing::WaitForStepKey() {
    bool keep = false;
    do {
        WaitMessage();
        MSG m;
        if (!PeekMessage(m)) continue;
        if (m.message == WM_KEYDOWN) {
            s_bStep = 0;
            keep = ScanCodeOf(m) == kPauseScanCode;
        }
        DispatchMessage(m);
    } while (s_bStep != 0);
    if (keep) s_bStep = 1;
}

}  // namespace dulm
