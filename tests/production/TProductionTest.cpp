#include "TProductionTest.h"

using namespace Armalyx;

void TProductionTest::SetUp() {
    m_workingDirectory.emplace(directory.Path());
    Production1::InitializeStore();
}

void TProductionTest::TearDown() {
    Production1::InitializeStore();
    m_workingDirectory.reset();
}

void TProductionTest::WriteDataFile(const std::string& name,
                                    const std::vector<std::string>& lines) const {
    directory.WriteFile(name, DataFileText(lines));
}

TSpanFigures TProductionTest::SpanFor(std::int32_t startMonth, std::int32_t startYear,
                                      std::int32_t endMonth, std::int32_t endYear) {
    store.StartMonthChoice = startMonth;
    store.StartYearChoice = startYear;
    store.EndMonthChoice = endMonth;
    store.EndYearChoice = endYear;
    Production1::ComputeSpanTotals();
    return {store.SpanStart, store.SpanEnd, store.SpanTotal, store.SpanVehicleTotal,
            store.SpanLosses};
}

std::ostream& operator<<(std::ostream& stream, const TSpanFigures& figures) {
    return stream << "span " << figures.SpanStart << ".." << figures.SpanEnd << " total "
                  << figures.SpanTotal << " vehicle " << figures.SpanVehicleTotal << " losses "
                  << figures.SpanLosses;
}

std::vector<int> Months(const Production1::MonthSeries& series) {
    return {series.begin(), series.end()};
}

std::vector<int> Months(const Production1::YearMonths& months) {
    return {months.begin(), months.end()};
}
