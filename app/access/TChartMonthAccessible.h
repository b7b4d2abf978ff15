#pragma once
// A month of the availability chart as a screen reader meets it: an item named by what the month
// cursor reads there ("Mar 1943. Total In service: 12,345. T-34: 1,234."). The item of the
// cursor's month has the focus while the chart has it, so that a reader speaks each move of the
// cursor as it speaks a move in a list; the items together let a reader go through the months.

#include "TChartPartAccessible.h"

class TChartMonthAccessible final : public TChartPartAccessible {
public:
    // The item of the table's row, counted from 0.
    TChartMonthAccessible(TChart* chart, int row);

    bool isValid() const override;
    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override;

    int Row() const { return m_row; }

private:
    int m_row;
};
