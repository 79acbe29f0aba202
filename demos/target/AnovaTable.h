// The analysis of variance tables of the two experiments, computed in single precision from the
// cell totals and sums of squared scores, and their lines as the experiments print them.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace dulm {

class DemoData;

// What the F column shows when the error mean square is 0 and F has no value.
inline constexpr const char* kNoF = "   ---";

// One factor, two groups of 8 scores.
struct OneWayAnova {
    float ssBetween = 0, ssWithin = 0, ssTotal = 0;
    float msBetween = 0, msWithin = 0;
    std::optional<float> f;  // none when MS(Within) is 0
};

OneWayAnova OneWay(int total1, int total2, int squares1, int squares2);
// Header, Between, Within, Totals.
std::array<std::string, 4> OneWayTableLines(const OneWayAnova& a);

// Two crossed factors, four cells of 8 scores in the order Slow x Whole, Fast x Whole,
// Slow x 1/4, Fast x 1/4.
struct TwoWayAnova {
    float ssSpace = 0, ssSpeed = 0, ssInteraction = 0, ssError = 0, ssTotal = 0;
    float msSpace = 0, msSpeed = 0, msInteraction = 0, msError = 0;
    std::optional<float> fSpace, fSpeed, fInteraction;  // none when MS(Error) is 0
};

TwoWayAnova TwoWay(const std::array<int, 4>& totals, int sumOfSquares);
// Header, Space, Speed, Interaction, Error, Totals.
std::array<std::string, 6> TwoWayTableLines(const TwoWayAnova& a);

// Export Data: the trials' scores, one column per cell, and the table ("Source,SS,df,MS,F"; F empty
// when it has no value).
// Export Data: the experiment's settings (the target's two speeds and its size).
void ExportSettings(DemoData& data, int slowSpeed, int fastSpeed, int targetSize);
void ExportScores(DemoData& data, std::span<const char* const> cells, std::span<const std::array<std::int16_t, 8>> scores);
void ExportAnova(DemoData& data, const OneWayAnova& a);
void ExportAnova(DemoData& data, const TwoWayAnova& a);

}  // namespace dulm
