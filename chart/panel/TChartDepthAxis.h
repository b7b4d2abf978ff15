#pragma once
// The depth axis of three-dimensional views; created invisible.

#include "TCustomChartAxis.h"

class TChartDepthAxis final : public TCustomChartAxis {
public:
    explicit TChartDepthAxis(TCustomAxisPanel& chart) : TCustomChartAxis(chart, TAxisKind::Depth) {}
};
