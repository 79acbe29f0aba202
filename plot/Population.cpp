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

namespace {

// One accepted pair of the polar method: u1 and u2 from two values of the generator in turn,
// rejected while s = u1^2 + u2^2 passes 1 (it is never 0: 2r/R - 1 is not 0 for any integer r).
// The first deviate as the sampler returns it, the second as it is cached.
struct PolarPair {
    double first;
    float second;
};

// nextU gives u = 2r/R - 1 in single precision for the generator's next value r.
template <class NextU>
PolarPair DrawPolarPair(NextU nextU) {
    float u1 = 0.0f;
    float u2 = 0.0f;
    float s = 0.0f;
    do {
        u1 = nextU();
        u2 = nextU();
        s = u1 * u1 + u2 * u2;
    } while (s > 1.0f);
    const double f = std::sqrt(-2.0 * std::log(s) / s);
    return {u1 * f, static_cast<float>(u2 * f)};
}

float PolarU(int r, double R) { return static_cast<float>(2.0 * r / R - 1.0); }

template <class Value>
float SumOf(int n, Value value) {
    float sum = 0.0f;
    for (int i = 0; i < n; ++i) sum += static_cast<float>(value());
    return sum;
}

}  // namespace

double PopulationSampler::SampleNormal() {
    if (m_bNormalCached) {
        m_bNormalCached = false;
        return m_fNormalCache;
    }
    const PolarPair pair = DrawPolarPair([this] { return PolarU(rand(), m_dR); });
    m_fNormalCache = pair.second;
    m_bNormalCached = true;
    return pair.first;
}

float PopulationSampler::SumOfSample(int n) {
    RandRun gen;
    const double R = m_dR;
    switch (m_shape) {
    case PopulationShape::VShaped: return SumOf(n, [&] { return VShaped(gen.Next(), R); });
    case PopulationShape::Triangular: return SumOf(n, [&] { return Triangular(gen.Next(), R); });
    case PopulationShape::Normal: return SumOfNormals(n, [&] { return PolarU(gen.Next(), R); });
    case PopulationShape::Uniform: break;
    }
    const float fR = m_fR;
    return SumOf(n, [&] { return Uniform(gen.Next(), fR); });
}

// Whole pairs while two or more values are wanted; a cached deviate comes first, and the second
// deviate of a last pair of which only the first is wanted is cached.
template <class NextU>
float PopulationSampler::SumOfNormals(int n, NextU nextU) {
    float sum = 0.0f;
    int i = 0;
    if (n > 0 && m_bNormalCached) {
        m_bNormalCached = false;
        sum += m_fNormalCache;
        i = 1;
    }
    for (; i + 1 < n; i += 2) {
        const PolarPair pair = DrawPolarPair(nextU);
        sum += static_cast<float>(pair.first);
        sum += pair.second;
    }
    if (i < n) {
        const PolarPair pair = DrawPolarPair(nextU);
        sum += static_cast<float>(pair.first);
        m_fNormalCache = pair.second;
        m_bNormalCached = true;
    }
    return sum;
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
