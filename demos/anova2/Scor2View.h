// The Anova2 experiment: Speed (slow or fast) crossed with Space (the target visible across the
// whole width or only in the left quarter), eight targets a cell; then the scores, their squares
// and the two-way analysis of variance table.
#pragma once

#include "demos/anova2/Scor2Doc.h"
#include "demos/target/TargetView.h"

namespace dulm {

class CScor2View : public CTargetView {
public:
    // Practice passes with Slow x Whole 80, Fast x Whole 40, Slow x 1/4 40 and Fast x 1/4 16.
    static constexpr std::array<int, 4> kPassMarks{80, 40, 40, 16};

    CScor2View();
    void OnDraw(Dc& dc) override;
    // The speeds and target size; once the experiment is over, the scores and the table.
    void ExportData(DemoData& data) const override;

private:
    CScor2Doc& Doc() const;
    void StoreScores(CScor2Doc& doc) const;
    void LoadScores(const CScor2Doc& doc);
    void DrawTable(Dc& dc, int y) const;
    void DrawResults(Dc& dc);

    int m_Y = 0;  // the line height, H / 16
};

}  // namespace dulm
