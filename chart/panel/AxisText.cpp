#include "AxisText.h"

#include "TChartCanvas.h"

#include <algorithm>

namespace Armalyx::AxisText {
QStringList Lines(const QString& text) {
    return text.split(QLatin1Char('\r'));
}

int Width(TChartCanvas& canvas, const QString& text) {
    if (!text.contains(QLatin1Char('\r'))) {
        return std::max(0, canvas.MeasureTextWidth(text));
    }
    int widest = 0;
    for (const QString& line : Lines(text)) {
        widest = std::max(widest, canvas.MeasureTextWidth(line));
    }
    return widest;
}
} // namespace Armalyx::AxisText
