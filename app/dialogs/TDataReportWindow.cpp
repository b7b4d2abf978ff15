#include "TDataReportWindow.h"

#include "DataReportText.h"
#include "TDataReportModel.h"

#include <QAction>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kFileColumnWidth = 90;
constexpr int kLineColumnWidth = 50;
constexpr int kReasonColumnWidth = 440;
constexpr QSize kStartSize(900, 360);
// Above and below a row's text.
constexpr int kRowPadding = 4;

} // namespace

TDataReportWindow::TDataReportWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("DataReport"));
    setWindowTitle(QStringLiteral("Data report"));
    setModal(false);
    setSizeGripEnabled(true);
    auto* layout = new QVBoxLayout(this);
    CreateTable();
    layout->addWidget(Table);
    Note = new QLabel(this);
    Note->setObjectName(QStringLiteral("Note"));
    Note->setTextFormat(Qt::PlainText);
    Note->setWordWrap(true);
    layout->addWidget(Note);
    CreateButtons();
    resize(kStartSize);
}

void TDataReportWindow::CreateTable() {
    m_model = new TDataReportModel(this);
    Table = new QTableView(this);
    Table->setObjectName(QStringLiteral("Table"));
    Table->setModel(m_model);
    Table->setSelectionBehavior(QAbstractItemView::SelectRows);
    Table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table->setWordWrap(false);
    Table->verticalHeader()->hide();
    // One line of text per row; a reason longer than its column shows whole in its tooltip.
    Table->verticalHeader()->setMinimumSectionSize(0);
    Table->verticalHeader()->setDefaultSectionSize(Table->fontMetrics().height() + kRowPadding);
    Table->horizontalHeader()->setStretchLastSection(true);
    Table->setColumnWidth(static_cast<int>(Armalyx::DataReportText::TColumn::File),
                          kFileColumnWidth);
    Table->setColumnWidth(static_cast<int>(Armalyx::DataReportText::TColumn::Line),
                          kLineColumnWidth);
    Table->setColumnWidth(static_cast<int>(Armalyx::DataReportText::TColumn::Reason),
                          kReasonColumnWidth);
    // The files in the order they are read, each in line order.
    Table->setSortingEnabled(true);
    Table->sortByColumn(static_cast<int>(Armalyx::DataReportText::TColumn::File),
                        Qt::AscendingOrder);
    Table->setAccessibleName(QStringLiteral("Reported data lines"));
}

void TDataReportWindow::CreateButtons() {
    auto* buttons = new QDialogButtonBox(this);
    CopyButton = buttons->addButton(QStringLiteral("Copy"), QDialogButtonBox::ActionRole);
    CloseButton = buttons->addButton(QDialogButtonBox::Close);
    // Enter in the table must not close the window.
    CopyButton->setAutoDefault(false);
    CloseButton->setAutoDefault(false);
    connect(CopyButton, &QPushButton::clicked, this, &TDataReportWindow::CopySelectedRows);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout()->addWidget(buttons);

    // Ctrl+C anywhere in the window copies rows, not only the current cell's text.
    auto* copy = new QAction(QStringLiteral("Copy"), this);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WindowShortcut);
    connect(copy, &QAction::triggered, this, &TDataReportWindow::CopySelectedRows);
    addAction(copy);
}

void TDataReportWindow::Refresh(const Production1::TReadReport& totalData,
                                const Production1::TReadReport& tankData,
                                const Production1::TReadReport* stockData) {
    m_model->SetRows(Armalyx::DataReportText::Rows(totalData, tankData, stockData));
    const QString note = Armalyx::DataReportText::NoteText(totalData, tankData, stockData);
    Note->setText(note);
    Note->setVisible(!note.isEmpty());
}

QString TDataReportWindow::SelectedRowsText() const {
    const std::vector<Armalyx::DataReportText::TRow>& rows = m_model->Rows();
    std::vector<int> selected;
    for (const QModelIndex& index : Table->selectionModel()->selectedRows()) {
        selected.push_back(index.row());
    }
    if (selected.empty()) {
        return Armalyx::DataReportText::CopyText(rows);
    }
    std::sort(selected.begin(), selected.end());
    std::vector<Armalyx::DataReportText::TRow> copied;
    copied.reserve(selected.size());
    for (const int row : selected) {
        if (row >= 0 && static_cast<std::size_t>(row) < rows.size()) {
            copied.push_back(rows[static_cast<std::size_t>(row)]);
        }
    }
    return Armalyx::DataReportText::CopyText(copied);
}

void TDataReportWindow::CopySelectedRows() {
    if (QClipboard* clipboard = QGuiApplication::clipboard(); clipboard != nullptr) {
        clipboard->setText(SelectedRowsText());
    }
}
