#pragma once
// A font as the chart stores it: a face name, a size in points, a colour and a style. The chart's
// layout was measured at 96 dots per inch, so the surface gives the font to Qt as a pixel height
// (8 points = 11 pixels) and the layout does not move with the screen's DPI setting.

#include "TChartColors.h"

#include <QFont>
#include <QString>

#include <functional>

enum class TFontStyle : unsigned {
    fsNone = 0,
    fsBold = 1,
    fsItalic = 2,
    fsUnderline = 4,
    fsStrikeOut = 8
};

constexpr TFontStyle operator|(TFontStyle a, TFontStyle b) {
    return static_cast<TFontStyle>(static_cast<unsigned>(a) | static_cast<unsigned>(b));
}
constexpr bool HasStyle(TFontStyle styles, TFontStyle one) {
    return (static_cast<unsigned>(styles) & static_cast<unsigned>(one)) != 0;
}

namespace Armalyx {

// Character height in pixels of a font of the given size in points at 96 dots per inch,
// rounded to the nearest pixel.
int PointsToPixels(int points);

} // namespace Armalyx

class TChartFont {
public:
    TChartFont() = default;
    TChartFont(QString name, int size, TColor color, TFontStyle style = TFontStyle::fsNone);
    virtual ~TChartFont() = default;

    // Copies carry the settings only; assignment notifies this font's own owner of a change.
    TChartFont(const TChartFont& other);
    TChartFont& operator=(const TChartFont& other);

    const QString& Name() const { return m_name; }
    void SetName(const QString& value);
    int Size() const { return m_size; }
    void SetSize(int value);
    TColor Color() const { return m_color; }
    void SetColor(TColor value);
    TFontStyle Style() const { return m_style; }
    void SetStyle(TFontStyle value);

    // The character height in pixels that the surface asks Qt for.
    int PixelHeight() const { return Armalyx::PointsToPixels(m_size); }

    void SetOnChange(std::function<void()> handler) { m_onChange = std::move(handler); }

    bool SameSettings(const TChartFont& other) const;

private:
    void Changed() const;

    QString m_name = QStringLiteral("MS Sans Serif");
    int m_size = 8;
    TColor m_color = clWindowText;
    TFontStyle m_style = TFontStyle::fsNone;
    std::function<void()> m_onChange;
};

namespace Armalyx {

// The Qt font for a chart font, sized in pixels.
QFont ToQFont(const TChartFont& font);

} // namespace Armalyx
