#include "demos/board/Board.h"

#include <cassert>
#include <cstdio>

#include "app/DemoData.h"
#include "platform/Waits.h"

namespace dulm {

Board::Board(const BoardGeometry& geometry, Size canvas)
    : m_g(geometry), m_cx(canvas.cx / 2), m_top((canvas.cy - geometry.height) / 2) {}

// The chute, then row by row the left wall's step, the row's pegs (each outlined and filled) and
// the right wall's step; the bin box from the foot of the right wall round to the foot of the
// left one, the dividers, and the outer frame with the band between it and the walls filled.
void Board::Draw(Dc& dc, PixelPen& pen) const {
    const SelectGuard<Brush> brush(dc, Brush::Solid(kGreen));
    pen.SetColour(kGreen);
    const int cx = m_cx;
    const int top = m_top;
    const int p = m_g.pitch;
    const int half = p - 3;  // half a peg's width, and a third of its height
    const int walls = top + m_g.chute;

    pen.Polyline({{cx - 3, top}, {cx - 3, walls}});
    pen.Polyline({{cx + 3, top}, {cx + 3, walls}});
    for (int r = 1; r <= m_g.rows; ++r) {
        const int y0 = walls + 2 * p * (r - 1);
        pen.Polyline({{cx - 3 - p * (r - 1), y0}, {cx - 3 - p * r, y0 + p}, {cx - 3 - p * r, y0 + 2 * p}});
        const int yB = walls + 2 * p * r;
        for (int j = 0; j < r; ++j) {
            const int xL = cx + 3 - p * r + 2 * p * j;
            const int xC = xL + half;
            const int xR = xL + 2 * half;
            pen.Polyline({{xL, yB}, {xC, yB + half}, {xR, yB}, {xR, yB - half}, {xC, yB - 2 * half}, {xL, yB - half},
                          {xL, yB}});
            dc.FloodFill(xC, yB, kGreen);
        }
        pen.Polyline({{cx + 3 + p * (r - 1), y0}, {cx + 3 + p * r, y0 + p}, {cx + 3 + p * r, y0 + 2 * p}});
    }

    const int footX = 3 + p * m_g.rows;  // the walls end at (cx -/+ footX, foot)
    const int foot = walls + 2 * p * m_g.rows;
    const int boxTop = foot + half;
    const int boxBottom = boxTop + m_g.binDepth;
    pen.LineTo(cx + footX + half, boxTop);
    pen.LineTo(cx + footX + half, boxBottom);
    pen.LineTo(cx - footX - half, boxBottom);
    pen.LineTo(cx - footX - half, boxTop);
    pen.LineTo(cx - footX, foot);
    for (int k = 0; k < m_g.rows; ++k) {
        const int x = cx - p * m_g.rows + p + 2 * p * k;
        pen.Polyline({{x, boxTop}, {x, boxBottom}});
    }

    pen.Polyline({{cx - 3, top},
                  {cx - m_g.frameTop, top},
                  {cx - m_g.frameBottom, top + m_g.height},
                  {cx + m_g.frameBottom, top + m_g.height},
                  {cx + m_g.frameTop, top},
                  {cx + 3, top}});
    dc.FloodFill(cx + m_g.bandSeed.x, top + m_g.bandSeed.y, kGreen);
}

void DrawBall(Dc& dc, Point at, Colour colour) {
    dc.SetPixel(at.x, at.y, colour);
    dc.SetPixel(at.x - 1, at.y, colour);
    dc.SetPixel(at.x + 1, at.y, colour);
    dc.SetPixel(at.x, at.y - 1, colour);
    dc.SetPixel(at.x, at.y + 1, colour);
}

void EraseBall(Dc& dc, Point at) {
    dc.SetPixel(at.x, at.y, kGrey);
    dc.SetPixel(at.x - 1, at.y, kGrey);
    dc.SetPixel(at.x + 1, at.y, kGrey);
    if (at.y != 0) dc.SetPixel(at.x, at.y - 1, kGrey);
    dc.SetPixel(at.x, at.y + 1, kGrey);
}

void PrintCount(Dc& dc, Point at, std::int16_t count) {
    char text[16];
    std::snprintf(text, sizeof text, "%*hd", 2, count);
    dc.TextOut(at.x, at.y, text);
}

void PrintFinalCounts(Dc& dc, const Board& board, std::span<const std::int16_t> counts) {
    dc.SetTextColor(kBallColour);
    for (int k = 0; k < board.Bins() && k < int(counts.size()); ++k)
        if (counts[size_t(k)] != 0) PrintCount(dc, board.CountAt(k), counts[size_t(k)]);
}

void WaitFrame(unsigned ms) {
    if (ms != 0) WaitTimer(ms);
}

BallRun::BallRun(Dc& dc, const Board& board, const BallRun*& shown) : m_shown(shown), m_dc(dc), m_board(board) {
    m_dc.SetTextColor(kBallColour);
    m_shown = this;
}

std::string BoardDescription(std::span<const std::int16_t> counts, int landed, int total) {
    char text[128];
    int n = std::snprintf(text, sizeof text, "%d of %d balls landed in %zu bins", landed, total, counts.size());
    const auto most = std::max_element(counts.begin(), counts.end());
    if (landed > 0 && most != counts.end())
        std::snprintf(text + n, sizeof text - size_t(n), ", most in bin %d from the left",
                      int(most - counts.begin()) + 1);
    return text;
}

std::string FinishedBoardDescription(const Board& board, std::span<const std::int16_t> counts) {
    return BoardDescription(counts.first(std::min(counts.size(), size_t(board.Bins()))), board.BallsPerRun(),
                            board.BallsPerRun());
}

std::string BallRun::Description() const {
    return BoardDescription(std::span(m_counts).first(size_t(Bins())), m_landed, m_board.BallsPerRun());
}

void ExportCounts(DemoData& data, const BallRun* live, std::span<const std::int16_t> finished) {
    if (live) finished = std::span(live->Counts()).first(size_t(live->Bins()));
    if (finished.empty()) return;
    data.Table({"Bin", "Right bounces", "Count"});
    for (size_t k = 0; k < finished.size(); ++k)
        data.Row({DemoData::Number(int(k) + 1), DemoData::Number(int(k)), DemoData::Number(int(finished[k]))});
}

void BallRun::ShowWaitingBall() {
    const Point m = m_board.Mouth();
    m_dc.SetPixel(m.x, m.y, kBallColour);
    m_dc.SetPixel(m.x - 1, m.y, kBallColour);
    m_dc.SetPixel(m.x + 1, m.y, kBallColour);
    m_dc.SetPixel(m.x, m.y + 1, kBallColour);
}

void BallRun::Fall(Ball& ball) {
    if (ball.t < 0) return;
    EraseBall(m_dc, {ball.x, ball.y});
    ball.x = static_cast<std::int16_t>(ball.x + ball.dx);
    ball.y = static_cast<std::int16_t>(ball.y + m_board.FrameStep());
    DrawBall(m_dc, {ball.x, ball.y}, kBallColour);
}

void BallRun::Land(Ball& ball) {
    ball.t = 0;
    EraseBall(m_dc, {ball.x, ball.y});
    const Point at{ball.x - 10, m_board.Mouth().y + m_board.Geometry().countRow};
    const int bin = m_board.BinOf(ball.x);
    assert(bin >= 0 && bin < m_board.Bins());
    ball.x = static_cast<std::int16_t>(m_board.Mouth().x);
    ball.y = static_cast<std::int16_t>(m_board.Mouth().y);
    ++m_landed;
    std::int16_t& count = m_counts[size_t(bin)];
    if (count != 0) {
        const DcStateSaver keep(m_dc);
        m_dc.SetTextColor(kGrey);  // erases the old count
        PrintCount(m_dc, at, count);
    }
    ++count;
    PrintCount(m_dc, at, count);
}

}  // namespace dulm
