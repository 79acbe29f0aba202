#include "demos/anova/ScorView.h"

#include "app/DemoData.h"
#include "demos/target/AnovaTable.h"
#include "platform/Waits.h"

namespace dulm {

namespace {

constexpr int kCells = 2;

std::array<TargetCell, kCells> Cells(const CScorDoc& doc) {
    return {{{"Slow", doc.m_slowSpeed, 1}, {"Fast", doc.m_fastSpeed, 1}}};
}

}  // namespace

// Prompts and points message at y = 20, lines 40 apart, four spaces before a total.
CScorView::CScorView() : CTargetView(TargetLayout{20, false, 40, "    "}) {}

CScorDoc& CScorView::Doc() const { return static_cast<CScorDoc&>(*GetDocument()); }

// The first paint runs the experiment; a finished one shows its results and an aborted one nothing.
void CScorView::OnDraw(Dc& dc) {
    CScorDoc& doc = Doc();
    if (doc.m_bAborted) return;
    m_bAbort = 0;
    const ExperimentPaint paint(dc);
    if (doc.m_bFinished) {
        DrawResults(dc);
        return;
    }

    const auto cells = Cells(doc);
    const bool practise = WantsPractice();
    const MouseCapture capture(*this);
    if (!RunPracticeAndData(dc, practise, cells, doc.m_targetSize, kPassMarks, nullptr)) {
        doc.m_bAborted = 1;
        return;
    }
    StoreScores(doc);
    SquareScores(kCells);
    DrawSquaresLines(dc, 120, cells);
    Show(dc, 200, kComputeFText);
    Show(dc, 240, kCheckAnswerText);  // stays on screen
    WaitKeyUp();
    DrawTable(dc, 280);
    doc.m_bFinished = 1;
}

void CScorView::StoreScores(CScorDoc& doc) const {
    doc.m_slowTotal = static_cast<std::int16_t>(m_totals[0]);
    doc.m_fastTotal = static_cast<std::int16_t>(m_totals[1]);
    for (int i = 0; i < kTrialsPerCell; ++i) {
        doc.m_slowScores[size_t(i)] = static_cast<std::int16_t>(m_scores[0][size_t(i)]);
        doc.m_fastScores[size_t(i)] = static_cast<std::int16_t>(m_scores[1][size_t(i)]);
    }
}

void CScorView::LoadScores(const CScorDoc& doc) {
    m_totals[0] = doc.m_slowTotal;
    m_totals[1] = doc.m_fastTotal;
    for (int i = 0; i < kTrialsPerCell; ++i) {
        m_scores[0][size_t(i)] = doc.m_slowScores[size_t(i)];
        m_scores[1][size_t(i)] = doc.m_fastScores[size_t(i)];
    }
}

// Header, Between, Within and Totals, 40 apart.
void CScorView::DrawTable(Dc& dc, int y) const {
    const auto lines = OneWayTableLines(OneWay(m_totals[0], m_totals[1], m_sumSquares[0], m_sumSquares[1]));
    for (size_t k = 0; k < lines.size(); ++k) Show(dc, y + 40 * int(k), lines[k]);
}

// The finished experiment from the document's scores, one line higher than the data session
// drew it; nothing waits.
void CScorView::DrawResults(Dc& dc) {
    const auto cells = Cells(Doc());
    LoadScores(Doc());
    DrawScoreLines(dc, 0, cells);
    SquareScores(kCells);
    DrawSquaresLines(dc, 80, cells);
    Show(dc, 160, kComputeFText);
    Show(dc, 200, kCheckAnswerText);
    DrawTable(dc, 240);
}

void CScorView::ExportData(DemoData& data) const {
    const CScorDoc& doc = Doc();
    ExportSettings(data, doc.m_slowSpeed, doc.m_fastSpeed, doc.m_targetSize);
    if (!doc.m_bFinished) return;
    const std::array<const char*, 2> names{"Slow", "Fast"};
    const std::array<std::array<std::int16_t, 8>, 2> scores{doc.m_slowScores, doc.m_fastScores};
    ExportScores(data, names, scores);
    std::array<int, 2> squares{};
    for (size_t c = 0; c < 2; ++c)
        for (const std::int16_t s : scores[c]) squares[c] += s * s;
    ExportAnova(data, OneWay(doc.m_slowTotal, doc.m_fastTotal, squares[0], squares[1]));
}

}  // namespace dulm
