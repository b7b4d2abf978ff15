#pragma once
// The geometry of 1-pixel lines on a vector device. A chain of lines that continue each other is
// one stroke through the centres of the pixels the screen sets; where the surface clips, the
// stroke is cut to the clip rectangle itself, because not every vector format keeps a painter's
// clip (an SVG written by Qt has none).

#include "TChartGeometry.h"

#include <QPointF>
#include <QRectF>

#include <optional>
#include <vector>

namespace Armalyx::VectorPolyline {

// A part of a stroke, with the length of the stroke before it so that a dash pattern goes on
// where it was.
struct TStrokePiece {
    std::vector<QPointF> Points;
    double StartLength = 0;
};

// The stroke of the lines from pixel to pixel along the chain, as the screen draws them: it
// begins at the near edge of the first pixel and ends at the near edge of the last one, which
// the screen leaves to whatever follows, and it passes through the centres of the pixels between.
// Repeated pixels add nothing; fewer than two distinct pixels give no stroke.
std::vector<QPointF> Stroke(const std::vector<TPoint>& pixels);

// The pixels a clip rectangle lets through (Left <= x < Right, Top <= y < Bottom) hold the
// centre line of a 1-pixel stroke when it stays half a pixel inside their edges: then no part of
// the stroke's width, cut ends and bevelled corners included, lies outside. None for a clip that
// lets no pixel through.
std::optional<QRectF> CentreLineArea(const TRect& clip);

// The parts of the stroke inside the area (edges included), in order. The stroke leaving the
// area and coming back gives two parts.
std::vector<TStrokePiece> Clipped(const std::vector<QPointF>& stroke, const QRectF& area);

} // namespace Armalyx::VectorPolyline
