#pragma once
// Decisions of the chart's layout that need no window.

#include "TChartColors.h"

#include <vector>

namespace Armalyx::ChartLayout {
// The first palette entry that no series uses and that differs from the panel and back wall
// colours; entry 1 when all sixteen are taken.
TColor ColorForNewSeries(const std::vector<TColor>& usedColors, TColor panelColor,
                         TColor wallColor);
} // namespace Armalyx::ChartLayout
