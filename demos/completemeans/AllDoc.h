// A Complete Means window's parameters, flags and finished histogram.
#pragma once

#include "app/DemoView.h"
#include "plot/PlotView.h"

namespace dulm {

class CAllDoc : public CDemoDoc {
public:
    bool OnNewDocument() override;

    int m_bFinished = 0;    // all samples done and the histogram stored
    int m_nSampleSize = 0;  // n
    int m_nPopSize = 0;     // N
    float m_fDone = 0.0f;   // samples binned, or kAbortValue
    // The histogram, with the width and height of the frame it was built in.
    HistogramBins m_bins;
};

}  // namespace dulm
