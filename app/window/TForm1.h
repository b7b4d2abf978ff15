#pragma once
// The program's one window: the vehicle table with the span selectors and figures on the first
// page, the availability chart with its data-source selector on the second. The handlers move
// numbers from the production data store into the controls and the chart's series.

#include "Chart1Configuration.h"
#include "ChartDataText.h"
#include "ChartExport.h"
#include "SeriesReading.h"
#include "TStatusLine.h"

#include <TCustomChartAxis.h>
#include <TProductionStore.h>

#include <QString>
#include <QStringList>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QImage;
class QKeySequence;
class QLabel;
class QLocale;
class QMenu;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QToolButton;
class TChart;
class TChartHover;
class TChartMonthCursor;
class TChartNarrator;
class TComboBox;
class TDataFolderWatcher;
class TDataReportWindow;
class TEstimateHelpWindow;
class TRadioGroup;
class TStringGrid;

// The chart's eight series (Series1 .. Series8) are members by name through TChart1Series.
class TForm1 final : public QWidget, public TChart1Series {
    Q_OBJECT

public:
    // Without a folder named the program reads its data files from the working directory.
    explicit TForm1(QWidget* parent = nullptr);
    // The command line, tests and the inspector name the data folder.
    explicit TForm1(QString dataDirectory, QWidget* parent = nullptr);
    ~TForm1() override;
    TForm1(const TForm1&) = delete;
    TForm1& operator=(const TForm1&) = delete;

    // The folder the data files are read from, as an absolute path (the working directory when
    // none was named; empty when even that cannot be told).
    QString DataFolder() const;
    // Ctrl+O, a drop and the command line: reads the folder's data files and follows them. The
    // folder read already is read again keeping the work; another one starts fresh, as the first
    // activation does.
    void OpenDataFolder(const QString& folder);
    // Ctrl+O: the folder chooser, starting at the current data folder.
    void ChooseDataFolder();
    // Asks for a folder, starting at the given one; an empty answer means cancelled. Tests put
    // their own answer in place of the desktop's chooser.
    using TFolderChooser = std::function<QString(QWidget* parent, const QString& start)>;
    void SetFolderChooser(TFolderChooser chooser) { m_chooseFolder = std::move(chooser); }
    // The follower of the data files; it reads them again shortly after they change.
    TDataFolderWatcher& DataWatcher() const { return *m_watcher; }

    // Event handlers. Called from the window's events through the error guard; a test may call
    // them directly, and then sees their exceptions itself.
    void FormActivate();
    void StringGrid1Click();
    void ComboBox1Change();
    void ComboBox2Change();
    void ComboBox3Change();
    void ComboBox4Change();
    void RadioGroup1Click();

    // The activation's work: reads both data files, refills the table, resets the selection and
    // the alternation of the vehicle pairs, and replots the fleet curves.
    void LoadDataFiles();
    // F5: the activation's work again, over the files as they are now, keeping the work: the
    // vehicles picked before are picked again by name into the same pairs, the current row
    // follows its vehicle, the figures are computed again and the chart's view stays. A vehicle
    // that is gone leaves its pair empty, and the status line says so.
    void ReloadDataFiles();
    // The same, with the reason the status line gives for it.
    void ReloadKeepingWork(const QString& reason);
    // Ctrl+D and "Details…": the data report window, listing the lines the last load ignored or
    // stored other than written. One window, shown again and refreshed after each load while open.
    void ShowDataReport();
    // The data report window once it has been opened, null before.
    TDataReportWindow* DataReport() const { return m_dataReport; }
    // Home on the "Graph" page: the axis ranges return to the chart's configuration after
    // wheel turns and right-drags.
    void ResetView();
    // Ctrl+0 on the "Graph" page: both axis ranges fitted to every point of the curves shown.
    void FitToData();
    // F1: a window explaining how the estimate is computed.
    void ShowEstimateHelp();
    // The about box: version, licence, data folder.
    void ShowAbout();
    QString AboutText() const;
    // F10: the window's menu, below its button.
    void PopUpMainMenu();

    void FillVehicleTable();
    void PlotFleetCurves();
    void PlotVehicleEstimate();
    void PlotLendLease();

    // Ctrl+C: on the "Graph" page the chart as a picture together with its numbers as text, on
    // the "Tank Selection" page the table's rows as tab-separated text. Writes no file and keeps
    // nothing.
    void CopyToClipboard();
    // Only the chart's numbers, as text.
    void CopyChartData();
    // The chart's numbers: a header row, then one row per plotted month, tab-separated.
    QString ChartDataText() const;
    // The same rows, their numbers written for the locale.
    std::vector<QStringList> ChartDataRows(const QLocale& locale) const;
    // The curves those rows are made of, each with its points among the plotted months.
    std::vector<Armalyx::ChartDataText::TDataColumn> ChartDataColumns() const;
    // The chart in a few sentences for a screen reader: months, curves, picks.
    QString ChartSummary() const;
    // The vehicles (or "Lend Lease") the two pairs of curves show, in pair order.
    QStringList PickedNames() const;

    // Ctrl+E, "Export data…" and Ctrl+P: the chart as PNG, SVG or PDF, the chart's numbers or the
    // vehicle table as CSV, and the chart on paper, each after its dialog. Nothing is written
    // unless the user chose a file.
    void ExportChart();
    void ExportData();
    void PrintChart();
    // The same without dialogs (the inspector and tests). The chart's format is the file name's
    // extension. They throw with the text the error box shows, and leave an existing file as it
    // was when they fail.
    void ExportChartTo(const QString& fileName, const Armalyx::ChartExport::TExportSize& size);
    void ExportChartDataTo(const QString& fileName) const;
    void ExportTableTo(const QString& fileName) const;
    // The vehicle table for a spreadsheet: names, yearly production, total and the span's.
    std::vector<QStringList> VehicleTableRows() const;
    // The visible curves in chart order, with their names and kinds for a reader.
    std::vector<TSeriesReading> SeriesReadings() const;
    // The chart as it is drawn at its current size, without the controls lying on it.
    QImage ChartImage();
    QString TableRowsText() const;

    // Whether a span selector has changed since the three figures were computed; they are shown
    // dimmed until the next row click computes them again.
    bool FiguresOutOfDate() const;

    // Whether the first activation has run (it runs once per window).
    bool Activated() const { return m_activated; }

    // The window's controls, named as in its layout; they are owned by their parents.
    QTabWidget* PageControl1 = nullptr;
    QWidget* Tabsheet1 = nullptr;
    QWidget* TabSheet2 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    // The data status line below the span figures: what the last load made of the data files.
    TStatusLine* Label8 = nullptr;
    // Below the status text, shown while the data report has lines to list: opens the report.
    QPushButton* DetailsButton = nullptr;
    TStringGrid* StringGrid1 = nullptr;
    TComboBox* ComboBox1 = nullptr;
    TComboBox* ComboBox2 = nullptr;
    TComboBox* ComboBox3 = nullptr;
    TComboBox* ComboBox4 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QLineEdit* Edit3 = nullptr;
    TChart* Chart1 = nullptr;
    TRadioGroup* RadioGroup1 = nullptr;
    // Context menus of the chart and of the table, and the commands they offer with their keys.
    QMenu* PopupMenu1 = nullptr;
    QMenu* PopupMenu2 = nullptr;
    QAction* CopyAction = nullptr;
    QAction* CopyDataAction = nullptr;
    QAction* ReloadAction = nullptr;
    QAction* ResetViewAction = nullptr;
    QAction* DataReportAction = nullptr;
    QAction* ExportChartAction = nullptr;
    QAction* ExportDataAction = nullptr;
    QAction* PrintAction = nullptr;
    QAction* OpenFolderAction = nullptr;
    QAction* FitToDataAction = nullptr;
    QAction* EstimateHelpAction = nullptr;
    QAction* AboutAction = nullptr;
    QAction* MenuAction = nullptr;
    // At the right end of the tab strip: the window's menu with every command and its key.
    QToolButton* MenuButton = nullptr;
    QMenu* MainMenu = nullptr;

protected:
    bool event(QEvent* event) override;
    // A new desktop palette reaches the chart's system colours at its next frame.
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // A folder, or one of the two data files, dropped onto the window opens its folder.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    // Before the window first appears it is fitted into its screen's available area.
    void setVisible(bool visible) override;

private:
    void CreateWindowFrame();
    void CreateSelectionPage();
    void CreateSelectionLabels();
    void CreateSelectionInputs();
    void CreateGraphPage();
    void SetTabOrder();
    void SetAccessibleNames();
    void CreateShortcuts();
    // The mouse's tooltip, the keyboard's month cursor and what a screen reader is told.
    void CreateChartReaders();
    // The curves changed: a screen reader hears the new summary after the current event.
    void NoteChartChanged();
    QAction* CreateAction(const QString& text, const QKeySequence& key, void (TForm1::*command)());
    void CreateContextMenus();
    void CreateMainMenu();
    // The window menu's entries, in order.
    void FillMainMenu();
    void FollowDataFolder();
    void ConnectHandlers();
    void RunFirstActivation();
    void FitIntoScreen();

    // What a grid click does for the row of the current cell (0 is the header row).
    void SelectRow(int row);
    void ShowSpanFigures();
    // Shows what the load just made of the data files, and names a file that has gone missing
    // on standard error.
    void ShowDataStatus(const QString& directory);
    // Offers "Details…" below the status text while the data report has lines to list.
    void ShowDetailsButton();
    void RefreshOpenDataReport();
    void ShowFiguresCue();

    // Empties both vehicle pairs and gives them back their titles from the window's layout.
    void ClearVehicleCurves();
    // Empties what described the previous files: vehicle curves, lend-lease pick, figures.
    void ForgetPicks();

    // What a reload keeps: the picks by name, the current row's vehicle, the chart's view.
    struct TKeptWork {
        std::array<std::string, 2> PairVehicles;
        bool FirstPairHoldsLendLease = false;
        int CompareSlot = 0;
        std::string CurrentVehicle;
        bool CurrentIsLendLease = false;
        bool FiguresShown = false;
        bool FiguresOfLendLease = false;
        std::string FiguresVehicle;
        std::vector<TAxisRange> View;
    };
    // What the window shows now, with what earlier reloads could not bring back filled in.
    TKeptWork KeptWork() const;
    void AddMissedPicks(TKeptWork& work) const;
    // Picks the kept vehicles again; returns the names of those that are gone.
    QStringList RestoreWork(const TKeptWork& work);
    void RestoreFigures(const TKeptWork& work);
    // The load's status line, with a line on why it read again and one on picks that are gone.
    void AddReloadLines(const QString& reason, const QStringList& lostPicks);

    QString m_dataDirectory;
    TDataReportWindow* m_dataReport = nullptr;
    TEstimateHelpWindow* m_estimateHelp = nullptr;
    TDataFolderWatcher* m_watcher = nullptr;
    TFolderChooser m_chooseFolder;
    // The vehicle each pair of curves shows, by its stored name; empty while a pair is empty.
    std::array<std::string, 2> m_pairVehicles;
    // Picks a reload could not bring back because their vehicle was missing: each pair's
    // vehicle, the current row's and the figures', by name. They come back at the next reload
    // that finds them, unless the user picked again; another folder forgets them.
    struct TMissedPicks {
        std::array<std::string, 2> PairVehicles;
        std::string CurrentVehicle;
        std::string FiguresVehicle;
    };
    TMissedPicks m_missedPicks;
    // The axis ranges of the chart's configuration, and the months its bottom axis spans then.
    std::vector<TAxisRange> m_homeView;
    int m_firstHomeMonth = 0;
    int m_lastHomeMonth = 0;
    QString m_startTitleSeries2;
    QString m_startTitleSeries7;
    // Whether the first pair shows lend-lease deliveries rather than a vehicle's estimate.
    bool m_firstPairHoldsLendLease = false;
    bool m_activated = false;
    // Whether the three figures describe a pick, rather than reading 0 since the last load, and
    // which: the lend-lease deliveries or the vehicle of this stored name.
    bool m_figuresShown = false;
    bool m_figuresOfLendLease = false;
    std::string m_figuresVehicle;
    bool m_shown = false;
    bool m_placed = false;
    // Whether each data file (TotalData.txt, TankData.txt) was found at the previous load, so that
    // a missing file is named on standard error once, not at every load.
    std::array<bool, 2> m_dataFileFound{true, true};
    // The span choices the figures were computed with, or that the store held when the window
    // was made.
    Production1::TSpanChoices m_figureChoices;

    // The chart's readers ask this window for its curves. Declared last, they go first: while the
    // window is whole, before the widget destructor takes the chart down (the chart still hears of
    // its focus leaving, and a screen reader may still ask about it, on the way).
    std::unique_ptr<TChartHover> m_chartHover;
    std::unique_ptr<TChartMonthCursor> m_monthCursor;
    std::unique_ptr<TChartNarrator> m_chartNarrator;
};
