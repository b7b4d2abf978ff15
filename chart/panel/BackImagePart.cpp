#include "BackImagePart.h"

#include <algorithm>
#include <cmath>

namespace Armalyx::BackImagePart {

namespace {

// The axis value at a pixel edge, without rounding.
double ValueAtPixel(const ChartMath::TAxisScale& scale, std::int32_t pixel) {
    const auto size = static_cast<double>(scale.PixelSize());
    const bool fromStart = scale.Horizontal != scale.Inverted;
    const double offset = fromStart ? static_cast<double>(pixel) - scale.PixelStart
                                    : static_cast<double>(scale.PixelEnd) - pixel;
    return scale.WorkMinimum + offset * scale.WorkRange() / size;
}

double ColumnOf(double value, const TAxisValueSpan& depicted, int pictureWidth) {
    const double column =
        (value - depicted.Minimum) / (depicted.Maximum - depicted.Minimum) * pictureWidth;
    return std::clamp(column, 0.0, static_cast<double>(pictureWidth));
}

} // namespace

std::optional<TPart> Place(const ChartMath::TAxisScale& scale, const TRect& rect,
                           const TAxisValueSpan& depicted, int pictureWidth) {
    const bool usable = pictureWidth > 0 && depicted.Maximum > depicted.Minimum &&
                        std::isfinite(depicted.Maximum - depicted.Minimum) &&
                        scale.WorkRange() > 0 && std::isfinite(scale.WorkRange()) &&
                        scale.PixelSize() > 0 && !rect.IsEmpty();
    if (!usable) {
        return std::nullopt;
    }
    const double low = std::max(depicted.Minimum, scale.WorkMinimum);
    const double high = std::min(depicted.Maximum, scale.WorkMaximum);
    if (!(high > low)) {
        return std::nullopt;
    }
    const std::int32_t a = ChartMath::ValueToPixel(scale, low);
    const std::int32_t b = ChartMath::ValueToPixel(scale, high);
    TPart part;
    part.Target = rect;
    part.Target.Left = std::max(rect.Left, std::min(a, b));
    part.Target.Right = std::min(rect.Right, std::max(a, b));
    if (part.Target.IsEmpty()) {
        return std::nullopt;
    }
    part.SourceLeft = ColumnOf(ValueAtPixel(scale, part.Target.Left), depicted, pictureWidth);
    part.SourceRight = ColumnOf(ValueAtPixel(scale, part.Target.Right), depicted, pictureWidth);
    part.Whole = part.Target == rect && part.SourceLeft == 0 && part.SourceRight == pictureWidth;
    return part;
}

} // namespace Armalyx::BackImagePart
