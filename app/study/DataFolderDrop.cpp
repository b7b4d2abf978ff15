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
    const QString name = item.fileName();
    if (item.isFile() && (name == QLatin1String(Production1::kTotalDataFileName) ||
                          name == QLatin1String(Production1::kTankDataFileName))) {
        return item.absolutePath();
    }
    return {};
}

} // namespace Armalyx::DataFolderDrop
