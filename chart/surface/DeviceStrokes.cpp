#include "DeviceStrokes.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

struct TDeviceRun {
    long long Start = 0;
    long long End = 0;
};

// Along one axis, the device coordinates a line walks between: from the start pixel's first
// device pixel when the line runs forwards, from its last one when it runs backwards, and the
// same for the end pixel, which the walk leaves out.
TDeviceRun RunAlong(int from, int to, const TDeviceScale& scale) {
    if (to >= from) {
        return {scale.Edge(from), scale.Edge(to)};
    }
    return {scale.Edge(from + 1LL) - 1, scale.Edge(to + 1LL) - 1};
}

} // namespace

namespace Armalyx {

TDeviceStrokes DeviceStrokes(TPoint from, TPoint to, const TDeviceScale& scale) {
    TDeviceStrokes strokes;
    if (from == to) {
        return strokes;
    }
    const TDeviceRun xs = RunAlong(from.X, to.X, scale);
    const TDeviceRun ys = RunAlong(from.Y, to.Y, scale);
    strokes.From = {xs.Start, ys.Start};
    strokes.To = {xs.End, ys.End};
    const bool xMajor = std::llabs(static_cast<long long>(to.X) - from.X) >=
                        std::llabs(static_cast<long long>(to.Y) - from.Y);
    // The band grows across the line, into the start pixel from the side the line starts on.
    if (xMajor) {
        strokes.StepY = to.Y >= from.Y ? 1 : -1;
        strokes.Count = scale.Thickness(from.Y);
    } else {
        strokes.StepX = to.X >= from.X ? 1 : -1;
        strokes.Count = scale.Thickness(from.X);
    }
    return strokes;
}

std::vector<int> DevicePattern(const std::vector<int>& pattern, const TDeviceScale& scale) {
    std::vector<int> device;
    device.reserve(pattern.size());
    for (const int run : pattern) {
        device.push_back(std::max(1, static_cast<int>(std::lround(run * scale.Ratio()))));
    }
    return device;
}

} // namespace Armalyx
