#include "AxisTitleBands.h"

#include <algorithm>
#include <cmath>

namespace Armalyx::AxisTitleBands {

namespace {

struct TPlaced {
    std::size_t Band = 0;
    std::int64_t Centre = 0;
    std::int64_t Low = 0;   // the caption's first pixel along the axis
    std::int64_t High = 0;  // one past its last
    std::int64_t Shown = 0; // how many pixels of its band are in view
};

// The caption of a band, or none when no part of the band is in view or its caption cannot stand
// under that part.
std::optional<TPlaced> Place(const ChartMath::TAxisScale& scale, const TBand& band,
                             std::size_t index) {
    const double low = std::max(std::min(band.From, band.To), scale.WorkMinimum);
    const double high = std::min(std::max(band.From, band.To), scale.WorkMaximum);
    if (!(high > low)) {
        return std::nullopt;
    }
    const std::int64_t a = ChartMath::ValueToPixel(scale, low);
    const std::int64_t b = ChartMath::ValueToPixel(scale, high);
    const std::int64_t from = std::min(a, b);
    const std::int64_t to = std::max(a, b);
    if (to == from) {
        return std::nullopt;
    }
    const std::int64_t size = std::max(band.TextSize, 0);
    const std::int64_t spanLow = std::min(scale.PixelStart, scale.PixelEnd);
    const std::int64_t spanHigh = std::max(scale.PixelStart, scale.PixelEnd);
    std::int64_t centre = (from + to) / 2;
    // Kept inside the axis where it fits, but never moved off its own band.
    if (size <= spanHigh - spanLow) {
        centre = std::clamp(centre, spanLow + size / 2, spanHigh - (size - size / 2));
    }
    if (centre < from || centre > to) {
        return std::nullopt;
    }
    return TPlaced{index, centre, centre - size / 2, centre - size / 2 + size, to - from};
}

} // namespace

std::vector<std::optional<std::int32_t>> Centres(const ChartMath::TAxisScale& scale,
                                                 const std::vector<TBand>& bands) {
    std::vector<std::optional<std::int32_t>> centres(bands.size());
    if (!(scale.WorkRange() > 0) || !std::isfinite(scale.WorkRange())) {
        return centres;
    }
    std::vector<TPlaced> placed;
    for (std::size_t i = 0; i < bands.size(); ++i) {
        if (const auto caption = Place(scale, bands[i], i)) {
            placed.push_back(*caption);
        }
    }
    std::sort(placed.begin(), placed.end(),
              [](const TPlaced& a, const TPlaced& b) { return a.Centre < b.Centre; });
    std::vector<TPlaced> kept;
    for (const TPlaced& caption : placed) {
        bool beaten = false;
        while (!kept.empty() && caption.Low < kept.back().High && !beaten) {
            beaten = caption.Shown <= kept.back().Shown;
            if (!beaten) {
                kept.pop_back();
            }
        }
        if (!beaten) {
            kept.push_back(caption);
        }
    }
    for (const TPlaced& caption : kept) {
        centres[caption.Band] = ChartMath::ClampToInt(caption.Centre);
    }
    return centres;
}

} // namespace Armalyx::AxisTitleBands
