#include "TDeviceScale.h"

#include "ChartMath.h"

#include <algorithm>
#include <cmath>

namespace {

long long FloorDivide(long long a, long long b) {
    const long long quotient = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? quotient - 1 : quotient;
}

} // namespace

TDeviceScale::TDeviceScale(double ratio) {
    m_ratio = std::isnan(ratio) ? 1.0 : std::clamp(ratio, kSmallestRatio, kLargestRatio);
    const double whole = std::round(m_ratio);
    m_whole = whole == m_ratio ? static_cast<int>(whole) : 0;
}

long long TDeviceScale::Edge(long long v) const {
    if (m_whole > 0) {
        return v * m_whole;
    }
    return static_cast<long long>(std::floor(static_cast<double>(v) * m_ratio + 0.5));
}

long long TDeviceScale::LogicalPixel(long long device) const {
    if (m_whole > 0) {
        return FloorDivide(device, m_whole);
    }
    // An estimate from the ratio, set right against Edge so both always agree.
    auto v = static_cast<long long>(std::floor((static_cast<double>(device) + 0.5) / m_ratio));
    while (Edge(v) > device) {
        --v;
    }
    while (Edge(v + 1) <= device) {
        ++v;
    }
    return v;
}

int TDeviceScale::Thickness(long long v) const {
    return static_cast<int>(std::max(1LL, Edge(v + 1) - Edge(v)));
}

TRect TDeviceScale::DeviceRect(const TRect& logical) const {
    return {Armalyx::ChartMath::ClampToInt(Edge(logical.Left)),
            Armalyx::ChartMath::ClampToInt(Edge(logical.Top)),
            Armalyx::ChartMath::ClampToInt(Edge(logical.Right)),
            Armalyx::ChartMath::ClampToInt(Edge(logical.Bottom))};
}

int TDeviceScale::DeviceLength(int logical) const {
    return Armalyx::ChartMath::ClampToInt(Edge(logical));
}
