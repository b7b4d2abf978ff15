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

class TTextLayoutCache final {
public:
    // Older layouts are dropped when this many are kept, so changing texts cannot grow it.
    static constexpr int kCapacity = 512;

    // The layout of the text in the font, made on first use. The reference stays valid until the
    // next call.
    const TTextLayout& Layout(const TChartFont& font, const QString& text);
    int Size() const { return static_cast<int>(m_layouts.size()); }

private:
    static QString Key(const TChartFont& font, const QString& text);

    QHash<QString, TTextLayout> m_layouts;
};
