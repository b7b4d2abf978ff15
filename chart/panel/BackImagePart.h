#pragma once
// Which part of a background picture an axis shows, and where: a picture that depicts the values
// Minimum to Maximum of the bottom axis from its left edge to its right one keeps each of its
// columns at the pixel of the value it depicts, whatever range the axis spans.

#include "ChartMath.h"
#include "TChartAxisTitle.h"
#include "TChartGeometry.h"

#include <optional>

namespace Armalyx::BackImagePart {

struct TPart {
    TRect Target; // within the rectangle the picture is drawn into
    // The picture's columns at the target's left and right edges, in picture pixels (fractions
    // included); left beyond right for an axis that runs from right to left.
    double SourceLeft = 0;
    double SourceRight = 0;
    // Whether this is the whole picture stretched into the whole rectangle.
    bool Whole = false;
};

// The part of a picture pictureWidth pixels wide in view, inside rect (whose height it takes);
// none when the axis shows none of the depicted values.
std::optional<TPart> Place(const ChartMath::TAxisScale& scale, const TRect& rect,
                           const TAxisValueSpan& depicted, int pictureWidth);

} // namespace Armalyx::BackImagePart
