// The data folder: opened from the chooser, by a drop or from the command line, and followed so
// that the files are read again shortly after they change.

#include "TForm1.h"

#include "DataFolderDrop.h"
#include "TDataFolderWatcher.h"
#include "TErrorShell.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>

namespace {

QString DroppedFolder(const QMimeData* data) {
    return data != nullptr && data->hasUrls() ? Armalyx::DataFolderDrop::FolderOfDrop(data->urls())
                                              : QString();
}

} // namespace

void TForm1::OpenDataFolder(const QString& folder) {
    const QString wanted = QDir(folder).absolutePath();
    if (m_activated && QDir(wanted) == QDir(DataFolder())) {
        ReloadKeepingWork(QStringLiteral("folder opened again"));
        return;
    }
    m_dataDirectory = wanted;
    if (!m_activated) {
        // The first activation reads it.
        return;
    }
    ForgetPicks();
    m_missedPicks = {};
    ResetView();
    FollowDataFolder();
    LoadDataFiles();
    // The load starts from the first data source; the selector may show the other one.
    RadioGroup1Click();
}

void TForm1::ChooseDataFolder() {
    const QString chosen = m_chooseFolder(this, DataFolder());
    if (!chosen.isEmpty()) {
        OpenDataFolder(chosen);
    }
}

void TForm1::FollowDataFolder() {
    m_watcher->Follow(DataFolder());
}

void TForm1::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedFolder(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void TForm1::dropEvent(QDropEvent* event) {
    const QString folder = DroppedFolder(event->mimeData());
    if (folder.isEmpty()) {
        return;
    }
    event->acceptProposedAction();
    TErrorShell::Guard([this, &folder] { OpenDataFolder(folder); });
}
