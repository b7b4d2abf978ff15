#pragma once
// The chart's numbers as a spreadsheet takes them from the clipboard: a header row (Month, then
// one column per curve), then one row per plotted month, cells separated by tabs. Pure text work,
// so tests need no window.

#include "SeriesReading.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

namespace Armalyx::ChartDataText {

struct TDataColumn {
    QString Name;
    TReadingKind Kind = TReadingKind::Count;
    // The curve's points as (month, value) pairs; a month without a point gives an empty cell.
    std::vector<std::pair<double, double>> Points;
};

// "T-34 share %" for a share curve, the curve's name otherwise.
QString ColumnTitle(const TDataColumn& column);
// A cell: the value as the curve holds it, a share as a percentage of the fleet, written with
// the locale's decimal point, without grouping and without rounding.
QString CellText(double value, TReadingKind kind, const QLocale& locale);
// How a cell's value is written: CellText for a spreadsheet, ReadingText for a reader.
using TCellWriter = QString (*)(double value, TReadingKind kind, const QLocale& locale);
// A cell as a reader is told it, rounded as the tooltip rounds: "1,234", "12.3 %".
QString ReadingText(double value, TReadingKind kind, const QLocale& locale);
// The header row (Month, then the column titles), then a row for each month firstMonth..lastMonth
// (kept within 1..60) in which some column has a value, the month written as "Jun 1941".
std::vector<QStringList> Rows(const std::vector<TDataColumn>& columns, int firstMonth,
                              int lastMonth, const QLocale& locale,
                              TCellWriter cellText = &CellText);
// The same rows, tab-separated.
QString TabSeparated(const std::vector<TDataColumn>& columns, int firstMonth, int lastMonth,
                     const QLocale& locale);

} // namespace Armalyx::ChartDataText
