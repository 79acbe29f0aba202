#include "plot/Population.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "platform/Rand.h"
#include "plot/PlotView.h"

namespace dulm {

namespace {

// The Normal picture is a bell with standard deviation 5/3, scaled to fill the panel like the others.
constexpr double kTwoSigmaSquared = 5.555555555555555;   // 2 * (5/3)^2 = 50/9
constexpr double kSigmaRootTwoPi = 4.1777137910516675;   // (5/3) * sqrt(2 pi)

}  // namespace

PopulationShape ShapeFromIndex(int index) {
    return index >= 0 && index <= 3 ? static_cast<PopulationShape>(index) : PopulationShape::Uniform;
}

const char* PopulationName(PopulationShape shape) {
    switch (shape) {
    case PopulationShape::VShaped: return "V-shaped";
    case PopulationShape::Triangular: return "Triangular";
    case PopulationShape::Normal: return "Normal";
    case PopulationShape::Uniform: break;
    }
    return "Uniform";
}

float PopulationMean(PopulationShape shape) {
    return shape == PopulationShape::Triangular ? 5.0f / 3.0f : 0.0f;
}

double PopulationVariance(PopulationShape shape) {
    switch (shape) {
    case PopulationShape::VShaped: return 12.5;
    case PopulationShape::Triangular: return 50.0 / 9.0;
    case PopulationShape::Normal: return 1.0;
    case PopulationShape::Uniform: break;
    }
    return 100.0 / 12.0;
}

double PopulationPicture(PopulationShape shape, float x) {
    switch (shape) {
    case PopulationShape::VShaped: return 2.0 * std::fabs(x);
    case PopulationShape::Triangular: return x + 5.0;
    case PopulationShape::Normal: return 40.0 * std::exp(-(double(x) * x) / kTwoSigmaSquared) / kSigmaRootTwoPi;
    case PopulationShape::Uniform: break;
    }
    return 10.0;
}

void PopulationSampler::Start(PopulationShape shape) {
    m_shape = shape;
    m_fR = 32767.0f;
    m_dR = 32767.0;
}

float PopulationSampler::SampleUniform() const {
    return (static_cast<float>(rand()) * 100.0f / m_fR - 50.0f) * 0.1f;
}

// Density proportional to abs(x): the square root of a uniform [0, 25] on each side.
double PopulationSampler::SampleVShaped() const {
    const double t = rand() * 50.0 / m_dR;
    return t >= 25.0 ? std::sqrt(t - 25.0) : -std::sqrt(25.0 - t);
}

double PopulationSampler::SampleTriangular() const { return std::sqrt(rand() * 100.0 / m_dR) - 5.0; }

double PopulationSampler::SampleNormal() {
    if (m_bNormalCached) {
        m_bNormalCached = false;
        return m_fNormalCache;
    }
    float u1 = 0.0f;
    float u2 = 0.0f;
    float s = 0.0f;
    do {
        u1 = static_cast<float>(2.0 * rand() / m_dR - 1.0);
        u2 = static_cast<float>(2.0 * rand() / m_dR - 1.0);
        s = u1 * u1 + u2 * u2;
    } while (s > 1.0f);  // never 0: 2r/R - 1 is not 0 for any integer r
    const double f = std::sqrt(-2.0 * std::log(s) / s);
    m_fNormalCache = static_cast<float>(u2 * f);
    m_bNormalCached = true;
    return u1 * f;
}

namespace {

void TextAt(Dc& dc, int x, int y, const char* format, double value) {
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    dc.TextOut(x, y, text);
}

}  // namespace

void DrawPopulationPanel(CPlotView& view, Dc& dc, PopulationShape shape, const CMainFrame& frame) {
    const auto W = static_cast<std::int16_t>(frame.m_cxClient);
    const auto H = static_cast<std::int16_t>(frame.m_cyClient);
    const int L = 3 * W / 4 + 64;
    const int R = W - 16;
    const int T = 30;
    const int B = (H - 1) / 2 - 80;

    const char* name = PopulationName(shape);
    const int length = static_cast<int>(std::strlen(name));
    const int indent = length < 10 ? (10 - length) * 8 / 2 : 0;
    dc.TextOut(L + indent + 12, 0, name);
    dc.TextOut(L + 12, 17, "Population");

    TextAt(dc, L - 28, T - 5, "%2.0f", 10.0);
    TextAt(dc, L - 28, (B + T - 10) / 2, "%2.0f", 10.0 * 0.5);
    TextAt(dc, L - 28, B - 5, "%2.0f", 0.0);
    TextAt(dc, L - 8, B + 12, "%.0f", -5.0);
    dc.TextOut((L + R) / 2 - 4, B + 12, "0");
    TextAt(dc, R - 4, B + 12, "%.0f", 5.0);
    dc.SetTextColor(kBlack);

    view.SetPlotRect({L, T + 10, R, B});
    const SelectGuard<Pen> pen(dc, frame.m_penBlue);
    view.PlotCurve(dc, kBlack, W, H, -5.0f, 5.0f, 0.0f, 10.0f,
                   [shape](float x) { return PopulationPicture(shape, x); }, true);
}

}  // namespace dulm
