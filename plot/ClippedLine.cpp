#include "plot/ClippedLine.h"

#include <algorithm>
#include <cassert>
#include <cstdint>
#include <cstdlib>

namespace dulm {

namespace {

using Wide = std::int64_t;

// The least integer not below n / d, for d > 0.
Wide CeilDiv(Wide n, Wide d) { return n >= 0 ? (n + d - 1) / d : -(-n / d); }

}  // namespace

// LineTo's Bresenham loop picks, along the major axis (x when |dx| >= |dy|), the pixel i steps
// from the start for i = 0 up to the major extent M (the target itself left out), and along the
// other axis the offset floor((M + 2 i m) / (2 M)) steps, m being the minor extent: the pixel
// nearest the line, a half rounded up. The offset grows with i, so the steps that stay in
// bounds form one range, and those at one offset form one run.
void LineWithin(Dc& dc, Point from, Point to, const Rect& bounds) {
    assert(std::abs(from.x) <= kClippedLineReach && std::abs(from.y) <= kClippedLineReach);
    assert(std::abs(to.x) <= kClippedLineReach && std::abs(to.y) <= kClippedLineReach);
    const Wide dx = Wide{to.x} - from.x;
    const Wide dy = Wide{to.y} - from.y;
    const bool xMajor = std::abs(dx) >= std::abs(dy);
    const Wide major = xMajor ? std::abs(dx) : std::abs(dy);
    const Wide minor = xMajor ? std::abs(dy) : std::abs(dx);
    if (major == 0) return;
    const Wide majorSign = (xMajor ? dx : dy) > 0 ? 1 : -1;
    const Wide minorSign = (xMajor ? dy : dx) < 0 ? -1 : 1;
    const Wide major0 = xMajor ? from.x : from.y;
    const Wide minor0 = xMajor ? from.y : from.x;
    const Wide majorLo = xMajor ? bounds.left : bounds.top;
    const Wide majorHi = Wide{xMajor ? bounds.right : bounds.bottom} - 1;
    const Wide minorLo = xMajor ? bounds.top : bounds.left;
    const Wide minorHi = Wide{xMajor ? bounds.bottom : bounds.right} - 1;

    Wide first = 0;
    Wide last = major - 1;
    const auto keep = [&](Wide lo, Wide hi) {
        first = std::max(first, lo);
        last = std::min(last, hi);
    };
    // The steps whose major coordinate is in bounds.
    if (majorSign > 0) keep(majorLo - major0, majorHi - major0);
    else keep(major0 - majorHi, major0 - majorLo);
    // The steps whose offset k lies from kLo to kHi: offset(i) >= k from i = ceil((2 M k - M) / 2m)
    // on, and offset(i) <= k up to ceil((2 M k + M) / 2m) - 1.
    const Wide kLo = minorSign > 0 ? minorLo - minor0 : minor0 - minorHi;
    const Wide kHi = minorSign > 0 ? minorHi - minor0 : minor0 - minorLo;
    const auto lastAt = [&](Wide k) { return CeilDiv(2 * major * k + major, 2 * minor) - 1; };
    if (minor == 0) {
        if (kLo > 0 || kHi < 0) return;
    } else {
        keep(CeilDiv(2 * major * kLo - major, 2 * minor), lastAt(kHi));
    }

    const auto at = [&](Wide i, Wide k) {
        const int a = static_cast<int>(major0 + majorSign * i);
        const int b = static_cast<int>(minor0 + minorSign * k);
        return xMajor ? Point{a, b} : Point{b, a};
    };
    for (Wide i = first; i <= last;) {
        const Wide k = (major + 2 * i * minor) / (2 * major);
        const Wide end = minor == 0 ? last : std::clamp(lastAt(k), i, last);
        dc.MoveTo(at(i, k));
        dc.LineTo(at(end + 1, k));
        i = end + 1;
    }
}

}  // namespace dulm
