#include "TSheetColumns.h"

#include "CellNumber.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace Armalyx::Import {

namespace {

struct TColumnName {
    std::string_view Name;
    TExtraColumn Kind;
};

constexpr std::array<TColumnName, 10> kColumnNames = {{
    {"total", TExtraColumn::Total},
    {"sum", TExtraColumn::Total},
    {"source", TExtraColumn::Source},
    {"sources", TExtraColumn::Source},
    {"notes", TExtraColumn::Note},
    {"note", TExtraColumn::Note},
    {"remarks", TExtraColumn::Note},
    {"remark", TExtraColumn::Note},
    {"comment", TExtraColumn::Note},
    {"comments", TExtraColumn::Note},
}};

TExtraColumn KindNamed(std::string_view header) {
    if (header.empty()) {
        return TExtraColumn::Unnamed;
    }
    const std::string lowered = AsciiLowered(header);
    const auto* found =
        std::find_if(kColumnNames.begin(), kColumnNames.end(),
                     [&lowered](const TColumnName& name) { return name.Name == lowered; });
    return found == kColumnNames.end() ? TExtraColumn::Ignored : found->Kind;
}

} // namespace

TSheetColumns::TSheetColumns(const TCsvRecord& header, std::vector<std::string>& messages) {
    for (std::size_t column = kFirstExtraColumn; column < header.Cells.size(); ++column) {
        const std::string_view name = TrimBlanks(header.Cells[column]);
        m_kinds.push_back(KindNamed(name));
        if (m_kinds.back() == TExtraColumn::Ignored) {
            messages.push_back("column " + ColumnName(column) + " (" + QuotedCell(name) +
                               ") is not one the data file holds; it is ignored");
        }
    }
}

TExtraColumn TSheetColumns::Kind(std::size_t column) const {
    if (column < kFirstExtraColumn || column - kFirstExtraColumn >= m_kinds.size()) {
        return TExtraColumn::Unnamed;
    }
    return m_kinds[column - kFirstExtraColumn];
}

} // namespace Armalyx::Import
