#include "TDataReportModel.h"

#include <QFontDatabase>

#include <algorithm>
#include <numeric>
#include <utility>

using Armalyx::DataReportText::TColumn;
using Armalyx::DataReportText::TRow;

TDataReportModel::TDataReportModel(QObject* parent) : QAbstractTableModel(parent) {}

void TDataReportModel::SetRows(std::vector<TRow> rows) {
    beginResetModel();
    m_rows = std::move(rows);
    std::vector<TRow> sorted;
    sorted.reserve(m_rows.size());
    for (const int row : SortedOrder()) {
        sorted.push_back(std::move(m_rows[static_cast<std::size_t>(row)]));
    }
    m_rows = std::move(sorted);
    endResetModel();
}

std::vector<int> TDataReportModel::SortedOrder() const {
    std::vector<int> order(m_rows.size());
    std::iota(order.begin(), order.end(), 0);
    const auto rowAt = [this](int row) -> const TRow& {
        return m_rows[static_cast<std::size_t>(row)];
    };
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return m_sortOrder == Qt::AscendingOrder
                   ? Armalyx::DataReportText::RowLess(rowAt(a), rowAt(b), m_sortColumn)
                   : Armalyx::DataReportText::RowLess(rowAt(b), rowAt(a), m_sortColumn);
    });
    return order;
}

// The selection follows its rows to their new places.
void TDataReportModel::sort(int column, Qt::SortOrder order) {
    if (column < 0 || column >= Armalyx::DataReportText::kColumnCount) {
        return;
    }
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    m_sortColumn = static_cast<TColumn>(column);
    m_sortOrder = order;
    const std::vector<int> sortedOrder = SortedOrder();
    std::vector<int> newRowOf(sortedOrder.size());
    std::vector<TRow> sorted;
    sorted.reserve(m_rows.size());
    for (std::size_t newRow = 0; newRow < sortedOrder.size(); ++newRow) {
        newRowOf[static_cast<std::size_t>(sortedOrder[newRow])] = static_cast<int>(newRow);
        sorted.push_back(std::move(m_rows[static_cast<std::size_t>(sortedOrder[newRow])]));
    }
    m_rows = std::move(sorted);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    for (const QModelIndex& index : before) {
        after.push_back(
            this->index(newRowOf[static_cast<std::size_t>(index.row())], index.column()));
    }
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

int TDataReportModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int TDataReportModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Armalyx::DataReportText::kColumnCount;
}

QVariant TDataReportModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() < 0 || index.row() >= rowCount() || index.column() < 0 ||
        index.column() >= Armalyx::DataReportText::kColumnCount) {
        return {};
    }
    const TRow& row = m_rows[static_cast<std::size_t>(index.row())];
    const auto column = static_cast<TColumn>(index.column());
    switch (role) {
    case Qt::DisplayRole:
        return DisplayText(row, column);
    case Qt::ToolTipRole:
        // Reasons and lines may be wider than their column.
        return column == TColumn::Reason || column == TColumn::Text ? DisplayText(row, column)
                                                                    : QVariant();
    case Qt::TextAlignmentRole:
        return column == TColumn::Line ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    case Qt::FontRole:
        // Lines as written line up their commas in a fixed-pitch font.
        return column == TColumn::Text ? QFontDatabase::systemFont(QFontDatabase::FixedFont)
                                       : QVariant();
    default:
        return {};
    }
}

QVariant TDataReportModel::DisplayText(const TRow& row, TColumn column) const {
    switch (column) {
    case TColumn::File:
        return row.File;
    case TColumn::Line:
        return QString::number(row.Line);
    case TColumn::Reason:
        return row.Reason;
    case TColumn::Text:
        return row.Text;
    }
    return {};
}

QVariant TDataReportModel::headerData(int section, Qt::Orientation orientation, int role) const {
    const QStringList titles = Armalyx::DataReportText::ColumnTitles();
    if (orientation != Qt::Horizontal || section < 0 || section >= titles.size()) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    if (role == Qt::DisplayRole) {
        return titles[section];
    }
    // A click on another column's title sorts it upwards, whatever the order before.
    if (role == Qt::InitialSortOrderRole) {
        return static_cast<int>(Qt::AscendingOrder);
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}
