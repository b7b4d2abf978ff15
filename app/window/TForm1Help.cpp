// The window menu's help entries: how the estimate is computed, and what program this is.

#include "TForm1.h"

#include "TEstimateHelpWindow.h"

#include "ArmalyxVersion.h"

#include <QDir>
#include <QMessageBox>

void TForm1::ShowEstimateHelp() {
    if (m_estimateHelp == nullptr) {
        m_estimateHelp = new TEstimateHelpWindow(this);
    }
    m_estimateHelp->show();
    m_estimateHelp->raise();
    m_estimateHelp->activateWindow();
}

QString TForm1::AboutText() const {
    return QStringLiteral("<p><b>Armalyx %1</b></p>"
                          "<p>Monthly availability of armoured fighting vehicles, 1941 to 1945.</p>"
                          "<p>Released under the MIT licence.</p>"
                          "<p>Data folder: %2</p>")
        .arg(QString::fromLatin1(kArmalyxVersion),
             QDir::toNativeSeparators(DataFolder()).toHtmlEscaped());
}

void TForm1::ShowAbout() {
    QMessageBox::about(this, QStringLiteral("About Armalyx"), AboutText());
}
