#pragma once
// The chart's default font: "Arial" at 8 points, sized in pixels (11 at 96 dots per inch) so
// that the layout does not move with the screen's DPI setting.

#include <QFont>

namespace ChartFonts {
inline constexpr int kDefaultFontPixelSize = 11;
QFont DefaultFont();
} // namespace ChartFonts
