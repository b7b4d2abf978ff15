#include "RecentFolderList.h"

#include <QDir>
#include <QFileInfo>

namespace Armalyx::RecentFolderList {

bool FolderExists(const QString& folder) {
    return QFileInfo(folder).isDir();
}

QStringList Offered(const QStringList& folders, const TFolderCheck& exists) {
    QStringList offered;
    for (const QString& folder : folders) {
        if (offered.size() == kMaxFolders) {
            break;
        }
        // A relative path would name another folder from every working directory.
        if (folder.isEmpty() || !QDir::isAbsolutePath(folder)) {
            continue;
        }
        const QString tidied = QDir::cleanPath(folder);
        if (!offered.contains(tidied) && exists(tidied)) {
            offered.push_back(tidied);
        }
    }
    return offered;
}

QStringList WithFirst(const QStringList& folders, const QString& folder,
                      const TFolderCheck& exists) {
    QStringList order{folder};
    order.append(folders);
    return Offered(order, exists);
}

} // namespace Armalyx::RecentFolderList
