#include "TChartViewLink.h"

#include "TChart1Curves.h"
#include "TScopedRollback.h"

#include <TChart.h>

#include <QEvent>
#include <QMouseEvent>
#include <QTimer>

namespace Armalyx {

TChartViewLink::TChartViewLink(TChart1Curves& first, TChart1Curves& second)
    : m_first(first), m_second(second) {
    connect(&first, &TChart1Curves::ViewShown, this, [this] { Copy(m_first, m_second); });
    connect(&second, &TChart1Curves::ViewShown, this, [this] { Copy(m_second, m_first); });
    first.Chart().installEventFilter(this);
    second.Chart().installEventFilter(this);
    Copy(first, second);
}

TChartViewLink::~TChartViewLink() {
    m_first.Chart().removeEventFilter(this);
    m_second.Chart().removeEventFilter(this);
}

void TChartViewLink::Copy(const TChart1Curves& from, TChart1Curves& to) {
    if (m_copying) {
        return;
    }
    const auto view = from.View();
    if (view == to.View()) {
        return;
    }
    const TScopedRollback<bool> copying(m_copying, true);
    to.ShowView(view);
}

// The chart handles the event after the filters: its new view is read once the event is done.
void TChartViewLink::CopyLater(const TChart1Curves& from, TChart1Curves& to) {
    QTimer::singleShot(0, this, [this, &from, &to] { Copy(from, to); });
}

bool TChartViewLink::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    const bool pans = type == QEvent::MouseMove &&
                      (static_cast<QMouseEvent*>(event)->buttons() & Qt::RightButton) != 0;
    if (type == QEvent::Wheel || pans || type == QEvent::MouseButtonRelease) {
        if (watched == &m_first.Chart()) {
            CopyLater(m_first, m_second);
        } else if (watched == &m_second.Chart()) {
            CopyLater(m_second, m_first);
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace Armalyx
