#pragma once
// How a reader of the chart names each curve and reads its values: vehicle counts, lend-lease
// deliveries, or a share of the fleet drawn on the count axis. Shared by the tooltip and by the
// chart's numbers on the clipboard.

#include <QString>

#include <functional>
#include <optional>

class TChartSeries;

// Documented: counts from "StockData.txt", read beside the estimate curve of their type.
enum class TReadingKind { Count, Deliveries, FleetShare, Documented };

struct TSeriesReading {
    const TChartSeries* Series = nullptr;
    // The curve's name for a reader: the series' title, or "T-34 share" for a share curve.
    QString Name;
    TReadingKind Kind = TReadingKind::Count;
    // For documented counts: the estimate curve they stand beside.
    const TChartSeries* Estimate = nullptr;
    // Where the curve's figure of a month comes from, as the data files' source comments say;
    // none for curves without sources.
    std::function<QString(int month)> SourceAt = nullptr;
};

namespace Armalyx {

// The value a series holds at exactly this month, if it has a point there that is not null.
std::optional<double> ValueAtMonth(const TChartSeries& series, int month);

} // namespace Armalyx
