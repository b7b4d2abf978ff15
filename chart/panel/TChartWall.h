#pragma once
// The class of the chart's three walls.

#include "TCustomChartWall.h"

class TChartWall final : public TCustomChartWall {
public:
    using TCustomChartWall::TCustomChartWall;
};
