#include "ChangeSpeech.h"

namespace Armalyx::ChangeSpeech {

namespace {

// "T-34", "T-34 and KV-1", "Lend Lease, T-34 and KV-1".
QString InWords(const QStringList& names) {
    QString words;
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (i > 0) {
            words += i + 1 == names.size() ? QStringLiteral(" and ") : QStringLiteral(", ");
        }
        words += names.at(i);
    }
    return words;
}

QStringList Without(const QStringList& names, const QStringList& gone) {
    QStringList kept;
    for (const QString& name : names) {
        if (!gone.contains(name)) {
            kept.push_back(name);
        }
    }
    return kept;
}

QString StepText(const char* done, const QString& stepLabel) {
    return stepLabel.isEmpty()
               ? QString()
               : QLatin1String(done) + QStringLiteral(": ") + stepLabel + QLatin1Char('.');
}

} // namespace

QString PicksText(const QStringList& before, const QStringList& after) {
    if (before == after) {
        return QString();
    }
    const QStringList added = Without(after, before);
    if (!added.isEmpty()) {
        const QStringList others = Without(after, added);
        return InWords(added) + QStringLiteral(" picked") +
               (others.isEmpty() ? QString() : QStringLiteral(", with ") + InWords(others)) +
               QLatin1Char('.');
    }
    if (after.isEmpty()) {
        return QStringLiteral("No vehicle picked.");
    }
    const QStringList removed = Without(before, after);
    if (removed.isEmpty()) {
        // The same vehicles in another order: the pairs changed places.
        return QStringLiteral("Picked: ") + InWords(after) + QLatin1Char('.');
    }
    return InWords(removed) + QStringLiteral(" no longer picked.");
}

QString UndoneText(const QString& stepLabel) {
    return StepText("Undone", stepLabel);
}

QString RedoneText(const QString& stepLabel) {
    return StepText("Redone", stepLabel);
}

QString FiguresOutOfDateText() {
    return QStringLiteral("Figures out of date until the next pick.");
}

QString ChartCopiedText() {
    return QStringLiteral("Chart copied, as a picture and as numbers.");
}

QString TableCopiedText() {
    return QStringLiteral("Vehicle table copied.");
}

QString ChartDataCopiedText(int months) {
    return months == 1 ? QStringLiteral("Chart data copied: 1 month.")
                       : QStringLiteral("Chart data copied: %1 months.").arg(months);
}

QString ViewFittedText() {
    return QStringLiteral("View fitted to the data.");
}

QString ViewResetText() {
    return QStringLiteral("View reset.");
}

} // namespace Armalyx::ChangeSpeech
