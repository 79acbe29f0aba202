#include "plot/AxisLabels.h"

#include <cstdint>
#include <cstdio>

namespace dulm {

void DrawNumber(Dc& dc, int x, int y, const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    dc.TextOut(x, y, text);
}

void DrawXAxisLabels(Dc& dc, Size canvas, const float* values, int divisions) {
    const int y = canvas.cy - 58;
    const std::int16_t span = static_cast<std::int16_t>(canvas.cx - 80);
    DrawNumber(dc, 32, y, "%4.1f", values[0]);
    for (int k = 1; k < divisions; ++k) {
        const int x = k * 2 == divisions ? (canvas.cx - 16 + 1) / 2 - 4 : (k * span + divisions / 2) / divisions + 28;
        DrawNumber(dc, x, y, "%5.2f", values[k]);
    }
    DrawNumber(dc, canvas.cx - 48, y, "%4.1f", values[divisions]);
}

void DrawYAxisTopAndMiddle(Dc& dc, Size canvas, const char* format, float top) {
    DrawNumber(dc, 0, 25, format, top);
    DrawNumber(dc, 0, (canvas.cy - 50) / 2, format, top * 0.5f);
}

void DrawYAxisZero(Dc& dc, Size canvas) { DrawNumber(dc, 0, canvas.cy - 75, "%3.0f", 0.0); }

}  // namespace dulm
