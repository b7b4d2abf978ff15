#pragma once
// Shared set-up for the chart tests: a chart of the main window's size whose axes are mapped
// onto a known plot rectangle without painting.

#include "TChart.h"

#include <memory>

namespace ChartTestSupport {

inline constexpr int kChartWidth = 673;
inline constexpr int kChartHeight = 385;

// A chart whose plot rectangle is rect and whose axes map the given ranges onto it.
std::unique_ptr<TChart> MappedChart(const TRect& rect, double xMin, double xMax, double yMin,
                                    double yMax);

} // namespace ChartTestSupport
