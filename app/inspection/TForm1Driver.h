#pragma once
// The main window's controls and commands for the inspector and the tests, which drive the
// window without a person: the controls by their names in the layout, the handlers and the
// commands without their dialogs. Not part of the program.

#include "ChartExport.h"
#include "TForm1.h"

#include <QImage>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <vector>

class TDataFolderWatcher;
class TLineSeries;

namespace Armalyx {
class TAvailabilityStudy;
class TChart1Curves;
class TChartWindow;
} // namespace Armalyx

class TForm1Driver final {
public:
    explicit TForm1Driver(TForm1& form);

    TForm1& Window;

    QTabWidget* const PageControl1;
    QWidget* const Tabsheet1;
    QWidget* const TabSheet2;
    QLabel* const Label1;
    QLabel* const Label2;
    QLabel* const Label3;
    QLabel* const Label4;
    QLabel* const Label5;
    QLabel* const Label6;
    QLabel* const Label7;
    TStatusLine* const Label8;
    QPushButton* const DetailsButton;
    TStringGrid* const StringGrid1;
    TComboBox* const ComboBox1;
    TComboBox* const ComboBox2;
    TComboBox* const ComboBox3;
    TComboBox* const ComboBox4;
    QLineEdit* const Edit1;
    QLineEdit* const Edit2;
    QLineEdit* const Edit3;
    TChart* const Chart1;
    TRadioGroup* const RadioGroup1;
    QMenu* const PopupMenu1;
    QMenu* const PopupMenu2;
    QAction* const CopyAction;
    QAction* const CopyDataAction;
    QAction* const ReloadAction;
    QAction* const ResetViewAction;
    QAction* const DataReportAction;
    QAction* const ExportChartAction;
    QAction* const ExportDataAction;
    QAction* const PrintAction;
    QAction* const OpenFolderAction;
    QAction* const FitToDataAction;
    QAction* const EstimateHelpAction;
    QAction* const AboutAction;
    QAction* const MenuAction;
    QAction* const UndoAction;
    QAction* const RedoAction;
    QToolButton* const MenuButton;
    QMenu* const MainMenu;
    TLineSeries* const Series1;
    TLineSeries* const Series2;
    TLineSeries* const Series3;
    TLineSeries* const Series4;
    TLineSeries* const Series5;
    TLineSeries* const Series6;
    TLineSeries* const Series7;
    TLineSeries* const Series8;

    Armalyx::TAvailabilityStudy& Study() const;
    Armalyx::TChart1Curves& Curves() const;

    // The handlers, called directly: their exceptions reach the caller.
    void FormActivate() { Window.FormActivate(); }
    void StringGrid1Click() { Window.StringGrid1Click(); }
    void ReloadDataFiles() { Window.ReloadDataFiles(); }
    void ResetView() { Window.ResetView(); }
    void FitToData() { Window.FitToData(); }
    void CopyToClipboard() { Window.CopyToClipboard(); }
    void ShowDataReport() { Window.ShowDataReport(); }
    QString AboutText() const { return Window.AboutText(); }
    QString DataFolder() const { return Window.DataFolder(); }
    void OpenDataFolder(const QString& folder) { Window.OpenDataFolder(folder); }
    bool Activated() const { return Window.Activated(); }
    // Tests put their own answer in place of the desktop's folder chooser and save dialog.
    void SetFolderChooser(TForm1::TFolderChooser chooser);
    void SetSaveChooser(TForm1::TSaveChooser chooser);
    // "Open recent" with its entries as the menu last showed them; null without a list.
    QMenu* RecentMenu() const { return Window.RecentMenu; }
    QAction* ClearRecentAction() const { return Window.ClearRecentAction; }
    // Ctrl+Shift+G, and the chart window once it has been opened (null before).
    QAction* ChartWindowAction() const { return Window.ChartWindowAction; }
    Armalyx::TChartWindow* ChartWindow() const { return Window.m_chartWindow.get(); }
    // The commands with their dialogs (the save dialog is the one set above).
    void ExportChart() { Window.ExportChart(); }
    void ExportData() { Window.ExportData(); }
    // The file "Print to File (PDF)" offers in the print dialog.
    QString PrintFileName() const;
    TDataFolderWatcher& DataWatcher() const;
    // The data report window once it has been opened, null before.
    TDataReportWindow* DataReport() const { return Window.m_dataReport; }
    bool FiguresOutOfDate() const;

    // What Copy data, the screen reader and Copy give.
    QString ChartDataText() const;
    std::vector<QStringList> ChartDataRows(const QLocale& locale) const;
    // The same numbers rounded, as the chart's accessible table gives them.
    std::vector<QStringList> ChartReadingRows(const QLocale& locale) const;
    QString ChartSummary() const;
    QImage ChartImage() const;

    // The exports without their dialogs; they throw with the text the error box shows.
    void ExportChartTo(const QString& fileName, const Armalyx::ChartExport::TExportSize& size);
    void ExportChartDataTo(const QString& fileName) const { Window.ExportChartDataTo(fileName); }
    void ExportTableTo(const QString& fileName) const { Window.ExportTableTo(fileName); }
};
