#include "demos/target/TargetTrial.h"

#include <algorithm>
#include <cstdlib>

#include "platform/Rand.h"

namespace dulm {

TargetUnits TargetUnits::For(Size canvas) {
    TargetUnits u;
    u.uw = static_cast<std::int16_t>(7 * canvas.cx / 1000);
    u.uh = static_cast<std::int16_t>(7 * canvas.cy / 700);
    u.us = static_cast<std::int16_t>(std::max(1, 2 * canvas.cx / 1000));
    u.centreY = static_cast<std::int16_t>(canvas.cy / 2);
    return u;
}

int DriftBound(int dx, Size canvas) {
    const int across = std::max(1, canvas.cx - 1);
    const int rounded = (dx * (canvas.cy - 1) + across / 2) / across;
    return std::max(1, rounded / 2);
}

int DrawDrift(int o) {
    const int r = 32767 / o;
    int v = rand();
    while (static_cast<std::int16_t>(v) >= r * o) v = rand();
    return 2 * (v / r) - o;
}

int ScoreOf(Point click, Point centre, Size half) {
    static constexpr int kRingScores[] = {25, 15, 5};
    const int dx = std::abs(click.x - centre.x);
    const int dy = std::abs(click.y - centre.y);
    for (int k = 1; k <= 3; ++k)
        if (dx <= k * half.cx && dy <= k * half.cy) return kRingScores[k - 1];
    return 0;
}

bool PassesPractice(std::span<const int> totals, std::span<const int> passMarks) {
    for (size_t c = 0; c < passMarks.size(); ++c)
        if (totals[c] < passMarks[c]) return false;
    return true;
}

}  // namespace dulm
