#pragma once
// The vehicle table as text for the clipboard: one line per row, cells separated by tabs, so
// that it pastes into a spreadsheet as a table.

#include <QString>
#include <QStringList>

#include <vector>

namespace Armalyx::TableText {

// Rows whose cells are all empty are left out. A tab or line break inside a cell (a vehicle
// name can hold one) becomes a space, so that every row stays one line of the same columns.
QString TabSeparatedRows(const std::vector<QStringList>& rows);

} // namespace Armalyx::TableText
