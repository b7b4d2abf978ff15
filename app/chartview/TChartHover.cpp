#include "TChartHover.h"

#include "ChartHoverText.h"
#include "MonthReadOut.h"

#include <TChart.h>

#include <QHelpEvent>
#include <QLocale>
#include <QPalette>
#include <QToolTip>

#include <utility>

namespace {

bool Inside(const TRect& rect, const QPoint& point) {
    return point.x() >= rect.Left && point.x() < rect.Right && point.y() >= rect.Top &&
           point.y() < rect.Bottom;
}

} // namespace

TChartHover::TChartHover(TChart& chart, TReadings readings)
    : QObject(&chart), m_chart(chart), m_readings(std::move(readings)) {
    chart.installEventFilter(this);
}

QString TChartHover::ToolTipAt(const QPoint& position) const {
    TChartAxis& bottom = m_chart.BottomAxis();
    if (!Inside(m_chart.ChartRect(), position) || bottom.PixelSize() <= 0) {
        return QString();
    }
    const auto month = Armalyx::ChartHoverText::MonthAt(bottom.PixelToValue(position.x()),
                                                        bottom.WorkMinimum(), bottom.WorkMaximum());
    if (!month) {
        return QString();
    }
    const auto values = Armalyx::MonthReadOut::ValuesAt(m_readings(), *month);
    return Armalyx::ChartHoverText::ToolTip(*month, values, QLocale(),
                                            QToolTip::palette().color(QPalette::ToolTipText));
}

bool TChartHover::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_chart && event->type() == QEvent::ToolTip) {
        ShowToolTip(static_cast<const QHelpEvent&>(*event));
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void TChartHover::ShowToolTip(const QHelpEvent& event) const {
    const QString text = ToolTipAt(event.pos());
    if (text.isEmpty()) {
        QToolTip::hideText();
        return;
    }
    QToolTip::showText(event.globalPos(), text, &m_chart);
}
