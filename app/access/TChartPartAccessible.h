#pragma once
// What the availability chart's cells and month items share as a screen reader meets them: a
// childless part of the chart that holds its place, not its text, and finds the chart's
// interface at each call, so that a part outliving the chart reports no parent.

#include <QAccessibleInterface>
#include <QPointer>

class TChart;
class TChartAccessible;

class TChartPartAccessible : public QAccessibleInterface {
public:
    explicit TChartPartAccessible(TChart* chart);

    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    void setText(QAccessible::Text /*t*/, const QString& /*text*/) override {}

protected:
    // The chart's interface; none once the chart is gone.
    TChartAccessible* Table() const;
    TChart* ChartWidget() const { return m_chart.data(); }

private:
    QPointer<TChart> m_chart;
};
