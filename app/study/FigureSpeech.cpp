#include "FigureSpeech.h"

#include "MonthText.h"

namespace Armalyx::FigureSpeech {

namespace {

constexpr int kMonthsInYear = 12;
constexpr int kYears = 5;

bool WithinLists(int month, int year) {
    return month >= 0 && month < kMonthsInYear && year >= 0 && year < kYears;
}

} // namespace

QString Text(const TFigure& figure, const QLocale& locale) {
    QString text = figure.Subject;
    if (!figure.Span.isEmpty()) {
        text += QStringLiteral(", ") + figure.Span;
    }
    text += QStringLiteral(": ") + locale.toString(static_cast<qlonglong>(figure.Count));
    if (figure.OutOfDate) {
        text += QStringLiteral(", out of date");
    }
    return text;
}

QString SpanText(int startMonth, int startYear, int endMonth, int endYear) {
    if (!WithinLists(startMonth, startYear) || !WithinLists(endMonth, endYear)) {
        return QString();
    }
    return MonthText::Caption(startYear * kMonthsInYear + startMonth + 1) + QStringLiteral(" to ") +
           MonthText::Caption(endYear * kMonthsInYear + endMonth + 1);
}

} // namespace Armalyx::FigureSpeech
