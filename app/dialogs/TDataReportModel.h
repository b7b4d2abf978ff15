#pragma once
// The data report's rows for a table view: one row per reported line with its file, line
// number, reason and text as written, sorted by the column whose title was clicked.

#include "DataReportText.h"

#include <QAbstractTableModel>

#include <vector>

class TDataReportModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit TDataReportModel(QObject* parent = nullptr);

    // New rows, in the sort order chosen last.
    void SetRows(std::vector<Armalyx::DataReportText::TRow> rows);
    // The rows in the order shown.
    const std::vector<Armalyx::DataReportText::TRow>& Rows() const { return m_rows; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    // The sort order's permutation of the rows: the old row of each new row.
    std::vector<int> SortedOrder() const;
    QVariant DisplayText(const Armalyx::DataReportText::TRow& row,
                         Armalyx::DataReportText::TColumn column) const;

    std::vector<Armalyx::DataReportText::TRow> m_rows;
    Armalyx::DataReportText::TColumn m_sortColumn = Armalyx::DataReportText::TColumn::File;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};
