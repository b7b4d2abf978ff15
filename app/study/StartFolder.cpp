#include "StartFolder.h"

#include <Production1.h>

#include <QDir>
#include <QFileInfo>

namespace Armalyx::StartFolder {

TChoice Choose(const QString& named, TOrder order, bool workingDirectoryHoldsData,
               const QString& last) {
    if (!named.isEmpty()) {
        return {named, false};
    }
    const bool reopen =
        !last.isEmpty() && (order == TOrder::LastFolderFirst || !workingDirectoryHoldsData);
    return reopen ? TChoice{last, true} : TChoice{};
}

bool HoldsDataFile(const QString& folder) {
    const QDir directory(folder);
    for (const char* name : {Production1::kTotalDataFileName, Production1::kTankDataFileName}) {
        if (QFileInfo(directory, QLatin1String(name)).isFile()) {
            return true;
        }
    }
    return false;
}

QString ReopenedLine(const QString& folder) {
    return QStringLiteral("Reopened the last data folder %1.")
        .arg(QDir::toNativeSeparators(folder));
}

} // namespace Armalyx::StartFolder
