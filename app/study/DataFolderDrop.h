#pragma once
// What a drop onto the window asks to open: a folder, or the folder of one of the data files.

#include <QFileInfo>
#include <QList>
#include <QString>
#include <QUrl>

namespace Armalyx::DataFolderDrop {

// The folder to read when exactly one local folder, or one local file named as a data file, is
// dropped; empty for anything else (several items, remote addresses, other files).
QString FolderOfDrop(const QList<QUrl>& urls);

// Whether the item is a file named as one of the data files ("TotalData.txt", "TankData.txt",
// "StockData.txt").
bool IsDataFile(const QFileInfo& item);

} // namespace Armalyx::DataFolderDrop
