#pragma once
// A 1-pixel line of the chart on a high-resolution picture: the logical line becomes a band of
// parallel device lines, as thick as its start pixel, drawn at the device's own resolution. Each
// device line keeps the logical line's conventions: the start pixel's device pixels are covered
// and the end pixel's are not, whichever way the line runs. Straight lines cover exactly the
// device pixels of their logical pixels.

#include "LineRaster.h"
#include "TChartGeometry.h"
#include "TDeviceScale.h"

#include <vector>

struct TDeviceStrokes {
    // The first device line; line k runs from From + k * Step to To + k * Step.
    TWidePoint From;
    TWidePoint To;
    int StepX = 0;
    int StepY = 0;
    int Count = 0;

    TWidePoint FromOf(int k) const {
        return {From.X + static_cast<long long>(k) * StepX,
                From.Y + static_cast<long long>(k) * StepY};
    }
    TWidePoint ToOf(int k) const {
        return {To.X + static_cast<long long>(k) * StepX, To.Y + static_cast<long long>(k) * StepY};
    }
};

namespace Armalyx {

// The band for the logical line from one point to another; no lines for a line from a point to
// itself.
TDeviceStrokes DeviceStrokes(TPoint from, TPoint to, const TDeviceScale& scale);

// A dash pattern in device pixels: every run the ratio times longer, rounded, and at least one
// pixel. At a whole ratio position p of the logical pattern is position p * ratio of this one.
std::vector<int> DevicePattern(const std::vector<int>& pattern, const TDeviceScale& scale);

} // namespace Armalyx
