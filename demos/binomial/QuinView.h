// The Binomial demonstration: 256 balls drop one after another through a board of 8 peg rows,
// bouncing left with the chosen probability, and the count of each of the 9 bins is printed as
// balls land. Keypad digits change the pause between frames, Esc stops the run.
#pragma once

#include <cstdint>

#include "app/DemoView.h"
#include "demos/binomial/QuinDoc.h"
#include "demos/board/Board.h"

namespace dulm {

// 8 rows of pegs 48 apart, 12 frames of 2 pixels a tick.
inline constexpr BoardGeometry kBinomialBoard{
    .rows = 8, .pitch = 24, .chute = 20, .binDepth = 15, .frameTop = 15, .frameBottom = 273, .height = 479,
    .bandSeed = {-253, 474}, .countRow = 416, .framesPerTick = 12};

// The pause after each frame for a keypad digit d: 10 d^2 ms.
constexpr std::int16_t BinomialDelayMs(int digit) { return static_cast<std::int16_t>(10 * digit * digit); }

// rand() results below this go left: 32767 p, rounded. A p beyond 0 to 1 (the dialog refuses
// one) counts as the nearer end and NaN as 0, so that the conversion to an integer stays defined.
std::int16_t LeftThreshold(float probLeft);

class CQuinView : public CDemoView {
public:
    CQuinView();

    void OnDraw(Dc& dc) override;
    void OnKeyUp(unsigned nChar, unsigned nRepCnt, unsigned nFlags) override;
    // The probability of a left bounce and the balls in each bin.
    void ExportData(DemoData& data) const override;

protected:
    bool ChooseParameters() override;

private:
    CQuinDoc& Doc() const;
    void Run(Dc& dc, const Board& board, CQuinDoc& doc);

    // The run's state, kept per view.
    int m_bAbort = 0;              // Esc: the run stops after the current tick
    std::int16_t m_delayMs = 160;  // the pause after each frame
    const BallRun* m_run = nullptr;  // while a run goes on
};

}  // namespace dulm
