#pragma once
// What the tooltip over the availability chart says: the month under the mouse and the value of
// each visible series in that month, in a historian's terms. Pure text work, so tests need no
// window.

#include "SeriesReading.h"

#include <TChartColors.h>

#include <QColor>
#include <QLocale>
#include <QString>

#include <optional>
#include <vector>

namespace Armalyx::ChartHoverText {

// One series' line in the tooltip.
struct TSeriesValue {
    QString Name;
    double Value = 0;
    TColor Color = clBlack;
    TReadingKind Kind = TReadingKind::Count;
    // For a documented count: the estimate of the same month, when the curve has one.
    std::optional<double> Estimate = std::nullopt;
    // The source of the month's figure; empty without one.
    QString Source = QString();
};

// The month (1 = January 1941 .. 60 = December 1945) nearest to a bottom-axis value, if it lies
// within the axis range.
std::optional<int> MonthAt(double axisValue, double axisMinimum, double axisMaximum);
// A count as a whole number with the locale's grouping: "1,234".
QString WholeNumberText(double value, const QLocale& locale);
// A share curve's point as a percentage of the fleet with one decimal: "12.3 %".
QString SharePercentText(double position, const QLocale& locale);
// A value as a reader is told it: a count or deliveries as a whole number, a share as a
// percentage of the fleet.
QString ValueText(double value, TReadingKind kind, const QLocale& locale);
// One line: "Losses: 1,234", "Lend Lease deliveries: 300", "T-34 share: 12.3 %".
QString ValueLine(const TSeriesValue& value, const QLocale& locale);
// The tooltip as rich text: the month, then one line per series behind a swatch of its colour.
// The swatch's border takes the tooltip's text colour, so that a black curve stays visible on a
// dark tooltip. Series names come from the data files and are escaped.
QString ToolTip(int month, const std::vector<TSeriesValue>& values, const QLocale& locale,
                const QColor& swatchBorder);
// The same as plain lines, as a screen reader speaks it: "Mar 1943", then one line per series.
QString PlainText(int month, const std::vector<TSeriesValue>& values, const QLocale& locale);
// The month and the values as a screen reader speaks them, in sentences on one line and without
// the sources: "Mar 1943. Total In service: 12,345. T-34: 1,234."
QString SpokenText(int month, const std::vector<TSeriesValue>& values, const QLocale& locale);

} // namespace Armalyx::ChartHoverText
