#include "demos/regression/RegrDoc.h"

#include <cmath>

#include "platform/Clock.h"
#include "platform/Rand.h"

namespace dulm {

namespace {

struct Spread {
    double sd;
    double mean;
};

// The population standard deviation (divisor 5) and the mean.
Spread PopulationSpread(const std::array<double, kRegrPoints>& v) {
    double sum = 0.0;
    double sumSq = 0.0;
    for (double x : v) {
        sum += x;
        sumSq += x * x;
    }
    const double mean = sum / 5.0;
    return {std::sqrt(sumSq / 5.0 - mean * mean), mean};
}

double Uniform() { return rand() / 32767.0; }

}  // namespace

// Five draws, each placing one point in its own band: a near 0, b low, c anywhere in -2 to 2,
// d high, e near 0.
bool CRegrDoc::OnNewDocument() {
    if (!CDocument::OnNewDocument()) return false;
    srand(static_cast<unsigned>((time(nullptr) & 0xFF) * 255));
    m_y[4] = Uniform() - 0.5;
    m_y[2] = -2.0 - Uniform();
    m_y[0] = 4.0 * Uniform() - 2.0;
    m_y[1] = Uniform() + 2.0;
    m_y[3] = 0.5 - Uniform();
    m_sdX = PopulationSpread(m_x).sd;
    const Spread y = PopulationSpread(m_y);
    m_sdY = y.sd;
    m_meanY = y.mean;
    m_bFresh = 1;
    m_bUserLine = 1;
    return true;
}

}  // namespace dulm
