#pragma once

#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace Armalyx::Import {

struct TImportResult {
    std::size_t RowsWritten = 0;
    std::size_t RowsLeftOut = 0;
    // What the converter has to say, in the sheet's order: the columns it ignores, every row left
    // out with its reasons, and the rows written with an empty month or a total that differs.
    // Each starts "row N: ", "row N, column X: " or "column X ".
    std::vector<std::string> Messages;
    // Why the whole sheet was refused, when it was; nothing was written then.
    std::string Refusal;
};

// Converts a spreadsheet's CSV export, as UTF-8 text, to a data file written to the output: the
// header line, then one line per row that converts faithfully, with its source and notes on
// comment lines above it. The spreadsheet's first row is skipped when it is a header, which also
// names the columns after December; rows with no content at all are skipped silently. A sheet
// with one column per year is refused.
TImportResult ImportCsv(std::string_view text, std::ostream& output);

} // namespace Armalyx::Import
