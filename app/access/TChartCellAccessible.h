#pragma once
// A cell of the availability chart's table of numbers, or the header of one of its rows or
// columns, as a screen reader meets it. Holds its place, not its text: the text is read from the
// chart at each call, and a cell the table no longer has reports itself invalid.

#include <QAccessibleInterface>
#include <QPointer>

class TChart;
class TChartAccessible;

class TChartCellAccessible final : public QAccessibleInterface,
                                   public QAccessibleTableCellInterface {
public:
    // Row or column -1 makes the header of that column or row.
    TChartCellAccessible(TChart* chart, int row, int column);

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text /*t*/, const QString& /*text*/) override {}
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
    TChartAccessible* Table() const;

    QPointer<TChart> m_chart;
    int m_row;
    int m_column;
};
