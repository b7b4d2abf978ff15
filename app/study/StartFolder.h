#pragma once
// Which folder a start reads when the command line names none: the working directory when it
// holds a data file, as it always did, and otherwise the folder read last when it is still there.
// The menu entry's launcher starts the program in a folder of its own choosing, so it asks for the
// folder read last before that one.

#include <QString>

namespace Armalyx::StartFolder {

enum class TOrder {
    // A start from a terminal: the folder it was started in wins when it holds a data file.
    WorkingDirectoryFirst,
    // A start from the menu (--reopen-last): the folder read last wins when it is still there.
    LastFolderFirst,
};

struct TChoice {
    // The folder to read; empty for the working directory.
    QString Folder;
    // Whether it is the folder read last, which the status line then says.
    bool Reopened = false;
};

// named: the folder the command line named, empty for none; last: the folder read last while it
// is still there, empty otherwise.
TChoice Choose(const QString& named, TOrder order, bool workingDirectoryHoldsData,
               const QString& last);

// Whether the folder holds "TotalData.txt" or "TankData.txt" as a file.
bool HoldsDataFile(const QString& folder);

// "Reopened the last data folder /path."
QString ReopenedLine(const QString& folder);

} // namespace Armalyx::StartFolder
