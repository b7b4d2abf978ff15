#pragma once
// A text grid in the classic desktop manner: row 0 is a fixed header row, rows 1.. are cells.
// It raises Click when the left mouse button is released after a press on a cell (the current
// cell included, after a drag over cells, and for each click of a double-click) and after every
// keyboard move of the current cell. Other mouse buttons neither move the current cell nor click.
// With Ctrl held, the release (and Ctrl+Space) raises ToggleClick instead, with Shift alone
// RangeClick; Ctrl+Up and Ctrl+Down move the current cell without a click.

#include <QMouseEvent>
#include <QTableWidget>

#include <vector>

class TStringGrid final : public QTableWidget {
    Q_OBJECT

public:
    TStringGrid(int columnCount, int rowCount, QWidget* parent);

    // Rows counted with the header row, as the program numbers them.
    int RowCount() const;
    void SetRowCount(int rowCount);
    // Text of a cell; row 0 is the header. Cells outside the grid read empty and ignore writes.
    QString Cells(int column, int row) const;
    void SetCells(int column, int row, const QString& text);
    // Row of the current cell (1 is the first row below the header); 0 when there is none.
    int Row() const;
    void SetRow(int row);
    // Leaves no cell current (Row() then reads 0).
    void ClearRow();
    void SetColumnWidth(int column, int width);
    void SetDefaultRowHeight(int height);
    // The tooltip of a row's cells; an empty text shows none.
    void SetToolTip(int row, const QString& text);
    // Rows shown with a tinted background, the rest plain.
    void SetMarkedRows(const std::vector<int>& rows);

signals:
    void Click();
    void ToggleClick();
    void RangeClick();
    // A click on the fixed header row; it never moves the current cell.
    void FixedRowClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // A screen reader is told the current cell as the keyboard comes to the grid, so that it says
    // the row (and the column's header) on entry, not only the grid's size.
    void focusInEvent(QFocusEvent* event) override;
    // Draws the focus frame on the current cell while the grid has the keyboard focus.
    void paintEvent(QPaintEvent* event) override;

private:
    void TellCurrentCell();
    // Accepts an event of a button other than the left one and answers whether it did.
    static bool SwallowsOtherButtons(QMouseEvent& event);

    // The same mouse event with no keyboard modifiers held.
    static QMouseEvent WithoutKeys(const QMouseEvent& event);
    // The click a left-button release raises for these keyboard modifiers.
    void EmitClick(Qt::KeyboardModifiers modifiers);

    bool m_pressedOnCell = false;
    std::vector<int> m_markedRows;
    bool m_pressedOnHeader = false;
};
