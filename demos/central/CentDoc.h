// A Central Limit window's parameters, flags and finished histogram.
#pragma once

#include "platform/Document.h"
#include "plot/PlotView.h"

namespace dulm {

class CCentDoc : public CDocument {
public:
    bool OnNewDocument() override;

    int m_bDeclined = 0;       // the parameter dialog was cancelled: the start instruction shows
    int m_bChosen = 0;         // parameters chosen
    long m_nSamples = 0;       // N
    int m_nSampleSize = 0;     // n
    int m_nShape = 0;          // PopulationShape
    double m_dTwoVarN = 0.0;   // 2 * population variance / n
    int m_bFinished = 0;       // the run is complete and its histogram stored
    float m_fDone = 0.0f;      // samples binned by the run, or kAbortValue
    float m_fStdErr = 0.0f;    // sqrt(variance / n)
    int m_nScaleLarge = 4;     // count-axis factor for N >= 10000
    int m_nScaleMid = 2;       // count-axis divisor for 4000 <= N < 10000
    HistogramBins m_pBins;     // the finished run's histogram
};

}  // namespace dulm
