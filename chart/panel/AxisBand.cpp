#include "AxisBand.h"

#include "ChartMath.h"

namespace AxisBand {

int SideOf(TAxisKind kind, const TRect& rect) {
    switch (kind) {
    case TAxisKind::Bottom:
        return rect.Bottom;
    case TAxisKind::Top:
        return rect.Top;
    case TAxisKind::Left:
        return rect.Left;
    default:
        return rect.Right;
    }
}

void ShrinkBy(TAxisKind kind, TRect& rect, int amount) {
    switch (kind) {
    case TAxisKind::Bottom:
        rect.Bottom = ChartMath::AddClamped(rect.Bottom, -static_cast<std::int64_t>(amount));
        break;
    case TAxisKind::Top:
        rect.Top = ChartMath::AddClamped(rect.Top, amount);
        break;
    case TAxisKind::Left:
        rect.Left = ChartMath::AddClamped(rect.Left, amount);
        break;
    default:
        rect.Right = ChartMath::AddClamped(rect.Right, -static_cast<std::int64_t>(amount));
        break;
    }
}

TBands Reserve(const TInput& input) {
    TBands bands{input.Rect, input.TitlePos, input.LabelsPos};
    if (input.TitleSize) {
        ShrinkBy(input.Kind, bands.Rect, *input.TitleSize);
        bands.TitlePos = SideOf(input.Kind, bands.Rect);
    }
    if (input.LabelsSize) {
        ShrinkBy(input.Kind, bands.Rect, *input.LabelsSize);
        bands.LabelsPos = SideOf(input.Kind, bands.Rect);
    }
    if (input.TickSize > 0) {
        ShrinkBy(input.Kind, bands.Rect, input.TickSize);
    }
    bands.TitlePos = ChartMath::AddClamped(bands.TitlePos, input.Shift);
    bands.LabelsPos = ChartMath::AddClamped(bands.LabelsPos, input.Shift);
    return bands;
}

} // namespace AxisBand
