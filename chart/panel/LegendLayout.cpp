#include "LegendLayout.h"

#include "ChartMath.h"

#include <algorithm>

namespace Armalyx::LegendLayout {
namespace {

int Percent(int value, int percent) {
    return Armalyx::ChartMath::RoundToInt(value * percent * 0.01);
}

int WidestOfFirst(const std::vector<int>& widths, int count) {
    const auto end = widths.begin() + std::clamp(count, 0, static_cast<int>(widths.size()));
    return end == widths.begin() ? 0 : *std::max_element(widths.begin(), end);
}

int FrameOffset(const TInput& input) {
    return input.FrameVisible ? input.FrameWidth + 1 : 0;
}

// One column at the right or left edge, from TopPos down as far as whole rows fit.
void LayOutVertical(const TInput& input, TLayout& layout) {
    const TRect& bounds = input.ChartBounds;
    const TRect& chart = input.ChartRect;
    layout.Rect.Top = bounds.Top + Percent(bounds.Height(), input.TopPos);
    layout.ColumnCount = 1;
    layout.RowCount =
        layout.Rect.Top >= chart.Bottom || layout.FontH <= 0
            ? 0
            : std::min(layout.ItemCount,
                       (chart.Bottom - 2 * input.FrameWidth - layout.Rect.Top) / layout.FontH);
    layout.Rect.Bottom = layout.Rect.Top + layout.RowCount * layout.FontH + 2;
    const int w = WidestOfFirst(input.TextWidths, layout.RowCount);
    layout.SymbolWidth = Percent(w + kSymbolSlack, input.ColorWidth);
    if (input.Alignment == laRight) {
        layout.Rect.Right = chart.Right - FrameOffset(input) - input.ShadowSize;
        layout.TextX = layout.Rect.Right - w - 2;
        layout.SymbolX = layout.TextX - layout.SymbolWidth - kSymbolGap;
        layout.Rect.Left = layout.SymbolX - kSymbolGap;
    } else {
        layout.Rect.Left = chart.Left + FrameOffset(input);
        layout.SymbolX = layout.Rect.Left + kSymbolGap;
        layout.TextX = layout.SymbolX + layout.SymbolWidth + kSymbolGap;
        layout.Rect.Right = layout.TextX + w + 2;
    }
}

// Rows of equal columns above or below the plot, centred and shifted by TopPos.
void LayOutHorizontal(const TInput& input, TLayout& layout) {
    const TRect& chart = input.ChartRect;
    const int chartWidth = chart.Width();
    layout.ColumnCount =
        chart.Right <= kColumnPad
            ? 0
            : std::min(layout.ItemCount, (chartWidth - 2 * input.FrameWidth - kColumnPad) /
                                             (layout.AllWidth + layout.SymbolWidth + kColumnPad));
    layout.ColumnCount = std::max(0, layout.ColumnCount);
    layout.RowCount =
        layout.ColumnCount == 0
            ? 0
            : std::min((layout.ItemCount + layout.ColumnCount - 1) / layout.ColumnCount,
                       input.MaxNumRows);
    const int height = layout.RowCount * layout.FontH + 2;
    if (input.Alignment == laTop) {
        layout.Rect.Top = chart.Top + FrameOffset(input);
        layout.Rect.Bottom = layout.Rect.Top + height;
    } else {
        layout.Rect.Bottom = chart.Bottom - input.ShadowSize - FrameOffset(input);
        layout.Rect.Top = layout.Rect.Bottom - height;
    }
    const int boxWidth = std::min(
        chartWidth, 2 * input.ShadowSize +
                        (layout.SymbolWidth + layout.AllWidth + kSymbolGap) * layout.ColumnCount +
                        kColumnPad);
    const int shift = Percent(input.ChartBounds.Width() - boxWidth, input.TopPos);
    const int centre = chart.Left + chartWidth / 2;
    layout.Rect.Left = centre - boxWidth / 2 + shift;
    layout.Rect.Right = centre + boxWidth / 2 + shift;
    layout.SymbolX = layout.Rect.Left + kSymbolGap;
    layout.TextX = layout.SymbolX + layout.SymbolWidth + kSymbolGap;
}

} // namespace

bool IsVertical(TLegendAlignment alignment) {
    return alignment == laLeft || alignment == laRight;
}

TLayout LayOut(const TInput& input) {
    TLayout layout;
    layout.Vertical = IsVertical(input.Alignment);
    layout.FontH = input.FontH;
    layout.FirstValue = input.FirstValue;
    layout.ItemCount = static_cast<int>(input.TextWidths.size());
    layout.AllWidth = WidestOfFirst(input.TextWidths, layout.ItemCount) + kTextPad;
    layout.SymbolWidth = Percent(layout.AllWidth, input.ColorWidth);
    if (layout.Vertical) {
        LayOutVertical(input, layout);
    } else {
        LayOutHorizontal(input, layout);
    }
    return layout;
}

TPoint TLayout::RowOrigin(int position) const {
    const int column = Vertical ? 0 : position % ColumnCount;
    const int row = Vertical ? position : position / ColumnCount;
    return {TextX + column * ColumnStep(), Rect.Top + 1 + row * FontH};
}

int TLayout::ItemAt(TPoint point) const {
    if (RowCount < 1 || FontH <= 0 || !Rect.Contains(point)) {
        return -1;
    }
    const int row = (point.Y - Rect.Top - 1) / FontH;
    if (row < 0 || row >= RowCount) {
        return -1;
    }
    int position = row;
    if (!Vertical && ColumnCount > 0) {
        const int column = (point.X - SymbolX) / std::max(1, ColumnStep());
        position = row * ColumnCount + std::clamp(column, 0, ColumnCount - 1);
    }
    return position < ItemCount ? position + FirstValue : -1;
}

// The plot gives up the box (when ResizeChart is on) and, in any case, a gap: HorizMargin or 3 %
// of the plot width beside a vertical legend, VertMargin or 4 % of its height for a horizontal one.
TRect ChartRectBeside(const TShrinkInput& input) {
    TRect chart = input.ChartRect;
    const TRect& legend = input.LegendRect;
    const int horizGap = input.HorizMargin != 0 ? input.HorizMargin
                                                : Armalyx::ChartMath::MulDiv(3, chart.Width(), 100);
    const int vertGap = input.VertMargin != 0 ? input.VertMargin
                                              : Armalyx::ChartMath::MulDiv(4, chart.Height(), 100);
    switch (input.Alignment) {
    case laRight:
        chart.Right = (input.ResizeChart ? legend.Left : chart.Right) - horizGap;
        break;
    case laLeft:
        chart.Left = (input.ResizeChart ? legend.Right : chart.Left) + horizGap;
        break;
    case laTop:
        chart.Top = (input.ResizeChart ? legend.Bottom + input.ShadowSize : chart.Top) + vertGap;
        break;
    case laBottom:
        chart.Bottom = (input.ResizeChart ? legend.Top : chart.Bottom) - vertGap;
        break;
    }
    return chart;
}

} // namespace Armalyx::LegendLayout
