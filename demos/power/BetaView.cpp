#include "demos/power/BetaView.h"

#include <cmath>
#include <cstdio>

#include "app/DemoData.h"
#include "app/ViewConventions.h"
#include "demos/hypothesis/DensityPicture.h"
#include "demos/power/BetaDlg.h"
#include "plot/AxisLabels.h"

namespace dulm {

namespace {

constexpr float kSqrtTwoPi = 2.50662827f;

// The normal density of the mean about a centre, in single precision: exp(-(x - centre)^2 / a) / c
// with a = 2 sd^2 and c = sqrt(2 pi) sd, so that its peak is exactly 1 / c.
struct MeanDensity {
    float centre;
    float a;
    float c;
    double operator()(float x) const {
        const float d = x - centre;
        return std::exp(-(d * d) / a) / c;
    }
};

}  // namespace

CBetaView::CBetaView() : CDemoView(DemoStartup(kIllustrationInstruction, kBlack)) {}

CBetaDoc& CBetaView::Doc() const { return static_cast<CBetaDoc&>(*GetDocument()); }

bool CBetaView::ChooseParameters() {
    CBetaDlg dlg;
    if (dlg.DoModal() != IDOK) return false;
    Doc().m_fSampleSize = dlg.m_fSampleSize;
    return true;
}

// The same picture at every paint: the axis runs from -9 to 9 standard errors; the alternatives'
// tails beyond -1.645 and +1.645 standard errors are hatched in their own colours.
void CBetaView::OnDraw(Dc& dc) {
    if (!OpenPaint(dc)) return;
    const float sd = 1.0f / std::sqrt(Doc().m_fSampleSize);
    const float c = kSqrtTwoPi * sd;
    const float ymax = 1.0f / c;
    const float a = 2.0f * sd * sd;
    const float crit = 1.645f * sd;

    const auto font = SelectScaledFont(dc, *m_pFrame);
    DensityPicture picture(dc, ReferenceCanvas(), -9.0f * sd, 9.0f * sd, ymax);
    picture.DrawLabels("Normal", 0.0f, 3.0f * sd);
    const MeanDensity null{0.0f, a, c}, upper{1.0f, a, c}, lower{-1.0f, a, c};
    picture.Plot(null, kLightGrey);
    const CurveEnds upperCurve = picture.Plot(upper, kGreen);
    const CurveEnds lowerCurve = picture.Plot(lower, kBlue);

    const int y = picture.Y(upper(crit));  // the lower alternative is as high at -crit
    {
        const SelectGuard<Brush> hatch(dc, Brush::Hatch(HatchStyle::BDiagonal, kBlue));
        picture.FillTail({picture.X(-crit), y}, lowerCurve.first, kBlue);
    }
    {
        const SelectGuard<Brush> hatch(dc, Brush::Hatch(HatchStyle::FDiagonal, kGreen));
        picture.FillTail({picture.X(crit), y}, upperCurve.last, kGreen);
    }

    const int x = 13 * (W() - 16) / 16;
    const int y0 = (H() - 40) / 5;
    using Away = DensityPicture::Away;
    char text[64];
    std::snprintf(text, sizeof text, "sd = %1.2f", static_cast<double>(sd));
    picture.PutText({x, y0}, text, Away::Down);
    picture.PutText({x, y0 + 30}, "alpha = 0.05", Away::Down);
    std::snprintf(text, sizeof text, "crit. value = %1.2f", static_cast<double>(crit));
    picture.PutText({x, y0 + 60}, text, Away::Down);

    char line[200];
    std::snprintf(line, sizeof line,
                  "Normal curves of the mean under the null hypothesis (0, grey) and the alternatives -1 (blue, "
                  "hatched below %.4g) and 1 (green, hatched above %.4g)",
                  -static_cast<double>(crit), static_cast<double>(crit));
    Describe(line);
}

void CBetaView::ExportData(DemoData& data) const {
    const CBetaDoc& doc = Doc();
    if (!doc.m_bChosen) return;
    const float sd = 1.0f / std::sqrt(doc.m_fSampleSize);
    const float crit = 1.645f * sd;
    data.Parameter("Sample size", DemoData::Number(doc.m_fSampleSize));
    data.Parameter("sd", DemoData::Number(sd));
    data.Parameter("alpha", "0.05");
    // The area of a normal curve of this mean beyond x, above or below it.
    const auto beyond = [&](double mean, double x, bool above) {
        const double z = (x - mean) / sd;
        return 0.5 * std::erfc((above ? z : -z) / std::sqrt(2.0));
    };
    data.Table({"Curve", "Mean", "Region", "Critical value", "Area"});
    data.Row({"null", "0", "above", DemoData::Number(crit), DemoData::Number(beyond(0.0, crit, true))});
    data.Row({"null", "0", "below", DemoData::Number(-crit), DemoData::Number(beyond(0.0, -crit, false))});
    data.Row({"upper alternative", "1", "above", DemoData::Number(crit), DemoData::Number(beyond(1.0, crit, true))});
    data.Row({"lower alternative", "-1", "below", DemoData::Number(-crit), DemoData::Number(beyond(-1.0, -crit, false))});
}

}  // namespace dulm
