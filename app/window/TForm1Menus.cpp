// The window's commands with their keys, the window's menu at the right end of the tab strip
// that holds them all, and the context menus of the chart and the table that offer the local
// ones: copy, copy the chart's numbers, read the data files again, show the data report, bring
// the view back or fit it to the data, export the chart or the numbers, print the chart.

#include "TForm1.h"

#include "TContextClick.h"
#include "TErrorShell.h"
#include "TMenuButton.h"
#include "TStringGrid.h"

#include <TChart.h>

#include <QAction>
#include <QIcon>
#include <QKeySequence>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

namespace {

// The usual menu symbol, three bars, in the button's text colour; the desktop theme's own
// symbol is used where it has one.
QIcon MenuIcon(const QColor& color) {
    QIcon themed = QIcon::fromTheme(QStringLiteral("open-menu"));
    if (!themed.isNull()) {
        return themed;
    }
    QPixmap bars(16, 16);
    bars.fill(Qt::transparent);
    QPainter painter(&bars);
    for (const int top : {3, 7, 11}) {
        painter.fillRect(QRect(2, top, 12, 2), color);
    }
    return QIcon(bars);
}

} // namespace

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
    // Each text carries its access key (&), unique within the window's menu.
    CopyAction =
        CreateAction(QStringLiteral("&Copy"), QKeySequence::Copy, &TForm1::CopyToClipboard);
    CopyDataAction =
        CreateAction(QStringLiteral("Copy &data"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
                     &TForm1::CopyChartData);
    ReloadAction = CreateAction(QStringLiteral("&Reload data files"), QKeySequence(Qt::Key_F5),
                                &TForm1::ReloadDataFiles);
    ResetViewAction =
        CreateAction(QStringLiteral("Reset &view"), QKeySequence(Qt::Key_Home), &TForm1::ResetView);
    DataReportAction = CreateAction(QStringLiteral("Da&ta report\u2026"),
                                    QKeySequence(Qt::CTRL | Qt::Key_D), &TForm1::ShowDataReport);
    ExportChartAction = CreateAction(QStringLiteral("&Export chart\u2026"),
                                     QKeySequence(Qt::CTRL | Qt::Key_E), &TForm1::ExportChart);
    ExportDataAction =
        CreateAction(QStringLiteral("E&xport data\u2026"), QKeySequence(), &TForm1::ExportData);
    PrintAction =
        CreateAction(QStringLiteral("&Print\u2026"), QKeySequence::Print, &TForm1::PrintChart);
    OpenFolderAction = CreateAction(QStringLiteral("&Open data folder\u2026"),
                                    QKeySequence(Qt::CTRL | Qt::Key_O), &TForm1::ChooseDataFolder);
    FitToDataAction = CreateAction(QStringLiteral("&Fit to data"),
                                   QKeySequence(Qt::CTRL | Qt::Key_0), &TForm1::FitToData);
    EstimateHelpAction = CreateAction(QStringLiteral("&How the estimate is computed"),
                                      QKeySequence(Qt::Key_F1), &TForm1::ShowEstimateHelp);
    AboutAction =
        CreateAction(QStringLiteral("&About Armalyx"), QKeySequence(), &TForm1::ShowAbout);
    MenuAction =
        CreateAction(QStringLiteral("Menu"), QKeySequence(Qt::Key_F10), &TForm1::PopUpMainMenu);
    // Home belongs to the table and the text fields on the "Tank Selection" page; the view
    // commands act on the chart.
    for (QAction* viewCommand : {ResetViewAction, FitToDataAction}) {
        viewCommand->setEnabled(false);
    }
    connect(PageControl1, &QTabWidget::currentChanged, this, [this] {
        const bool graph = PageControl1->currentWidget() == TabSheet2;
        ResetViewAction->setEnabled(graph);
        FitToDataAction->setEnabled(graph);
    });
    CreateChartReaders();
    CreateContextMenus();
    CreateMainMenu();
}

void TForm1::CreateMainMenu() {
    MainMenu = new QMenu(this);
    MainMenu->setObjectName(QStringLiteral("MainMenu"));
    FillMainMenu();
    // No taller than the tabs, so that the tab strip and every page keep their place.
    const int height = PageControl1->tabBar()->sizeHint().height();
    MenuButton = new TMenuButton(QSize(height + 4, height), PageControl1);
    MenuButton->setObjectName(QStringLiteral("MenuButton"));
    MenuButton->setToolTip(QStringLiteral("Menu"));
    MenuButton->setAccessibleName(QStringLiteral("Menu"));
    MenuButton->setIcon(MenuIcon(palette().color(QPalette::ButtonText)));
    MenuButton->setAutoRaise(true);
    MenuButton->setFocusPolicy(Qt::NoFocus);
    // The menu opens below the button on a click, as it does for F10; the button carries no
    // arrow of its own beside the symbol.
    connect(MenuButton, &QToolButton::clicked, this, &TForm1::PopUpMainMenu);
    PageControl1->setCornerWidget(MenuButton, Qt::TopRightCorner);
}

void TForm1::FillMainMenu() {
    MainMenu->addActions({OpenFolderAction, ReloadAction, DataReportAction});
    MainMenu->addSeparator();
    MainMenu->addActions({ExportChartAction, ExportDataAction, PrintAction});
    MainMenu->addSeparator();
    MainMenu->addActions({CopyAction, CopyDataAction});
    MainMenu->addSeparator();
    MainMenu->addActions({ResetViewAction, FitToDataAction});
    MainMenu->addSeparator();
    MainMenu->addActions({EstimateHelpAction, AboutAction});
}

void TForm1::PopUpMainMenu() {
    MainMenu->popup(MenuButton->mapToGlobal(QPoint(0, MenuButton->height())));
}

void TForm1::CreateContextMenus() {
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    PopupMenu1->addActions({CopyAction, CopyDataAction});
    PopupMenu1->addSeparator();
    PopupMenu1->addActions({ReloadAction, DataReportAction, ResetViewAction, FitToDataAction});
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
