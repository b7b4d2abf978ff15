#pragma once
// The data status line of the "Tank Selection" page: what became of the two data files at the
// last load, in words a person who writes the files can act on.

#include <TReadReport.h>

#include <QString>

namespace DataStatusText {

// One line when both files were found and every data line was stored; otherwise one line per
// file (found or not, with its full path; data lines read and ignored, with the commonest
// reasons), or, when neither file was found, where the program looked. directory is the working
// directory of the load (empty when it could not be told).
QString StatusText(const QString& directory, const Production1::TReadReport& totalData,
                   const Production1::TReadReport& tankData);

// The full path of a data file in a directory, as the status line names it.
QString DataFilePath(const QString& directory, const char* fileName);

// The line written on standard error for a data file that was not found.
QString MissingFileMessage(const QString& path);

} // namespace DataStatusText
