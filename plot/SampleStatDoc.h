// The document of a sampling-statistic demonstration: its parameters, flags and finished histogram.
#pragma once

#include "app/DemoView.h"
#include "plot/PlotView.h"

namespace dulm {

class CSampleStatDoc : public CDemoDoc {
public:
    // The count-axis factors this demonstration starts every document with.
    CSampleStatDoc(int scaleLarge, int scaleMid) : m_nScaleLarge(scaleLarge), m_nScaleMid(scaleMid),
        m_nDefaultScaleLarge(scaleLarge), m_nDefaultScaleMid(scaleMid) {}
    bool OnNewDocument() override;

    long m_nSamples = 0;     // N
    int m_nSampleSize = 0;   // n
    int m_nShape = 0;        // PopulationShape
    int m_bFinished = 0;     // the run is over and its histogram stored
    float m_fDone = 0.0f;    // statistics binned by the run
    int m_nScaleLarge;       // count-axis maximum per thousand samples, from 10000 on
    int m_nScaleMid;         // divisor of the count axis's middle rule
    HistogramBins m_bins;    // the finished run's histogram

private:
    const int m_nDefaultScaleLarge;
    const int m_nDefaultScaleMid;
};

}  // namespace dulm
