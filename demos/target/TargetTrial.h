// The arithmetic of the click-the-target trial: the sizes derived from the reference canvas, the
// vertical drift of a target and the score of a click.
#pragma once

#include <cstdint>
#include <span>

#include "platform/Gdi.h"

namespace dulm {

inline constexpr int kTrialsPerCell = 8;
inline constexpr unsigned kTickMs = 28;  // the target moves once a tick

// The units of a W x H canvas, with integer division: size units 7 W / 1000 and 7 H / 700, step
// unit 2 W / 1000. The step unit is at least 1, or a target on a canvas narrower than 500 would
// never move and its trial never end.
struct TargetUnits {
    std::int16_t uw = 0;
    std::int16_t uh = 0;
    std::int16_t us = 1;
    std::int16_t centreY = 0;  // H / 2

    static TargetUnits For(Size canvas);
};

// The bound o of the vertical drift of a target stepping dx a tick: dx (H - 1) / (W - 1) rounded
// to the nearest, then halved. At least 1, since it divides the generator's range.
int DriftBound(int dx, Size canvas);

// One of -o, -o + 2, ..., o - 2, each equally likely: rand() is drawn again while it falls in the
// uneven remainder above the largest multiple of 32767 / o.
int DrawDrift(int o);

// 25 inside the inner rectangle (half-sizes `half`), 15 inside twice and 5 inside three times
// those half-sizes, 0 outside; every bound inclusive.
int ScoreOf(Point click, Point centre, Size half);

// Whether every cell's total reaches its pass mark.
bool PassesPractice(std::span<const int> totals, std::span<const int> passMarks);

}  // namespace dulm
