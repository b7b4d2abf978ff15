#pragma once
// Drives the real main window without a person: activates it as the program does, sets the
// span selectors, clicks the data-source selector and table rows, and reads back what the window
// then shows. The inspector prints the result; tests check it. Needs a running QApplication.

#include "ChartExport.h"

#include <TChartColors.h>
#include <TProductionStore.h>

#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <utility>
#include <vector>

struct TWindowInspectionRequest {
    // Table rows to click in this order; 1 is the first vehicle, 0 the header row.
    std::vector<int> Picks;
    // For each pick, whether it is a Ctrl+click, which joins the pick before as a group; a
    // pick without an entry is a plain click.
    std::vector<bool> PickJoins;
    // Item of the data-source selector to click before the rows, if any.
    std::optional<int> Source;
    // Item indices to pick in the four span selectors before the rows; indices outside a
    // selector's items leave it as it is.
    std::optional<Production1::TSpanChoices> SpanChoices;
    // Whether to fit the chart to its curves (Fit to data) after the clicks, and the month and
    // vehicle axes' ranges to set after that as a zoom does (bottom minimum and maximum, then
    // left), if any.
    bool Fit = false;
    std::optional<std::array<double, 4>> View;
    // Where to save a picture of the "Tank Selection" page, and one of the whole window showing
    // it (the tab strip and the menu button too), if anywhere.
    QString TableSnapshotFile;
    QString WindowSnapshotFile;
    // Where to save the whole window showing the "Graph" page with the keyboard on the chart and
    // its month cursor on CursorMonth (1 = January 1941; kept within the curves' months; 0: the
    // first of them), if anywhere.
    QString CursorSnapshotFile;
    int CursorMonth = 0;
    // Where to export the chart, as Export chart does (the extension names the format), and at
    // which size.
    QString SnapshotFile;
    Armalyx::ChartExport::TExportSize SnapshotSize;
    // Where to write the chart's numbers and the vehicle table as CSV, if anywhere.
    QString ChartDataFile;
    QString TableFile;
};

struct TInspectedSeries {
    QString Name;
    QString Title;
    TColor Color = clBlack;
    std::vector<std::pair<double, double>> Points;
};

// An axis's range and the chart pixels (at scale 1) where its minimum and maximum fall.
struct TInspectedAxis {
    double Minimum = 0;
    double Maximum = 0;
    int PixelStart = 0;
    int PixelEnd = 0;
};

struct TWindowInspectionResult {
    // The chart's series in chart order.
    std::vector<TInspectedSeries> Series;
    // The texts of Edit1, Edit2 and Edit3.
    QStringList Edits;
    // Every row of the table, the header row first.
    std::vector<QStringList> Grid;
    // What "Copy data" puts on the clipboard: the chart's numbers, tab-separated.
    QString ChartData;
    // The messages the error box would have shown, in order.
    QStringList Errors;
    // The data status line below the span figures.
    QString Status;
    // The month (bottom) and vehicle (left) axes as the chart draws them.
    TInspectedAxis BottomAxis;
    TInspectedAxis LeftAxis;
    // The chart's summary as a screen reader is given it.
    QString ChartSummary;
    // The month cursor's read-out in the cursor snapshot; empty without one.
    QString CursorReadOut;
    bool TableSnapshotSaved = false;
    bool WindowSnapshotSaved = false;
    bool CursorSnapshotSaved = false;
    bool SnapshotSaved = false;
    // Why a file could not be written, as the error box says it; empty when it was.
    QString TableSnapshotError;
    QString WindowSnapshotError;
    QString CursorSnapshotError;
    QString SnapshotError;
    QString ChartDataError;
    QString TableError;
};

class TWindowInspection final {
public:
    TWindowInspection() = delete;

    // Runs the window over the data files of a directory (empty: the working directory).
    static TWindowInspectionResult Run(const TWindowInspectionRequest& request,
                                       const QString& dataDirectory = QString());
};
