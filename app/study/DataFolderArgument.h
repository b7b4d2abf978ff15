#pragma once
// The program's own command-line arguments, once Qt has taken its options: at most one data
// folder, or one of the two data files, which names its folder as a drop does; and --reopen-last,
// which the menu entry's launcher gives. A folder that does not exist, or a name that is neither a
// folder nor a data file, is refused with a message that says which, rather than leaving the
// window to read somewhere else.

#include <QString>
#include <QStringList>

namespace Armalyx::DataFolderArgument {

// Without a folder named, the folder read last comes before the working directory.
inline constexpr const char* kReopenLastOption = "--reopen-last";

struct TParsed {
    // Whether the program may start; when not, Error says why (one line, without its end).
    bool Usable = true;
    // The named folder (or the folder of the named data file) as an absolute path; empty for
    // none.
    QString Folder;
    QString Error;
    // --reopen-last was given.
    bool ReopenLast = false;
};

// arguments: what follows the program's name.
TParsed Parse(const QStringList& arguments);

} // namespace Armalyx::DataFolderArgument
