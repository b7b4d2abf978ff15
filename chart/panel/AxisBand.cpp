#include "AxisBand.h"

#include "ChartMath.h"

namespace Armalyx::AxisBand {

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
        rect.Bottom =
            Armalyx::ChartMath::AddClamped(rect.Bottom, -static_cast<std::int64_t>(amount));
        break;
    case TAxisKind::Top:
        rect.Top = Armalyx::ChartMath::AddClamped(rect.Top, amount);
        break;
    case TAxisKind::Left:
        rect.Left = Armalyx::ChartMath::AddClamped(rect.Left, amount);
        break;
    default:
        rect.Right = Armalyx::ChartMath::AddClamped(rect.Right, -static_cast<std::int64_t>(amount));
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
    bands.TitlePos = Armalyx::ChartMath::AddClamped(bands.TitlePos, input.Shift);
    bands.LabelsPos = Armalyx::ChartMath::AddClamped(bands.LabelsPos, input.Shift);
    return bands;
}

} // namespace Armalyx::AxisBand
