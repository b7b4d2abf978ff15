#include "CsvText.h"

#include <algorithm>

namespace Armalyx::CsvText {

QString Field(const QString& text) {
    static const QString kNeedsQuotes = QStringLiteral(",\"\r\n");
    const bool quoted =
        std::any_of(text.begin(), text.end(), [](QChar c) { return kNeedsQuotes.contains(c); });
    if (!quoted) {
        return text;
    }
    QString doubled = text;
    doubled.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + doubled + QLatin1Char('"');
}

QByteArray Document(const std::vector<QStringList>& rows) {
    QString text;
    for (const QStringList& row : rows) {
        QStringList fields;
        fields.reserve(row.size());
        for (const QString& cell : row) {
            fields.push_back(Field(cell));
        }
        text += fields.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    return text.toUtf8();
}

} // namespace Armalyx::CsvText
