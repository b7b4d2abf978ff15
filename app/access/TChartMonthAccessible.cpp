#include "TChartMonthAccessible.h"

#include "TChartAccessible.h"

#include <TChart.h>

TChartMonthAccessible::TChartMonthAccessible(TChart* chart, int row)
    : TChartPartAccessible(chart), m_row(row) {}

bool TChartMonthAccessible::isValid() const {
    const TChartAccessible* chart = Table();
    return chart != nullptr && m_row >= 0 && m_row < chart->rowCount();
}

QString TChartMonthAccessible::text(QAccessible::Text t) const {
    const TChartAccessible* chart = Table();
    if (chart == nullptr || t != QAccessible::Name) {
        return QString();
    }
    return chart->MonthSpeech(m_row);
}

// The item stands for the month on the plot; a reader that shows where it is gets the chart.
QRect TChartMonthAccessible::rect() const {
    const TChartAccessible* chart = Table();
    return chart == nullptr ? QRect() : chart->rect();
}

QAccessible::State TChartMonthAccessible::state() const {
    const TChartAccessible* chart = Table();
    QAccessible::State state;
    state.readOnly = true;
    state.focusable = true;
    state.selectable = true;
    state.invalid = !isValid();
    if (chart != nullptr && chart->isRowSelected(m_row)) {
        state.selected = true;
        state.focused = ChartWidget() != nullptr && ChartWidget()->hasFocus();
    }
    return state;
}
