#include "TChartAccessible.h"

#include <TProductionStore.h>

#include "ChartHoverText.h"
#include "MonthText.h"
#include "TChartCellAccessible.h"
#include "TChartCursorOverlay.h"
#include "TChartMonthAccessible.h"
#include "TChartMonthCursor.h"
#include "TChartNarrator.h"
#include "TChartSummaryAccessible.h"

#include <TChart.h>

#include <QStringList>

#include <vector>

namespace {

using Production1::kFirstMonth;
using Production1::kLastMonth;

// The table's rows: the header, then one per month.
const std::vector<QStringList>& NoRows() {
    static const std::vector<QStringList> none;
    return none;
}

} // namespace

TChartAccessible::TChartAccessible(TChart* chart) : QAccessibleWidget(chart, QAccessible::Chart) {}

TChartAccessible::~TChartAccessible() {
    ForgetCells();
    if (m_summary != 0) {
        QAccessible::deleteAccessibleInterface(m_summary);
    }
}

TChart* TChartAccessible::Chart() const {
    return static_cast<TChart*>(widget());
}

TChartNarrator* TChartAccessible::Narrator() const {
    return TChartNarrator::Of(object());
}

TChartMonthCursor* TChartAccessible::Cursor() const {
    return object()->findChild<TChartMonthCursor*>(QString(), Qt::FindDirectChildrenOnly);
}

QString TChartAccessible::text(QAccessible::Text t) const {
    const TChartNarrator* narrator = Narrator();
    if (t == QAccessible::Description && narrator != nullptr) {
        return narrator->Brief();
    }
    return QAccessibleWidget::text(t);
}

QString TChartAccessible::AccessibleText() const {
    const TChartMonthCursor* cursor = Cursor();
    return cursor == nullptr ? QString() : cursor->ReadOut();
}

// The controls lying on the chart; what the month cursor draws over it is no control.
QList<QWidget*> TChartAccessible::ControlsOnChart() const {
    QList<QWidget*> controls;
    for (QObject* child : object()->children()) {
        auto* control = qobject_cast<QWidget*>(child);
        if (control != nullptr && !control->isWindow() &&
            qobject_cast<TChartCursorOverlay*>(control) == nullptr) {
            controls.push_back(control);
        }
    }
    return controls;
}

int TChartAccessible::WidgetChildCount() const {
    return static_cast<int>(ControlsOnChart().size());
}

int TChartAccessible::childCount() const {
    return WidgetChildCount() + rowCount() * columnCount() + rowCount() + 1;
}

QAccessibleInterface* TChartAccessible::child(int index) const {
    const QList<QWidget*> controls = ControlsOnChart();
    const auto widgets = static_cast<int>(controls.size());
    if (index < 0) {
        return nullptr;
    }
    if (index < widgets) {
        return QAccessible::queryAccessibleInterface(controls.at(index));
    }
    const int columns = columnCount();
    const int cell = index - widgets;
    if (columns == 0) {
        return cell == 0 ? SummaryItem() : nullptr;
    }
    if (cell >= rowCount() * columns) {
        const int row = cell - rowCount() * columns;
        if (row == rowCount()) {
            return SummaryItem();
        }
        return row < rowCount() ? MonthItem(row) : nullptr;
    }
    return Cell(cell / columns, cell % columns);
}

int TChartAccessible::indexOfChild(const QAccessibleInterface* child) const {
    if (child == nullptr) {
        return -1;
    }
    if (child == SummaryItem()) {
        return childCount() - 1;
    }
    if (const auto* month = dynamic_cast<const TChartMonthAccessible*>(child)) {
        return month->parent() == this && month->Row() < rowCount()
                   ? WidgetChildCount() + rowCount() * columnCount() + month->Row()
                   : -1;
    }
    if (child->role() != QAccessible::Cell) {
        return static_cast<int>(ControlsOnChart().indexOf(child->object()));
    }
    auto* cell = const_cast<QAccessibleInterface*>(child)->tableCellInterface();
    if (cell == nullptr || cell->table() != this) {
        return -1;
    }
    return WidgetChildCount() + cell->rowIndex() * columnCount() + cell->columnIndex();
}

void* TChartAccessible::interface_cast(QAccessible::InterfaceType type) {
    switch (type) {
    case QAccessible::TableInterface:
        return static_cast<QAccessibleTableInterface*>(this);
    case QAccessible::TextInterface:
        return static_cast<QAccessibleTextInterface*>(this);
    default:
        return QAccessibleWidget::interface_cast(type);
    }
}

QString TChartAccessible::CellText(int row, int column) const {
    const TChartNarrator* narrator = Narrator();
    const auto& rows = narrator == nullptr ? NoRows() : narrator->Rows();
    // Row and column -1 are the headers, which hold the table's first row and column.
    if (row < -1 || column < -1) {
        return QString();
    }
    const std::size_t tableRow = row < 0 ? 0 : static_cast<std::size_t>(row) + 1;
    const qsizetype tableColumn = column < 0 ? 0 : static_cast<qsizetype>(column) + 1;
    if (tableRow >= rows.size() || tableColumn >= rows[tableRow].size()) {
        return QString();
    }
    return rows[tableRow][tableColumn];
}

int TChartAccessible::rowCount() const {
    const TChartNarrator* narrator = Narrator();
    return narrator == nullptr || narrator->Rows().empty()
               ? 0
               : static_cast<int>(narrator->Rows().size()) - 1;
}

int TChartAccessible::columnCount() const {
    const TChartNarrator* narrator = Narrator();
    return narrator == nullptr || narrator->Rows().empty()
               ? 0
               : static_cast<int>(narrator->Rows().front().size()) - 1;
}

QString TChartAccessible::columnDescription(int column) const {
    return column < 0 ? QString() : CellText(-1, column);
}

QString TChartAccessible::rowDescription(int row) const {
    return row < 0 ? QString() : CellText(row, -1);
}

int TChartAccessible::MonthOfRow(int row) const {
    const QString caption = rowDescription(row);
    for (int month = kFirstMonth; month <= kLastMonth && !caption.isEmpty(); ++month) {
        if (Armalyx::MonthText::Caption(month) == caption) {
            return month;
        }
    }
    return 0;
}

QAccessibleInterface* TChartAccessible::cellAt(int row, int column) const {
    if (row < 0 || column < 0 || row >= rowCount() || column >= columnCount()) {
        return nullptr;
    }
    return Cell(row, column);
}

QAccessibleInterface* TChartAccessible::Cell(int row, int column) const {
    const auto key = std::pair(row, column);
    if (const auto found = m_cells.find(key); found != m_cells.end()) {
        return QAccessible::accessibleInterface(found->second);
    }
    auto* cell = new TChartCellAccessible(Chart(), row, column); // the registry owns it
    m_cells.emplace(key, QAccessible::registerAccessibleInterface(cell));
    return cell;
}

QAccessibleInterface* TChartAccessible::MonthItem(int row) const {
    if (const auto found = m_months.find(row); found != m_months.end()) {
        return QAccessible::accessibleInterface(found->second);
    }
    auto* item = new TChartMonthAccessible(Chart(), row); // the registry owns it
    m_months.emplace(row, QAccessible::registerAccessibleInterface(item));
    return item;
}

QAccessibleInterface* TChartAccessible::SummaryItem() const {
    if (m_summary == 0) {
        m_summary = QAccessible::registerAccessibleInterface(new TChartSummaryAccessible(Chart()));
    }
    return QAccessible::accessibleInterface(m_summary);
}

QString TChartAccessible::SummaryText() const {
    const TChartNarrator* narrator = Narrator();
    return narrator == nullptr ? QString() : narrator->Summary();
}

void TChartAccessible::TellSummaryChanged() {
    QAccessibleEvent named(SummaryItem(), QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
}

void TChartAccessible::ForgetCells() {
    for (const auto& [place, id] : m_cells) {
        QAccessible::deleteAccessibleInterface(id);
    }
    m_cells.clear();
    for (const auto& [row, id] : m_months) {
        QAccessible::deleteAccessibleInterface(id);
    }
    m_months.clear();
}

QString TChartAccessible::MonthSpeech(int row) const {
    const TChartMonthCursor* cursor = Cursor();
    const int month = MonthOfRow(row);
    return cursor == nullptr || month == 0 ? QString() : cursor->SpokenReadOut(month);
}

void TChartAccessible::TellCursorMonth() {
    const QList<int> rows = selectedRows();
    if (rows.isEmpty() || !Chart()->hasFocus()) {
        return;
    }
    QAccessibleInterface* item = MonthItem(rows.front());
    QAccessibleEvent named(item, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
    QAccessibleEvent focused(item, QAccessible::Focus);
    QAccessible::updateAccessibility(&focused);
}

void TChartAccessible::modelChange(QAccessibleTableModelChangeEvent* /*event*/) {
    ForgetCells();
}

QList<int> TChartAccessible::selectedRows() const {
    const TChartMonthCursor* cursor = Cursor();
    const auto month = cursor == nullptr ? std::nullopt : cursor->Month();
    for (int row = 0; month && row < rowCount(); ++row) {
        if (MonthOfRow(row) == *month) {
            return {row};
        }
    }
    return {};
}

int TChartAccessible::selectedRowCount() const {
    return static_cast<int>(selectedRows().size());
}

bool TChartAccessible::isRowSelected(int row) const {
    return selectedRows().contains(row);
}

int TChartAccessible::selectedCellCount() const {
    return selectedRowCount() * columnCount();
}

QList<QAccessibleInterface*> TChartAccessible::selectedCells() const {
    QList<QAccessibleInterface*> cells;
    for (const int row : selectedRows()) {
        for (int column = 0; column < columnCount(); ++column) {
            cells.push_back(Cell(row, column));
        }
    }
    return cells;
}

bool TChartAccessible::selectRow(int row) {
    TChartMonthCursor* cursor = Cursor();
    const int month = MonthOfRow(row);
    if (cursor == nullptr || month == 0) {
        return false;
    }
    cursor->MoveTo(month);
    return cursor->Month() == month;
}

bool TChartAccessible::unselectRow(int row) {
    TChartMonthCursor* cursor = Cursor();
    if (cursor == nullptr || !isRowSelected(row)) {
        return false;
    }
    cursor->Hide();
    return true;
}
