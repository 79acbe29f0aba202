// The Anova experiment: eight slow and eight fast targets, presented alternately, to be clicked;
// then the scores, their squares and the one-way analysis of variance table of the two speeds.
#pragma once

#include "demos/anova/ScorDoc.h"
#include "demos/target/TargetView.h"

namespace dulm {

class CScorView : public CTargetView {
public:
    // Practice passes with a slow total of 80 and a fast total of 40.
    static constexpr std::array<int, 2> kPassMarks{80, 40};

    CScorView();
    void OnDraw(Dc& dc) override;
    // The speeds and target size; once the experiment is over, the scores and the table.
    void ExportData(DemoData& data) const override;

private:
    CScorDoc& Doc() const;
    void StoreScores(CScorDoc& doc) const;
    void LoadScores(const CScorDoc& doc);
    void DrawTable(Dc& dc, int y) const;
    void DrawResults(Dc& dc);
};

}  // namespace dulm
