#include "TableText.h"

#include <algorithm>

namespace Armalyx::TableText {

namespace {

QString CellText(QString cell) {
    for (QChar& c : cell) {
        if (c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            c = QLatin1Char(' ');
        }
    }
    return cell;
}

bool IsEmptyRow(const QStringList& row) {
    return std::all_of(row.begin(), row.end(), [](const QString& cell) { return cell.isEmpty(); });
}

} // namespace

QString TabSeparatedRows(const std::vector<QStringList>& rows) {
    QString text;
    for (const QStringList& row : rows) {
        if (IsEmptyRow(row)) {
            continue;
        }
        QStringList cells;
        for (const QString& cell : row) {
            cells.push_back(CellText(cell));
        }
        text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

} // namespace Armalyx::TableText
