#include "TDataFolderWatcher.h"

#include <Production1.h>

#include <QDir>
#include <QFileInfo>

#include <filesystem>
#include <system_error>

namespace {

constexpr std::array<const char*, 3> kDataFileNames = {Production1::kTotalDataFileName,
                                                       Production1::kTankDataFileName,
                                                       Production1::kStockDataFileName};

} // namespace

TDataFolderWatcher::TDataFolderWatcher(QObject* parent) : QObject(parent) {
    m_settle.setSingleShot(true);
    // A coarse timer may fire up to 5 % late; the wait is what the user feels after saving.
    m_settle.setTimerType(Qt::PreciseTimer);
    m_settle.setInterval(kSettleTime);
    connect(&m_settle, &QTimer::timeout, this, &TDataFolderWatcher::Settle);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this,
            &TDataFolderWatcher::SomethingChanged);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this,
            &TDataFolderWatcher::SomethingChanged);
}

void TDataFolderWatcher::Follow(const QString& folder) {
    m_settle.stop();
    const QStringList watched = m_watcher.files() + m_watcher.directories();
    if (!watched.isEmpty()) {
        m_watcher.removePaths(watched);
    }
    m_folder = folder.isEmpty() ? QString() : QDir(folder).absolutePath();
    NoteFilesRead();
    WatchAgain();
}

void TDataFolderWatcher::NoteFilesRead() {
    for (std::size_t file = 0; file < m_read.size(); ++file) {
        m_read[file] = StampOf(file);
    }
}

QStringList TDataFolderWatcher::WatchedPaths() const {
    return m_watcher.files() + m_watcher.directories();
}

// Every signal of one save restarts the wait, so a burst of writes is read once, at its end. The
// parent folder only tells when the data folder comes back: while the data folder is watched,
// the parent's other changes (a busy temporary folder, say) must not hold the wait off.
void TDataFolderWatcher::SomethingChanged(const QString& path) {
    const bool folderWatched = m_watcher.directories().contains(m_folder);
    WatchAgain();
    if (folderWatched && path == ParentFolder()) {
        return;
    }
    m_settle.start();
}

QString TDataFolderWatcher::ParentFolder() const {
    QDir parent(m_folder);
    return parent.cdUp() && parent.absolutePath() != m_folder ? parent.absolutePath() : QString();
}

// A path that is already watched is left alone; one that does not exist (yet) is not watched,
// and the folder's or the parent's signal tells when it appears.
void TDataFolderWatcher::WatchAgain() {
    if (m_folder.isEmpty()) {
        return;
    }
    QStringList wanted;
    if (const QString parent = ParentFolder(); !parent.isEmpty()) {
        wanted.push_back(parent);
    }
    wanted.push_back(m_folder);
    for (std::size_t file = 0; file < kDataFileNames.size(); ++file) {
        wanted.push_back(FilePath(file));
    }
    const QStringList watched = WatchedPaths();
    for (const QString& path : wanted) {
        if (!watched.contains(path) && QFileInfo::exists(path)) {
            m_watcher.addPath(path);
        }
    }
}

void TDataFolderWatcher::Settle() {
    QStringList changed;
    for (std::size_t file = 0; file < m_read.size(); ++file) {
        if (!(StampOf(file) == m_read[file])) {
            changed.push_back(QLatin1String(kDataFileNames[file]));
        }
    }
    if (!changed.isEmpty()) {
        emit FilesChanged(changed);
    }
}

TDataFolderWatcher::TFileStamp TDataFolderWatcher::StampOf(std::size_t file) const {
    if (m_folder.isEmpty()) {
        return {};
    }
    const std::filesystem::path path(QFile::encodeName(FilePath(file)).toStdString());
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (error || !std::filesystem::exists(status)) {
        return {};
    }
    TFileStamp stamp;
    stamp.Exists = true;
    const auto size = std::filesystem::file_size(path, error);
    stamp.Size = error ? 0 : size;
    const auto modified = std::filesystem::last_write_time(path, error);
    stamp.Modified = error ? 0 : static_cast<std::int64_t>(modified.time_since_epoch().count());
    return stamp;
}

QString TDataFolderWatcher::FilePath(std::size_t file) const {
    return m_folder + QLatin1Char('/') + QLatin1String(kDataFileNames.at(file));
}
