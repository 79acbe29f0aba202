// The falling-ball board of the two probability devices: a chute, rows of hexagonal pegs between
// stepped walls, a box of bins and an outer frame whose band is filled green; the balls, drawn as
// 5-pixel crosses that fall a few pixels a frame; and the counts printed in the bins as balls land.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "platform/Dc.h"
#include "plot/PixelLine.h"

namespace dulm {

class BallRun;
class DemoData;

// What a declined board window shows.
inline constexpr const char* kBoardStartInstruction = "Use 'Start Demo' on the 'Demo' menu to start the demonstration.";

inline constexpr Colour kBallColour = kRed;

// The shape of a board, in canvas pixels from the chute's mouth (cx, top): cx = W / 2 and
// top = (H - height) / 2.
struct BoardGeometry {
    int rows;            // peg rows: row r has r pegs, and a ball lands in one of rows + 1 bins
    int pitch;           // half the distance between pegs: a ball's fall per tick, and its sideways move
    int chute;           // length of the chute
    int binDepth;        // depth of the bins below the slanted sides of their box
    int frameTop;        // half width of the outer frame at the top
    int frameBottom;     // half width of the outer frame at the bottom
    int height;          // height of the outer frame
    Point bandSeed;      // where the band between the frame and the walls is filled, from (cx, top)
    int countRow;        // y of the counts, from top
    int framesPerTick;   // frames a ball takes to fall one pitch
};

// A ball in flight: t counts its ticks since it left the chute's mouth (negative while it waits
// its turn), dx is its sideways move per frame.
struct Ball {
    std::int16_t x = 0;
    std::int16_t y = 0;
    std::int16_t dx = 0;
    std::int16_t t = 0;
};

class Board {
public:
    static constexpr int kMaxBins = 9;
    using Counts = std::array<std::int16_t, kMaxBins>;

    Board(const BoardGeometry& geometry, Size canvas);

    const BoardGeometry& Geometry() const { return m_g; }
    Point Mouth() const { return {m_cx, m_top}; }
    int Bins() const { return m_g.rows + 1; }
    // Balls in a run: one for each way through the rows, 2^rows.
    int BallsPerRun() const { return 1 << m_g.rows; }
    // Ticks from the chute's mouth to a bin: through the chute, then a slant and a drop per row.
    int TicksToLand() const { return 2 * m_g.rows + 1; }
    // Pixels a ball falls, and moves sideways on a slant, in one frame.
    int FrameStep() const { return m_g.pitch / m_g.framesPerTick; }
    // The bin under x, which is the number of right bounces of a ball landing there.
    int BinOf(int x) const { return (x - (m_cx - m_g.pitch * m_g.rows)) / (2 * m_g.pitch); }
    // The top-left of bin k's count.
    Point CountAt(int bin) const { return {m_cx - m_g.pitch * m_g.rows + 2 * m_g.pitch * bin - 10, m_top + m_g.countRow}; }

    // The whole board in green, pixel by pixel with pen, pegs and band filled green.
    void Draw(Dc& dc, PixelPen& pen) const;

private:
    BoardGeometry m_g;
    int m_cx;
    int m_top;
};

// A ball is a cross of five pixels; erasing paints them grey again, without the pixel above on
// the canvas's top row.
void DrawBall(Dc& dc, Point at, Colour colour);
void EraseBall(Dc& dc, Point at);

// Prints a count right-aligned in two characters ("%*hd" at width 2; wider counts overflow it)
// in the current text colour.
void PrintCount(Dc& dc, Point at, std::int16_t count);
// The finished board's counts: every non-zero one, in red.
void PrintFinalCounts(Dc& dc, const Board& board, std::span<const std::int16_t> counts);

// The picture's description of a board's run: "37 of 256 balls landed in 9 bins, most in bin 5
// from the left" (the leftmost of equals), or "0 of 256 balls landed in 9 bins".
std::string BoardDescription(std::span<const std::int16_t> counts, int landed, int total);
// The same for a finished run's counts, all the board's balls landed.
std::string FinishedBoardDescription(const Board& board, std::span<const std::int16_t> counts);

// Export Data: the counts of the run going on, or else the finished ones (none when empty).
void ExportCounts(DemoData& data, const BallRun* live, std::span<const std::int16_t> finished);

// Waits ms between frames, dispatching messages meanwhile; no wait at all for 0.
void WaitFrame(unsigned ms);

// The balls of one run on a board: each tick the waiting ball shows at the chute's mouth, the
// balls in flight fall a pitch over the frames, and those reaching the bins are counted.
class BallRun {
public:
    // Sets the text colour to the ball colour. The view's `shown` points at the run while it lasts,
    // so that its counts can be exported.
    BallRun(Dc& dc, const Board& board, const BallRun*& shown);
    ~BallRun() { m_shown = nullptr; }
    BallRun(const BallRun&) = delete;
    BallRun& operator=(const BallRun&) = delete;

    // The four pixels of the next ball at the chute's mouth.
    void ShowWaitingBall();
    // One frame of a ball in flight: erased, moved by dx and one frame step down, drawn again.
    void Fall(Ball& ball);
    // Ends a ball's fall with the tick that reaches its bin: counts it there, prints the new count
    // over the old one and puts the ball back at the chute's mouth with t = 0.
    void Land(Ball& ball);

    int Landed() const { return m_landed; }
    bool Done() const { return m_landed >= m_board.BallsPerRun(); }
    const Board::Counts& Counts() const { return m_counts; }
    int Bins() const { return m_board.Bins(); }
    // The picture's description now (see BoardDescription).
    std::string Description() const;

private:
    const BallRun*& m_shown;
    Dc& m_dc;
    const Board& m_board;
    int m_landed = 0;
    Board::Counts m_counts{};
};

// The end of a tick: Esc marks the document aborted; the last landing marks it finished and keeps
// the counts. True when the run is over.
template <class Doc>
bool EndOfTick(Doc& doc, const BallRun& run, int abort) {
    if (abort) {
        doc.m_bAborted = 1;
        return true;
    }
    if (!run.Done()) return false;
    doc.m_bFinished = 1;
    std::copy_n(run.Counts().begin(), doc.m_binCounts.size(), doc.m_binCounts.begin());
    return true;
}

}  // namespace dulm
