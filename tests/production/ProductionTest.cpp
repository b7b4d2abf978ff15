#include "ProductionTest.h"

void TProductionTest::SetUp() {
    m_previousDirectory = std::filesystem::current_path();
    std::filesystem::current_path(directory.Path());
    Production1::InitializeStore();
}

void TProductionTest::TearDown() {
    Production1::InitializeStore();
    std::filesystem::current_path(m_previousDirectory);
}

void TProductionTest::WriteDataFile(const std::string& name,
                                    const std::vector<std::string>& lines) const {
    std::string bytes = "Name,Year,Jan,Feb,Mar,Apr,May,Jun,Jul,Aug,Sep,Oct,Nov,Dec,\r\n";
    for (const std::string& line : lines) {
        bytes += line + "\r\n";
    }
    directory.WriteFile(name, bytes);
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

std::string DataLine(const std::string& name, int year, std::initializer_list<long long> values) {
    std::string line = name + "," + std::to_string(year) + ",";
    for (const long long value : values) {
        line += std::to_string(value) + ",";
    }
    for (std::size_t month = values.size(); month < 12; ++month) {
        line += "0,";
    }
    return line;
}

std::vector<int> Months(const Production1::MonthSeries& series) {
    return {series.begin(), series.end()};
}

std::vector<int> Months(const Production1::YearMonths& months) {
    return {months.begin(), months.end()};
}
