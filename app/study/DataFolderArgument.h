#pragma once
// The program's own command-line argument, once Qt has taken its options: at most one data
// folder. A folder that does not exist, or a name that is not a folder, is refused with a message
// that says which, rather than leaving the window to read somewhere else.

#include <QString>
#include <QStringList>

namespace Armalyx::DataFolderArgument {

struct TParsed {
    // Whether the program may start; when not, Error says why (one line, without its end).
    bool Usable = true;
    // The named folder as an absolute path; empty for the working directory.
    QString Folder;
    QString Error;
};

// arguments: what follows the program's name.
TParsed Parse(const QStringList& arguments);

} // namespace Armalyx::DataFolderArgument
