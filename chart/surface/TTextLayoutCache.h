#pragma once
// Text laid out once and kept while it does not change: the font, its metrics, the text's width
// and its prepared glyph run, keyed by the chart font's settings and the text. The chart writes
// the same few dozen labels every frame; measuring and shaping them again each time is the
// largest cost of its text.

#include "TChartFont.h"

#include <QFont>
#include <QHash>
#include <QStaticText>
#include <QString>

struct TTextLayout {
    QFont Font;
    int Width = 0;
    int Ascent = 0;
    int Descent = 0;
    int Height = 0;
    QStaticText Prepared;
};

// What tells one layout from another: the font settings that shape the text, and the text.
struct TTextLayoutKey {
    QString FontName;
    int PixelHeight = 0;
    unsigned Style = 0;
    QString Text;

    bool operator==(const TTextLayoutKey& other) const = default;
};

size_t qHash(const TTextLayoutKey& key, size_t seed = 0) noexcept;

class TTextLayoutCache final {
public:
    // Older layouts are dropped when this many are kept, so changing texts cannot grow it.
    static constexpr int kCapacity = 512;

    // The layout of the text in the font, made on first use. The reference stays valid until the
    // next call.
    const TTextLayout& Layout(const TChartFont& font, const QString& text);
    int Size() const { return static_cast<int>(m_layouts.size()); }

private:
    const QFont& FontFor(const TChartFont& font);

    QHash<TTextLayoutKey, TTextLayout> m_layouts;
    // The fonts of the layouts, one per font setting, so that layouts in the same font share it.
    QHash<TTextLayoutKey, QFont> m_fonts;
    TTextLayoutKey m_probe;
};
