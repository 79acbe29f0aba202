// A scripted subject for the target experiments on a 1000 x 700 canvas: a key for each wait, and a
// click on each target where it will be after a chosen number of ticks, its drift worked out from
// the session's seed.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>
#include <string>
#include <vector>

#include "harness/Scenario.h"
#include "platform/Rand.h"

namespace dulm::testing {

// One trial as planned: the target's speed (6 slow, 15 fast), the part of the width it shows in
// (1 whole, 4 left quarter) and the points the click should score (0: no click at all).
struct Shot {
    int speed;
    int divisor;
    int score;
};

// The trials of a session, round by round: cellScores[c][i] is the i-th score of cell c.
inline std::vector<Shot> Rounds(const std::vector<Shot>& cells, const std::vector<std::vector<int>>& cellScores) {
    std::vector<Shot> shots;
    for (size_t i = 0; i < 8; ++i)
        for (size_t c = 0; c < cells.size(); ++c) shots.push_back({cells[c].speed, cells[c].divisor, cellScores[c][i]});
    return shots;
}

class TargetPlayer {
public:
    static constexpr std::int64_t kTrialMs = 3100;  // a slow target crosses the whole width in 2548 ms

    explicit TargetPlayer(Scenario& s) : m_s(s) {}

    // Releases a key for the wait the view is in.
    void Key() {
        m_s.KeyAt(m_t, *KeyByName("space"));
        m_lastKey = m_t;
        m_t += 500;
    }

    // Every trial of a session, then the key after its score lines. A session is seeded from the
    // time of the key that started it (the first practice session: from the first paint).
    void Session(const std::vector<Shot>& shots) {
        srand(static_cast<unsigned>(((m_lastKey / 1000) & 0xFF) * 255));
        for (const Shot& shot : shots) Trial(shot);
        Key();
    }

    std::int64_t Now() const { return m_t; }

private:
    // The drift of a target, -o to o - 2 in steps of 2, from the next draws of the generator.
    static int Drift(int o) {
        const int r = 32767 / o;
        int v = rand();
        while (v >= r * o) v = rand();
        return 2 * (v / r) - o;
    }

    // The ready key at the trial's start; a click once the target's centre has reached x = 438
    // (whole width) or 198 (left quarter); the key for the points message 3 s later.
    void Trial(const Shot& shot) {
        const int dx = 2 * shot.speed;         // step unit 2
        const int o = shot.speed == 6 ? 4 : 10;  // 12 * 699 / 999 = 8.4 and 30 * 699 / 999 = 21.0, halved
        const int vy = Drift(o);
        const std::int64_t start = m_t;
        m_s.KeyAt(start, *KeyByName("space"));
        if (shot.score > 0) {
            const int ticks = (shot.divisor == 1 ? 480 : 240) / dx;
            const Point centre{-42 + ticks * dx, 350 + ticks * vy};
            // Each on the outer bound of its rectangle (half-sizes 14, 28, 42).
            const Point off = shot.score == 25 ? Point{14, -14} : shot.score == 15 ? Point{28, 28} : Point{-42, 42};
            m_s.ClickAt(start + 28 * ticks + 14, {centre.x + off.x, centre.y + off.y});
        }
        m_lastKey = start + kTrialMs - 100;
        m_s.KeyAt(m_lastKey, *KeyByName("space"));
        m_t = start + kTrialMs;
    }

    Scenario& m_s;
    std::int64_t m_t = 500;
    std::int64_t m_lastKey = 0;
};

// The texts shown in light grey, with their y.
inline std::vector<std::pair<int, std::string>> ShownLines(const Scenario& s) {
    std::vector<std::pair<int, std::string>> lines;
    for (const TextRecord& r : s.TextLog())
        if (r.colour == kLightGrey) lines.emplace_back(r.y, r.text);
    return lines;
}

inline std::vector<TextRecord> Shown(const Scenario& s, const std::string& text) {
    std::vector<TextRecord> found;
    for (const TextRecord& r : s.TextLog())
        if (r.text == text && r.colour == kLightGrey) found.push_back(r);
    return found;
}

inline bool ShownAt(const Scenario& s, const std::string& text, int y) {
    for (const TextRecord& r : Shown(s, text))
        if (r.y == y && r.x == 0) return true;
    return false;
}

// "No practice", the data session and the key that shows the table.
inline void PlayDataSession(Scenario& s, TargetPlayer& p, const std::vector<Shot>& shots) {
    s.User().QueueAnswers({IDNO});
    p.Key();
    p.Session(shots);
    p.Key();
}

}  // namespace dulm::testing
