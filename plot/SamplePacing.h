// How long a sampling run waits after each sample, as the digit keys and the Pause key set it:
// a delay of 100 * d * d ms for digit d, or single-step mode, where each sample waits for a key.
#pragma once

#include <cstdint>
#include <optional>

namespace dulm {

// The digit of a released key: the main-row digits, and the keypad digits (scan codes above
// 0x46) mapped onto them. None for any other key.
std::optional<int> DigitOfKey(unsigned nChar, unsigned nFlags);

class SamplePacing {
public:
    static constexpr std::int16_t kStartDelay = 2500;
    static constexpr unsigned kPauseScanCode = 0x45;  // Pause; Num Lock sends the same code

    // A key release during a run: the Pause key enters single-step mode, a digit sets the delay.
    void OnKeyUp(unsigned nChar, unsigned nFlags);
    // Single-step mode: waits for a key press, dispatching everything else. The Pause key keeps
    // single-step mode; any other key returns to timed pauses.
    void WaitForStepKey();

    // Kept per view under the names the sampling demonstrations have always used.
    std::int16_t s_delay = kStartDelay;  // ms after each sample; 0: no line and no wait
    int s_bStep = 0;
};

}  // namespace dulm
