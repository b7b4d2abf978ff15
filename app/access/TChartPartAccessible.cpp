#include "TChartPartAccessible.h"

#include "TChartAccessible.h"

#include <TChart.h>

TChartPartAccessible::TChartPartAccessible(TChart* chart) : m_chart(chart) {}

TChartAccessible* TChartPartAccessible::Table() const {
    if (m_chart.isNull()) {
        return nullptr;
    }
    return dynamic_cast<TChartAccessible*>(QAccessible::queryAccessibleInterface(m_chart.data()));
}

QWindow* TChartPartAccessible::window() const {
    const TChartAccessible* table = Table();
    return table == nullptr ? nullptr : table->window();
}

QAccessibleInterface* TChartPartAccessible::parent() const {
    return Table();
}
