#pragma once
// Pixel arithmetic of 1-pixel lines, kept apart from drawing so it can be checked on its own.

#include "TChartGeometry.h"
#include "TChartPen.h"

#include <vector>

struct TLinePixel {
    TPoint Point;
    long long Index = 0; // steps from the start pixel; drives the dash pattern
};

// The pixels of the line from one point to another that fall inside the limit, in drawing order:
// the start pixel is covered, the end pixel is not, whichever way the line runs, and a line from a
// point to itself covers nothing. Pixel i of the line lies i steps along the longer axis; the
// other coordinate is the exact one rounded half away from the start. Only the part inside the
// limit is walked, so lines to far-off coordinates cost no more than the limit's size.
std::vector<TLinePixel> LinePixels(TPoint from, TPoint to, const TRect& limit);

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
