#pragma once
// Where the legend's box, rows, symbols and texts go, worked out from measured text sizes alone:
// the legend measures its texts, lays them out here, then draws the layout and hit-tests against
// it. No surface is needed, so every case of the arithmetic can be checked on plain numbers.

#include "TChartGeometry.h"
#include "TLegendTypes.h"

#include <vector>

namespace Armalyx::LegendLayout {

// Gaps of the row layout, in pixels.
inline constexpr int kTextPad = 4;      // added to the widest text
inline constexpr int kSymbolGap = 4;    // between symbol and text, and box edge and symbol
inline constexpr int kSymbolSlack = 10; // added to the text width a vertical symbol scales with
inline constexpr int kColumnPad = 8;

// What the layout is computed from: the legend's settings and the measured texts.
struct TInput {
    TLegendAlignment Alignment = laRight;
    TRect ChartBounds;
    TRect ChartRect;
    int FontH = 0;
    int FirstValue = 0;
    // The text widths of the items that can be shown, first shown item first.
    std::vector<int> TextWidths;
    int ColorWidth = 0; // percent
    int TopPos = 0;     // percent
    int MaxNumRows = 0;
    int ShadowSize = 0;
    bool FrameVisible = false;
    int FrameWidth = 0;
};

// A laid-out legend: its rectangle without frame and shadow, and its rows and columns.
struct TLayout {
    TRect Rect;
    bool Vertical = true;
    int FontH = 0;
    int FirstValue = 0;
    int ItemCount = 0;
    int AllWidth = 0; // the widest text of all items, padded
    int SymbolWidth = 0;
    int ColumnCount = 0;
    int RowCount = 0;
    int TextX = 0;
    int SymbolX = 0;

    bool operator==(const TLayout&) const = default;

    // The distance between the starts of two columns of a horizontal legend.
    int ColumnStep() const { return AllWidth + SymbolWidth + kSymbolGap; }
    // The text's top-left corner of the row at a position (0 = first shown row).
    TPoint RowOrigin(int position) const;
    // The item under a point, or -1.
    int ItemAt(TPoint point) const;
};

bool IsVertical(TLegendAlignment alignment);
TLayout LayOut(const TInput& input);

// What the plot keeps beside a drawn legend.
struct TShrinkInput {
    TLegendAlignment Alignment = laRight;
    TRect ChartRect; // before the legend
    TRect LegendRect;
    bool ResizeChart = true;
    int HorizMargin = 0;
    int VertMargin = 0;
    int ShadowSize = 0;
};
TRect ChartRectBeside(const TShrinkInput& input);

} // namespace Armalyx::LegendLayout
