#pragma once

#include "TCsvReader.h"

#include <cstddef>
#include <string>
#include <vector>

namespace Armalyx::Import {

// What a column after December holds, as its header names it.
enum class TExtraColumn {
    Unnamed, // no header, or an empty header cell: a value there is not understood
    Ignored, // named, but nothing the data file holds
    Total,   // "Total" or "Sum": checked against the twelve months
    Source,  // "Source": written as a comment line "; source: TEXT"
    Note,    // "Notes", "Remarks" or "Comment": written as a comment line "; TEXT"
};

// The columns of a sheet past the name, the year and the twelve months, read from its header.
class TSheetColumns final {
public:
    static constexpr std::size_t kFirstExtraColumn = 14;

    // A sheet without a header: nothing after December is understood.
    TSheetColumns() = default;
    // The header's names of the columns after December; each column ignored is named once in the
    // messages.
    TSheetColumns(const TCsvRecord& header, std::vector<std::string>& messages);

    TExtraColumn Kind(std::size_t column) const;

private:
    std::vector<TExtraColumn> m_kinds; // from kFirstExtraColumn on
};

} // namespace Armalyx::Import
