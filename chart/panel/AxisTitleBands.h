#pragma once
// Where the band captions of an axis title go: each under the middle of the part of its band that
// the axis shows, kept inside the axis, none for a band out of view, and of two that would overlap
// the one with more of its band in view.

#include "ChartMath.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace Armalyx::AxisTitleBands {

struct TBand {
    double From = 0;
    double To = 0;
    int TextSize = 0; // the caption's extent along the axis, in pixels
};

// The pixel along the axis at which each band's caption is centred, or none.
std::vector<std::optional<std::int32_t>> Centres(const ChartMath::TAxisScale& scale,
                                                 const std::vector<TBand>& bands);

} // namespace Armalyx::AxisTitleBands
