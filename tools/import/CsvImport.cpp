#include "CsvImport.h"

#include "CellNumber.h"
#include "TCsvReader.h"
#include "TDataLineWriter.h"

#include <algorithm>

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

} // namespace

TImportResult ImportCsv(std::string_view text, std::ostream& output) {
    TCsvReader reader(text);
    TDataLineWriter writer(output, reader.Delimiter());
    writer.WriteHeader();
    TImportResult result;
    bool first = true;
    for (TCsvRecord record; reader.Next(record);) {
        if (IsEmptyRow(record)) {
            continue;
        }
        const bool header = first && IsHeader(record, reader.Delimiter());
        first = false;
        if (header) {
            continue;
        }
        std::vector<std::string> problems = writer.Write(record);
        result.RowsWritten += problems.empty() ? 1 : 0;
        std::move(problems.begin(), problems.end(), std::back_inserter(result.Problems));
    }
    return result;
}

} // namespace Armalyx::Import
