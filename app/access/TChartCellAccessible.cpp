#include "TChartCellAccessible.h"

#include "TChartAccessible.h"

#include <TChart.h>

TChartCellAccessible::TChartCellAccessible(TChart* chart, int row, int column)
    : TChartPartAccessible(chart), m_row(row), m_column(column) {}

bool TChartCellAccessible::isValid() const {
    const TChartAccessible* table = Table();
    return table != nullptr && m_row >= -1 && m_column >= -1 && m_row < table->rowCount() &&
           m_column < table->columnCount() && (m_row >= 0 || m_column >= 0);
}

QAccessibleInterface* TChartCellAccessible::table() const {
    return Table();
}

QString TChartCellAccessible::text(QAccessible::Text t) const {
    const TChartAccessible* table = Table();
    if (table == nullptr || t != QAccessible::Name) {
        return QString();
    }
    return table->CellText(m_row, m_column);
}

// The cell stands for a point of the chart's plot; a reader that shows where it is gets the plot.
QRect TChartCellAccessible::rect() const {
    const TChart* chart = ChartWidget();
    if (chart == nullptr) {
        return {};
    }
    const TRect& plot = chart->ChartRect();
    return QRect(chart->mapToGlobal(QPoint(plot.Left, plot.Top)),
                 chart->mapToGlobal(QPoint(plot.Right - 1, plot.Bottom - 1)));
}

QAccessible::Role TChartCellAccessible::role() const {
    if (m_row < 0) {
        return QAccessible::ColumnHeader;
    }
    return m_column < 0 ? QAccessible::RowHeader : QAccessible::Cell;
}

QAccessible::State TChartCellAccessible::state() const {
    QAccessible::State state;
    state.readOnly = true;
    state.selectable = role() == QAccessible::Cell;
    state.selected = isSelected();
    state.invalid = !isValid();
    return state;
}

void* TChartCellAccessible::interface_cast(QAccessible::InterfaceType type) {
    return type == QAccessible::TableCellInterface
               ? static_cast<QAccessibleTableCellInterface*>(this)
               : nullptr;
}

bool TChartCellAccessible::isSelected() const {
    const TChartAccessible* table = Table();
    return table != nullptr && m_row >= 0 && m_column >= 0 && table->isRowSelected(m_row);
}

QList<QAccessibleInterface*> TChartCellAccessible::columnHeaderCells() const {
    TChartAccessible* table = Table();
    if (table == nullptr || m_row < 0 || m_column < 0) {
        return {};
    }
    return {table->HeaderCell(-1, m_column)};
}

QList<QAccessibleInterface*> TChartCellAccessible::rowHeaderCells() const {
    TChartAccessible* table = Table();
    if (table == nullptr || m_row < 0 || m_column < 0) {
        return {};
    }
    return {table->HeaderCell(m_row, -1)};
}
