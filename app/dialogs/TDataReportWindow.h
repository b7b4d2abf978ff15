#pragma once
// The data report: a window beside the main one that lists every data line the last load
// ignored or stored other than it was written, so that the person who writes the files can find
// and mend each one. It is not modal; the main window keeps one and refreshes it after each load
// while it is open.

#include <TReadReport.h>

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;
class QTableView;
class TDataReportModel;

class TDataReportWindow final : public QDialog {
    Q_OBJECT

public:
    explicit TDataReportWindow(QWidget* parent = nullptr);

    // Lists the lines of these reports (a StockData.txt's after them, when the folder has one).
    // The sort order chosen by a click on a column title stays.
    void Refresh(const Production1::TReadReport& totalData,
                 const Production1::TReadReport& tankData,
                 const Production1::TReadReport* stockData = nullptr);

    // The selected rows, or every row when none is selected, in the order shown, as
    // tab-separated text under the column titles.
    QString SelectedRowsText() const;
    // Copy and Ctrl+C: that text onto the clipboard.
    void CopySelectedRows();

    // The window's controls; they are owned by the window.
    QTableView* Table = nullptr;
    // Under the table: the lines reported beyond those listed, or that there is nothing to list.
    QLabel* Note = nullptr;
    QPushButton* CopyButton = nullptr;
    QPushButton* CloseButton = nullptr;

private:
    void CreateTable();
    void CreateButtons();

    TDataReportModel* m_model = nullptr;
};
