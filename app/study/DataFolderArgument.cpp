#include "DataFolderArgument.h"

#include "DataFolderDrop.h"

#include <QDir>
#include <QFileInfo>

namespace Armalyx::DataFolderArgument {

namespace {

TParsed Refused(const QString& error) {
    return {false, QString(), error};
}

TParsed FolderNamed(const QString& name) {
    const QFileInfo item(name);
    if (name.isEmpty() || !item.exists()) {
        return Refused(QStringLiteral("armalyx: data folder '%1' does not exist").arg(name));
    }
    if (DataFolderDrop::IsDataFile(item)) {
        return {true, QDir::cleanPath(item.absolutePath()), QString()};
    }
    if (!item.isDir()) {
        return Refused(QStringLiteral("armalyx: '%1' is neither a folder nor a data file; name the "
                                      "folder that holds TotalData.txt and TankData.txt, or one "
                                      "of the two files")
                           .arg(name));
    }
    return {true, QDir::cleanPath(item.absoluteFilePath()), QString()};
}

} // namespace

// A file manager names every file selected: both data files of one folder name that folder once.
TParsed Parse(const QStringList& arguments) {
    QStringList names = arguments;
    const bool reopenLast = names.removeAll(QLatin1String(kReopenLastOption)) > 0;
    TParsed parsed;
    for (const QString& name : names) {
        const TParsed named = FolderNamed(name);
        if (!named.Usable) {
            parsed = named;
            break;
        }
        if (!parsed.Folder.isEmpty() && named.Folder != parsed.Folder) {
            parsed = Refused(QStringLiteral("armalyx: unexpected argument '%1'; only one data "
                                            "folder can be named")
                                 .arg(name));
            break;
        }
        parsed = named;
    }
    parsed.ReopenLast = reopenLast;
    return parsed;
}

} // namespace Armalyx::DataFolderArgument
