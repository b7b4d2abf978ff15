#pragma once
// What the tooltip over the availability chart says: the month under the mouse and the value of
// each visible series in that month. Pure text work, so tests need no window.

#include <TChartColors.h>

#include <QString>

#include <optional>
#include <vector>

namespace ChartHoverText {

// One series' line in the tooltip.
struct TSeriesValue {
    QString Title;
    double Value = 0;
    TColor Color = clBlack;
};

// The month (1 = January 1941 .. 60 = December 1945) nearest to a bottom-axis value, if it lies
// within the axis range.
std::optional<int> MonthAt(double axisValue, double axisMinimum, double axisMaximum);
// "Mar 1943" for month 27.
QString MonthCaption(int month);
// The tooltip as rich text: the month, then one line per series with a swatch of its colour.
// Series titles come from the data files and are escaped.
QString ToolTip(int month, const std::vector<TSeriesValue>& values);

} // namespace ChartHoverText
