#pragma once
// The mapping from the chart's logical pixels, in which it lays itself out, to the device pixels
// of a high-resolution picture (a screen with a device pixel ratio above 1). Logical pixel v
// covers the device pixels from Edge(v) up to Edge(v + 1) - 1: at a whole ratio r every logical
// pixel is a square of r x r device pixels; at a ratio with a fraction the squares differ by one.

#include "TChartGeometry.h"

class TDeviceScale final {
public:
    // The ratios a surface accepts; others are brought into this range, and one that is not a
    // number counts as 1.
    static constexpr double kSmallestRatio = 0.25;
    static constexpr double kLargestRatio = 16;

    TDeviceScale() = default;
    explicit TDeviceScale(double ratio);

    double Ratio() const { return m_ratio; }
    bool Identity() const { return m_ratio == 1; }
    // The ratio when it is a whole number, else 0.
    int WholeRatio() const { return m_whole; }

    // The first device pixel of logical pixel v: v times the ratio, rounded half up.
    long long Edge(long long v) const;
    // The logical pixel that covers a device pixel.
    long long LogicalPixel(long long device) const;
    // How many device pixels logical pixel v covers (at least 1, so that nothing drawn vanishes).
    int Thickness(long long v) const;
    // The device pixels a logical rectangle covers, kept within the range of int.
    TRect DeviceRect(const TRect& logical) const;
    // A device size for a logical size, rounded like Edge.
    int DeviceLength(int logical) const;

    bool operator==(const TDeviceScale&) const = default;

private:
    double m_ratio = 1;
    int m_whole = 1;
};
