#include "DataFolderDrop.h"

#include <Production1.h>

#include <QFileInfo>

namespace Armalyx::DataFolderDrop {

QString FolderOfDrop(const QList<QUrl>& urls) {
    if (urls.size() != 1 || !urls.front().isLocalFile()) {
        return {};
    }
    const QFileInfo item(urls.front().toLocalFile());
    if (item.isDir()) {
        return item.absoluteFilePath();
    }
    return IsDataFile(item) ? item.absolutePath() : QString();
}

bool IsDataFile(const QFileInfo& item) {
    const QString name = item.fileName();
    return item.isFile() && (name == QLatin1String(Production1::kTotalDataFileName) ||
                             name == QLatin1String(Production1::kTankDataFileName) ||
                             name == QLatin1String(Production1::kStockDataFileName));
}

} // namespace Armalyx::DataFolderDrop
