#pragma once
// The availability chart's summary as a screen reader meets it: a text of the chart, last among
// its children and its table's summary, named by the summary of its curves ("Months shown: ...
// Picked: T-34."), for a reader going through the chart's parts. S on the chart reads it out.

#include "TChartPartAccessible.h"

class TChartSummaryAccessible final : public TChartPartAccessible {
public:
    explicit TChartSummaryAccessible(TChart* chart);

    bool isValid() const override;
    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override;
};
