#include "demos/target/AnovaTable.h"

#include <cstdio>

#include "app/DemoData.h"

namespace dulm {

namespace {

constexpr const char* kHeader = "Source              SS         df          MS            F";

// F = ms / msError, or nothing when the divisor is 0.
std::optional<float> FRatio(float ms, float msError) {
    if (!(msError > 0.0f)) return std::nullopt;
    return ms / msError;
}

// "Between         %8.2f       %2.0f      %8.2f      %6.2f", the F column as a mark when F has no value.
std::string EffectLine(const char* source, float ss, float df, float ms, std::optional<float> f) {
    char text[128];
    std::snprintf(text, sizeof text, "%-16s%8.2f       %2.0f      %8.2f      ", source, double(ss), double(df),
                  double(ms));
    std::string line = text;
    if (f) {
        std::snprintf(text, sizeof text, "%6.2f", double(*f));
        line += text;
    } else {
        line += kNoF;
    }
    return line;
}

std::string ErrorLine(const char* source, float ss, float df, float ms) {
    char text[128];
    std::snprintf(text, sizeof text, "%-16s%8.2f       %2.0f      %8.2f", source, double(ss), double(df), double(ms));
    return text;
}

std::string TotalsLine(float ss, float df) {
    char text[128];
    std::snprintf(text, sizeof text, "Totals          %8.2f       %2.0f", double(ss), double(df));
    return text;
}

}  // namespace

OneWayAnova OneWay(int total1, int total2, int squares1, int squares2) {
    const float n = 8.0f, N = 16.0f;
    const float dfBetween = 1.0f, dfWithin = 14.0f;
    const float t1 = static_cast<float>(total1);
    const float t2 = static_cast<float>(total2);
    const float g = t2 + t1;
    const float cf = g * g / N;
    OneWayAnova a;
    a.ssTotal = static_cast<float>(squares1 + squares2) - cf;
    a.ssBetween = (t1 * t1 + t2 * t2) / n - cf;
    a.ssWithin = a.ssTotal - a.ssBetween;
    a.msBetween = a.ssBetween / dfBetween;
    a.msWithin = a.ssWithin / dfWithin;
    a.f = FRatio(a.msBetween, a.msWithin);
    return a;
}

std::array<std::string, 4> OneWayTableLines(const OneWayAnova& a) {
    return {kHeader, EffectLine("Between", a.ssBetween, 1.0f, a.msBetween, a.f),
            ErrorLine("Within", a.ssWithin, 14.0f, a.msWithin), TotalsLine(a.ssTotal, 16.0f - 1.0f)};
}

TwoWayAnova TwoWay(const std::array<int, 4>& totals, int sumOfSquares) {
    const float n = 8.0f, N = 32.0f;
    const float t0 = static_cast<float>(totals[0]), t1 = static_cast<float>(totals[1]);
    const float t2 = static_cast<float>(totals[2]), t3 = static_cast<float>(totals[3]);
    const float q = static_cast<float>(sumOfSquares);
    const float whole = t0 + t1, quarter = t2 + t3;
    const float slow = t0 + t2, fast = t1 + t3;
    const float g = whole + quarter;
    const float cf = g * g / N;
    TwoWayAnova a;
    a.ssTotal = q - cf;
    a.ssSpace = (whole * whole + quarter * quarter) / (2.0f * n) - cf;
    a.ssSpeed = (slow * slow + fast * fast) / (2.0f * n) - cf;
    a.ssError = q - (t0 * t0 + t1 * t1 + t2 * t2 + t3 * t3) / n;
    a.ssInteraction = a.ssTotal - a.ssSpace - a.ssSpeed - a.ssError;
    a.msSpace = a.ssSpace / 1.0f;
    a.msSpeed = a.ssSpeed / 1.0f;
    a.msInteraction = a.ssInteraction / 1.0f;
    a.msError = a.ssError / 28.0f;
    a.fSpace = FRatio(a.msSpace, a.msError);
    a.fSpeed = FRatio(a.msSpeed, a.msError);
    a.fInteraction = FRatio(a.msInteraction, a.msError);
    return a;
}

std::array<std::string, 6> TwoWayTableLines(const TwoWayAnova& a) {
    return {kHeader,
            EffectLine("Space", a.ssSpace, 1.0f, a.msSpace, a.fSpace),
            EffectLine("Speed", a.ssSpeed, 1.0f, a.msSpeed, a.fSpeed),
            EffectLine("Interaction", a.ssInteraction, 1.0f, a.msInteraction, a.fInteraction),
            ErrorLine("Error", a.ssError, 28.0f, a.msError),
            TotalsLine(a.ssTotal, 8.0f * 4.0f - 1.0f)};
}

void ExportSettings(DemoData& data, int slowSpeed, int fastSpeed, int targetSize) {
    data.Parameter("Slow speed", DemoData::Number(slowSpeed));
    data.Parameter("Fast speed", DemoData::Number(fastSpeed));
    data.Parameter("Target size", DemoData::Number(targetSize));
}

void ExportScores(DemoData& data, std::span<const char* const> cells, std::span<const std::array<std::int16_t, 8>> scores) {
    std::vector<std::string> header{"Trial"};
    header.insert(header.end(), cells.begin(), cells.end());
    data.Table(std::move(header));
    for (size_t i = 0; i < 8; ++i) {
        std::vector<std::string> row{DemoData::Number(int(i) + 1)};
        for (const auto& cell : scores) row.push_back(DemoData::Number(int(cell[i])));
        data.Row(std::move(row));
    }
}

namespace {

void Source(DemoData& data, const char* name, float ss, int df, std::optional<float> ms, std::optional<float> f) {
    data.Row({name, DemoData::Number(ss), DemoData::Number(df), ms ? DemoData::Number(*ms) : std::string(),
              f ? DemoData::Number(*f) : std::string()});
}

}  // namespace

void ExportAnova(DemoData& data, const OneWayAnova& a) {
    data.Table({"Source", "SS", "df", "MS", "F"});
    Source(data, "Between", a.ssBetween, 1, a.msBetween, a.f);
    Source(data, "Within", a.ssWithin, 14, a.msWithin, std::nullopt);
    Source(data, "Totals", a.ssTotal, 15, std::nullopt, std::nullopt);
}

void ExportAnova(DemoData& data, const TwoWayAnova& a) {
    data.Table({"Source", "SS", "df", "MS", "F"});
    Source(data, "Space", a.ssSpace, 1, a.msSpace, a.fSpace);
    Source(data, "Speed", a.ssSpeed, 1, a.msSpeed, a.fSpeed);
    Source(data, "Interaction", a.ssInteraction, 1, a.msInteraction, a.fInteraction);
    Source(data, "Error", a.ssError, 28, a.msError, std::nullopt);
    Source(data, "Totals", a.ssTotal, 31, std::nullopt, std::nullopt);
}

}  // namespace dulm
