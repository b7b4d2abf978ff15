#include "ChartDataText.h"

#include <TProductionStore.h>

#include "AvailabilityMaths.h"
#include "ChartHoverText.h"
#include "MonthText.h"
#include "TableText.h"

#include <algorithm>
#include <optional>

namespace Armalyx::ChartDataText {

namespace {

using Production1::kFirstMonth;
using Production1::kLastMonth;

std::optional<double> ValueAt(const TDataColumn& column, int month) {
    for (const auto& [x, y] : column.Points) {
        if (x == month) {
            return y;
        }
    }
    return std::nullopt;
}

} // namespace

QString ColumnTitle(const TDataColumn& column) {
    return column.Kind == TReadingKind::FleetShare ? column.Name + QStringLiteral(" %")
                                                   : column.Name;
}

QString CellText(double value, TReadingKind kind, const QLocale& locale) {
    double shown = kind == TReadingKind::FleetShare
                       ? Armalyx::AvailabilityMaths::FleetSharePercent(value)
                       : value;
    if (shown == 0.0) {
        shown = 0.0; // a spreadsheet reads "-0" as text in some locales
    }
    QLocale plain = locale;
    plain.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return plain.toString(shown, 'f', QLocale::FloatingPointShortest);
}

QString ReadingText(double value, TReadingKind kind, const QLocale& locale) {
    return ChartHoverText::ValueText(value, kind, locale);
}

std::vector<QStringList> Rows(const std::vector<TDataColumn>& columns, int firstMonth,
                              int lastMonth, const QLocale& locale, TCellWriter cellText) {
    std::vector<QStringList> rows;
    QStringList header{QStringLiteral("Month")};
    for (const TDataColumn& column : columns) {
        header.push_back(ColumnTitle(column));
    }
    rows.push_back(header);
    for (int month = std::max(firstMonth, kFirstMonth); month <= std::min(lastMonth, kLastMonth);
         ++month) {
        QStringList row{Armalyx::MonthText::Caption(month)};
        bool anyValue = false;
        for (const TDataColumn& column : columns) {
            const auto value = ValueAt(column, month);
            anyValue = anyValue || value.has_value();
            row.push_back(value ? cellText(*value, column.Kind, locale) : QString());
        }
        if (anyValue) {
            rows.push_back(row);
        }
    }
    return rows;
}

QString TabSeparated(const std::vector<TDataColumn>& columns, int firstMonth, int lastMonth,
                     const QLocale& locale) {
    return Armalyx::TableText::TabSeparatedRows(Rows(columns, firstMonth, lastMonth, locale));
}

} // namespace Armalyx::ChartDataText
