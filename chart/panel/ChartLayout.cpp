#include "ChartLayout.h"

#include <algorithm>

namespace Armalyx::ChartLayout {
TColor ColorForNewSeries(const std::vector<TColor>& usedColors, TColor panelColor,
                         TColor wallColor) {
    for (int entry = 1; entry <= kPaletteSize; ++entry) {
        const TColor candidate = Armalyx::PaletteEntry(entry);
        const bool used =
            std::find(usedColors.begin(), usedColors.end(), candidate) != usedColors.end();
        if (!used && candidate != panelColor && candidate != wallColor) {
            return candidate;
        }
    }
    return Armalyx::PaletteEntry(1);
}
} // namespace Armalyx::ChartLayout
