#pragma once
// The chart's default font: "Arial" at 8 points in black.

#include "TChartFont.h"

namespace ChartFonts {
TChartFont DefaultFont();
} // namespace ChartFonts
