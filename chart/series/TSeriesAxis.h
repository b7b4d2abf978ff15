#pragma once
// What a series asks of an axis it is plotted against: which axis it is and how its values map to
// pixels in the frame being drawn.

#include <cstdint>

enum class TAxisKind { Bottom, Top, Left, Right, Depth };

class TSeriesAxis {
public:
    virtual TAxisKind Kind() const = 0;
    virtual bool Inverted() const = 0;
    virtual double PixelToValue(std::int32_t pixel) const = 0;
    // The pixel of a value; one too far off for 32-bit pixel arithmetic lies farPixel beyond
    // the edge it exceeds.
    virtual std::int32_t ValueToPixelBeyondEdges(double value, std::int32_t farPixel) const = 0;

protected:
    TSeriesAxis() = default;
    ~TSeriesAxis() = default;
    TSeriesAxis(const TSeriesAxis&) = default;
    TSeriesAxis& operator=(const TSeriesAxis&) = default;
};
