#include "plot/AxisLabels.h"

#include <cstdint>
#include <cstdio>

namespace dulm {

namespace {

std::string Formatted(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

void Draw(Dc& dc, const AxisLabel& label) { dc.TextOut(label.at.x, label.at.y, label.text); }

}  // namespace

void DrawNumber(Dc& dc, int x, int y, const char* format, double value) { dc.TextOut(x, y, Formatted(format, value)); }

std::vector<AxisLabel> XAxisLabels(Size canvas, const float* values, int divisions) {
    const int y = canvas.cy - 58;
    const std::int16_t span = static_cast<std::int16_t>(canvas.cx - 80);
    std::vector<AxisLabel> labels{{{32, y}, Formatted("%4.1f", values[0])}};
    for (int k = 1; k < divisions; ++k) {
        const int x = k * 2 == divisions ? (canvas.cx - 16 + 1) / 2 - 4 : (k * span + divisions / 2) / divisions + 28;
        labels.push_back({{x, y}, Formatted("%5.2f", values[k])});
    }
    labels.push_back({{canvas.cx - 48, y}, Formatted("%4.1f", values[divisions])});
    return labels;
}

void DrawXAxisLabels(Dc& dc, Size canvas, const float* values, int divisions) {
    for (const AxisLabel& label : XAxisLabels(canvas, values, divisions)) Draw(dc, label);
}

std::vector<AxisLabel> YAxisTopAndMiddleLabels(Size canvas, const char* format, float top) {
    return {{{0, 25}, Formatted(format, top)}, {{0, (canvas.cy - 50) / 2}, Formatted(format, top * 0.5f)}};
}

void DrawYAxisTopAndMiddle(Dc& dc, Size canvas, const char* format, float top) {
    for (const AxisLabel& label : YAxisTopAndMiddleLabels(canvas, format, top)) Draw(dc, label);
}

AxisLabel YAxisZeroLabel(Size canvas) { return {{0, canvas.cy - 75}, Formatted("%3.0f", 0.0)}; }

void DrawYAxisZero(Dc& dc, Size canvas) { Draw(dc, YAxisZeroLabel(canvas)); }

}  // namespace dulm
