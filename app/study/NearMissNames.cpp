#include "NearMissNames.h"

namespace Armalyx::NearMissNames {
namespace {

QStringView Stem(const QString& name) {
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    return dot < 0 ? QStringView(name) : QStringView(name).left(dot);
}

} // namespace

QStringList NearMisses(const QStringList& fileNames, const QString& wanted) {
    const QStringView wantedStem = Stem(wanted);
    QStringList nearMisses;
    if (wantedStem.isEmpty()) {
        return nearMisses;
    }
    for (const QString& name : fileNames) {
        if (name != wanted && Stem(name).compare(wantedStem, Qt::CaseInsensitive) == 0) {
            nearMisses.push_back(name);
        }
    }
    return nearMisses;
}

} // namespace Armalyx::NearMissNames
