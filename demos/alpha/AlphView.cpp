#include "demos/alpha/AlphView.h"

#include <cmath>
#include <cstdio>
#include <numbers>

#include "app/DemoData.h"
#include "app/ViewConventions.h"
#include "demos/alpha/AlphDlg.h"
#include "demos/hypothesis/DensityPicture.h"

namespace dulm {

namespace {

constexpr float kSqrtTwoPi = 2.50662827f;

double NormalDensity(float x) { return std::exp(-0.5 * x * x) / kSqrtTwoPi; }
// Student's t with 3 degrees of freedom.
double StudentDensity(float x) { return std::pow(x * x / 3.0 + 1, -2.0) / (std::numbers::pi * std::sqrt(0.75)); }
// Chi-square with 4 degrees of freedom.
double ChiSquareDensity(float x) { return x < 0.0001f ? 0.0 : x * std::exp(-0.5 * x) * 0.25; }

struct Distribution {
    const char* name;
    double (*density)(float);
    float centre;        // the x axis runs from centre - 6 to centre + 6
    const char* symbol;  // of the statistic, in the critical-value line
    float oneTailed;     // critical values for alpha = 0.05
    float twoTailed;     // 0: always one-tailed
};

constexpr Distribution kDistributions[] = {
    {"Normal", NormalDensity, 0.0f, "z", 1.645f, 1.96f},
    {"Student's (df=3)", StudentDensity, 0.0f, "t", 2.353f, 3.182f},
    {"ChiSquare (df=4)", ChiSquareDensity, 6.0f, "chi", 9.49f, 0.0f},
};

// The area beyond x in the upper tail of each distribution.
double UpperArea(int nDist, double x) {
    if (nDist == 1) {  // Student's t, df 3
        const double r = x / std::sqrt(3.0);
        return 0.5 - (r / (1.0 + r * r) + std::atan(r)) / std::numbers::pi;
    }
    if (nDist == 2) return std::exp(-x / 2.0) * (1.0 + x / 2.0);  // chi-square, df 4
    return 0.5 * std::erfc(x / std::numbers::sqrt2);
}

// Any choice but Student's and chi-square is the normal.
const Distribution& DistributionOf(int nDist) { return kDistributions[nDist == 1 || nDist == 2 ? nDist : 0]; }

}  // namespace

CAlphView::CAlphView() : CDemoView(DemoStartup(kIllustrationInstruction, kBlack)) {}

CAlphDoc& CAlphView::Doc() const { return static_cast<CAlphDoc&>(*GetDocument()); }

bool CAlphView::ChooseParameters() {
    CAlphDlg dlg;
    if (dlg.DoModal() != IDOK) return false;
    Doc().m_nTails = dlg.m_nTails;
    Doc().m_nDist = dlg.m_nDist;
    return true;
}

// The same picture at every paint: the density in light grey, the area under it closed, the
// rejection region shaded and the critical value printed beside it.
void CAlphView::OnDraw(Dc& dc) {
    if (!OpenPaint(dc)) return;
    const CAlphDoc& doc = Doc();
    const Distribution& d = DistributionOf(doc.m_nDist);
    const bool twoTailed = doc.m_nTails == 1 && d.twoTailed != 0.0f;

    const auto font = SelectScaledFont(dc, *m_pFrame);
    DensityPicture picture(dc, ReferenceCanvas(), d.centre - 6.0f, d.centre + 6.0f, 0.4f);
    picture.DrawLabels(d.name, d.centre, 2.0f);
    const CurveEnds curve = picture.Plot(d.density, kLightGrey);
    picture.CloseUnder(curve);

    const SelectGuard<Brush> brush(dc, Brush::Solid(kLightGrey));
    const float crit = twoTailed ? d.twoTailed : d.oneTailed;
    const int y = picture.Y(d.density(crit));  // the densities are symmetric about 0 where there are two tails
    picture.FillTail({picture.X(crit), y}, curve.last, kLightGrey);
    if (twoTailed) picture.FillTail({picture.X(-crit), y}, curve.first, kLightGrey);

    const int x = 2 * (W() - 16) / 3;
    using Away = DensityPicture::Away;
    picture.PutText({x, (H() - 40) / 3}, twoTailed ? "alpha = 0.05  ...  two-tailed" : "alpha = 0.05  ...  one-tailed",
                    Away::Down);
    char text[64];
    std::snprintf(text, sizeof text, "%s = %1.2f", d.symbol, static_cast<double>(crit));
    picture.PutText({x, (H() - 40) / 2}, text, Away::Down);

    char line[160];
    if (twoTailed)
        std::snprintf(line, sizeof line, "%s density curve, the rejection region shaded below %g and above %g",
                      d.name, -static_cast<double>(crit), static_cast<double>(crit));
    else
        std::snprintf(line, sizeof line, "%s density curve, the rejection region shaded above %g", d.name,
                      static_cast<double>(crit));
    Describe(line);
}

void CAlphView::ExportData(DemoData& data) const {
    const CAlphDoc& doc = Doc();
    if (!doc.m_bChosen) return;
    const int nDist = doc.m_nDist == 1 || doc.m_nDist == 2 ? doc.m_nDist : 0;
    const Distribution& d = DistributionOf(nDist);
    const bool twoTailed = doc.m_nTails == 1 && d.twoTailed != 0.0f;
    data.Parameter("Distribution", d.name);
    data.Parameter("Tails", twoTailed ? "two-tailed" : "one-tailed");
    data.Parameter("alpha", "0.05");
    const float crit = twoTailed ? d.twoTailed : d.oneTailed;
    data.Table({"Rejection region", "Critical value", "Area"});
    const double area = UpperArea(nDist, crit);
    if (twoTailed) data.Row({"lower tail", DemoData::Number(-crit), DemoData::Number(area)});
    data.Row({"upper tail", DemoData::Number(crit), DemoData::Number(area)});
}

}  // namespace dulm
