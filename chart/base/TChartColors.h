#pragma once
// The chart's colour model: 0x00BBGGRR values for explicit colours (red in the low byte),
// 0x80000000 | n for the desktop's system colour n, and two values with a meaning of their own.

#include <QColor>

#include <cstdint>

using TColor = std::uint32_t;

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;

// Draws nothing; a point of this colour is a null point.
constexpr TColor clNone = 0x1FFFFFFF;
// On a point: take the series' colour. On titles, walls and brushes: no colour of their own.
constexpr TColor clUseSeriesColor = 0x80000000;

constexpr TColor kSystemColorFlag = 0x80000000;
constexpr TColor clWindowText = kSystemColorFlag | 8;
constexpr TColor clBtnFace = kSystemColorFlag | 15;
constexpr TColor clBtnShadow = kSystemColorFlag | 16;
constexpr TColor clBtnHighlight = kSystemColorFlag | 20;

constexpr bool IsSystemColor(TColor color) {
    return (color & kSystemColorFlag) != 0;
}

// The 16-entry default palette that series without a colour of their own draw from.
constexpr int kPaletteSize = 16;
namespace Armalyx {

// Palette colour for any number i >= 0: entry (i mod 16) + 1, counting entries from 1.
TColor PaletteColor(int i);
// Entry 1..16 of the palette; numbers outside that range give entry 1.
TColor PaletteEntry(int entry);

// Explicit colours convert bit for bit; system colours resolve through the application's palette,
// so the chart follows the desktop theme. clNone gives a transparent colour.
QColor ToQColor(TColor color);

// The colour for text written straight on a background. On a dark system colour (the panel under
// a dark desktop theme) black text becomes the theme's window text colour and other dark colours
// are lightened, keeping their hue; on any other background, and light text, keep their colour.
TColor ReadableTextColor(TColor text, TColor background);

} // namespace Armalyx
