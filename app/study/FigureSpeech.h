#pragma once
// What a screen reader hears for one of the three figures: what it counts, over which span and
// the count whole, "Production of T-34, Jan 1941 to Dec 1945: 35,249", with ", out of date" while
// a span selector has changed since it was computed.

#include <QLocale>
#include <QString>

#include <cstdint>

namespace Armalyx::FigureSpeech {

struct TFigure {
    // "Production of T-34", "Production of all vehicles", "Losses".
    QString Subject;
    // "Jan 1941 to Dec 1945"; empty when a span selector held typed text.
    QString Span;
    std::int64_t Count = 0;
    bool OutOfDate = false;
};

QString Text(const TFigure& figure, const QLocale& locale);
// "Jan 1941 to Dec 1945" for item indices of the span selectors (months 0..11, years 0..4);
// empty when any index is outside its list.
QString SpanText(int startMonth, int startYear, int endMonth, int endYear);

} // namespace Armalyx::FigureSpeech
