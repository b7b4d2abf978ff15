#include "TTextLayoutCache.h"

#include <QFontMetrics>
#include <QTransform>

QString TTextLayoutCache::Key(const TChartFont& font, const QString& text) {
    QString key;
    key.reserve(font.Name().size() + text.size() + 16);
    key += font.Name();
    key += QChar(0);
    key += QString::number(font.PixelHeight());
    key += QChar(0);
    key += QString::number(static_cast<unsigned>(font.Style()));
    key += QChar(0);
    key += text;
    return key;
}

const TTextLayout& TTextLayoutCache::Layout(const TChartFont& font, const QString& text) {
    const QString key = Key(font, text);
    const auto found = m_layouts.constFind(key);
    if (found != m_layouts.constEnd()) {
        return *found;
    }
    if (m_layouts.size() >= kCapacity) {
        m_layouts.clear();
    }
    TTextLayout layout;
    layout.Font = ToQFont(font);
    const QFontMetrics metrics(layout.Font);
    layout.Width = metrics.horizontalAdvance(text);
    layout.Ascent = metrics.ascent();
    layout.Descent = metrics.descent();
    layout.Height = metrics.height();
    layout.Prepared.setText(text);
    layout.Prepared.setTextFormat(Qt::PlainText);
    layout.Prepared.prepare(QTransform(), layout.Font);
    return *m_layouts.insert(key, std::move(layout));
}
