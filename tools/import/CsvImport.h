#pragma once

#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace Armalyx::Import {

struct TImportResult {
    std::size_t RowsWritten = 0;
    // Every row left out, with its reason: "row N: ..." or "row N, column X: ...".
    std::vector<std::string> Problems;
};

// Converts a spreadsheet's CSV export to a data file written to the output: the header line, then
// one line per row that converts faithfully. The spreadsheet's first row is skipped when it is a
// header; rows with no content at all are skipped silently.
TImportResult ImportCsv(std::string_view text, std::ostream& output);

} // namespace Armalyx::Import
