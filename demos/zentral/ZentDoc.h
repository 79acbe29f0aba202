// A Zentral Limit window's parameters, flags and finished histogram.
#pragma once

#include "platform/Document.h"
#include "plot/PlotView.h"

namespace dulm {

class CZentDoc : public CDocument {
public:
    bool OnNewDocument() override;

    int m_bDeclined = 0;     // the parameter dialog was cancelled: the start instruction shows
    int m_bChosen = 0;       // parameters chosen
    long m_nSamples = 0;     // N
    int m_nSampleSize = 0;   // n
    int m_nShape = 0;        // PopulationShape
    int m_bFinished = 0;     // the run is over and its histogram stored
    float m_fDone = 0.0f;    // z scores binned by the run
    int m_nScaleLarge = 4;   // count-axis maximum per thousand samples, from 10000 on
    int m_nScaleMid = 2;     // divisor of the count axis for 4000 <= N < 10000
    HistogramBins m_pBins;   // the finished run's histogram
};

}  // namespace dulm
