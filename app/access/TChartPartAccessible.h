#pragma once
// What the availability chart's cells and month items share as a screen reader meets them: a
// childless part of the chart that holds its place, not its text, and finds the chart's
// interface at each call, so that a part outliving the chart reports no parent.

#include "TChildlessAccessible.h"

#include <QPointer>

class TChart;
class TChartAccessible;

class TChartPartAccessible : public TChildlessAccessible {
public:
    explicit TChartPartAccessible(TChart* chart);

    QWindow* window() const override;
    QAccessibleInterface* parent() const override;

protected:
    // The chart's interface; none once the chart is gone.
    TChartAccessible* Table() const;
    TChart* ChartWidget() const { return m_chart.data(); }

private:
    QPointer<TChart> m_chart;
};
