// The four populations on [-5, 5] that the sampling demonstrations draw from: their samplers,
// moments, pictures and the small "Population" panel at the top right of a picture.
#pragma once

#include "app/MainFrame.h"
#include "platform/Dc.h"

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

    // The single-precision sum of n observations, added in the order drawn; the shape is looked
    // at once per sample, not once per value, which is what a run without pauses costs.
    float SumOfSample(int n) {
        switch (m_shape) {
        case PopulationShape::VShaped: return Sum(n, [this] { return SampleVShaped(); });
        case PopulationShape::Triangular: return Sum(n, [this] { return SampleTriangular(); });
        case PopulationShape::Normal: return Sum(n, [this] { return SampleNormal(); });
        case PopulationShape::Uniform: break;
        }
        return Sum(n, [this] { return SampleUniform(); });
    }

    float SampleUniform() const;
    double SampleVShaped() const;
    double SampleTriangular() const;
    // The polar method: each accepted pair gives two deviates; the second is kept for the next call.
    double SampleNormal();

private:
    template <class Draw>
    static float Sum(int n, Draw draw) {
        float sum = 0.0f;
        for (int i = 0; i < n; ++i) sum += static_cast<float>(draw());
        return sum;
    }

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
