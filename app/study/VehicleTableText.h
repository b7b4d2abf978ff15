#pragma once
// The vehicle table for a spreadsheet: each vehicle type and "Lend Lease" with its production in
// each year 1941 to 1945, its total and its production in the span the selectors show, the span
// named in the header. Numbers are plain integers, so they read the same in every locale. Pure
// arithmetic and text, so tests need no window.

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace Armalyx::VehicleTableText {

// Which months a row's sums count: a vehicle's positive months, as the table's totals and the
// span figures do, or every month (the lend-lease deliveries).
enum class TMonthsCounted { Positive, Every };

struct TProductionRow {
    QString Name;
    // Months 1..60 (January 1941 to December 1945) at indices 0..59; missing months count as 0.
    std::vector<std::int32_t> Monthly;
    TMonthsCounted Counted = TMonthsCounted::Positive;
    // The sources of its years, "1942: RGVA f. 38; 1943: ..."; empty without any.
    QString Sources = QString();
};

// "Jan 1941 to Dec 1945": the span's months within 1..60, or "no months" for an empty span.
QString SpanTitle(int firstMonth, int lastMonth);
// The header row and one row per given row; a last column "Sources" when any row has one.
std::vector<QStringList> Rows(const std::vector<TProductionRow>& rows, int firstMonth,
                              int lastMonth);

} // namespace Armalyx::VehicleTableText
