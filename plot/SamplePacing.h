// How long a sampling run waits after each sample, as the digit keys and the step keys (Pause or
// Space) set it: a delay of 100 * d * d ms for digit d, or single-step mode, where each sample
// waits for a key.
#pragma once

#include <cstdint>

namespace dulm {

class SamplePacing {
public:
    static constexpr std::int16_t kStartDelay = 2500;

    // A key release during a run: a step key enters single-step mode, a digit sets the delay.
    void OnKeyUp(unsigned nChar, unsigned nFlags);
    // Single-step mode: waits for a key press, dispatching everything else. A step key keeps
    // single-step mode; any other key returns to timed pauses.
    void WaitForStepKey();

    // Kept per view, so that two windows run side by side.
    std::int16_t m_delay = kStartDelay;  // ms after each sample; 0: no line and no wait
    int m_bStep = 0;                     // single-step mode
};

}  // namespace dulm
