#include "TStringGrid.h"

#include <QAccessible>

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace {

// Cells drawn as usual, but without the style's own focus mark: the grid draws the classic
// dotted frame itself, on every style.
class TCellDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        option->state &= ~QStyle::State_HasFocus;
    }
};

} // namespace

TStringGrid::TStringGrid(int columnCount, int rowCount, QWidget* parent) : QTableWidget(parent) {
    setItemDelegate(new TCellDelegate(this));
    setColumnCount(columnCount);
    setHorizontalHeaderLabels(QStringList());
    SetRowCount(rowCount);
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // A clickable header would select a column and move the current cell; the header row of a
    // text grid only raises its own click.
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->viewport()->installEventFilter(this);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the grid for the next control; the arrow keys move between cells.
    setTabKeyNavigation(false);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setWordWrap(false);
    setShowGrid(true);
}

int TStringGrid::RowCount() const {
    return rowCount() + 1;
}

void TStringGrid::SetRowCount(int rowCount) {
    // The header row always exists, so a grid has at least one row.
    setRowCount(std::max(rowCount, 1) - 1);
    if (!currentIndex().isValid() && this->rowCount() > 0) {
        setCurrentCell(0, 0, QItemSelectionModel::NoUpdate);
    }
}

QString TStringGrid::Cells(int column, int row) const {
    if (column < 0 || column >= columnCount() || row < 0 || row >= RowCount()) {
        return QString();
    }
    const QTableWidgetItem* cell = row == 0 ? horizontalHeaderItem(column) : item(row - 1, column);
    return cell == nullptr ? QString() : cell->text();
}

void TStringGrid::SetCells(int column, int row, const QString& text) {
    if (column < 0 || column >= columnCount() || row < 0 || row >= RowCount()) {
        return;
    }
    if (row == 0) {
        setHorizontalHeaderItem(column, new QTableWidgetItem(text));
        return;
    }
    if (QTableWidgetItem* cell = item(row - 1, column)) {
        cell->setText(text);
        return;
    }
    setItem(row - 1, column, new QTableWidgetItem(text));
}

int TStringGrid::Row() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() + 1 : 0;
}

void TStringGrid::SetRow(int row) {
    if (row >= 1 && row < RowCount()) {
        const int column = std::max(currentColumn(), 0);
        setCurrentCell(row - 1, column);
    }
}

void TStringGrid::ClearRow() {
    setCurrentIndex(QModelIndex());
}

void TStringGrid::SetColumnWidth(int column, int width) {
    setColumnWidth(column, width);
}

void TStringGrid::SetDefaultRowHeight(int height) {
    verticalHeader()->setDefaultSectionSize(height);
    horizontalHeader()->setFixedHeight(height);
}

bool TStringGrid::eventFilter(QObject* watched, QEvent* event) {
    if (watched == horizontalHeader()->viewport()) {
        const auto type = event->type();
        if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton && type == QEvent::MouseButtonPress) {
                m_pressedOnHeader = true;
            } else if (mouse->button() == Qt::LeftButton &&
                       std::exchange(m_pressedOnHeader, false)) {
                emit FixedRowClick();
            }
        }
    }
    return QTableWidget::eventFilter(watched, event);
}

// Only the left button moves the current cell and selects: the row that the figures belong to
// stays highlighted while another button is pressed, dragged or released (a context menu, say).
bool TStringGrid::SwallowsOtherButtons(QMouseEvent& event) {
    const bool other = event.type() == QEvent::MouseMove
                           ? event.buttons() != Qt::NoButton && !(event.buttons() & Qt::LeftButton)
                           : event.button() != Qt::LeftButton;
    if (other) {
        event.accept();
    }
    return other;
}

void TStringGrid::mousePressEvent(QMouseEvent* event) {
    if (SwallowsOtherButtons(*event)) {
        return;
    }
    m_pressedOnCell = indexAt(event->position().toPoint()).isValid();
    // Ctrl and Shift build a group of picks, shown by the rows' tint: the selection stays the one
    // cell clicked, as for a plain click, so that it never shows rows outside the group.
    QMouseEvent plain = WithoutKeys(*event);
    QTableWidget::mousePressEvent(&plain);
    event->setAccepted(plain.isAccepted());
}

void TStringGrid::mouseMoveEvent(QMouseEvent* event) {
    if (SwallowsOtherButtons(*event)) {
        return;
    }
    QTableWidget::mouseMoveEvent(event);
}

void TStringGrid::mouseReleaseEvent(QMouseEvent* event) {
    if (SwallowsOtherButtons(*event)) {
        return;
    }
    QMouseEvent plain = WithoutKeys(*event);
    QTableWidget::mouseReleaseEvent(&plain);
    event->setAccepted(plain.isAccepted());
    if (std::exchange(m_pressedOnCell, false)) {
        EmitClick(event->modifiers());
    }
}

QMouseEvent TStringGrid::WithoutKeys(const QMouseEvent& event) {
    return QMouseEvent(event.type(), event.position(), event.scenePosition(),
                       event.globalPosition(), event.button(), event.buttons(), Qt::NoModifier,
                       event.source(), event.pointingDevice());
}

void TStringGrid::EmitClick(Qt::KeyboardModifiers modifiers) {
    if (modifiers.testFlag(Qt::ControlModifier)) {
        emit ToggleClick();
    } else if (modifiers.testFlag(Qt::ShiftModifier)) {
        emit RangeClick();
    } else {
        emit Click();
    }
}

void TStringGrid::SetToolTip(int row, const QString& text) {
    for (int column = 0; column < columnCount(); ++column) {
        if (QTableWidgetItem* cell = item(row - 1, column)) {
            if (cell->toolTip() != text) {
                cell->setToolTip(text);
            }
        }
    }
}

void TStringGrid::SetMarkedRows(const std::vector<int>& rows) {
    if (rows == m_markedRows) {
        return;
    }
    QColor tint = palette().color(QPalette::Highlight);
    tint.setAlpha(48);
    const auto paint = [this](const std::vector<int>& marked, const QBrush& brush) {
        for (const int row : marked) {
            for (int column = 0; column < columnCount(); ++column) {
                if (QTableWidgetItem* cell = item(row - 1, column)) {
                    cell->setBackground(brush);
                }
            }
        }
    };
    paint(m_markedRows, QBrush());
    m_markedRows = rows;
    paint(m_markedRows, QBrush(tint));
}

// The second press of a double-click is a press like the first: its release clicks again.
void TStringGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    if (SwallowsOtherButtons(*event)) {
        return;
    }
    m_pressedOnCell = indexAt(event->position().toPoint()).isValid();
    QTableWidget::mouseDoubleClickEvent(event);
}

void TStringGrid::focusInEvent(QFocusEvent* event) {
    QTableWidget::focusInEvent(event);
    // After the grid's own focus has been told, which comes once this event is done.
    QTimer::singleShot(0, this, &TStringGrid::TellCurrentCell);
}

void TStringGrid::TellCurrentCell() {
    const QModelIndex current = currentIndex();
    if (!QAccessible::isActive() || !hasFocus() || !current.isValid()) {
        return;
    }
    QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(this);
    QAccessibleTableInterface* table = grid == nullptr ? nullptr : grid->tableInterface();
    QAccessibleInterface* cell =
        table == nullptr ? nullptr : table->cellAt(current.row(), current.column());
    if (cell == nullptr) {
        return;
    }
    QAccessibleEvent focused(this, QAccessible::Focus);
    focused.setChild(grid->indexOfChild(cell));
    QAccessible::updateAccessibility(&focused);
}

void TStringGrid::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::ControlModifier) {
        event->accept();
        if (currentIndex().isValid()) {
            emit ToggleClick();
        }
        return;
    }
    const QPersistentModelIndex before = currentIndex();
    QTableWidget::keyPressEvent(event);
    // Ctrl+Up and Ctrl+Down move the current row without a pick, so that Ctrl+Space can take it
    // into a group.
    const bool groupMove = event->modifiers().testFlag(Qt::ControlModifier) &&
                           (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down);
    if (currentIndex() != before && !groupMove) {
        emit Click();
    }
}

// A dotted frame along the cell's edges, inside its grid lines, in the colour of its text.
void TStringGrid::paintEvent(QPaintEvent* event) {
    QTableWidget::paintEvent(event);
    const QModelIndex current = currentIndex();
    if (!hasFocus() || !current.isValid()) {
        return;
    }
    const QRect cell = visualRect(current);
    if (cell.width() < 3 || cell.height() < 3) {
        return;
    }
    const bool selected = selectionModel()->isSelected(current);
    QPen pen(palette().color(selected ? QPalette::HighlightedText : QPalette::Text), 0);
    pen.setDashPattern({1, 1});
    QPainter painter(viewport());
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    // With a 1-pixel pen the outline covers width + 1 pixels: it ends left of the grid line.
    painter.drawRect(QRect(cell.left(), cell.top(), cell.width() - 2, cell.height() - 2));
}
