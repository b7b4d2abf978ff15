#include "TTextLayoutCache.h"

#include <QFontMetrics>
#include <QTransform>

size_t qHash(const TTextLayoutKey& key, size_t seed) noexcept {
    return qHashMulti(seed, key.FontName, key.PixelHeight, key.Style, key.Text);
}

const QFont& TTextLayoutCache::FontFor(const TChartFont& font) {
    TTextLayoutKey fontKey{font.Name(), font.PixelHeight(), static_cast<unsigned>(font.Style()),
                           QString()};
    const auto found = m_fonts.constFind(fontKey);
    if (found != m_fonts.constEnd()) {
        return *found;
    }
    if (m_fonts.size() >= kCapacity) {
        m_fonts.clear();
    }
    return *m_fonts.emplace(std::move(fontKey), Armalyx::ToQFont(font));
}

const TTextLayout& TTextLayoutCache::Layout(const TChartFont& font, const QString& text) {
    // The probe key is kept between calls so that looking up a known text copies no strings
    // beyond sharing them.
    m_probe.FontName = font.Name();
    m_probe.PixelHeight = font.PixelHeight();
    m_probe.Style = static_cast<unsigned>(font.Style());
    m_probe.Text = text;
    const auto found = m_layouts.constFind(m_probe);
    if (found != m_layouts.constEnd()) {
        return *found;
    }
    if (m_layouts.size() >= kCapacity) {
        m_layouts.clear();
    }
    TTextLayout layout;
    layout.Font = FontFor(font);
    const QFontMetrics metrics(layout.Font);
    layout.Width = metrics.horizontalAdvance(text);
    layout.Ascent = metrics.ascent();
    layout.Descent = metrics.descent();
    layout.Height = metrics.height();
    layout.Prepared.setText(text);
    layout.Prepared.setTextFormat(Qt::PlainText);
    layout.Prepared.prepare(QTransform(), layout.Font);
    return *m_layouts.emplace(m_probe, std::move(layout));
}
