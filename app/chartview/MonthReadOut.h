#pragma once
// What the chart says about one month, for the mouse's tooltip and the keyboard's month cursor
// alike: each visible curve's value in that month, read from the series as they are now.

#include "ChartHoverText.h"
#include "SeriesReading.h"

#include <vector>

namespace Armalyx::MonthReadOut {

// The value of each curve that has a point in this month, in chart order.
std::vector<ChartHoverText::TSeriesValue> ValuesAt(const std::vector<TSeriesReading>& readings,
                                                   int month);

} // namespace Armalyx::MonthReadOut
