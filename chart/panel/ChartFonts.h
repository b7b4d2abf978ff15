#pragma once
// The chart's default font: "Arial" at 8 points in black.

#include "TChartFont.h"

namespace Armalyx::ChartFonts {
TChartFont DefaultFont();
} // namespace Armalyx::ChartFonts
