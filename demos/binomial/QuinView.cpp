#include "demos/binomial/QuinView.h"

#include <algorithm>
#include <array>

#include "app/DemoData.h"
#include "demos/binomial/ProbLeftDlg.h"
#include "platform/Clock.h"
#include "platform/Keys.h"
#include "platform/Rand.h"

namespace dulm {

namespace {

// One ball enters each tick, so as many are in flight as a ball takes ticks to land.
constexpr int kSlots = 2 * kBinomialBoard.rows + 1;
constexpr std::int16_t kStartDelayMs = 160;

}  // namespace

std::int16_t LeftThreshold(float probLeft) {
    const float p = probLeft >= 1.0f ? 1.0f : probLeft >= 0.0f ? probLeft : 0.0f;  // NaN fails both tests
    return static_cast<std::int16_t>(static_cast<long>(32767 * p + 0.5));
}

CQuinView::CQuinView() : CDemoView(DemoStartup(kBoardStartInstruction, kGrey)) {}

CQuinDoc& CQuinView::Doc() const { return static_cast<CQuinDoc&>(*GetDocument()); }

bool CQuinView::ChooseParameters() {
    CProbLeftDlg dlg;
    if (dlg.DoModal() != IDOK) return false;
    Doc().m_probLeft = dlg.m_probLeft;
    return true;
}

// Esc stops the run after the current tick; a digit d, of the keypad or the top row, makes the
// pause 10 d^2 ms from the next frame on.
void CQuinView::OnKeyUp(unsigned nChar, unsigned /*nRepCnt*/, unsigned nFlags) {
    if (IsEscScan(nFlags)) m_bAbort = 1;
    else if (const std::optional<int> d = DigitOfKey(nChar, nFlags)) m_delayMs = BinomialDelayMs(*d);
}

// A stopped run leaves its window as it was. Otherwise the board, and either the final counts or
// a new run.
void CQuinView::OnDraw(Dc& dc) {
    CQuinDoc& doc = Doc();
    if (doc.m_bAborted) return;
    if (!OpenPaint(dc)) return;
    const SelectGuard<Font> font(dc, m_pFrame->m_font12);
    const Board board(kBinomialBoard, ReferenceCanvas());
    PixelPen pen(dc, {W() - 1, H() - 1}, kGreen);
    board.Draw(dc, pen);
    if (doc.m_bFinished) {
        PrintFinalCounts(dc, board, doc.m_binCounts);
        Describe(FinishedBoardDescription(board, doc.m_binCounts));
    } else {
        Run(dc, board, doc);
    }
}

// Each tick the next ball shows at the chute's mouth and every ball in flight falls one pitch in 12
// frames; then each ball takes its next step: a slant left or right (one rand() against the
// threshold), a straight drop, or its landing. Ends after 256 landings or the tick of an Esc.
void CQuinView::Run(Dc& dc, const Board& board, CQuinDoc& doc) {
    m_bAbort = 0;
    srand(static_cast<unsigned>(time(nullptr)));
    const std::int16_t threshold = LeftThreshold(doc.m_probLeft);
    const auto step = static_cast<std::int16_t>(board.FrameStep());
    std::array<Ball, kSlots> balls;
    for (int k = 0; k < kSlots; ++k)
        balls[size_t(k)] = {static_cast<std::int16_t>(board.Mouth().x), static_cast<std::int16_t>(board.Mouth().y), 0,
                            static_cast<std::int16_t>(-k)};
    BallRun run(dc, board, m_run);
    m_delayMs = kStartDelayMs;
    RunStatus status(*this, "0-9 pace, Esc stop, F1 help", "balls landed:", board.BallsPerRun());
    Describe(run.Description());
    for (;;) {
        run.ShowWaitingBall();
        for (int frame = 0; frame < kBinomialBoard.framesPerTick; ++frame) {
            for (Ball& ball : balls) run.Fall(ball);
            WaitFrame(static_cast<unsigned>(m_delayMs));
        }
        for (Ball& ball : balls) {
            const std::int16_t waited = ball.t;
            ++ball.t;
            if (waited < 0) continue;
            if (ball.t == board.TicksToLand()) run.Land(ball);
            else if (ball.t % 2 != 0) ball.dx = static_cast<std::int16_t>(rand() < threshold ? -step : step);
            else ball.dx = 0;
        }
        status.Progress(run.Landed());
        Describe(run.Description());
        if (EndOfTick(doc, run, m_bAbort)) return;
    }
}

void CQuinView::ExportData(DemoData& data) const {
    const CQuinDoc& doc = Doc();
    if (!doc.m_bChosen) return;
    data.Parameter("Probability of a left bounce", DemoData::Number(doc.m_probLeft));
    const std::span<const std::int16_t> finished(doc.m_binCounts);
    ExportCounts(data, m_run, doc.m_bFinished ? finished : finished.first(0));
}

}  // namespace dulm
