#pragma once
// The names the save dialogs suggest for exports: the program's name and what the file shows
// ("Armalyx T-34 and KV-1.pdf", "Armalyx vehicle table.csv"), made safe for every file system a
// user may save to, so that a vehicle named "KV-1/2" or "Pz.Kpfw. IV:" never names a folder or
// a name some file system refuses.

#include <QString>
#include <QStringList>

namespace Armalyx::ExportFileName {

// Longest name, extension included, in UTF-8 bytes: the bound of ext4, NTFS, APFS and FAT's long
// names alike.
inline constexpr qsizetype kMaxNameBytes = 255;

// What the chart shows, by the names of its picks (lend-lease first, then the pairs in order, as
// the study lists them): "Armalyx chart" with none, "Armalyx T-34" with one (or one vehicle in
// both pairs), "Armalyx Lend Lease and T-34" with two.
QString ChartStem(const QStringList& pickedNames);
// The chart's numbers: "Armalyx T-34 and KV-1 numbers", "Armalyx chart numbers".
QString ChartNumbersStem(const QStringList& pickedNames);
// The vehicle table: "Armalyx vehicle table".
QString VehicleTableStem();

// stem + "." + extension, made safe: characters some file system refuses (/ \ : * ? " < > |)
// become "-", control characters blanks, runs of blanks one; no blanks or dots at either end of
// the stem; a stem that is a device name on Windows (CON, NUL, COM1, ...) gets "_" after it; the
// stem is cut at a character so that the whole name stays within kMaxNameBytes; an empty stem
// reads "Armalyx".
QString Suggested(const QString& stem, const QString& extension);

} // namespace Armalyx::ExportFileName
