#pragma once
// The data status line of the "Tank Selection" page: what became of the two data files at the
// last load, in words a person who writes the files can act on.

#include <TReadReport.h>

#include <QString>
#include <QStringList>
#include <QTime>

namespace Armalyx::DataStatusText {

// One line when both files were found and every data line was stored; otherwise one line per
// file (found or not, with its full path; data lines read and ignored, with the commonest
// reasons unless the file's lines are in the data report), or, when neither file was found,
// where the program looked. Then, when the reports hold lines, how many need a look. directory is
// the data folder of the load (empty when it could not be told); folderNames are the names
// of the files in it, of which those close to a missing data file's name are pointed out.
// A StockData.txt the folder holds (stockData) gets its own line, or its place in the sentence.
QString StatusText(const QString& directory, const Production1::TReadReport& totalData,
                   const Production1::TReadReport& tankData, const QStringList& folderNames = {},
                   const Production1::TReadReport* stockData = nullptr);

// The full path of a data file in a directory, as the status line names it.
QString DataFilePath(const QString& directory, const char* fileName);

// The line added after a load that was not the first of its folder: when and why it read.
QString ReadAgainLine(const QTime& at, const QString& reason);
// What a screen reader is told of the same reload: why it read, without the time.
QString ReadAgainAnnouncement(const QString& reason);
// Why the files were read again when some of them changed on disk: "TankData.txt changed".
QString ChangedFilesReason(const QStringList& fileNames);
// The line added when vehicles picked before a reload are no longer in the data files.
QString LostPicksLine(const QStringList& vehicleNames);

// The line written on standard error for a data file that was not found.
QString MissingFileMessage(const QString& path);

} // namespace Armalyx::DataStatusText
