#include "ChartFonts.h"

namespace ChartFonts {
QFont DefaultFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(kDefaultFontPixelSize);
    return font;
}
} // namespace ChartFonts
