#pragma once
// The availability chart as a screen reader meets it: a chart named by its title, described by a
// brief of the months shown and the picks, offering its numbers as a table (one row per month, one
// column per curve, the months as row headers and the curve names as column headers) and the
// month cursor's read-out as its text. The month the cursor stands on is the table's selected
// row; selecting a row moves the cursor there. Controls lying on the chart stay its first
// children, the cells follow them row by row, then one item per month, named by the month
// cursor's read-out there (the cursor's month has the focus, so that a reader speaks each move),
// and last the summary of the curves, which is also the table's summary.

#include "TReadOnlyAccessibleText.h"

#include <QAccessibleWidget>

#include <map>
#include <utility>

class TChart;
class TChartMonthCursor;
class TChartNarrator;

class TChartAccessible final : public QAccessibleWidget,
                               public QAccessibleTableInterface,
                               public TReadOnlyAccessibleText {
public:
    explicit TChartAccessible(TChart* chart);
    ~TChartAccessible() override;
    TChartAccessible(const TChartAccessible&) = delete;
    TChartAccessible& operator=(const TChartAccessible&) = delete;

    using TReadOnlyAccessibleText::text;
    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    // The table.
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return SummaryItem(); }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface*> selectedCells() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override;
    int columnCount() const override;
    int rowCount() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override;
    bool isColumnSelected(int /*column*/) const override { return false; }
    bool isRowSelected(int row) const override;
    bool selectRow(int row) override;
    bool selectColumn(int /*column*/) override { return false; }
    bool unselectRow(int row) override;
    bool unselectColumn(int /*column*/) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent* event) override;

    // The read-out.
    QString AccessibleText() const override;

    // A cell's text: row and column count from 0 within the numbers, -1 names the header of a
    // row or column. Empty outside the table.
    QString CellText(int row, int column) const;
    // The header of a column (row -1) or of a row (column -1), as cells name them.
    QAccessibleInterface* HeaderCell(int row, int column) const { return Cell(row, column); }
    // The month (1 = January 1941) of a row, 0 outside the table.
    int MonthOfRow(int row) const;
    TChart* Chart() const;
    // What a reader hears for the month of a row, as the month cursor reads it.
    QString MonthSpeech(int row) const;
    // The item of the cursor's month takes the focus, while the chart has it.
    void TellCursorMonth();
    // The summary of the curves, as its child reads it, and its change told.
    QString SummaryText() const;
    void TellSummaryChanged();

private:
    TChartNarrator* Narrator() const;
    TChartMonthCursor* Cursor() const;
    QList<QWidget*> ControlsOnChart() const;
    int WidgetChildCount() const;
    // The cell's interface, made once and kept until the table changes.
    QAccessibleInterface* Cell(int row, int column) const;
    // The month's item, made once and kept until the table changes.
    QAccessibleInterface* MonthItem(int row) const;
    // The summary's child, made once and kept with the chart's interface.
    QAccessibleInterface* SummaryItem() const;
    void ForgetCells();

    mutable std::map<std::pair<int, int>, QAccessible::Id> m_cells;
    mutable std::map<int, QAccessible::Id> m_months;
    mutable QAccessible::Id m_summary = 0;
};
