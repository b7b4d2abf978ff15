#include "CsvImport.h"

#include "CellNumber.h"
#include "TCsvReader.h"
#include "TDataLineWriter.h"
#include "TSheetColumns.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

namespace Armalyx::Import {

namespace {

bool IsEmptyRow(const TCsvRecord& record) {
    return record.QuotingProblem.empty() &&
           std::all_of(record.Cells.begin(), record.Cells.end(),
                       [](const std::string& cell) { return TrimBlanks(cell).empty(); });
}

bool IsText(std::string_view cell, char delimiter) {
    return ConvertCellNumber(cell, delimiter).Problem == TCellProblem::NotANumber;
}

// A header names its columns: its year cell is not a number, and some cell after the name holds
// text. A first row of figures without a year is data, to be named for its missing year.
bool IsHeader(const TCsvRecord& record, char delimiter) {
    if (record.Cells.size() < 2) {
        return false;
    }
    const TCellNumber year = ConvertCellNumber(record.Cells[1], delimiter);
    const bool yearIsNumber = !year.Empty && year.Problem != TCellProblem::NotANumber;
    return !yearIsNumber &&
           std::any_of(record.Cells.begin() + 1, record.Cells.end(),
                       [delimiter](const std::string& cell) { return IsText(cell, delimiter); });
}

// A header of years after the name (Vehicle, 1941, 1942, ...): a sheet laid out with one column
// per year, at least two of them, each the year after the one before.
bool HasYearColumns(const TCsvRecord& record, char delimiter) {
    constexpr std::int32_t kEarliest = 1800;
    constexpr std::int32_t kLatest = 2100;
    std::int32_t previous = 0;
    std::size_t years = 0;
    for (std::size_t column = 1; column < record.Cells.size(); ++column) {
        if (TrimBlanks(record.Cells[column]).empty()) {
            continue;
        }
        const TCellNumber year = ConvertCellNumber(record.Cells[column], delimiter);
        const bool follows = years == 0 || year.Value == previous + 1;
        if (year.Problem != TCellProblem::None || year.Value < kEarliest || year.Value > kLatest ||
            !follows) {
            return false;
        }
        previous = year.Value;
        ++years;
    }
    return years >= 2;
}

std::string YearColumnsRefusal(const TCsvRecord& record) {
    return "row " + std::to_string(record.Row) +
           " has one column per year; the data file needs one row per name and year, with the "
           "year in column B and its twelve months in columns C to N (Name, Year, Jan to Dec); "
           "nothing was written";
}

} // namespace

TImportResult ImportCsv(std::string_view text, std::ostream& output) {
    TCsvReader reader(text);
    TDataLineWriter writer(output, reader.Delimiter());
    TImportResult result;
    TSheetColumns columns;
    bool first = true;
    for (TCsvRecord record; reader.Next(record);) {
        if (IsEmptyRow(record)) {
            continue;
        }
        if (first && HasYearColumns(record, reader.Delimiter())) {
            result.Refusal = YearColumnsRefusal(record);
            return result;
        }
        if (first) {
            writer.WriteHeader();
        }
        const bool header = first && IsHeader(record, reader.Delimiter());
        first = false;
        if (header) {
            columns = TSheetColumns(record, result.Messages);
            continue;
        }
        TRowResult row = writer.Write(record, columns);
        result.RowsWritten += row.Written ? 1 : 0;
        result.RowsLeftOut += row.Written ? 0 : 1;
        std::move(row.Messages.begin(), row.Messages.end(), std::back_inserter(result.Messages));
    }
    return result;
}

} // namespace Armalyx::Import
