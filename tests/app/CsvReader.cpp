#include "CsvReader.h"

#include <QString>

std::optional<std::vector<QStringList>> ReadCsv(const QByteArray& bytes) {
    const QString text = QString::fromUtf8(bytes);
    std::vector<QStringList> records;
    QStringList record;
    QString field;
    qsizetype i = 0;
    while (i < text.size()) {
        if (text[i] == QLatin1Char('"')) {
            if (!field.isEmpty()) {
                return std::nullopt;
            }
            ++i;
            while (true) {
                if (i >= text.size()) {
                    return std::nullopt;
                }
                if (text[i] == QLatin1Char('"')) {
                    if (i + 1 < text.size() && text[i + 1] == QLatin1Char('"')) {
                        field += QLatin1Char('"');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += text[i++];
            }
        } else if (text[i] == QLatin1Char(',')) {
            record.push_back(std::exchange(field, QString()));
            ++i;
        } else if (text.mid(i, 2) == QLatin1String("\r\n")) {
            record.push_back(std::exchange(field, QString()));
            records.push_back(std::exchange(record, QStringList()));
            i += 2;
        } else if (text[i] == QLatin1Char('\r') || text[i] == QLatin1Char('\n')) {
            return std::nullopt;
        } else {
            field += text[i++];
        }
    }
    if (!field.isEmpty() || !record.isEmpty()) {
        return std::nullopt;
    }
    return records;
}
