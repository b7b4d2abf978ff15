#pragma once
// Files in the data folder whose names come close to a data file's name: what a person who saved
// "TankData.txt" as "tankdata.txt" or "TankData.txt.txt" needs pointed out when the program says
// the file is missing.

#include <QString>
#include <QStringList>

namespace Armalyx::NearMissNames {

// The names among fileNames that differ from wanted only in case or in their extension, or that
// carry an extra extension: those whose part before the first dot is wanted's part before its
// first dot, letter case aside. wanted itself is not one of them. The order of fileNames is kept.
QStringList NearMisses(const QStringList& fileNames, const QString& wanted);

} // namespace Armalyx::NearMissNames
