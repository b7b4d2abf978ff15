#pragma once
// Pixel arithmetic of 1-pixel lines, kept apart from drawing so it can be checked on its own.

#include "TChartGeometry.h"
#include "TChartPen.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

// A point whose coordinates may lie outside the range of int.
struct TWidePoint {
    long long X = 0;
    long long Y = 0;
};

struct TLinePixel {
    TPoint Point;
    long long Index = 0; // steps from the start pixel; drives the dash pattern
};

namespace Armalyx {

// The pixels of the line from one point to another that fall inside the limit, in drawing order:
// the start pixel is covered, the end pixel is not, whichever way the line runs, and a line from a
// point to itself covers nothing. Pixel i of the line lies i steps along the longer axis; the
// other coordinate is the exact one rounded half away from the start. Only the part inside the
// limit is walked, so lines to far-off coordinates cost no more than the limit's size.
std::vector<TLinePixel> LinePixels(TPoint from, TPoint to, const TRect& limit);

} // namespace Armalyx

// The walk behind LinePixels: steps first..last-1 along the longer axis, the other coordinate
// kept as a whole part and a remainder so that no step divides.
class TLineWalk final {
public:
    TLineWalk(TPoint from, TPoint to, const TRect& limit);
    // The same for end points beyond the range of int, as lines scaled to a device's pixels have.
    TLineWalk(TWidePoint from, TWidePoint to, const TRect& limit);

    // Calls visit(x, y, index) for every pixel of LinePixels, in the same order.
    template <typename TVisit> void ForEachPixel(TVisit&& visit) {
        for (long long i = m_first; i < m_last; ++i) {
            const long long major = m_majorStart + m_majorSign * i;
            const long long minor = m_minorStart + m_minorSign * m_offset;
            if (minor >= m_minorLow && minor < m_minorHigh) {
                if (m_xMajor) {
                    visit(static_cast<int>(major), static_cast<int>(minor), i);
                } else {
                    visit(static_cast<int>(minor), static_cast<int>(major), i);
                }
            }
            m_remainder += m_remainderStep;
            if (m_remainder >= m_remainderLimit) {
                m_remainder -= m_remainderLimit;
                ++m_offset;
            }
        }
    }

    // A line along one axis: its pixels inside the limit, as a start, a step and a count.
    struct TStraightRun {
        TPoint First;
        int StepX = 0;
        int StepY = 0;
        long long FirstIndex = 0;
        long long Count = 0;
    };
    bool Straight() const { return m_remainderStep == 0; }
    // Only for straight lines; the count is 0 when the line misses the limit.
    TStraightRun StraightRun() const;

private:
    bool m_xMajor = true;
    long long m_first = 0;
    long long m_last = 0;
    long long m_majorStart = 0;
    long long m_majorSign = 1;
    long long m_minorStart = 0;
    long long m_minorSign = 1;
    long long m_minorLow = 0;
    long long m_minorHigh = 0;
    long long m_offset = 0;         // minor distance from the start at the current step
    long long m_remainder = 0;      // numerator of the rounding, less whole steps taken
    long long m_remainderStep = 0;  // twice the minor length
    long long m_remainderLimit = 1; // twice the major length
};

namespace Armalyx {

// The on/off run lengths of a 1-pixel pen style, starting with an "on" run; empty for a
// continuous line. The patterns, in pixels:
//   psDash        18 on, 6 off
//   psDot         3 on, 3 off
//   psDashDot     9 on, 6 off, 3 on, 6 off
//   psDashDotDot  9 on, 3 off, 3 on, 3 off, 3 on, 3 off
//   small dots    1 on, 1 off (every other pixel)
// psSolid and psInsideFrame are continuous; psClear draws nothing and has no pattern.
std::vector<int> PenDashPattern(TPenStyle style, bool smallDots);

// Whether the pixel at the given position along a patterned line is on.
bool PatternIsOn(const std::vector<int>& pattern, long long position);

} // namespace Armalyx

// A dash pattern unrolled into one flag per pixel of its period, followed pixel by pixel.
class TDashCursor final {
public:
    TDashCursor(const std::vector<int>& pattern, long long position);

    // Whether the pixel at the given position is on; the cursor moves there (cheaply when it is
    // the next position).
    bool IsOn(long long position) {
        if (m_on.empty()) {
            return true;
        }
        if (position == m_position + 1) {
            m_position = position;
            m_phase = m_phase + 1 == m_on.size() ? 0 : m_phase + 1;
        } else if (position != m_position) {
            Seek(position);
        }
        return m_on[m_phase] != 0;
    }

    // The flag of every pixel of one period, and the index of the current one.
    const std::vector<unsigned char>& Flags() const { return m_on; }
    std::size_t Phase() const { return m_phase; }

private:
    void Seek(long long position);

    std::vector<unsigned char> m_on;
    long long m_position = 0;
    std::size_t m_phase = 0;
};
