#include "ChartFonts.h"

#include "TChartFontObject.h"

namespace Armalyx::ChartFonts {
TChartFont DefaultFont() {
    return TChartFont(QStringLiteral("Arial"), 8, clBlack);
}
} // namespace Armalyx::ChartFonts
