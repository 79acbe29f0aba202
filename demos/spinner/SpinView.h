// A spinner: a ring divided into labelled sectors, with a pointer that whirls round three times,
// slows down and stops in a random sector. A view derived from this one draws it in its paint and
// spins it in its run.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/DemoView.h"

namespace dulm {

// What Spin returns when F1 was pressed in the window while the pointer waited for its key.
inline constexpr int kSpinCancelled = -12345;

// How a spinner of n sectors turns rand() into a stop of the pointer.
struct SpinnerScale {
    std::int16_t ticks = 60;       // K: stops round the ring, n (60 / n), so at most 60
    std::int16_t perSector = 30;   // K / n
    std::int16_t randScale = 546;  // 32767 / K: rand() results per stop
    std::int16_t randLimit = 32760;  // K times that: results from here on are drawn again

    static SpinnerScale For(int nSectors);
    // The stop a rand() result gives; none when the result is to be drawn again.
    std::optional<int> StopOf(std::int16_t result) const;
    int SectorOf(int stop) const { return stop / perSector; }
};

// The picture's description of a pointer at rest: "The spinner's pointer stopped in sector R".
std::string SpinDescription(char label);

class CSpinView : public CDemoView {
public:
    void OnInitialUpdate() override;
    void OnDraw(Dc& /*dc*/) override {}
    // F1: the spin waiting for its key reports kSpinCancelled; the help opens as usual.
    bool OnCommandHelp() override;

    // The pointer's tip at each stop 0 to K (stop K is stop 0 again).
    Point Tip(int stop) const { return m_tips[size_t(stop)]; }
    const SpinnerScale& Scale() const { return m_scale; }

protected:
    explicit CSpinView(DemoStartup startup) : CDemoView(startup) {}

    // Seeds the generator, measures the busy delay, works out the pointer's stops and draws the
    // two circles of the ring (with the pen the device context has), the sector lines in the light
    // pen and the labels in blue: sector i, from startDeg clockwise, shows labels[i].
    int DrawSpinner(Dc& dc, Point centre, int radius, int startDeg, int nSectors, std::string_view labels,
                    int labelH, int labelW);
    // Whirls the pointer to a random stop, leaves it between that stop and the next, waits for a key
    // to be released and erases it. Returns the sector, or kSpinCancelled.
    int Spin(Dc& dc);

private:
    void DrawPointer(Dc& dc, Point tip, const Pen& pen) const;

    // The spinner of the last paint, kept per view.
    Point m_centre;
    SpinnerScale m_scale;
    std::array<Point, 64> m_tips{};  // K + 1 of them
    int m_perMs = 1;                 // busy-loop iterations a millisecond
    int m_perMsFifth = 0;            // what each of the last 120 steps adds to the pause
    int m_bCancelSpin = 0;
    std::string_view m_labels;  // the sectors' labels, which the view keeps
};

}  // namespace dulm
