#pragma once
// The program's one window: the vehicle table with the span selectors and figures on the first
// page, the availability chart with its data-source selector on the second. It lays the controls
// out and wires them: its handlers pass each click on to the study, and it shows what the study
// says changed. The inspector and the tests reach its controls through TForm1Driver.

#include "ChartExport.h"
#include "TAvailabilityStudy.h"
#include "TFigureBox.h"
#include "TPrintPictures.h"
#include "TStudyView.h"
#include "TUndoHistory.h"

#include <QElapsedTimer>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

class QAction;
class QKeySequence;
class QLabel;
class QLineEdit;
class QMenu;
class QPrinter;
class QPushButton;
class QTabWidget;
class QToolButton;
class TAnnouncer;
class TChart;
class TComboBox;
class TDataReportWindow;
class TEstimateHelpWindow;
class TForm1Driver;
class TRadioGroup;
class TStatusLine;
class TStringGrid;

namespace Armalyx {
class TChart1Curves;
class TChartReaders;
class TChartWindow;
class TRecentFolders;
} // namespace Armalyx

class TForm1 final : public QWidget {
    Q_OBJECT

public:
    // Without a folder named the program reads its data files from the working directory.
    explicit TForm1(QWidget* parent = nullptr);
    // The command line, tests and the inspector name the data folder.
    explicit TForm1(QString dataDirectory, QWidget* parent = nullptr);
    ~TForm1() override;
    TForm1(const TForm1&) = delete;
    TForm1& operator=(const TForm1&) = delete;

    // The folder the data files are read from, as an absolute path.
    QString DataFolder() const;
    // Ctrl+O, a drop and the command line: reads the folder's data files and follows them. The
    // folder read already is read again keeping the work; another one starts fresh, as the first
    // activation does.
    void OpenDataFolder(const QString& folder);
    // Whether the first activation has run (it runs once per window).
    bool Activated() const { return m_activated; }

    // The program's start: every folder read from now on is remembered in the list and offered
    // under "Open recent" in the window's menu. A window without a list (the tests', the
    // inspector's) remembers nothing and has no "Open recent".
    enum class TStartNote { None, ReopenedLastFolder };
    void RememberFoldersIn(Armalyx::TRecentFolders& recentFolders,
                           TStartNote note = TStartNote::None);

    // Asks for a folder, starting at the given one; an empty answer means cancelled.
    using TFolderChooser = std::function<QString(QWidget* parent, const QString& start)>;
    // Asks for a file to save, starting at the given path (folder and suggested name), offering
    // the filters with the given one chosen; an empty answer means cancelled.
    struct TSaveQuestion {
        QString Caption;
        QString Start;
        QStringList Filters;
        QString Filter;
    };
    using TSaveChooser = std::function<QString(QWidget* parent, TSaveQuestion& question)>;

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
    friend class TForm1Driver;

    // The layout (TForm1Layout.cpp).
    void CreateWindowFrame();
    void CreateSelectionPage();
    void CreateSelectionLabels();
    void CreateSelectionInputs();
    void CreateGraphPage();
    void SetTabOrder();
    void SetAccessibleNames();
    void FitIntoScreen();

    // The handlers and what the study tells (TForm1.cpp). Called from the window's events
    // through the error guard; the driver may call them directly, and then sees their
    // exceptions itself.
    void FormActivate();
    void StringGrid1Click();
    // Ctrl+click (and Ctrl+Space) and Shift+click on a row: a group of vehicles.
    void StringGrid1CtrlClick();
    void StringGrid1ShiftClick();
    void ComboBox1Change();
    void ComboBox2Change();
    void ComboBox3Change();
    void ComboBox4Change();
    void RadioGroup1Click();
    void ConnectHandlers();
    void ConnectStudy();
    void RunFirstActivation();
    void FillVehicleTable();
    void ShowDataStatus();
    // A folder in which a data file was found goes first in the recent folders.
    void NoteFolderRead();
    void ShowFigures();
    void ShowFiguresCue();
    void ShowCurrentRow(int row);
    void ShowView(const std::vector<Armalyx::TViewRange>& view);
    void AddReloadLines(const QString& reason, const QStringList& lostPicks);
    // F5: the files read again, keeping the work; the same with the reason the status line gives.
    void ReloadDataFiles();
    void ReloadKeepingWork(const QString& reason);
    // Ctrl+O: the folder chooser, starting at the current data folder.
    void ChooseDataFolder();

    // The commands with their keys and menus (TForm1Commands.cpp).
    void CreateShortcuts();
    // The mouse's tooltip, the keyboard's month cursor and what a screen reader is told.
    void CreateChartReaders();
    QAction* CreateAction(const QString& text, const QKeySequence& key, void (TForm1::*command)());
    void CreateContextMenus();
    void CreateMainMenu();
    void FillMainMenu();
    void CreateRecentMenu();
    void FillRecentMenu();
    void ClearRecentFolders();
    void PopUpMainMenu();
    // F10: the menu opens with its first entry current, as a desktop's menu bar does, so that a
    // screen reader speaks the menu and the entry at once.
    void PopUpMainMenuByKey();
    void OpenChartWindow();
    bool ChartWindowActive() const;
    TChart& CommandChart() const;
    QWidget* CommandWindow();
    void CopyToClipboard();
    void CopyChartData();
    QString TableRowsText() const;
    void ExportChart();
    void ExportData();
    void PrintChart();
    void WriteChartFile(const QString& fileName, const Armalyx::ChartExport::TExportSize& size);
    void PrintOn(TChart& chart, QPrinter& printer);
    void ExportChartDataTo(const QString& fileName) const;
    void ExportTableTo(const QString& fileName) const;
    // Where a save dialog starts: the folder last exported to in this run (else the data folder)
    // with the suggested name.
    QString ExportStart(const QString& fileName) const;
    void NoteExportedTo(const QString& fileName);
    void SetUpPrinter(QPrinter& printer) const;
    void ShowDataReport();
    void RefreshOpenDataReport();
    void ShowDetailsButton();
    void ResetView();
    void FitToData();
    void ShowEstimateHelp();
    void ShowAbout();
    QString AboutText() const;
    // Ctrl+Z and Ctrl+Shift+Z (Ctrl+Y): picks, views and the data source taken back and done
    // again (TForm1.cpp), and the menu entries that name them.
    void Undo();
    void Redo();
    // A pick by the table's current row, noted for Undo and told to a screen reader.
    void PickByRow(void (Armalyx::TAvailabilityStudy::*pick)(int));
    void RecordPick(const QString& name, const Armalyx::TAvailabilityStudy::TPickState& before);
    // Tells a screen reader of a change, in the window the user works in.
    void Tell(const QString& text);
    void RecordView(const QString& label, const std::vector<Armalyx::TViewRange>& before,
                    const Armalyx::TChart1Curves& shown);
    const Armalyx::TChart1Curves* CurvesOf(const QObject* chart) const;
    void ShowUndoSteps();
    bool eventFilter(QObject* watched, QEvent* event) override;
    QString FleetSourcesParagraph() const;

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
    // Tells a screen reader of reloads, picks and commands that show nothing.
    TAnnouncer* m_announcer = nullptr;
    // Whether the figures going out of date has been told since they were last computed.
    bool m_toldFiguresOutOfDate = false;
    // Below the status text, shown while the data report has lines to list: opens the report.
    QPushButton* DetailsButton = nullptr;
    TStringGrid* StringGrid1 = nullptr;
    TComboBox* ComboBox1 = nullptr;
    TComboBox* ComboBox2 = nullptr;
    TComboBox* ComboBox3 = nullptr;
    TComboBox* ComboBox4 = nullptr;
    TFigureBox* Edit1 = nullptr;
    TFigureBox* Edit2 = nullptr;
    TFigureBox* Edit3 = nullptr;
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
    QAction* UndoAction = nullptr;
    QAction* RedoAction = nullptr;
    QAction* ChartWindowAction = nullptr;
    // At the right end of the tab strip: the window's menu with every command and its key.
    QToolButton* MenuButton = nullptr;
    QMenu* MainMenu = nullptr;
    // "Open recent" in the window's menu, with "Clear list"; only for the program's window.
    QMenu* RecentMenu = nullptr;
    QAction* ClearRecentAction = nullptr;

    TDataReportWindow* m_dataReport = nullptr;
    TEstimateHelpWindow* m_estimateHelp = nullptr;
    TFolderChooser m_chooseFolder;
    TSaveChooser m_chooseSaveFile;
    Armalyx::TRecentFolders* m_recentFolders = nullptr;
    // Said in the status line with the first load's text.
    QString m_startNote;
    // The layout, sizes and greys last chosen in Export chart, which Print uses too.
    Armalyx::ChartExport::TExportSize m_exportChoice;
    // The background picture as prints have had it drawn.
    Armalyx::TPrintPictures m_printPictures;
    // The folder of the last file exported, printed to or saved in this run.
    QString m_exportFolder;
    Armalyx::TUndoHistory m_history;
    // The chart's view before a wheel turn or a right-drag, and when the wheel turned last.
    std::vector<Armalyx::TViewRange> m_viewBefore;
    QElapsedTimer m_lastWheel;
    bool m_activated = false;
    bool m_shown = false;
    bool m_placed = false;

    // What the window shows and works on; the curves read it, and the chart's readers read the
    // curves. Declared in that order, they go in the reverse one, while the window is whole and
    // before the widget destructor takes the chart down (the chart still hears of its focus
    // leaving, and a screen reader may still ask about it, on the way).
    std::unique_ptr<Armalyx::TAvailabilityStudy> m_study;
    std::unique_ptr<Armalyx::TChart1Curves> m_curves;
    std::unique_ptr<Armalyx::TChartReaders> m_chartReaders;
    // The chart in a window of its own, once it was asked for: its curves read the study, its
    // view follows the window's chart.
    std::unique_ptr<Armalyx::TChartWindow> m_chartWindow;
};
