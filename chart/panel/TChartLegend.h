#pragma once
// The chart's legend as the chart publishes it.

#include "TCustomChartLegend.h"

class TChartLegend final : public TCustomChartLegend {
public:
    using TCustomChartLegend::TCustomChartLegend;
};
