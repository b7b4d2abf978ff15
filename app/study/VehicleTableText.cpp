#include "VehicleTableText.h"

#include <TProductionStore.h>

#include "MonthText.h"

#include <algorithm>

namespace Armalyx::VehicleTableText {

namespace {

using Production1::kFirstMonth;
using Production1::kFirstYear;
using Production1::kLastMonth;
constexpr int kYears = Production1::kLastYear - Production1::kFirstYear + 1;

// Sums of at most 60 values of 32 bits fit 64 bits exactly.
long long Sum(const TProductionRow& row, int firstMonth, int lastMonth) {
    long long sum = 0;
    const int first = std::max(firstMonth, kFirstMonth);
    const int last = std::min({lastMonth, kLastMonth, static_cast<int>(row.Monthly.size())});
    for (int month = first; month <= last; ++month) {
        const std::int32_t value = row.Monthly[static_cast<std::size_t>(month - 1)];
        if (value > 0 || row.Counted == TMonthsCounted::Every) {
            sum += value;
        }
    }
    return sum;
}

} // namespace

QString SpanTitle(int firstMonth, int lastMonth) {
    const int first = std::max(firstMonth, kFirstMonth);
    const int last = std::min(lastMonth, kLastMonth);
    if (first > last) {
        return QStringLiteral("no months");
    }
    return Armalyx::MonthText::Caption(first) + QStringLiteral(" to ") +
           Armalyx::MonthText::Caption(last);
}

std::vector<QStringList> Rows(const std::vector<TProductionRow>& rows, int firstMonth,
                              int lastMonth) {
    QStringList header{QStringLiteral("Vehicle")};
    for (int year = 0; year < kYears; ++year) {
        header.push_back(QString::number(kFirstYear + year));
    }
    header.push_back(QStringLiteral("Total"));
    header.push_back(QStringLiteral("Span ") + SpanTitle(firstMonth, lastMonth));
    const bool sources = std::any_of(
        rows.begin(), rows.end(), [](const TProductionRow& row) { return !row.Sources.isEmpty(); });
    if (sources) {
        header.push_back(QStringLiteral("Sources"));
    }
    std::vector<QStringList> result{header};
    for (const TProductionRow& row : rows) {
        QStringList cells{row.Name};
        for (int year = 0; year < kYears; ++year) {
            cells.push_back(QString::number(Sum(row, year * 12 + 1, year * 12 + 12)));
        }
        cells.push_back(QString::number(Sum(row, kFirstMonth, kLastMonth)));
        cells.push_back(QString::number(Sum(row, firstMonth, lastMonth)));
        if (sources) {
            cells.push_back(row.Sources);
        }
        result.push_back(cells);
    }
    return result;
}

} // namespace Armalyx::VehicleTableText
