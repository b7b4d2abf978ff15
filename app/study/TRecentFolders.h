#pragma once
// The data folders read in earlier runs, the only thing the program keeps between runs: a short
// settings file in the user's configuration folder with the folders, the one read last first.
// The file is read and written at each use, so that two windows open at once both add to it.
// A file that cannot be read, is damaged or is far too large is taken as an empty list; one that
// cannot be written leaves the list as it was, said once on standard error. Nothing here ever
// stops the program.

#include <QString>
#include <QStringList>

namespace Armalyx {

class TRecentFolders final {
public:
    // The user's own: "armalyx/armalyx.conf" in the user's configuration folder
    // ($XDG_CONFIG_HOME, else ~/.config); empty when there is none.
    static QString UserFile();

    explicit TRecentFolders(QString fileName);

    const QString& FileName() const { return m_fileName; }
    // The folders still there, the one read last first, at most eight.
    QStringList Folders() const;
    // The folder read last, when it is still there; empty otherwise.
    QString Last() const;
    // A folder has been read: it goes first. The file is written only when the list changes.
    void Remember(const QString& folder);
    // "Clear list": no folder is remembered.
    void Clear();

private:
    QStringList Stored() const;
    void Store(const QStringList& folders);
    void ReportOnce(const QString& problem);

    QString m_fileName;
    bool m_reported = false;
};

} // namespace Armalyx
