#include "ExportFileName.h"

#include <QRegularExpression>

namespace Armalyx::ExportFileName {

namespace {

const QString kProgram = QStringLiteral("Armalyx");

bool Refused(QChar c) {
    return QStringView(u"/\\:*?\"<>|").contains(c);
}

bool IsControl(QChar c) {
    return c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() < 0xA0);
}

QString Replaced(const QString& stem) {
    QString text;
    text.reserve(stem.size());
    for (const QChar c : stem) {
        text += Refused(c) ? QChar(u'-') : IsControl(c) ? QChar(u' ') : c;
    }
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    return text.replace(blanks, QStringLiteral(" "));
}

// Windows refuses blanks and dots at a name's end, and a leading dot hides a file elsewhere.
QString TrimmedEnds(QString stem) {
    while (!stem.isEmpty() && (stem.back() == u' ' || stem.back() == u'.')) {
        stem.chop(1);
    }
    qsizetype start = 0;
    while (start < stem.size() && (stem.at(start) == u' ' || stem.at(start) == u'.')) {
        ++start;
    }
    return stem.mid(start);
}

// Windows takes these, with any extension, for devices rather than files.
bool IsDeviceName(const QString& stem) {
    static const QRegularExpression device(
        QStringLiteral("^(CON|PRN|AUX|NUL|COM[0-9\u00B9\u00B2\u00B3]|LPT[0-9\u00B9\u00B2\u00B3])$"),
        QRegularExpression::CaseInsensitiveOption);
    return device.match(stem.section(u'.', 0, 0).trimmed()).hasMatch();
}

// Cut between characters, never inside a surrogate pair.
QString CutToBytes(const QString& stem, qsizetype bytes) {
    qsizetype length = 0;
    qsizetype used = 0;
    while (length < stem.size()) {
        const qsizetype step =
            stem.at(length).isHighSurrogate() && length + 1 < stem.size() ? 2 : 1;
        const qsizetype size = stem.mid(length, step).toUtf8().size();
        if (used + size > bytes) {
            break;
        }
        used += size;
        length += step;
    }
    return stem.left(length);
}

QString JoinedPicks(const QStringList& pickedNames) {
    QStringList names;
    for (const QString& name : pickedNames) {
        if (!name.isEmpty() && !names.contains(name)) {
            names.push_back(name);
        }
    }
    return names.join(QStringLiteral(" and "));
}

} // namespace

QString ChartStem(const QStringList& pickedNames) {
    const QString picks = JoinedPicks(pickedNames);
    return kProgram + u' ' + (picks.isEmpty() ? QStringLiteral("chart") : picks);
}

QString ChartNumbersStem(const QStringList& pickedNames) {
    return ChartStem(pickedNames) + QStringLiteral(" numbers");
}

QString VehicleTableStem() {
    return kProgram + QStringLiteral(" vehicle table");
}

QString Suggested(const QString& stem, const QString& extension) {
    const QString suffix = extension.isEmpty() ? QString() : u'.' + extension;
    QString safe = TrimmedEnds(Replaced(stem));
    if (IsDeviceName(safe)) {
        safe.insert(safe.section(u'.', 0, 0).trimmed().size(), u'_');
    }
    safe = TrimmedEnds(CutToBytes(safe, kMaxNameBytes - suffix.toUtf8().size()));
    return (safe.isEmpty() ? kProgram : safe) + suffix;
}

} // namespace Armalyx::ExportFileName
