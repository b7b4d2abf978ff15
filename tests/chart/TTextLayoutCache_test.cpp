// Kept text layouts: one per font setting and text, measured as Qt measures the text, and a
// bounded number of them.

#include "TTextLayoutCache.h"

#include <gtest/gtest.h>

#include <QFontMetrics>

TEST(TTextLayoutCache, KeepsOneLayoutPerFontSettingAndTextMeasuredAsQtMeasures) {
    TTextLayoutCache cache;
    const TChartFont plain(QStringLiteral("Liberation Sans"), 8, clBlack);
    const TChartFont larger(QStringLiteral("Liberation Sans"), 20, clBlack);
    const TChartFont bold(QStringLiteral("Liberation Sans"), 8, clBlack, TFontStyle::fsBold);
    const TChartFont serif(QStringLiteral("Liberation Serif"), 8, clBlack);
    const TChartFont red(QStringLiteral("Liberation Sans"), 8, clRed);
    const QString text = QStringLiteral("20,000 WWW");
    for (const TChartFont* font : {&plain, &larger, &bold, &serif}) {
        const QFontMetrics metrics(Armalyx::ToQFont(*font));
        const TTextLayout& layout = cache.Layout(*font, text);
        EXPECT_EQ(layout.Width, metrics.horizontalAdvance(text));
        EXPECT_EQ(layout.Height, metrics.height());
        EXPECT_EQ(layout.Ascent, metrics.ascent());
        EXPECT_EQ(layout.Descent, metrics.descent());
    }
    EXPECT_EQ(cache.Size(), 4);
    // The colour does not change the shape of the text; a known text is not laid out again.
    cache.Layout(red, text);
    cache.Layout(plain, text);
    EXPECT_EQ(cache.Size(), 4);
    cache.Layout(plain, QStringLiteral("20,000 WW"));
    EXPECT_EQ(cache.Size(), 5);
}

TEST(TTextLayoutCache, ChangingTextsCannotGrowItBeyondItsCapacity) {
    TTextLayoutCache cache;
    const TChartFont font(QStringLiteral("Liberation Sans"), 8, clBlack);
    for (int i = 0; i < TTextLayoutCache::kCapacity * 2 + 3; ++i) {
        EXPECT_GT(cache.Layout(font, QString::number(i)).Width, 0);
        EXPECT_LE(cache.Size(), TTextLayoutCache::kCapacity);
    }
}
