// The Binomial Spinner: one ball at a time drops through a board of 3 peg rows, and at each peg
// the spinner at the upper left decides its bounce: right when the pointer stops in the "R"
// sector. The user releases a key after each spin to let the ball go on. 8 balls fill 4 bins.
#pragma once

#include "demos/board/Board.h"
#include "demos/spinner/SkinDoc.h"
#include "demos/spinner/SpinView.h"

namespace dulm {

// 3 rows of pegs 96 apart, 16 frames of 3 pixels a tick.
inline constexpr BoardGeometry kSpinnerBoard{
    .rows = 3, .pitch = 48, .chute = 44, .binDepth = 30, .frameTop = 27, .frameBottom = 300, .height = 482,
    .bandSeed = {-268, 477}, .countRow = 368, .framesPerTick = 16};

class CSkinView : public CSpinView {
public:
    CSkinView();

    void OnInitialUpdate() override;
    void OnDraw(Dc& dc) override;
    void OnKeyUp(unsigned nChar, unsigned nRepCnt, unsigned nFlags) override;
    // The spinner's probability of left and the balls in each bin.
    void ExportData(DemoData& data) const override;
    // F1 during a run: the repaint after the help window shows a fresh board and spinner and
    // starts no run. The help opens as usual.
    bool OnCommandHelp() override;

protected:
    bool ChooseParameters() override;

private:
    CSkinDoc& Doc() const;
    void Run(Dc& dc, const Board& board, CSkinDoc& doc);

    // The run's state, kept per view.
    int m_bAbort = 0;          // Esc: the run stops after the current tick
    int m_bHelpPending = 0;    // the next paint draws the board and spinner only
    bool m_bRunning = false;
    const BallRun* m_run = nullptr;  // while a run goes on
};

}  // namespace dulm
