#include "SeriesReading.h"

#include <TChartSeries.h>

namespace Armalyx {

std::optional<double> ValueAtMonth(const TChartSeries& series, int month) {
    for (std::int32_t i = 0; i < series.PointCount(); ++i) {
        if (series.XValueAt(i) == month && !series.IsNull(i)) {
            return series.YValueAt(i);
        }
    }
    return std::nullopt;
}

} // namespace Armalyx
