#include "TChartSummaryAccessible.h"

#include "TChartAccessible.h"

#include <TChart.h>

TChartSummaryAccessible::TChartSummaryAccessible(TChart* chart) : TChartPartAccessible(chart) {}

bool TChartSummaryAccessible::isValid() const {
    return Table() != nullptr;
}

QString TChartSummaryAccessible::text(QAccessible::Text t) const {
    const TChartAccessible* chart = Table();
    return chart == nullptr || t != QAccessible::Name ? QString() : chart->SummaryText();
}

QRect TChartSummaryAccessible::rect() const {
    const TChartAccessible* chart = Table();
    return chart == nullptr ? QRect() : chart->rect();
}

QAccessible::State TChartSummaryAccessible::state() const {
    QAccessible::State state;
    state.readOnly = true;
    state.invalid = !isValid();
    return state;
}
