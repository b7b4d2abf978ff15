#pragma once
// Pure arithmetic of the chart: rounding rules, plot rectangle layout, value/pixel mapping and
// label steps. Nothing here needs a window, so tests call these directly.

#include "TChartGeometry.h"

#include <QString>

#include <cstdint>
#include <vector>

namespace Armalyx::ChartMath {

// Rounds to nearest, ties to even, clamped into the 32-bit range (NaN gives 0).
std::int32_t RoundToInt(double value);
// The value saturated at the ends of the 32-bit range.
std::int32_t ClampToInt(std::int64_t value);
// a + b, saturated at the ends of the 32-bit range.
std::int32_t AddClamped(std::int64_t a, std::int64_t b);
// a * b / c rounded to nearest with halves away from zero; 0 when c is 0.
std::int32_t MulDiv(std::int32_t a, std::int32_t b, std::int32_t c);

struct TMargins {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
};

// The plot rectangle that the percentage margins and the border leave inside the bounds.
TRect RectAfterMargins(const TRect& bounds, const TMargins& percent, int borderWidth);
// Keeps a plot rectangle from inverting: left/top never before the bounds, right/bottom never
// before left/top. controlWidth/Height serve for a rectangle that collapsed to zero size.
TRect KeepRectUpright(TRect rect, const TRect& bounds, int controlWidth, int controlHeight);

// Axis span along its direction, as the mapping needs it.
struct TAxisScale {
    double WorkMinimum = 0;
    double WorkMaximum = 0;
    std::int32_t PixelStart = 0;
    std::int32_t PixelEnd = 0;
    bool Horizontal = true;
    bool Inverted = false;

    double WorkRange() const { return WorkMaximum - WorkMinimum; }
    std::int32_t PixelSize() const;
    std::int32_t PixelCenter() const;
};

// The pixel of a value; a zero range or an offset beyond 32 bits gives the span's centre.
std::int32_t ValueToPixel(const TAxisScale& scale, double value);
// The same for drawing, where a value is never shown at the centre it does not have: an offset
// beyond 32 bits gives -farPixel or +farPixel, whichever lies beyond the end the value exceeds.
// A value that is not a number lies on no side and gives the lowest 32-bit pixel.
std::int32_t ValueToPixelBeyondEdges(const TAxisScale& scale, double value, std::int32_t farPixel);
// The value at a pixel; 0 for a span shorter than one pixel.
double PixelToValue(const TAxisScale& scale, std::int32_t pixel);

// The next larger step of the 1-2-5 series above x (x > 0): 3 -> 5, 1000 -> 2000.
double NextLabelStep(double x);
// How many labels of size labelSize (separation percent added) fit into pixelSize; 1 for no size.
std::int32_t LabelCount(std::int32_t labelSize, std::int32_t separationPercent,
                        std::int32_t pixelSize);
// The label step for a range given the count of labels that fit; never below 1e-12.
double LabelStepForCount(std::int32_t count, double increment, double workRange,
                         std::int32_t separationPercent);

// Minor tick positions for major ticks in drawing order (largest value first): count ticks in
// every interval, and count beyond each outermost tick with the first interval's spacing.
std::vector<std::int32_t> MinorTickPositions(const std::vector<std::int32_t>& ticks, int count);

// The value as "#,##0.###" shows it, with the locale's separators.
QString FormatAxisLabel(double value);

} // namespace Armalyx::ChartMath
