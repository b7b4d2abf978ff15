#pragma once
// The order of the data folders remembered between runs: the one read last first, each once, at
// most eight, and only those that are still there as folders. Pure list work, so that the rules
// can be checked without a settings file.

#include <QString>
#include <QStringList>

#include <functional>

namespace Armalyx::RecentFolderList {

inline constexpr qsizetype kMaxFolders = 8;

// Whether a remembered folder may still be offered; the program asks the file system.
using TFolderCheck = std::function<bool(const QString& folder)>;

// The folder is there as a folder (a file of that name, or nothing, is not).
bool FolderExists(const QString& folder);

// The folders as they are offered: absolute paths, tidied ("/a/b/", "/a/./b" read "/a/b"), each
// once where it first stands, those the check refuses left out, at most kMaxFolders.
QStringList Offered(const QStringList& folders, const TFolderCheck& exists);

// The list after a folder has been read: that folder first, then the others offered in their
// order.
QStringList WithFirst(const QStringList& folders, const QString& folder,
                      const TFolderCheck& exists);

} // namespace Armalyx::RecentFolderList
