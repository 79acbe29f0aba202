#include "demos/spinner/SpinView.h"

#include <cmath>

#include "platform/Clock.h"
#include "platform/Rand.h"
#include "platform/Waits.h"

namespace dulm {

namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr double kRadiansPerDegree = 0.017453292519943295;
constexpr int kMaxTicks = 60;
constexpr int kTurns = 3;         // full turns before the pointer goes on to its stop
constexpr int kSlowSteps = 120;   // the last steps, each a fifth of a millisecond slower

// The offset of a point at distance r and angle a from the centre, truncated toward zero.
Point Polar(Point centre, double r, double a) {
    return {centre.x + static_cast<int>(r * std::cos(a)), centre.y + static_cast<int>(r * std::sin(a))};
}

}  // namespace

SpinnerScale SpinnerScale::For(int nSectors) {
    SpinnerScale s;
    s.ticks = static_cast<std::int16_t>(nSectors * (kMaxTicks / nSectors));
    s.perSector = static_cast<std::int16_t>(s.ticks / nSectors);
    s.randScale = static_cast<std::int16_t>(32767 / s.ticks);
    s.randLimit = static_cast<std::int16_t>(s.ticks * s.randScale);
    return s;
}

std::optional<int> SpinnerScale::StopOf(std::int16_t result) const {
    if (result >= randLimit) return std::nullopt;
    return result / randScale;
}

void CSpinView::OnInitialUpdate() {
    CDemoView::OnInitialUpdate();
    m_bCancelSpin = 0;
}

bool CSpinView::OnCommandHelp() {
    m_bCancelSpin = 1;
    return false;
}

std::string SpinDescription(char label) {
    return std::string("The spinner's pointer stopped in sector ") + label;
}

int CSpinView::DrawSpinner(Dc& dc, Point centre, int radius, int startDeg, int nSectors, std::string_view labels,
                           int labelH, int labelW) {
    srand(static_cast<unsigned>(time(nullptr) % 256 * 255));
    m_centre = centre;
    m_labels = labels;
    const double a0 = startDeg * kRadiansPerDegree;
    m_scale = SpinnerScale::For(nSectors);
    m_perMs = CalibrateDelay();
    m_perMsFifth = m_perMs / 5;

    const int inner = radius - 20;
    const int pointer = inner - 6;
    double a = a0;
    for (int i = 0; i <= m_scale.ticks; ++i) {
        m_tips[size_t(i)] = Polar(centre, pointer, a);
        a += kTwoPi / m_scale.ticks;
    }

    {
        const SelectGuard<Brush> hollow(dc, Brush::Hollow());
        dc.Ellipse(centre.x - inner, centre.y - inner, centre.x + inner, centre.y + inner);
        dc.Ellipse(centre.x - radius, centre.y - radius, centre.x + radius, centre.y + radius);
    }
    const double sector = kTwoPi / nSectors;
    const double labelRadius = (radius + inner) / 2.0;
    const SelectGuard<Pen> light(dc, m_pFrame->m_penLightGrey);
    for (int i = 0; i < nSectors; ++i) {
        const double edge = a0 + i * sector;
        dc.MoveTo(Polar(centre, inner, edge));
        dc.LineTo(Polar(centre, radius, edge));
        dc.SetTextColor(kBlue);
        const Point middle = Polar(centre, labelRadius, edge + sector / 2);
        if (size_t(i) < labels.size())
            dc.TextOut(middle.x - labelW / 2 + 4, middle.y - labelH / 2, labels.substr(size_t(i), 1));
    }
    return 0;
}

void CSpinView::DrawPointer(Dc& dc, Point tip, const Pen& pen) const {
    dc.MoveTo(m_centre);
    dc.SelectObject(pen);
    dc.LineTo(tip);
}

// Three whole turns and on to the stop, each step drawn before its pause: about 1 ms a step, and
// over the last 120 steps a fifth of a millisecond more each, to about 25 ms. No message is
// handled until the pointer rests between its stop and the next, waiting for a key.
int CSpinView::Spin(Dc& dc) {
    std::optional<int> drawn;
    do drawn = m_scale.StopOf(static_cast<std::int16_t>(rand()));
    while (!drawn);
    const int stop = *drawn;
    const int ticks = m_scale.ticks;
    const int last = stop + kTurns * ticks;
    const Pen& grey = m_pFrame->m_penGrey;
    const Pen& light = m_pFrame->m_penLightGrey;
    const SelectGuard<Pen> keep(dc, light);
    Describe("The spinner's pointer is whirling");
    std::int64_t pause = m_perMs;
    for (int j = 0; j <= last; ++j) {
        const int i = j % ticks;
        DrawPointer(dc, m_tips[size_t(i == 0 ? ticks - 1 : i - 1)], grey);
        DrawPointer(dc, m_tips[size_t(i)], light);
        BusyDelay(pause, m_perMs);
        if (j > last - kSlowSteps) pause += m_perMsFifth;
    }

    DrawPointer(dc, m_tips[size_t(stop)], grey);
    const Point tip = m_tips[size_t(stop)];
    const Point next = m_tips[size_t(stop + 1)];
    const Point between{(tip.x + next.x) / 2, (tip.y + next.y) / 2};
    DrawPointer(dc, between, light);
    const size_t sector = size_t(m_scale.SectorOf(stop));
    Describe(SpinDescription(sector < m_labels.size() ? m_labels[sector] : '?'));
    WaitKeyUp();
    DrawPointer(dc, between, grey);

    if (m_bCancelSpin) {
        m_bCancelSpin = 0;
        return kSpinCancelled;
    }
    return m_scale.SectorOf(stop);
}

}  // namespace dulm
