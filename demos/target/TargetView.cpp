#include "demos/target/TargetView.h"

#include <cstdio>
#include <optional>

#include "platform/Clock.h"
#include "platform/Keys.h"
#include "platform/Rand.h"
#include "platform/Ui.h"
#include "platform/Waits.h"

namespace dulm {

namespace {

constexpr const char* kPracticeTitle = "PRACTICE SESSION";

// Nothing is ever drawn in kNeverDrawn, so the black fill covers the view (or the clip).
void FillBlack(Dc& dc) {
    const SelectGuard<Brush> black(dc, Brush::StockBlack());
    dc.FloodFill(100, 100, kNeverDrawn);
}

}  // namespace

// Menus and the window's close box get no clicks while the experiment holds the mouse: the
// status bar says how to get out meanwhile.
MouseCapture::MouseCapture(CView& view) : m_view(view) {
    CurrentUi().SetCapture(true);
    m_view.SetStatusText(kCaptureStatus);
}

MouseCapture::~MouseCapture() {
    m_view.SetStatusText({});
    CurrentUi().SetCapture(false);
}

ExperimentPaint::ExperimentPaint(Dc& dc) : m_font(dc, Font::SystemFixed()), m_brush(dc, Brush::StockBlack()) {
    dc.SetBkColor(kBlack);
    dc.SetBkMode(BkMode::Transparent);
    dc.SetTextColor(kLightGrey);
    dc.FloodFill(100, 100, kNeverDrawn);
}

void CTargetView::OnKeyUp(unsigned /*nChar*/, unsigned /*nRepCnt*/, unsigned nFlags) {
    if (IsEscScan(nFlags)) m_bAbort = 1;
}

void CTargetView::OnLButtonDown(unsigned /*nFlags*/, Point point) {
    m_click = GetDC().DPtoLP(point);
    m_bClicked = 1;
}

void CTargetView::Show(Dc& dc, int y, std::string_view text) const {
    dc.SetTextColor(kLightGrey);
    dc.TextOut(0, y, text);
}

void CTargetView::Hide(Dc& dc, int y, std::string_view text) const {
    const DcStateSaver keep(dc);
    dc.SetTextColor(kBlack);
    dc.TextOut(0, y, text);
}

void CTargetView::ShowAndWait(Dc& dc, int y, std::string_view text) const {
    Show(dc, y, text);
    WaitKeyUp();
    Hide(dc, y, text);
}

bool CTargetView::WantsPractice() {
    return AfxMessageBox("Do you need a practice session? (Novices should answer Yes.)", MB_YESNO) == IDYES;
}

bool CTargetView::RunPracticeAndData(Dc& dc, bool practise, std::span<const TargetCell> cells,
                                     std::int16_t size, std::span<const int> passMarks, const char* readyText) {
    while (practise) {
        Show(dc, 0, kPracticeTitle);
        RunSession(dc, cells, size);
        if (m_bAbort) return false;
        if (PassesPractice(std::span(m_totals).first(cells.size()), passMarks)) {
            if (readyText) ShowAndWait(dc, m_layout.promptY, readyText);
            ErasePractice(dc, cells);
            break;
        }
        ShowAndWait(dc, m_layout.promptY, "You need more practise.  Hit any key.");
        ErasePractice(dc, cells);
        practise = AfxMessageBox("Do you want another practice session?", MB_YESNO) == IDYES;
    }
    ShowAndWait(dc, 0, "Hit any key when ready for DATA SESSION.");
    RunSession(dc, cells, size);
    return !m_bAbort;
}

void CTargetView::SetupSession() {
    m_units = TargetUnits::For(ReferenceCanvas());
    srand(static_cast<unsigned>((time(nullptr) & 0xFF) * 255));
}

// Eight rounds of one trial per cell, in the cells' order; then the score lines.
void CTargetView::RunSession(Dc& dc, std::span<const TargetCell> cells, std::int16_t size) {
    SetupSession();
    m_totals.fill(0);
    {
        const long trials = kTrialsPerCell * long(cells.size());
        RunStatus status(*this, "Click the target, Esc stop after this trial, Ctrl+F4 close the window, F1 help",
                         "trial", trials);
        for (int i = 0; i < kTrialsPerCell; ++i) {
            for (size_t c = 0; c < cells.size(); ++c) {
                status.Progress(i * long(cells.size()) + long(c) + 1);
                const int score = RunTrial(dc, cells[c].speed, size, cells[c].divisor);
                if (m_bAbort) return;
                m_scores[c][size_t(i)] = score;
                m_totals[c] += score;
            }
        }
    }
    const int y = m_layout.rowStep;
    DrawScoreLines(dc, y, cells);
    ShowAndWait(dc, y + int(cells.size()) * m_layout.rowStep, "Hit any key.");
}

// One target, from off the left edge across the visible part of the width, until it is clicked or
// has left that part; returns the points scored.
int CTargetView::RunTrial(Dc& dc, std::int16_t speed, std::int16_t size, int divisor) {
    const int dx = speed * m_units.us;
    const Size half{size * m_units.uw, size * m_units.uh};
    const int vy = DrawDrift(DriftBound(dx, ReferenceCanvas()));
    const int visible = W() / divisor;
    const bool part = visible < W();

    const SelectGuard<Pen> entryPen(dc, m_pFrame->m_penGrey);  // the trial's first pen comes back at its end
    if (part) {  // the grey line that marks off the visible part
        dc.MoveTo(visible, 0);
        dc.LineTo(visible, H());
    }
    int score = 0;
    {
        const DcStateSaver keep(dc);  // the clip goes with the scope
        dc.SelectClipRgn(part ? std::optional(Rect{0, 0, visible - 2, H()}) : std::nullopt);
        const SelectGuard<Pen> light(dc, m_pFrame->m_penLightGrey);
        if (m_layout.twoLinePrompt) {
            Show(dc, m_layout.promptY, "Hit any key");
            Show(dc, m_layout.promptY + 24, "  when ready.");
            WaitKeyUp();
            Hide(dc, m_layout.promptY, "Hit any key");
            Hide(dc, m_layout.promptY + 24, "  when ready.");
        } else {
            ShowAndWait(dc, m_layout.promptY, "Hit any key when ready.");
        }

        Point centre{-3 * half.cx, m_units.centreY};
        Describe(part ? "A target flies in from the left across the marked-off left part of the screen"
                      : "A target flies in from the left across the screen");
        {
            const SelectGuard<Brush> hollow(dc, Brush::Hollow());
            m_bClicked = 0;
            DrawTarget(dc, centre, half, m_pFrame->m_penLightGrey);
            for (;;) {
                WaitTimerOrClick(kTickMs);
                if (m_bClicked) break;
                DrawTarget(dc, centre, half, m_pFrame->m_penBlack);
                centre.x += dx;
                centre.y += vy;  // no vertical limit: a target may drift off the top or bottom
                DrawTarget(dc, centre, half, m_pFrame->m_penLightGrey);
                if (centre.x >= visible + 3 * half.cx) break;
            }
            if (m_bClicked) {
                score = ScoreOf(m_click, centre, half);
                DrawTarget(dc, centre, half, m_pFrame->m_penBlack);
            }
        }
        FillBlack(dc);  // wipes the target and all text (under a clip, the visible strip only)
        Describe({});
        char text[32];
        std::snprintf(text, sizeof text, "%hd points. ", static_cast<short>(score));
        ShowAndWait(dc, m_layout.promptY, text);
        dc.MoveTo(0, 0);
    }
    if (part) {
        const SelectGuard<Pen> black(dc, m_pFrame->m_penBlack);
        dc.MoveTo(visible, 0);
        dc.LineTo(visible, H());
    }
    return score;
}

// Three nested rectangles around the centre, k times the half-sizes for k = 1, 2, 3.
void CTargetView::DrawTarget(Dc& dc, Point centre, Size half, const Pen& pen) const {
    const SelectGuard<Pen> keep(dc, pen);
    for (int k = 1; k <= 3; ++k)
        dc.Rectangle(centre.x - k * half.cx, centre.y - k * half.cy, centre.x + k * half.cx + 1,
                     centre.y + k * half.cy + 1);
}

void CTargetView::ErasePractice(Dc& dc, std::span<const TargetCell> cells) {
    const DcStateSaver keep(dc);
    dc.SetTextColor(kBlack);
    dc.TextOut(0, 0, kPracticeTitle);
    for (size_t c = 0; c < cells.size(); ++c)
        dc.TextOut(0, m_layout.rowStep * int(c + 1), CellLine(cells[c], "scores", m_scores[c], m_totals[c]));
}

void CTargetView::DrawScoreLines(Dc& dc, int y, std::span<const TargetCell> cells) const {
    for (size_t c = 0; c < cells.size(); ++c)
        Show(dc, y + m_layout.rowStep * int(c), CellLine(cells[c], "scores", m_scores[c], m_totals[c]));
}

void CTargetView::DrawSquaresLines(Dc& dc, int y, std::span<const TargetCell> cells) const {
    for (size_t c = 0; c < cells.size(); ++c)
        Show(dc, y + m_layout.rowStep * int(c), CellLine(cells[c], "squares", m_scores[c], m_sumSquares[c]));
}

void CTargetView::SquareScores(int cells) {
    for (int c = 0; c < cells; ++c) {
        m_sumSquares[size_t(c)] = 0;
        for (int& score : m_scores[size_t(c)]) {
            score *= score;
            m_sumSquares[size_t(c)] += score;
        }
    }
}

// "Slow scores =  " through "%s", each value with "%hd  ", then the gap and "Total = %hd".
std::string CTargetView::CellLine(const TargetCell& cell, const char* what,
                                  const std::array<int, kTrialsPerCell>& values, int total) const {
    char text[64];
    std::snprintf(text, sizeof text, "%s %s =  ", cell.name, what);
    std::string line = text;
    for (int v : values) {
        std::snprintf(text, sizeof text, "%hd  ", static_cast<short>(v));
        line += text;
    }
    std::snprintf(text, sizeof text, "%sTotal = %hd", m_layout.totalGap, static_cast<short>(total));
    return line + text;
}

}  // namespace dulm
