#pragma once
// A cell of the availability chart's table of numbers, or the header of one of its rows or
// columns, as a screen reader meets it. Holds its place, not its text: the text is read from the
// chart at each call, and a cell the table no longer has reports itself invalid.

#include "TChartPartAccessible.h"

class TChartCellAccessible final : public TChartPartAccessible,
                                   public QAccessibleTableCellInterface {
public:
    // Row or column -1 makes the header of that column or row.
    TChartCellAccessible(TChart* chart, int row, int column);

    bool isValid() const override;
    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    bool isSelected() const override;
    QList<QAccessibleInterface*> columnHeaderCells() const override;
    QList<QAccessibleInterface*> rowHeaderCells() const override;
    int columnIndex() const override { return m_column; }
    int rowIndex() const override { return m_row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override;

private:
    int m_row;
    int m_column;
};
