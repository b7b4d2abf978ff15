#pragma once
// Follows the data files of a folder (the optional StockData.txt too) and says, once the folder has
// been quiet for a moment, which of them differ from when they were last read. Editors save in many
// ways (in place, by renaming a new file over the old one, by deleting and re-creating it) and a
// watch on a file ends with the file it named; the folder and its parent are watched too, and the
// file watches are set again after every signal. Nothing runs while nothing changes.

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <array>
#include <chrono>
#include <cstdint>

class TDataFolderWatcher final : public QObject {
    Q_OBJECT

public:
    // How long the folder must be quiet after a change before the files count as saved.
    static constexpr std::chrono::milliseconds kSettleTime{300};

    explicit TDataFolderWatcher(QObject* parent = nullptr);

    // Follows this folder's data files from now on; an empty name follows nothing.
    void Follow(const QString& folder);
    const QString& Folder() const { return m_folder; }
    // Notes the data files as they are now, just before they are read, so that only later
    // changes count.
    void NoteFilesRead();
    // The paths being watched, for a look from outside.
    QStringList WatchedPaths() const;

signals:
    // The names of the data files that changed since they were last read.
    void FilesChanged(const QStringList& fileNames);

private:
    // What tells one state of a file from another without reading it.
    struct TFileStamp {
        bool Exists = false;
        std::uintmax_t Size = 0;
        std::int64_t Modified = 0;
        bool operator==(const TFileStamp&) const = default;
    };

    void SomethingChanged(const QString& path);
    QString ParentFolder() const;
    void WatchAgain();
    void Settle();
    TFileStamp StampOf(std::size_t file) const;
    QString FilePath(std::size_t file) const;

    QFileSystemWatcher m_watcher;
    QTimer m_settle;
    QString m_folder;
    std::array<TFileStamp, 3> m_read{};
};
