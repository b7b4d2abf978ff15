#include "ChartFonts.h"

#include "TChartFontObject.h"

namespace ChartFonts {
TChartFont DefaultFont() {
    return TChartFont(QStringLiteral("Arial"), 8, clBlack);
}
} // namespace ChartFonts
