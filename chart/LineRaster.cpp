#include "LineRaster.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>

namespace {

__extension__ using TWide = __int128;

struct TAxisWalk {
    long long start;
    long long delta; // signed
};

// The first and one-past-last step i with start + sign * i inside [low, high).
void RestrictSteps(const TAxisWalk& major, long long low, long long high, long long& first,
                   long long& last) {
    if (major.delta > 0) {
        first = std::max(first, low - major.start);
        last = std::min(last, high - major.start);
    } else {
        first = std::max(first, major.start - high + 1);
        last = std::min(last, major.start - low + 1);
    }
}

// The minor coordinate at step i: the exact value rounded half away from the start.
long long MinorAt(const TAxisWalk& major, const TAxisWalk& minor, long long i) {
    const TWide absMajor = major.delta < 0 ? -static_cast<TWide>(major.delta) : major.delta;
    const TWide absMinor = minor.delta < 0 ? -static_cast<TWide>(minor.delta) : minor.delta;
    const TWide offset = (2 * static_cast<TWide>(i) * absMinor + absMajor) / (2 * absMajor);
    return minor.delta < 0 ? minor.start - static_cast<long long>(offset)
                           : minor.start + static_cast<long long>(offset);
}

// A coordinate outside [low, high) becomes low - 1 or high, which stays outside the limit.
int ClampToInt(long long value, int low, int high) {
    return static_cast<int>(std::clamp<long long>(value, static_cast<long long>(low) - 1, high));
}

} // namespace

std::vector<TLinePixel> LinePixels(TPoint from, TPoint to, const TRect& limit) {
    const TAxisWalk wx{from.X, static_cast<long long>(to.X) - from.X};
    const TAxisWalk wy{from.Y, static_cast<long long>(to.Y) - from.Y};
    const bool xMajor = std::llabs(wx.delta) >= std::llabs(wy.delta);
    const TAxisWalk& major = xMajor ? wx : wy;
    const TAxisWalk& minor = xMajor ? wy : wx;
    long long first = 0;
    long long last = std::llabs(major.delta);
    if (xMajor) {
        RestrictSteps(major, limit.Left, limit.Right, first, last);
    } else {
        RestrictSteps(major, limit.Top, limit.Bottom, first, last);
    }
    std::vector<TLinePixel> pixels;
    for (long long i = first; i < last; ++i) {
        const long long m = major.delta > 0 ? major.start + i : major.start - i;
        const long long n = MinorAt(major, minor, i);
        const TPoint p = xMajor
                             ? TPoint{static_cast<int>(m), ClampToInt(n, limit.Top, limit.Bottom)}
                             : TPoint{ClampToInt(n, limit.Left, limit.Right), static_cast<int>(m)};
        if (limit.Contains(p)) {
            pixels.push_back({p, i});
        }
    }
    return pixels;
}

std::vector<int> PenDashPattern(TPenStyle style, bool smallDots) {
    if (smallDots) {
        return {1, 1};
    }
    switch (style) {
    case TPenStyle::psDash:
        return {18, 6};
    case TPenStyle::psDot:
        return {3, 3};
    case TPenStyle::psDashDot:
        return {9, 6, 3, 6};
    case TPenStyle::psDashDotDot:
        return {9, 3, 3, 3, 3, 3};
    default:
        return {};
    }
}

bool PatternIsOn(const std::vector<int>& pattern, long long position) {
    if (pattern.empty()) {
        return true;
    }
    const long long period = std::accumulate(pattern.begin(), pattern.end(), 0LL);
    long long offset = position % period;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (offset < pattern[i]) {
            return i % 2 == 0;
        }
        offset -= pattern[i];
    }
    return true;
}
