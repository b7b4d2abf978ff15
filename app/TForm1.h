#pragma once
// The program's one window: the vehicle table with the span selectors and figures on the first
// page, the availability chart with its data-source selector on the second. The handlers move
// numbers from the production data store into the controls and the chart's series.

#include "Chart1Configuration.h"

#include <QString>
#include <QWidget>

#include <cstdint>

class QImage;
class QLabel;
class QLineEdit;
class QTabWidget;
class TChart;
class TComboBox;
class TRadioGroup;
class TStringGrid;

// The chart's eight series (Series1 .. Series8) are members by name through TChart1Series.
class TForm1 final : public QWidget, public TChart1Series {
    Q_OBJECT

public:
    // The program reads its data files from the working directory.
    explicit TForm1(QWidget* parent = nullptr);
    // Tests and the inspector read them from a directory of their choice.
    explicit TForm1(QString dataDirectory, QWidget* parent = nullptr);

    // Event handlers. Called from the window's events through the error guard; a test may call
    // them directly, and then sees their exceptions itself.
    void FormActivate();
    void StringGrid1Click();
    void ComboBox1Change();
    void ComboBox2Change();
    void ComboBox3Change();
    void ComboBox4Change();
    void RadioGroup1Click();

    void FillVehicleTable();
    void PlotFleetCurves();
    void PlotVehicleEstimate();
    void PlotLendLease();

    // Ctrl+C: on the "Graph" page the chart as a picture, on the "Tank Selection" page the
    // table's rows as tab-separated text. Writes no file and keeps nothing.
    void CopyToClipboard();
    // The chart as it is drawn at its current size, without the controls lying on it.
    QImage ChartImage();
    QString TableRowsText() const;

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

protected:
    bool event(QEvent* event) override;
    // A new desktop palette reaches the chart's system colours at its next frame.
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void CreateWindowFrame();
    void CreateSelectionPage();
    void CreateSelectionLabels();
    void CreateSelectionInputs();
    void CreateGraphPage();
    void SetTabOrder();
    void SetAccessibleNames();
    void CreateShortcuts();
    void ConnectHandlers();
    void RunFirstActivation();

    // What a grid click does for the row of the current cell (0 is the header row).
    void SelectRow(int row);
    void ShowSpanFigures();

    QString m_dataDirectory;
    bool m_activated = false;
    bool m_shown = false;
};
