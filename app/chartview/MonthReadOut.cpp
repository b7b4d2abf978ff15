#include "MonthReadOut.h"

#include <TChartSeries.h>

namespace Armalyx::MonthReadOut {

std::vector<ChartHoverText::TSeriesValue> ValuesAt(const std::vector<TSeriesReading>& readings,
                                                   int month) {
    std::vector<ChartHoverText::TSeriesValue> values;
    for (const TSeriesReading& reading : readings) {
        if (const auto value = ValueAtMonth(*reading.Series, month)) {
            const std::optional<double> estimate =
                reading.Estimate != nullptr ? ValueAtMonth(*reading.Estimate, month) : std::nullopt;
            const QString source = reading.SourceAt ? reading.SourceAt(month) : QString();
            values.push_back({reading.Name, *value, reading.Series->SeriesColor(), reading.Kind,
                              estimate, source});
        }
    }
    return values;
}

} // namespace Armalyx::MonthReadOut
