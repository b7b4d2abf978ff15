#include "TRecentFolders.h"

#include "RecentFolderList.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <cstdio>
#include <utility>

namespace Armalyx {

namespace {

const QString kFoldersKey = QStringLiteral("RecentFolders");
// Eight paths take a few kilobytes; anything much larger is not a file this program wrote.
constexpr qint64 kMaxFileBytes = qint64{64} * 1024;
// A damaged file may hold any number of entries; only so many are looked at on the disk.
constexpr qsizetype kMaxEntriesRead = 64;

bool TooLarge(const QString& fileName) {
    const QFileInfo file(fileName);
    return file.exists() && (!file.isFile() || file.size() > kMaxFileBytes);
}

} // namespace

QString TRecentFolders::UserFile() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/armalyx/armalyx.conf");
}

TRecentFolders::TRecentFolders(QString fileName) : m_fileName(std::move(fileName)) {}

QStringList TRecentFolders::Stored() const {
    if (m_fileName.isEmpty() || TooLarge(m_fileName)) {
        return {};
    }
    const QSettings settings(m_fileName, QSettings::IniFormat);
    // A value of another type (a damaged or hand-edited file) reads as no list at all.
    const QVariant value = settings.value(kFoldersKey);
    QStringList folders = value.typeId() == QMetaType::QStringList ? value.toStringList()
                          : value.typeId() == QMetaType::QString   ? QStringList{value.toString()}
                                                                   : QStringList();
    if (folders.size() > kMaxEntriesRead) {
        folders.resize(kMaxEntriesRead);
    }
    return folders;
}

QStringList TRecentFolders::Folders() const {
    return RecentFolderList::Offered(Stored(), RecentFolderList::FolderExists);
}

QString TRecentFolders::Last() const {
    const QStringList folders = Folders();
    return folders.isEmpty() ? QString() : folders.front();
}

void TRecentFolders::Remember(const QString& folder) {
    if (folder.isEmpty()) {
        return;
    }
    const QStringList stored = Stored();
    const QStringList folders = RecentFolderList::WithFirst(
        stored, QFileInfo(folder).absoluteFilePath(), RecentFolderList::FolderExists);
    if (folders != stored) {
        Store(folders);
    }
}

void TRecentFolders::Clear() {
    if (!Stored().isEmpty()) {
        Store({});
    }
}

// QSettings writes the file through a temporary one that replaces it only when complete.
void TRecentFolders::Store(const QStringList& folders) {
    if (m_fileName.isEmpty()) {
        return;
    }
    if (TooLarge(m_fileName)) {
        ReportOnce(QStringLiteral("it is not a settings file of this program"));
        return;
    }
    QSettings settings(m_fileName, QSettings::IniFormat);
    if (folders.isEmpty()) {
        settings.remove(kFoldersKey);
    } else {
        settings.setValue(kFoldersKey, folders);
    }
    settings.sync();
    if (settings.status() == QSettings::AccessError) {
        ReportOnce(QStringLiteral("it cannot be written"));
    }
}

void TRecentFolders::ReportOnce(const QString& problem) {
    if (std::exchange(m_reported, true)) {
        return;
    }
    const QString text =
        QStringLiteral("armalyx: the data folders read are not remembered in %1: %2")
            .arg(QDir::toNativeSeparators(m_fileName), problem);
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

} // namespace Armalyx
