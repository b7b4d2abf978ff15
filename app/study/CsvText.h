#pragma once
// Rows of cells as a CSV file that spreadsheets and CSV readers take as they are: fields
// separated by commas, a field quoted when it holds a comma, a quotation mark or a line break
// (its quotation marks doubled), every record ended by CR LF, the whole text in UTF-8 without a
// byte-order mark. Pure text work, so tests need no window.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

namespace Armalyx::CsvText {

// One field as the file holds it.
QString Field(const QString& text);
// The file's bytes.
QByteArray Document(const std::vector<QStringList>& rows);

} // namespace Armalyx::CsvText
