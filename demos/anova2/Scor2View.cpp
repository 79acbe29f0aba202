#include "demos/anova2/Scor2View.h"

#include <numeric>

#include "app/DemoData.h"
#include "demos/target/AnovaTable.h"
#include "platform/Waits.h"

namespace dulm {

namespace {

constexpr int kCells = 4;

// The fixed order of the cells, one trial of each a round.
std::array<TargetCell, kCells> Cells(const CScor2Doc& doc) {
    return {{{"Slow x Whole", doc.m_slowSpeed, 1},
             {"Fast x Whole", doc.m_fastSpeed, 1},
             {"Slow x 1/4", doc.m_slowSpeed, 4},
             {"Fast x 1/4", doc.m_fastSpeed, 4}}};
}

}  // namespace

CScor2View::CScor2View() : CTargetView(TargetLayout{}) {}

CScor2Doc& CScor2View::Doc() const { return static_cast<CScor2Doc&>(*GetDocument()); }

// The first paint runs the experiment; a finished one shows its results and an aborted one nothing.
void CScor2View::OnDraw(Dc& dc) {
    CScor2Doc& doc = Doc();
    if (doc.m_bAborted) return;
    m_bAbort = 0;
    m_Y = H() / 16;
    // Prompts and points message at Y / 2, lines Y apart, two spaces before a total.
    m_layout = TargetLayout{m_Y / 2, true, m_Y, "  "};
    const ExperimentPaint paint(dc);
    if (doc.m_bFinished) {
        DrawResults(dc);
        return;
    }

    const auto cells = Cells(doc);
    const bool practise = WantsPractice();
    const MouseCapture capture(*this);
    if (!RunPracticeAndData(dc, practise, cells, doc.m_targetSize, kPassMarks,
                            "You're ready for the data session.  Hit any key.")) {
        doc.m_bAborted = 1;
        return;
    }
    StoreScores(doc);
    SquareScores(kCells);
    DrawSquaresLines(dc, 5 * m_Y, cells);
    Show(dc, 9 * m_Y, kComputeFText);
    Show(dc, 10 * m_Y, kCheckAnswerText);
    WaitKeyUp();
    Hide(dc, 9 * m_Y, kComputeFText);
    Hide(dc, 10 * m_Y, kCheckAnswerText);
    DrawTable(dc, 10 * m_Y);
    doc.m_bFinished = 1;
}

void CScor2View::StoreScores(CScor2Doc& doc) const {
    for (size_t c = 0; c < kCells; ++c) {
        doc.m_cellTotals[c] = static_cast<std::int16_t>(m_totals[c]);
        for (size_t i = 0; i < kTrialsPerCell; ++i) doc.m_cellScores[c][i] = static_cast<std::int16_t>(m_scores[c][i]);
    }
}

void CScor2View::LoadScores(const CScor2Doc& doc) {
    for (size_t c = 0; c < kCells; ++c) {
        m_totals[c] = doc.m_cellTotals[c];
        for (size_t i = 0; i < kTrialsPerCell; ++i) m_scores[c][i] = doc.m_cellScores[c][i];
    }
}

// Header, Space, Speed, Interaction, Error and Totals, a line apart.
void CScor2View::DrawTable(Dc& dc, int y) const {
    const std::array<int, kCells> totals{m_totals[0], m_totals[1], m_totals[2], m_totals[3]};
    const int squares = std::accumulate(m_sumSquares.begin(), m_sumSquares.end(), 0);
    const auto lines = TwoWayTableLines(TwoWay(totals, squares));
    for (size_t k = 0; k < lines.size(); ++k) Show(dc, y + m_Y * int(k), lines[k]);
}

// The finished experiment from the document's scores: scores from the top, squares below them,
// the table from 9Y; nothing waits.
void CScor2View::DrawResults(Dc& dc) {
    const auto cells = Cells(Doc());
    LoadScores(Doc());
    DrawScoreLines(dc, 0, cells);
    SquareScores(kCells);
    DrawSquaresLines(dc, 4 * m_Y, cells);
    DrawTable(dc, 9 * m_Y);
}

void CScor2View::ExportData(DemoData& data) const {
    const CScor2Doc& doc = Doc();
    ExportSettings(data, doc.m_slowSpeed, doc.m_fastSpeed, doc.m_targetSize);
    if (!doc.m_bFinished) return;
    const std::array<const char*, kCells> names{"Slow x Whole", "Fast x Whole", "Slow x 1/4", "Fast x 1/4"};
    ExportScores(data, names, doc.m_cellScores);
    int squares = 0;
    std::array<int, kCells> totals{};
    for (size_t c = 0; c < kCells; ++c) {
        totals[c] = doc.m_cellTotals[c];
        for (const std::int16_t s : doc.m_cellScores[c]) squares += s * s;
    }
    ExportAnova(data, TwoWay(totals, squares));
}

}  // namespace dulm
