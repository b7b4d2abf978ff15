// The window's commands with their keys, and the context menus of the chart and the table that
// offer them: copy, copy the chart's numbers, read the data files again, show the data report,
// bring the view back, export the chart or the numbers, print the chart.

#include "TForm1.h"

#include "TChartHover.h"
#include "TContextClick.h"
#include "TErrorShell.h"
#include "TStringGrid.h"

#include <TChart.h>

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QTabWidget>

QAction* TForm1::CreateAction(const QString& text, const QKeySequence& key,
                              void (TForm1::*command)()) {
    auto* action = new QAction(text, this);
    action->setShortcut(key);
    // The keys work anywhere in the window; a text field with the focus keeps Ctrl+C for its
    // own selection.
    action->setShortcutContext(Qt::WindowShortcut);
    action->setShortcutVisibleInContextMenu(true);
    addAction(action);
    connect(action, &QAction::triggered, this,
            [this, command] { TErrorShell::Guard([this, command] { (this->*command)(); }); });
    return action;
}

void TForm1::CreateShortcuts() {
    CopyAction = CreateAction(QStringLiteral("Copy"), QKeySequence::Copy, &TForm1::CopyToClipboard);
    CopyDataAction =
        CreateAction(QStringLiteral("Copy data"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
                     &TForm1::CopyChartData);
    ReloadAction = CreateAction(QStringLiteral("Reload data files"), QKeySequence(Qt::Key_F5),
                                &TForm1::ReloadDataFiles);
    ResetViewAction =
        CreateAction(QStringLiteral("Reset view"), QKeySequence(Qt::Key_Home), &TForm1::ResetView);
    DataReportAction = CreateAction(QStringLiteral("Data report\u2026"),
                                    QKeySequence(Qt::CTRL | Qt::Key_D), &TForm1::ShowDataReport);
    ExportChartAction = CreateAction(QStringLiteral("&Export chart\u2026"),
                                     QKeySequence(Qt::CTRL | Qt::Key_E), &TForm1::ExportChart);
    ExportDataAction =
        CreateAction(QStringLiteral("Export &data\u2026"), QKeySequence(), &TForm1::ExportData);
    PrintAction =
        CreateAction(QStringLiteral("&Print\u2026"), QKeySequence::Print, &TForm1::PrintChart);
    // Home belongs to the table and the text fields on the "Tank Selection" page.
    ResetViewAction->setEnabled(false);
    connect(PageControl1, &QTabWidget::currentChanged, this,
            [this] { ResetViewAction->setEnabled(PageControl1->currentWidget() == TabSheet2); });
    new TChartHover(*Chart1, [this] { return SeriesReadings(); });
    CreateContextMenus();
}

void TForm1::CreateContextMenus() {
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    PopupMenu1->addActions({CopyAction, CopyDataAction});
    PopupMenu1->addSeparator();
    PopupMenu1->addActions({ReloadAction, DataReportAction, ResetViewAction});
    PopupMenu1->addSeparator();
    PopupMenu1->addActions({ExportChartAction, PrintAction});

    PopupMenu2 = new QMenu(this);
    PopupMenu2->setObjectName(QStringLiteral("PopupMenu2"));
    PopupMenu2->addActions({CopyAction, CopyDataAction});
    PopupMenu2->addSeparator();
    PopupMenu2->addActions({ReloadAction, DataReportAction});
    PopupMenu2->addSeparator();
    PopupMenu2->addAction(ExportDataAction);

    // A right-drag on the chart pans it; only a right click without a drag opens the menu.
    auto* chartClick = new TContextClick(*Chart1, TContextClick::TButtonEvents::PassOn);
    connect(chartClick, &TContextClick::Requested, PopupMenu1,
            [this](const QPoint& at) { PopupMenu1->popup(at); });
    // The right button never moves the table's current row.
    auto* tableClick = new TContextClick(*StringGrid1->viewport(),
                                         TContextClick::TButtonEvents::Consume, StringGrid1);
    connect(tableClick, &TContextClick::Requested, PopupMenu2,
            [this](const QPoint& at) { PopupMenu2->popup(at); });
}
