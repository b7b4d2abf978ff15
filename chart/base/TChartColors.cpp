#include "TChartColors.h"

#include <QGuiApplication>
#include <QPalette>

#include <algorithm>
#include <array>

namespace {

constexpr std::array<TColor, kPaletteSize> kPalette = {
    clRed,  clGreen,  clYellow, clBlue,  clWhite,  clGray,   clFuchsia, clTeal,
    clNavy, clMaroon, clLime,   clOlive, clPurple, clSilver, clAqua,    clBlack};

QColor ExplicitColor(TColor color) {
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

QColor SystemColor(TColor color) {
    const QPalette palette = QGuiApplication::palette();
    switch (color & 0xFF) {
    case 5: // window background
        return palette.color(QPalette::Base);
    case 8: // window text
        return palette.color(QPalette::WindowText);
    case 15: // button face
        return palette.color(QPalette::Button);
    case 16: // button shadow
        return palette.color(QPalette::Dark);
    case 20: // button highlight
        return palette.color(QPalette::Light);
    case 21: // dark shadow
        return palette.color(QPalette::Shadow);
    case 18: // button text
        return palette.color(QPalette::ButtonText);
    case 13: // highlight
        return palette.color(QPalette::Highlight);
    case 14: // highlighted text
        return palette.color(QPalette::HighlightedText);
    default:
        return palette.color(QPalette::Window);
    }
}

} // namespace

namespace Armalyx {

TColor PaletteColor(int i) {
    const int index = i < 0 ? 0 : i % kPaletteSize;
    return kPalette[static_cast<std::size_t>(index)];
}

TColor PaletteEntry(int entry) {
    if (entry < 1 || entry > kPaletteSize) {
        return kPalette[0];
    }
    return kPalette[static_cast<std::size_t>(entry - 1)];
}

QColor ToQColor(TColor color) {
    if (color == clNone) {
        return QColor(Qt::transparent);
    }
    if (IsSystemColor(color)) {
        return SystemColor(color);
    }
    return ExplicitColor(color);
}

TColor ReadableTextColor(TColor text, TColor background) {
    // Lightness (0..255) below which a background counts as dark, and the least perceived
    // brightness (qGray) that text on it needs.
    constexpr int kDarkBelow = 128;
    constexpr int kReadableGray = 150;
    constexpr int kLightnessStep = 5;
    if (text == clNone || IsSystemColor(text) || !IsSystemColor(background) ||
        Armalyx::ToQColor(background).lightness() >= kDarkBelow) {
        return text;
    }
    if (text == clBlack) {
        return clWindowText;
    }
    const QColor colour = ExplicitColor(text);
    QColor lighter = colour;
    for (int lightness = colour.lightness(); qGray(lighter.rgb()) < kReadableGray;
         lightness += kLightnessStep) {
        lighter =
            QColor::fromHsl(colour.hslHue(), colour.hslSaturation(), std::min(lightness, 255));
    }
    return static_cast<TColor>(lighter.red()) | static_cast<TColor>(lighter.green()) << 8 |
           static_cast<TColor>(lighter.blue()) << 16;
}

} // namespace Armalyx
