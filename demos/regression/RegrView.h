// The Regression demonstration, a game of fitting a line by eye: the user pins a line by
// clicking its ends either side of the centroid and sees its residuals and mean squared error
// ("err") against that of the least-squares line ("Syx"); Esc ends the game with the
// least-squares line and the list of the points. Without a mouse, the arrow keys move a cross
// (shown from the first arrow on) and Enter places an end there, as a click would.
#pragma once

#include <optional>

#include "app/DemoView.h"
#include "demos/regression/RegrDoc.h"
#include "demos/scatter/ScatterFrame.h"

namespace dulm {

// A data point scaled to raw pixels but not yet rounded: u = (x + 5) xScale, v = (y + 5) yScale.
struct ScaledPoint {
    double u = 0.0;
    double v = 0.0;
};

class CRegrView : public CDemoView {
public:
    void OnDraw(Dc& dc) override;
    void OnLButtonDown(unsigned nFlags, Point point) override;
    void OnKeyDown(unsigned nChar, unsigned nRepCnt, unsigned nFlags) override;
    void OnKeyUp(unsigned nChar, unsigned nRepCnt, unsigned nFlags) override;
    bool OnCommandHelp() override;
    // The five points, r and Syx, and the user's line and the least-squares line with their errors.
    void ExportData(DemoData& data) const override;

    // The game's state and what the last paint showed.
    bool Waiting() const { return m_bWaiting != 0; }
    bool Stopped() const { return m_bStopped != 0; }
    Point LeftEnd() const { return m_left; }
    Point RightEnd() const { return m_right; }
    int CentroidX() const { return m_centroidX; }
    double Slope() const { return m_slope; }
    double Syx() const { return m_syx; }
    double Err() const { return m_err; }
    Point LineFrom() const { return m_lineFrom; }
    Point LineTo() const { return m_lineTo; }
    // Where the keyboard's cross stands, in logical coordinates; none before the first arrow key.
    std::optional<Point> Cross() const { return m_cross; }

private:
    CRegrDoc& Doc() const;
    // The game's picture for the state it is in (OnDraw then adds the keyboard's cross).
    void DrawGame(Dc& dc);
    // A click, or Enter at the cross, at p (logical): the end on p's side of the centroid moves there.
    void PlaceEnd(Dc& dc, Point p);
    // The keyboard's cross: four arms around an empty middle, so that the point it marks shows.
    void DrawCross(Dc& dc, Point p) const;
    // The picture's description: the points' values, the line shown, the cross.
    void DescribeGame();
    // The grey background, the labels, the letters, r and Syx, and the red centroid marker.
    void DrawScatter(Dc& dc);
    void PlotLetter(Dc& dc, double x, double y, char letter);
    // The line of slope m_slope through (m_x0, m_y0), the residuals with their lengths, Syx and err.
    void DrawFittedLine(Dc& dc);
    void DrawPointList(Dc& dc);
    // A small cross in the line's colour where the first end was clicked.
    void DrawChosenEnd(Dc& dc, Point p) const;
    // A residual's length beside its middle, moved off the centroid marker when it would cover it.
    void DrawResidualLabel(Dc& dc, Point mid, const char* text) const;
    ScaledPoint DataOf(Point p) const;
    Point Raw(double x, double y) const { return RawOf(Scaled(x, y)); }
    ScaledPoint Scaled(double x, double y) const;
    Point RawOf(ScaledPoint s) const;
    // A clicked point back in data values.
    void ToData(Point p, double& x, double& y) const;

    // The game: waiting for the first click, pinning, stopped by Esc.
    int m_bWaiting = 1;
    int m_bStopped = 0;
    int m_bRepeatUpdate = 0;
    int m_bHelpPressed = 0;
    Point m_left;   // the clicked ends, in logical coordinates
    Point m_right;
    // The same ends in data values, which a resize (a new frame for the scaled font) leaves where
    // they are; none for an end not clicked yet, which stays at the canvas's origin.
    std::optional<ScaledPoint> m_leftData;
    std::optional<ScaledPoint> m_rightData;
    int m_clicks = 0;  // of this game
    std::optional<Point> m_cross;  // the keyboard's cross, from the first arrow key on
    bool m_bCrossMoved = false;    // the next paint starts from a fresh scatterplot, erasing the old cross

    // The view's own pens and brush, kept as long as the view.
    const Pen m_penLine{kScatterLine, 0};
    const Pen m_penMarker{kRed, 0};
    const Brush m_brushBackground = Brush::Solid(kGrey);

    // Recomputed by every paint.
    std::optional<ScatterFrame> m_frame;
    double m_xScale = 1.0;
    double m_yScale = 1.0;
    int m_centroidX = 0;
    Point m_centroid;
    double m_r = 0.0;
    double m_syx = 0.0;
    double m_slope = 0.0;
    double m_x0 = 0.0;
    double m_y0 = 0.0;
    double m_err = 0.0;
    Point m_lineFrom;  // the ends of the fitted line, placed; cut where they lie beyond reach
    Point m_lineTo;
};

}  // namespace dulm
