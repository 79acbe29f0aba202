// A Sample Variance window's flags, parameters and finished histogram. The finished flag comes
// first and the declined flag second, as in the Complete Means document.
#pragma once

#include "platform/Document.h"
#include "plot/PlotView.h"

namespace dulm {

class CVariDoc : public CDocument {
public:
    bool OnNewDocument() override;

    int m_bFinished = 0;     // the run is over and its histogram stored
    int m_bDeclined = 0;     // the parameter dialog was cancelled: the start instruction shows
    int m_bChosen = 0;       // parameters chosen
    long m_nSamples = 0;     // N
    int m_nSampleSize = 0;   // n
    int m_nShape = 0;        // PopulationShape
    float m_fDone = 0.0f;    // variances binned by the run
    int m_nScaleLarge = 10;  // count-axis maximum per thousand samples
    HistogramBins m_pBins;   // the finished run's histogram
};

}  // namespace dulm
