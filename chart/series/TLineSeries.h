#pragma once
// The line series: draws lines, no area, and no point symbols unless switched on.

#include "TCustomSeries.h"

class TLineSeries final : public TCustomSeries {
public:
    TLineSeries();
    ~TLineSeries() override;
};
