#include "plot/SamplePacing.h"

#include "platform/Keys.h"
#include "platform/Waits.h"

namespace dulm {

void SamplePacing::OnKeyUp(unsigned nChar, unsigned nFlags) {
    if (IsStepKey(nChar, nFlags)) {
        m_bStep = 1;
        return;
    }
    if (const std::optional<int> d = DigitOfKey(nChar, nFlags)) m_delay = static_cast<std::int16_t>(100 * *d * *d);
}

void SamplePacing::WaitForStepKey() {
    // Everything else is dispatched meanwhile; a step key keeps single-step mode.
    const MSG press = PumpUntil([](const MSG& m) { return m.message == WM_KEYDOWN; });
    m_bStep = IsStepKey(static_cast<unsigned>(press.wParam), KeyFlagsOf(press)) ? 1 : 0;
}

}  // namespace dulm
