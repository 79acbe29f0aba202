// The four populations on [-5, 5] that the sampling demonstrations draw from: their samplers,
// moments, pictures and the small "Population" panel at the top right of a picture.
#pragma once

#include <cmath>

#include "app/MainFrame.h"
#include "platform/Dc.h"
#include "platform/Rand.h"

namespace dulm {

class CPlotView;

// The radio index of the parameter dialogs (controls 1003 to 1006).
enum class PopulationShape { Uniform = 0, VShaped = 1, Triangular = 2, Normal = 3 };

// The shape of a stored radio index; anything out of range is taken as Uniform.
PopulationShape ShapeFromIndex(int index);

const char* PopulationName(PopulationShape shape);
float PopulationMean(PopulationShape shape);
double PopulationVariance(PopulationShape shape);
// The silhouette drawn in the panel, for x in [-5, 5] and heights 0 to 10.
double PopulationPicture(PopulationShape shape, float x);

// Draws observations of one shape with the program's generator. Each view keeps its own, so
// that the cached second Normal deviate of one window never reaches another.
class PopulationSampler {
public:
    // Chooses the shape and sets R, as every run does at its start. The Normal cache survives.
    void Start(PopulationShape shape);
    PopulationShape Shape() const { return m_shape; }

    // One observation of the chosen shape.
    double Sample() {
        switch (m_shape) {
        case PopulationShape::VShaped: return SampleVShaped();
        case PopulationShape::Triangular: return SampleTriangular();
        case PopulationShape::Normal: return SampleNormal();
        case PopulationShape::Uniform: break;
        }
        return SampleUniform();
    }

    // The single-precision sum of n observations, added in the order drawn: the same values, the
    // same sum and the same generator state afterwards as n calls of Sample(). The shape is looked
    // at once per sample and the generator's state is read and written back once per sample,
    // which is what a run without pauses costs.
    float SumOfSample(int n);

    float SampleUniform() const { return Uniform(rand(), m_fR); }
    double SampleVShaped() const { return VShaped(rand(), m_dR); }
    double SampleTriangular() const { return Triangular(rand(), m_dR); }
    // The polar method: each accepted pair gives two deviates; the second is kept for the next call.
    double SampleNormal();

private:
    template <class NextU>
    float SumOfNormals(int n, NextU nextU);

    // The observations for a value r of the generator.
    static float Uniform(int r, float R) { return (static_cast<float>(r) * 100.0f / R - 50.0f) * 0.1f; }
    // Density proportional to abs(x): the square root of a uniform [0, 25] on each side, that is
    // sqrt(t - 25) from t = 25 on and -sqrt(25 - t) below. 25 - t is exactly -(t - 25), so the
    // sign is put on without a branch, which a 50:50 draw would mispredict half the time.
    static double VShaped(int r, double R) {
        const double d = r * 50.0 / R - 25.0;
        return std::copysign(std::sqrt(std::fabs(d)), d);
    }
    static double Triangular(int r, double R) { return std::sqrt(r * 100.0 / R) - 5.0; }

    PopulationShape m_shape = PopulationShape::Uniform;
    float m_fR = 32767.0f;   // the largest value of rand()
    double m_dR = 32767.0;
    bool m_bNormalCached = false;
    float m_fNormalCache = 0.0f;
};

// The panel: name, "Population", axis labels in the current text colour (which it leaves black),
// and the shape as a solid blue silhouette. Leaves the view's plot frame on the panel.
void DrawPopulationPanel(CPlotView& view, Dc& dc, PopulationShape shape, const CMainFrame& frame);

}  // namespace dulm
