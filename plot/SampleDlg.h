// The parameter dialog of the sampling demonstrations: number of samples, sample size and
// population shape. Each demonstration has its own template, defaults and sample-size range.
#pragma once

#include "platform/Dialog.h"

namespace dulm {

class CSampleDlg : public CDialog {
public:
    CSampleDlg(const DialogTemplate& tmpl, int sampleSize, int shape, int minSize, int maxSize);

    long m_nSamples = 10000;
    int m_nSampleSize;
    int m_nShape;  // PopulationShape

protected:
    void DoDataExchange(CDataExchange& dx) override;

private:
    int m_minSize;
    int m_maxSize;
};

}  // namespace dulm
