// The window's commands with their keys: the window's menu at the right end of the tab strip
// that holds them all, and the context menus of the chart and the table that offer the local
// ones; copying, exporting and printing (files are written only when the user chose them, and
// through TSaveTarget, so a failed export leaves an existing file as it was); the data report
// beside the status line; the chart's view; the help windows; and the chart's readers.

#include "TForm1.h"

#include "ChangeSpeech.h"
#include "ChartExport.h"
#include "CsvText.h"
#include "DataReportText.h"
#include "ExportFileName.h"
#include "TAvailabilityStudy.h"
#include "TChart1Curves.h"
#include "TChartReaders.h"
#include "TChartWindow.h"
#include "TContextClick.h"
#include "TDataReportWindow.h"
#include "TErrorShell.h"
#include "TEstimateHelpWindow.h"
#include "TExportOptionsDialog.h"
#include "TMenuButton.h"
#include "TPrintedChart.h"
#include "TRecentFolders.h"
#include "TSaveTarget.h"
#include "TStatusLine.h"
#include "TStringGrid.h"
#include "TableText.h"

#include "ArmalyxVersion.h"

#include <TChart.h>

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QKeySequence>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPageLayout>
#include <QPainter>
#include <QPixmap>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

#include <algorithm>
#include <memory>

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

const QString kPngFilter = QStringLiteral("PNG picture (*.png)");
const QString kSvgFilter = QStringLiteral("SVG drawing (*.svg)");
const QString kPdfFilter = QStringLiteral("PDF document (*.pdf)");
const QString kChartDataFilter = QStringLiteral("Chart numbers, CSV (*.csv)");
const QString kTableFilter = QStringLiteral("Vehicle table, CSV (*.csv)");

// The extension of the chosen filter, added when the typed name has none of its own.
QString WithSuffix(const QString& fileName, const QString& filter) {
    if (!QFileInfo(fileName).suffix().isEmpty()) {
        return fileName;
    }
    const qsizetype star = filter.lastIndexOf(QStringLiteral("*."));
    return fileName + filter.mid(star + 1).chopped(1);
}

// Between the status text and "Details…".
constexpr int kDetailsGap = 2;

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
    MenuAction = CreateAction(QStringLiteral("Menu"), QKeySequence(Qt::Key_F10),
                              &TForm1::PopUpMainMenuByKey);
    UndoAction = CreateAction(QStringLiteral("&Undo"), QKeySequence::Undo, &TForm1::Undo);
    RedoAction = CreateAction(QStringLiteral("Redo (&Y)"), QKeySequence(), &TForm1::Redo);
    ChartWindowAction =
        CreateAction(QStringLiteral("Chart in its own &window"),
                     QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_G), &TForm1::OpenChartWindow);
    RedoAction->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    UndoAction->setEnabled(false);
    RedoAction->setEnabled(false);
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
    MainMenu->setAccessibleName(QStringLiteral("Menu"));
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
    MainMenu->addActions({UndoAction, RedoAction});
    MainMenu->addSeparator();
    MainMenu->addActions({ExportChartAction, ExportDataAction, PrintAction});
    MainMenu->addSeparator();
    MainMenu->addActions({CopyAction, CopyDataAction});
    MainMenu->addSeparator();
    MainMenu->addActions({ResetViewAction, FitToDataAction, ChartWindowAction});
    MainMenu->addSeparator();
    MainMenu->addActions({EstimateHelpAction, AboutAction});
}

// Below "Open data folder…": the folders read last, filled each time the menu opens, so that a
// folder removed since is not offered, and one read in another window is.
void TForm1::CreateRecentMenu() {
    RecentMenu = new QMenu(QStringLiteral("Ope&n recent"), MainMenu);
    RecentMenu->setObjectName(QStringLiteral("RecentMenu"));
    MainMenu->insertMenu(ReloadAction, RecentMenu);
    ClearRecentAction = new QAction(QStringLiteral("&Clear list"), RecentMenu);
    connect(ClearRecentAction, &QAction::triggered, this,
            [this] { TErrorShell::Guard([this] { ClearRecentFolders(); }); });
    connect(RecentMenu, &QMenu::aboutToShow, this,
            [this] { TErrorShell::Guard([this] { FillRecentMenu(); }); });
    // The settings file is read when the menu opens, not at the start.
    RecentMenu->addSeparator();
    RecentMenu->addAction(ClearRecentAction);
}

void TForm1::FillRecentMenu() {
    for (QAction* entry : RecentMenu->actions()) {
        RecentMenu->removeAction(entry);
        if (entry != ClearRecentAction) {
            entry->deleteLater();
        }
    }
    const QStringList folders = m_recentFolders->Folders();
    int number = 0;
    for (const QString& folder : folders) {
        // The digit is the entry's access key; an ampersand of the path is shown as it is.
        const QString text = QStringLiteral("&%1 %2").arg(++number).arg(
            QDir::toNativeSeparators(folder).replace(QLatin1Char('&'), QStringLiteral("&&")));
        QAction* entry = RecentMenu->addAction(text);
        entry->setData(folder);
        connect(entry, &QAction::triggered, this, [this, folder] {
            TErrorShell::Guard([this, &folder] { OpenDataFolder(folder); });
        });
    }
    if (folders.isEmpty()) {
        RecentMenu->addAction(QStringLiteral("No folder read yet"))->setEnabled(false);
    }
    RecentMenu->addSeparator();
    RecentMenu->addAction(ClearRecentAction);
    ClearRecentAction->setEnabled(!folders.isEmpty());
}

void TForm1::ClearRecentFolders() {
    m_recentFolders->Clear();
    FillRecentMenu();
}

void TForm1::PopUpMainMenu() {
    MainMenu->popup(MenuButton->mapToGlobal(QPoint(0, MenuButton->height())));
}

void TForm1::PopUpMainMenuByKey() {
    PopUpMainMenu();
    const QList<QAction*> entries = MainMenu->actions();
    const auto first = std::find_if(entries.begin(), entries.end(), [](const QAction* entry) {
        return entry->isEnabled() && entry->isVisible() && !entry->isSeparator();
    });
    if (first != entries.end()) {
        MainMenu->setActiveAction(*first);
    }
}

void TForm1::CreateContextMenus() {
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    PopupMenu1->addActions({CopyAction, CopyDataAction});
    PopupMenu1->addSeparator();
    PopupMenu1->addActions({ReloadAction, DataReportAction, ResetViewAction, FitToDataAction});
    PopupMenu1->addSeparator();
    PopupMenu1->addActions({ExportChartAction, PrintAction});
    PopupMenu1->addSeparator();
    PopupMenu1->addAction(ChartWindowAction);

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

void TForm1::CreateChartReaders() {
    m_chartReaders = std::make_unique<Armalyx::TChartReaders>(*m_curves);
}

// Ctrl+Shift+G: the chart in a window of its own, made at the first time; it shows this window's
// view and keeps it in step, and its context menu and keys offer the chart's commands.
void TForm1::OpenChartWindow() {
    if (m_chartWindow == nullptr) {
        m_chartWindow = std::make_unique<Armalyx::TChartWindow>(*m_study, *m_curves, this);
        m_chartWindow->OfferCommands({CopyAction, CopyDataAction, nullptr, UndoAction, RedoAction,
                                      nullptr, ReloadAction, DataReportAction, nullptr,
                                      ExportChartAction, ExportDataAction, PrintAction});
        connect(m_chartWindow.get(), &Armalyx::TChartWindow::ResetViewAsked, this,
                [this] { TErrorShell::Guard([this] { ResetView(); }); });
        connect(m_chartWindow.get(), &Armalyx::TChartWindow::FitToDataAsked, this,
                [this] { TErrorShell::Guard([this] { FitToData(); }); });
        m_chartWindow->Chart().installEventFilter(this);
    }
    m_chartWindow->Open();
}

// The chart window, while it is the active one, is what Copy, Export and Print work on.
bool TForm1::ChartWindowActive() const {
    return m_chartWindow != nullptr && m_chartWindow->isActiveWindow();
}

TChart& TForm1::CommandChart() const {
    return ChartWindowActive() ? m_chartWindow->Chart() : *Chart1;
}

QWidget* TForm1::CommandWindow() {
    if (ChartWindowActive()) {
        return m_chartWindow.get();
    }
    return this;
}

void TForm1::CopyToClipboard() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) {
        return;
    }
    if (!ChartWindowActive() && PageControl1->currentWidget() != TabSheet2) {
        clipboard->setText(TableRowsText());
        Tell(Armalyx::ChangeSpeech::TableCopiedText());
        return;
    }
    // A document takes the picture, a spreadsheet the numbers.
    auto data = std::make_unique<QMimeData>();
    TChart& chart = CommandChart();
    data->setImageData(Armalyx::ChartExport::ScreenImage(chart));
    // A drawing program or an office suite that takes vectors pastes them.
    data->setData(QStringLiteral("image/svg+xml"), Armalyx::ChartExport::SvgDocument(chart, 0));
    data->setText(m_curves->DataText());
    clipboard->setMimeData(data.release());
    Tell(Armalyx::ChangeSpeech::ChartCopiedText());
}

void TForm1::CopyChartData() {
    if (QClipboard* clipboard = QGuiApplication::clipboard()) {
        clipboard->setText(m_curves->DataText());
        const auto rows = static_cast<int>(m_curves->DataRows(QLocale()).size());
        Tell(Armalyx::ChangeSpeech::ChartDataCopiedText(std::max(rows - 1, 0)));
    }
}

QString TForm1::TableRowsText() const {
    std::vector<QStringList> rows;
    for (int row = 0; row < StringGrid1->RowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < StringGrid1->columnCount(); ++column) {
            cells.push_back(StringGrid1->Cells(column, row));
        }
        rows.push_back(cells);
    }
    return Armalyx::TableText::TabSeparatedRows(rows);
}

QString TForm1::ExportStart(const QString& fileName) const {
    const QString folder = !m_exportFolder.isEmpty() && QFileInfo(m_exportFolder).isDir()
                               ? m_exportFolder
                               : DataFolder();
    return folder.isEmpty() ? fileName : QDir(folder).filePath(fileName);
}

void TForm1::NoteExportedTo(const QString& fileName) {
    m_exportFolder = QFileInfo(fileName).absolutePath();
}

void TForm1::ExportChart() {
    using Armalyx::ExportFileName::ChartStem;
    using Armalyx::ExportFileName::Suggested;
    TSaveQuestion question{
        QStringLiteral("Export chart"),
        ExportStart(Suggested(ChartStem(m_study->PickedNames()), QStringLiteral("png"))),
        {kPngFilter, kSvgFilter, kPdfFilter},
        kPngFilter};
    const QString fileName = m_chooseSaveFile(CommandWindow(), question);
    if (fileName.isEmpty()) {
        return;
    }
    const QString target = WithSuffix(fileName, question.Filter);
    const auto format = Armalyx::ChartExport::FormatOfFileName(target);
    if (!format) {
        Armalyx::ChartExport::WriteFile(CommandChart(), target, {}); // names the formats it knows
        return;
    }
    const auto size = TExportOptionsDialog::Ask(
        *format, Armalyx::ChartExport::PrintedSizeCm(CommandChart(), 0).width(), CommandWindow(),
        m_exportChoice);
    if (size) {
        m_exportChoice = *size;
        WriteChartFile(target, *size);
        NoteExportedTo(target);
    }
}

// For print the figure is laid out anew at its printed size, in the view of the screen's chart.
void TForm1::WriteChartFile(const QString& fileName,
                            const Armalyx::ChartExport::TExportSize& size) {
    using Armalyx::ChartExport::TChartLayout;
    if (size.Layout == TChartLayout::Screen) {
        Armalyx::ChartExport::WriteFile(CommandChart(), fileName, size);
        return;
    }
    const double widthCm = size.WidthCm > 0
                               ? size.WidthCm
                               : Armalyx::ChartExport::PrintedSizeCm(CommandChart(), 0).width();
    const Armalyx::TPrintedChart printed(*m_study, m_curves->View(), widthCm, size.HeightCm,
                                         {size.Greyscale, size.Picture}, m_printPictures);
    Armalyx::ChartExport::TExportSize printedSize = size;
    printedSize.WidthCm = widthCm;
    Armalyx::ChartExport::WriteFile(printed.Chart(), fileName, printedSize);
}

// From the "Tank Selection" page the table is what is asked for, from "Graph" the chart's numbers.
void TForm1::ExportData() {
    namespace Name = Armalyx::ExportFileName;
    const bool table = !ChartWindowActive() && PageControl1->currentWidget() != TabSheet2;
    const QString stem =
        table ? Name::VehicleTableStem() : Name::ChartNumbersStem(m_study->PickedNames());
    TSaveQuestion question{QStringLiteral("Export data"),
                           ExportStart(Name::Suggested(stem, QStringLiteral("csv"))),
                           {kChartDataFilter, kTableFilter},
                           table ? kTableFilter : kChartDataFilter};
    const QString fileName = m_chooseSaveFile(CommandWindow(), question);
    if (fileName.isEmpty()) {
        return;
    }
    const QString target = WithSuffix(fileName, question.Filter);
    if (question.Filter == kTableFilter) {
        ExportTableTo(target);
    } else {
        ExportChartDataTo(target);
    }
    NoteExportedTo(target);
}

// A spreadsheet reads the numbers with a point as the decimal mark, whatever the desktop's locale.
void TForm1::ExportChartDataTo(const QString& fileName) const {
    TSaveTarget::Write(fileName, Armalyx::CsvText::Document(m_curves->DataRows(QLocale::c())));
}

void TForm1::ExportTableTo(const QString& fileName) const {
    TSaveTarget::Write(fileName, Armalyx::CsvText::Document(m_study->VehicleTableRows()));
}

// The print dialog's "Print to File" offers the suggested name where exports go. Naming the file
// switches a printer to PDF output; a printer that prints to a real device is switched back, so
// that the dialog still starts with the device chosen.
void TForm1::SetUpPrinter(QPrinter& printer) const {
    using Armalyx::ExportFileName::ChartStem;
    using Armalyx::ExportFileName::Suggested;
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(QStringLiteral("Armalyx chart"));
    const QPrinter::OutputFormat format = printer.outputFormat();
    printer.setOutputFileName(
        ExportStart(Suggested(ChartStem(m_study->PickedNames()), QStringLiteral("pdf"))));
    printer.setOutputFormat(format);
}

void TForm1::PrintChart() {
    QPrinter printer(QPrinter::HighResolution);
    SetUpPrinter(printer);
    QPrintPreviewDialog preview(&printer, CommandWindow());
    preview.setWindowTitle(QStringLiteral("Print chart"));
    TChart& chart = CommandChart();
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this, &chart](QPrinter* target) { PrintOn(chart, *target); });
    if (preview.exec() == QDialog::Accepted && printer.outputFormat() == QPrinter::PdfFormat &&
        !printer.outputFileName().isEmpty()) {
        NoteExportedTo(printer.outputFileName());
    }
}

// The layout last chosen in Export chart: for print, the figure laid out for the page's printable
// width (and at most its height).
void TForm1::PrintOn(TChart& chart, QPrinter& printer) {
    if (m_exportChoice.Layout == Armalyx::ChartExport::TChartLayout::Screen) {
        Armalyx::ChartExport::Print(chart, printer);
        return;
    }
    const QSizeF page = printer.pageLayout().paintRect(QPageLayout::Millimeter).size() /
                        Armalyx::ChartExport::kMillimetresPerCentimetre;
    const double height = m_exportChoice.HeightCm > 0
                              ? m_exportChoice.HeightCm
                              : page.width() * Armalyx::TPrintedChart::kPrintProportion;
    const Armalyx::TPrintedChart printed(
        *m_study, m_curves->View(), page.width(), std::min(height, page.height()),
        {m_exportChoice.Greyscale, m_exportChoice.Picture}, m_printPictures);
    Armalyx::ChartExport::Print(printed.Chart(), printer);
}

void TForm1::ShowDataReport() {
    if (m_dataReport == nullptr) {
        m_dataReport = new TDataReportWindow(this);
    }
    m_dataReport->Refresh(m_study->TotalDataReport(), m_study->TankDataReport(),
                          m_study->StockDataReport());
    m_dataReport->show();
    m_dataReport->raise();
    m_dataReport->activateWindow();
}

void TForm1::RefreshOpenDataReport() {
    if (m_dataReport != nullptr && m_dataReport->isVisible()) {
        m_dataReport->Refresh(m_study->TotalDataReport(), m_study->TankDataReport(),
                              m_study->StockDataReport());
    }
}

// Right below the text's last line, and never past the foot of the status line's area, so that
// nothing of the layout moves.
void TForm1::ShowDetailsButton() {
    if (Armalyx::DataReportText::ReportedLines(m_study->TotalDataReport(),
                                               m_study->TankDataReport(),
                                               m_study->StockDataReport()) == 0) {
        DetailsButton->hide();
        return;
    }
    const QRect area = Label8->geometry();
    const QSize size = DetailsButton->sizeHint();
    const int textBottom = area.top() + Label8->heightForWidth(area.width()) + kDetailsGap;
    const int top = std::max(area.top(), std::min(textBottom, area.bottom() + 1 - size.height()));
    DetailsButton->setGeometry(area.left(), top, size.width(), size.height());
    DetailsButton->show();
}

// Home on the "Graph" page: the axis ranges return to the chart's configuration after wheel
// turns and right-drags.
void TForm1::ResetView() {
    const auto before = m_curves->View();
    m_curves->ResetView();
    RecordView(QStringLiteral("reset view"), before, *m_curves);
    Tell(Armalyx::ChangeSpeech::ViewResetText());
}

// Ctrl+0 on the "Graph" page: both axis ranges fitted to every point of the curves shown.
void TForm1::FitToData() {
    const auto before = m_curves->View();
    m_curves->FitToData();
    RecordView(QStringLiteral("fit to data"), before, *m_curves);
    Tell(Armalyx::ChangeSpeech::ViewFittedText());
}

void TForm1::ShowEstimateHelp() {
    if (m_estimateHelp == nullptr) {
        m_estimateHelp = new TEstimateHelpWindow(this);
    }
    m_estimateHelp->show();
    m_estimateHelp->raise();
    m_estimateHelp->activateWindow();
}

QString TForm1::AboutText() const {
    return QStringLiteral("<p><b>Armalyx %1</b></p>"
                          "<p>Monthly availability of armoured fighting vehicles, 1941 to 1945.</p>"
                          "<p>Released under the MIT licence.</p>"
                          "<p>Data folder: %2</p>")
               .arg(QString::fromLatin1(kArmalyxVersion),
                    QDir::toNativeSeparators(DataFolder()).toHtmlEscaped()) +
           FleetSourcesParagraph();
}

// The sources of the fleet rows of TotalData.txt, when its lines had any.
QString TForm1::FleetSourcesParagraph() const {
    QString lines;
    for (const QString& row : m_study->FleetSources()) {
        lines += QStringLiteral("<br>") + row.toHtmlEscaped();
    }
    return lines.isEmpty()
               ? QString()
               : QStringLiteral("<p>Sources of TotalData.txt:") + lines + QStringLiteral("</p>");
}

void TForm1::ShowAbout() {
    QMessageBox::about(this, QStringLiteral("About Armalyx"), AboutText());
}
