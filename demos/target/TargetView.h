// The view of an experiment in which the user clicks targets flying across a black screen: the
// trial, the session of trials over the experiment's cells, the practice sessions before the data
// session, and the conventions of its text (fixed font, light grey on black, hidden by drawing it
// again in black). Anova and Anova2 are written on it.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "app/DemoView.h"
#include "demos/target/TargetTrial.h"

namespace dulm {

inline constexpr const char* kComputeFText = "Now compute the F ratio and check its significance.";
inline constexpr const char* kCheckAnswerText = "Hit any key to check your answer.";

// One condition of an experiment: its name in the score lines, the target's speed (steps of the
// step unit a tick) and the part of the width the target shows in (1: whole, 4: left quarter).
struct TargetCell {
    const char* name;
    std::int16_t speed;
    int divisor;
};

// Where an experiment writes its lines.
struct TargetLayout {
    int promptY = 20;            // the ready prompt, the points message and the practice verdict
    bool twoLinePrompt = false;  // "Hit any key" and "  when ready." 24 below it
    int rowStep = 40;            // between the score and squares lines
    const char* totalGap = "    ";  // before "Total = " in a score line
};

// What the status bar says while the experiment holds the mouse.
inline constexpr const char* kCaptureStatus =
    "The experiment holds the mouse: Esc stops the experiment, Ctrl+F4 closes the window";

// The mouse routed to the view while the experiment runs, released however it ends; meanwhile
// the status bar says how to stop and how to close.
class [[nodiscard]] MouseCapture {
public:
    explicit MouseCapture(CView& view);
    ~MouseCapture();
    MouseCapture(const MouseCapture&) = delete;
    MouseCapture& operator=(const MouseCapture&) = delete;

private:
    CView& m_view;
};

// The opening of every paint of an experiment: the fixed font, light text on a transparent
// background, the stock black brush, and the whole view flood-filled black. The font and the
// brush come back when the paint ends.
class [[nodiscard]] ExperimentPaint {
public:
    explicit ExperimentPaint(Dc& dc);

private:
    SelectGuard<Font> m_font;
    SelectGuard<Brush> m_brush;
};

class CTargetView : public CDemoView {
public:
    static constexpr int kMaxCells = 4;

    // Esc stops the experiment after the trial in progress.
    void OnKeyUp(unsigned nChar, unsigned nRepCnt, unsigned nFlags) override;
    void OnLButtonDown(unsigned nFlags, Point point) override;

protected:
    explicit CTargetView(TargetLayout layout) : m_layout(layout) {}

    // "Do you need a practice session?", asked before anything else.
    static bool WantsPractice();
    // The practice sessions, while the user wants them and has not passed, then the data session.
    // readyText, if any, is shown when a practice session passes. False when Esc stopped a session.
    bool RunPracticeAndData(Dc& dc, bool practise, std::span<const TargetCell> cells, std::int16_t size,
                            std::span<const int> passMarks, const char* readyText);

    // Text: shown in light grey; hidden by drawing it again in black.
    void Show(Dc& dc, int y, std::string_view text) const;
    void Hide(Dc& dc, int y, std::string_view text) const;
    void ShowAndWait(Dc& dc, int y, std::string_view text) const;

    // The score lines ("Slow scores =  25  15 ...    Total = 40") of every cell, rowStep apart.
    void DrawScoreLines(Dc& dc, int y, std::span<const TargetCell> cells) const;
    void DrawSquaresLines(Dc& dc, int y, std::span<const TargetCell> cells) const;
    // Each session score replaced by its square, and the squares summed per cell.
    void SquareScores(int cells);

    TargetLayout m_layout;
    int m_bAbort = 0;
    // The scores of the session in progress (squared in place once it is over) and their sums.
    std::array<std::array<int, kTrialsPerCell>, kMaxCells> m_scores{};
    std::array<int, kMaxCells> m_totals{};
    std::array<int, kMaxCells> m_sumSquares{};

private:
    void SetupSession();
    void RunSession(Dc& dc, std::span<const TargetCell> cells, std::int16_t size);
    int RunTrial(Dc& dc, std::int16_t speed, std::int16_t size, int divisor);
    void DrawTarget(Dc& dc, Point centre, Size half, const Pen& pen) const;
    void ErasePractice(Dc& dc, std::span<const TargetCell> cells);
    std::string CellLine(const TargetCell& cell, const char* what, const std::array<int, kTrialsPerCell>& values,
                         int total) const;

    int m_bClicked = 0;
    Point m_click;
    TargetUnits m_units;
};

}  // namespace dulm
