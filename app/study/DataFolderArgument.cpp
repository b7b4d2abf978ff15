#include "DataFolderArgument.h"

#include <QFileInfo>

namespace Armalyx::DataFolderArgument {

namespace {

TParsed Refused(const QString& error) {
    return {false, QString(), error};
}

} // namespace

TParsed Parse(const QStringList& arguments) {
    if (arguments.isEmpty()) {
        return {};
    }
    if (arguments.size() > 1) {
        return Refused(
            QStringLiteral("armalyx: unexpected argument '%1'; only one data folder can be named")
                .arg(arguments.at(1)));
    }
    const QString& name = arguments.front();
    const QFileInfo folder(name);
    if (name.isEmpty() || !folder.exists()) {
        return Refused(QStringLiteral("armalyx: data folder '%1' does not exist").arg(name));
    }
    if (!folder.isDir()) {
        return Refused(QStringLiteral("armalyx: '%1' is not a folder; name the folder that holds "
                                      "TotalData.txt and TankData.txt")
                           .arg(name));
    }
    return {true, folder.absoluteFilePath(), QString()};
}

} // namespace Armalyx::DataFolderArgument
