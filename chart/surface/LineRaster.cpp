#include "LineRaster.h"

#include "WideUnsigned.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <numeric>

namespace {

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

} // namespace

TLineWalk::TLineWalk(TPoint from, TPoint to, const TRect& limit)
    : TLineWalk(TWidePoint{from.X, from.Y}, TWidePoint{to.X, to.Y}, limit) {}

TLineWalk::TLineWalk(TWidePoint from, TWidePoint to, const TRect& limit) {
    const TAxisWalk wx{from.X, to.X - from.X};
    const TAxisWalk wy{from.Y, to.Y - from.Y};
    m_xMajor = std::llabs(wx.delta) >= std::llabs(wy.delta);
    const TAxisWalk& major = m_xMajor ? wx : wy;
    const TAxisWalk& minor = m_xMajor ? wy : wx;
    m_last = std::llabs(major.delta);
    if (m_xMajor) {
        RestrictSteps(major, limit.Left, limit.Right, m_first, m_last);
        m_minorLow = limit.Top;
        m_minorHigh = limit.Bottom;
    } else {
        RestrictSteps(major, limit.Top, limit.Bottom, m_first, m_last);
        m_minorLow = limit.Left;
        m_minorHigh = limit.Right;
    }
    m_majorStart = major.start;
    m_majorSign = major.delta > 0 ? 1 : -1;
    m_minorStart = minor.start;
    m_minorSign = minor.delta < 0 ? -1 : 1;
    if (m_first >= m_last) {
        return;
    }
    // The minor coordinate at step i is the exact value rounded half away from the start:
    // (2 i |minor| + |major|) / (2 |major|), carried from step to step as quotient and remainder.
    const long long absMajor = std::llabs(major.delta);
    const long long absMinor = std::llabs(minor.delta);
    m_remainderLimit = 2 * absMajor;
    m_remainderStep = 2 * absMinor;
    // Step and lengths are not negative here, and their product may pass 64 bits.
    const Armalyx::TWideUnsigned numerator =
        Armalyx::WideSum(Armalyx::WideProduct(2 * static_cast<std::uint64_t>(m_first),
                                              static_cast<std::uint64_t>(absMinor)),
                         static_cast<std::uint64_t>(absMajor));
    const Armalyx::TWideQuotient division =
        Armalyx::WideDivide(numerator, static_cast<std::uint64_t>(m_remainderLimit));
    m_offset = static_cast<long long>(division.Quotient);
    m_remainder = static_cast<long long>(division.Remainder);
}

TLineWalk::TStraightRun TLineWalk::StraightRun() const {
    TStraightRun run;
    if (m_first >= m_last || m_minorStart < m_minorLow || m_minorStart >= m_minorHigh) {
        return run;
    }
    const long long major = m_majorStart + m_majorSign * m_first;
    const int step = static_cast<int>(m_majorSign);
    run.First = m_xMajor ? TPoint{static_cast<int>(major), static_cast<int>(m_minorStart)}
                         : TPoint{static_cast<int>(m_minorStart), static_cast<int>(major)};
    run.StepX = m_xMajor ? step : 0;
    run.StepY = m_xMajor ? 0 : step;
    run.FirstIndex = m_first;
    run.Count = m_last - m_first;
    return run;
}

namespace Armalyx {

std::vector<TLinePixel> LinePixels(TPoint from, TPoint to, const TRect& limit) {
    std::vector<TLinePixel> pixels;
    TLineWalk(from, to, limit).ForEachPixel([&pixels](int x, int y, long long index) {
        pixels.push_back({{x, y}, index});
    });
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

} // namespace Armalyx

TDashCursor::TDashCursor(const std::vector<int>& pattern, long long position) {
    for (std::size_t run = 0; run < pattern.size(); ++run) {
        m_on.insert(m_on.end(), static_cast<std::size_t>(std::max(0, pattern[run])),
                    run % 2 == 0 ? 1 : 0);
    }
    if (!m_on.empty()) {
        Seek(position);
    }
}

void TDashCursor::Seek(long long position) {
    const auto period = static_cast<long long>(m_on.size());
    m_position = position;
    m_phase = static_cast<std::size_t>(((position % period) + period) % period);
}

namespace Armalyx {

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

} // namespace Armalyx
