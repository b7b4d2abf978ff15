// The data report beside the status line: "Details…" below the status text while the report has
// lines to list, and the one report window, kept up to date after each load while it is open.

#include "TForm1.h"

#include "DataReportText.h"
#include "TDataReportWindow.h"
#include "TStatusLine.h"

#include <Production1.h>

#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace {

// Between the status text and "Details…".
constexpr int kDetailsGap = 2;

} // namespace

void TForm1::ShowDataReport() {
    if (m_dataReport == nullptr) {
        m_dataReport = new TDataReportWindow(this);
    }
    const auto& store = Production1::Store();
    m_dataReport->Refresh(store.TotalDataReport, store.TankDataReport);
    m_dataReport->show();
    m_dataReport->raise();
    m_dataReport->activateWindow();
}

void TForm1::RefreshOpenDataReport() {
    if (m_dataReport != nullptr && m_dataReport->isVisible()) {
        const auto& store = Production1::Store();
        m_dataReport->Refresh(store.TotalDataReport, store.TankDataReport);
    }
}

// Right below the text's last line, and never past the foot of the status line's area, so that
// nothing of the layout moves.
void TForm1::ShowDetailsButton() {
    const auto& store = Production1::Store();
    if (Armalyx::DataReportText::ReportedLines(store.TotalDataReport, store.TankDataReport) == 0) {
        DetailsButton->hide();
        return;
    }
    const QRect area = Label8->geometry();
    const QSize size = DetailsButton->sizeHint();
    const int textBottom = area.top() + Label8->heightForWidth(area.width()) + kDetailsGap;
    const int top = std::max(area.top(), std::min(textBottom, area.bottom() + 1 - size.height()));
    DetailsButton->setGeometry(area.left(), top, size.width(), size.height());
    DetailsButton->show();
}
