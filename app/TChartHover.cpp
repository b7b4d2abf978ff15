#include "TChartHover.h"

#include "ChartHoverText.h"

#include <TChart.h>
#include <TChartSeries.h>

#include <QHelpEvent>
#include <QToolTip>

#include <optional>

namespace {

// The value a series holds at exactly this month, if it has a point there.
std::optional<double> ValueAtMonth(const TChartSeries& series, int month) {
    for (std::int32_t i = 0; i < series.PointCount(); ++i) {
        if (series.XValueAt(i) == month && !series.IsNull(i)) {
            return series.YValueAt(i);
        }
    }
    return std::nullopt;
}

bool Inside(const TRect& rect, const QPoint& point) {
    return point.x() >= rect.Left && point.x() < rect.Right && point.y() >= rect.Top &&
           point.y() < rect.Bottom;
}

} // namespace

TChartHover::TChartHover(TChart& chart) : QObject(&chart), m_chart(chart) {
    chart.installEventFilter(this);
}

QString TChartHover::ToolTipAt(const QPoint& position) const {
    TChartAxis& bottom = m_chart.BottomAxis();
    if (!Inside(m_chart.ChartRect(), position) || bottom.PixelSize() <= 0) {
        return QString();
    }
    const auto month = ChartHoverText::MonthAt(bottom.PixelToValue(position.x()),
                                               bottom.WorkMinimum(), bottom.WorkMaximum());
    if (!month) {
        return QString();
    }
    std::vector<ChartHoverText::TSeriesValue> values;
    for (const auto& series : m_chart.SeriesList()) {
        if (!series->Active()) {
            continue;
        }
        if (const auto value = ValueAtMonth(*series, *month)) {
            values.push_back({series->Title(), *value, series->SeriesColor()});
        }
    }
    return ChartHoverText::ToolTip(*month, values);
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
