#pragma once
// The bands an axis takes out of the plot rectangle on its side (title, labels, ticks, from the
// outside in) and the edges where its title and labels go, worked out from measured sizes alone.

#include "TChartGeometry.h"
#include "TSeriesAxis.h"

#include <cstdint>
#include <optional>

namespace Armalyx::AxisBand {

struct TInput {
    TAxisKind Kind = TAxisKind::Bottom;
    TRect Rect;
    std::optional<int> TitleSize;  // absent when the axis has no title
    std::optional<int> LabelsSize; // absent when labels are off
    int TickSize = 0;
    int Shift = 0; // the axis position's offset, applied to the recorded edges
    // The edges recorded by the previous layout, kept for a band the axis does not have.
    std::int32_t TitlePos = 0;
    std::int32_t LabelsPos = 0;
};

struct TBands {
    TRect Rect; // the rectangle left inside the bands
    std::int32_t TitlePos = 0;
    std::int32_t LabelsPos = 0;

    bool operator==(const TBands&) const = default;
};

// The coordinate of the rectangle's side that belongs to the axis.
int SideOf(TAxisKind kind, const TRect& rect);
// Moves the axis' side of the rectangle inwards by an amount, saturating.
void ShrinkBy(TAxisKind kind, TRect& rect, int amount);

TBands Reserve(const TInput& input);

} // namespace Armalyx::AxisBand
