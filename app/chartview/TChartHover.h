#pragma once
// Resting the mouse over the plot of the availability chart shows the month under it and the
// value of each visible series in that month. Watches the chart's tooltip events and keeps nothing
// between them: each tooltip reads the chart and the series afresh.

#include "SeriesReading.h"

#include <QObject>

#include <functional>
#include <vector>

class QHelpEvent;
class TChart;

class TChartHover final : public QObject {
    Q_OBJECT

public:
    // Names and kinds of the chart's visible curves, asked for at each tooltip.
    using TReadings = std::function<std::vector<TSeriesReading>()>;

    // Watches the chart and becomes its child, deleted with it unless its maker deletes it first.
    TChartHover(TChart& chart, TReadings readings);

    // The tooltip text for a point of the chart, empty outside the plot or before a paint.
    QString ToolTipAt(const QPoint& position) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowToolTip(const QHelpEvent& event) const;

    TChart& m_chart;
    TReadings m_readings;
};
