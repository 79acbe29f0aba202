#include "demos/spinner/SkinView.h"

#include <algorithm>

#include "app/DemoData.h"
#include "demos/spinner/ProbChoiceDlg.h"
#include "platform/Keys.h"

namespace dulm {

namespace {

constexpr unsigned kFrameMs = 50;
constexpr int kLabelHeight = 18;
constexpr const char* kLabels = "RLLL";

// Marks a run in progress for as long as it lasts, however it ends.
class [[nodiscard]] RunningFlag {
public:
    explicit RunningFlag(bool& flag) : m_flag(flag) { m_flag = true; }
    ~RunningFlag() { m_flag = false; }
    RunningFlag(const RunningFlag&) = delete;
    RunningFlag& operator=(const RunningFlag&) = delete;

private:
    bool& m_flag;
};

}  // namespace

CSkinView::CSkinView() : CSpinView(DemoStartup(kBoardStartInstruction, kBlue)) {}

CSkinDoc& CSkinView::Doc() const { return static_cast<CSkinDoc&>(*GetDocument()); }

void CSkinView::OnInitialUpdate() {
    CDemoView::OnInitialUpdate();
    m_bHelpPending = 0;
}

bool CSkinView::ChooseParameters() {
    CProbChoiceDlg dlg;
    if (dlg.DoModal() != IDOK) return false;
    Doc().m_nChoice = dlg.m_nChoice;
    return true;
}

void CSkinView::OnKeyUp(unsigned /*nChar*/, unsigned /*nRepCnt*/, unsigned nFlags) {
    if (IsEscScan(nFlags)) m_bAbort = 1;
}

bool CSkinView::OnCommandHelp() {
    if (m_bRunning) m_bHelpPending = 1;
    return false;
}

// A stopped run leaves its window as it was. Otherwise the spinner (unless finished) and the
// board, then the final counts, or nothing more after a help window, or a new run.
void CSkinView::OnDraw(Dc& dc) {
    CSkinDoc& doc = Doc();
    if (doc.m_bAborted) return;
    if (!OpenPaint(dc)) return;
    // An R half and an L half, or an R quarter from upper right to lower right and three L quarters.
    const bool quarters = doc.m_nChoice != 0;
    const int nSectors = quarters ? 4 : 2;
    const int startDeg = quarters ? 315 : 270;
    const SelectGuard<Font> font(dc, m_pFrame->m_font12);
    const int labelWidth = dc.GetTextMetrics().tmMaxCharWidth;
    const int r0 = H() / 4;
    if (!doc.m_bFinished) DrawSpinner(dc, {r0, r0}, r0 - 10, startDeg, nSectors, kLabels, kLabelHeight, labelWidth);
    const Board board(kSpinnerBoard, ReferenceCanvas());
    PixelPen pen(dc, {W() - 1, H() - 1}, kGreen);
    board.Draw(dc, pen);
    if (doc.m_bFinished) {
        PrintFinalCounts(dc, board, doc.m_binCounts);
        Describe(FinishedBoardDescription(board, doc.m_binCounts));
        return;
    }
    if (m_bHelpPending) {
        m_bHelpPending = 0;
        return;
    }
    Run(dc, board, doc);
}

// Each tick the ball falls one pitch in 16 frames of 50 ms; then it takes its next step: a spin
// before each peg ("R" sends it right), a straight drop after it, or its landing. Ends after 8
// landings, the tick of an Esc, or a cancelled spin (which leaves the document as it was).
void CSkinView::Run(Dc& dc, const Board& board, CSkinDoc& doc) {
    const RunningFlag running(m_bRunning);
    m_bAbort = 0;
    const auto step = static_cast<std::int16_t>(board.FrameStep());
    Ball ball{static_cast<std::int16_t>(board.Mouth().x), static_cast<std::int16_t>(board.Mouth().y), 0, 0};
    BallRun run(dc, board, m_run);
    RunStatus status(*this, "After a spin any key lets the ball go on, Esc stop, F1 help", "balls landed:",
                     board.BallsPerRun());
    Describe(run.Description());
    for (;;) {
        run.ShowWaitingBall();
        for (int frame = 0; frame < kSpinnerBoard.framesPerTick; ++frame) {
            run.Fall(ball);
            WaitFrame(kFrameMs);
        }
        ++ball.t;
        if (ball.t == board.TicksToLand()) {
            run.Land(ball);
        } else if (ball.t % 2 != 0) {
            const int sector = Spin(dc);
            if (sector == kSpinCancelled) return;
            ball.dx = static_cast<std::int16_t>(sector == 0 ? step : -step);
        } else {
            ball.dx = 0;
        }
        status.Progress(run.Landed());
        Describe(run.Description());
        if (EndOfTick(doc, run, m_bAbort)) return;
    }
}

void CSkinView::ExportData(DemoData& data) const {
    const CSkinDoc& doc = Doc();
    if (!doc.m_bChosen) return;
    data.Parameter("Probability of left", doc.m_nChoice != 0 ? "0.75" : "0.5");
    const std::span<const std::int16_t> finished(doc.m_binCounts);
    ExportCounts(data, m_run, doc.m_bFinished ? finished : finished.first(0));
}

}  // namespace dulm
