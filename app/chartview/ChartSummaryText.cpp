#include "ChartSummaryText.h"

#include "ChartHoverText.h"
#include "MonthText.h"

#include <algorithm>
#include <cmath>

namespace Armalyx::ChartSummaryText {

namespace {

using TPoint = std::pair<double, double>;

QString MonthOf(double month) {
    return MonthText::Caption(static_cast<int>(std::lround(month)));
}

QString ValueInMonth(const TPoint& point, TReadingKind kind, const QLocale& locale) {
    return ChartHoverText::ValueText(point.second, kind, locale) + QStringLiteral(" in ") +
           MonthOf(point.first);
}

bool LowerValue(const TPoint& left, const TPoint& right) {
    return left.second < right.second;
}

} // namespace

QString CurveSentence(const ChartDataText::TDataColumn& column, const QLocale& locale) {
    const auto& points = column.Points;
    if (points.empty()) {
        return QString();
    }
    const ChartHoverText::TSeriesValue first{column.Name, points.front().second, clBlack,
                                             column.Kind, std::nullopt};
    QString sentence = ChartHoverText::ValueLine(first, locale) + QStringLiteral(" in ") +
                       MonthOf(points.front().first);
    if (points.size() > 1) {
        // min_element and max_element both give the first of equal values.
        const auto lowest = std::min_element(points.begin(), points.end(), LowerValue);
        const auto highest = std::max_element(points.begin(), points.end(), LowerValue);
        sentence += QStringLiteral(", lowest ") + ValueInMonth(*lowest, column.Kind, locale) +
                    QStringLiteral(", highest ") + ValueInMonth(*highest, column.Kind, locale);
    }
    return sentence + QLatin1Char('.');
}

QString PicksSentence(const QStringList& picked) {
    if (picked.isEmpty()) {
        return QStringLiteral("No vehicle picked.");
    }
    QString names = picked.front();
    for (qsizetype i = 1; i < picked.size(); ++i) {
        names += (i + 1 == picked.size() ? QStringLiteral(" and ") : QStringLiteral(", ")) +
                 picked.at(i);
    }
    return QStringLiteral("Picked: ") + names + QLatin1Char('.');
}

namespace {

// "Months shown: Jan 1941 to Dec 1945. ", or "The chart shows no curve. ".
QString MonthsSentence(const std::vector<ChartDataText::TDataColumn>& columns) {
    double firstMonth = 0;
    double lastMonth = 0;
    bool anyPoint = false;
    for (const ChartDataText::TDataColumn& column : columns) {
        for (const auto& [month, value] : column.Points) {
            firstMonth = anyPoint ? std::min(firstMonth, month) : month;
            lastMonth = anyPoint ? std::max(lastMonth, month) : month;
            anyPoint = true;
        }
    }
    if (!anyPoint) {
        return QStringLiteral("The chart shows no curve. ");
    }
    return QStringLiteral("Months shown: ") + MonthOf(firstMonth) + QStringLiteral(" to ") +
           MonthOf(lastMonth) + QStringLiteral(". ");
}

} // namespace

QString Summary(const std::vector<ChartDataText::TDataColumn>& columns, const QStringList& picked,
                const QLocale& locale) {
    QString curves;
    for (const ChartDataText::TDataColumn& column : columns) {
        const QString sentence = CurveSentence(column, locale);
        if (!sentence.isEmpty()) {
            curves += sentence + QLatin1Char(' ');
        }
    }
    return MonthsSentence(columns) + curves + PicksSentence(picked);
}

QString Brief(const std::vector<ChartDataText::TDataColumn>& columns, const QStringList& picked) {
    return MonthsSentence(columns) + PicksSentence(picked) +
           QStringLiteral(" S reads the summary.");
}

} // namespace Armalyx::ChartSummaryText
