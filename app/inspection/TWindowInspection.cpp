#include "TWindowInspection.h"

#include "TChartMonthCursor.h"
#include "TComboBox.h"
#include "TErrorCapture.h"
#include "TForm1Driver.h"
#include "TRadioGroup.h"
#include "TSaveTarget.h"
#include "TStatusLine.h"
#include "TStringGrid.h"

#include <TChart.h>
#include <TChartSeries.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPixmap>
#include <QTabWidget>

#include <exception>

namespace {

// How long the window may take to be shown and activated on the off-screen display.
constexpr int kActivationMilliseconds = 5000;
constexpr int kEventSliceMilliseconds = 20;

void ProcessEvents() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void Activate(TForm1Driver& form) {
    form.Window.show();
    const QDeadlineTimer deadline(kActivationMilliseconds);
    while (!form.Activated() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, kEventSliceMilliseconds);
    }
    if (!form.Activated()) {
        // No platform activation came: deliver the activation event the program waits for.
        QEvent activation(QEvent::WindowActivate);
        QCoreApplication::sendEvent(&form.Window, &activation);
    }
    ProcessEvents();
}

// A left click as the mouse makes it: press and release at one point of a widget.
void Click(QWidget* widget, const QPoint& position,
           Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    const QPointF local(position);
    const QPointF global(widget->mapToGlobal(position));
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton,
                      modifiers);
    QCoreApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton,
                        modifiers);
    QCoreApplication::sendEvent(widget, &release);
    ProcessEvents();
}

void ClickRow(TForm1Driver& form, int row, bool joins) {
    TStringGrid& grid = *form.StringGrid1;
    form.PageControl1->setCurrentIndex(0);
    if (row == 0) {
        QHeaderView& header = *grid.horizontalHeader();
        Click(header.viewport(),
              QPoint(header.sectionViewportPosition(0) + 2, header.height() / 2));
        return;
    }
    if (row < 0 || row >= grid.RowCount()) {
        return; // no cell there to click
    }
    const QModelIndex cell = grid.model()->index(row - 1, 0);
    grid.scrollTo(cell);
    Click(grid.viewport(), grid.visualRect(cell).center(),
          joins ? Qt::ControlModifier : Qt::NoModifier);
}

void PickSpanChoices(TForm1Driver& form, const Production1::TSpanChoices& choices) {
    form.ComboBox1->PickItem(choices.StartMonth);
    form.ComboBox3->PickItem(choices.StartYear);
    form.ComboBox2->PickItem(choices.EndMonth);
    form.ComboBox4->PickItem(choices.EndYear);
}

TInspectedSeries Inspect(const TChartSeries& series) {
    TInspectedSeries inspected{series.Name(), series.Title(), series.SeriesColor(), {}};
    for (std::int32_t i = 0; i < series.PointCount(); ++i) {
        inspected.Points.emplace_back(series.XValueAt(i), series.YValueAt(i));
    }
    return inspected;
}

void SetView(TForm1Driver& form, const TWindowInspectionRequest& request) {
    if (request.Fit) {
        form.FitToData();
    }
    if (request.View) {
        const auto& [bottomMinimum, bottomMaximum, leftMinimum, leftMaximum] = *request.View;
        form.Chart1->BottomAxis().ShowFixedRange(bottomMinimum, bottomMaximum);
        form.Chart1->LeftAxis().ShowFixedRange(leftMinimum, leftMaximum);
    }
}

TInspectedAxis Inspect(const TChartAxis& axis) {
    return {axis.WorkMinimum(), axis.WorkMaximum(), axis.ValueToPixel(axis.WorkMinimum()),
            axis.ValueToPixel(axis.WorkMaximum())};
}

// The axes as a frame at scale 1 lays them out.
void ReadAxes(TForm1Driver& form, TWindowInspectionResult& result) {
    TChart& chart = *form.Chart1;
    QImage frame(chart.size(), QImage::Format_RGB32);
    chart.Draw(&frame, TRect{0, 0, frame.width(), frame.height()});
    result.BottomAxis = Inspect(chart.BottomAxis());
    result.LeftAxis = Inspect(chart.LeftAxis());
}

void ReadWindow(TForm1Driver& form, TWindowInspectionResult& result) {
    for (int i = 0; i < form.Chart1->SeriesCount(); ++i) {
        result.Series.push_back(Inspect(form.Chart1->Series(i)));
    }
    result.Edits = {form.Edit1->text(), form.Edit2->text(), form.Edit3->text()};
    const TStringGrid& grid = *form.StringGrid1;
    for (int row = 0; row < grid.RowCount(); ++row) {
        result.Grid.push_back({grid.Cells(0, row), grid.Cells(1, row)});
    }
    result.ChartData = form.ChartDataText();
    result.Status = form.Label8->text();
    result.ChartSummary = form.ChartSummary();
    ReadAxes(form, result);
}

// Shows a page and saves a PNG picture of what is shown: the page alone, or the whole window.
void SavePage(TForm1Driver& form, QWidget& page, QWidget& shown, const QString& fileName) {
    form.PageControl1->setCurrentWidget(&page);
    ProcessEvents();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    shown.grab().save(&buffer, "PNG");
    TSaveTarget::Write(fileName, bytes);
}

// The whole window on the "Graph" page, the chart reached by Tab and its cursor on the month.
void SaveCursorPicture(TForm1Driver& form, int month, const QString& fileName,
                       TWindowInspectionResult& result) {
    form.PageControl1->setCurrentWidget(form.TabSheet2);
    ProcessEvents();
    form.Chart1->setFocus(Qt::TabFocusReason);
    auto* cursor = form.Chart1->findChild<TChartMonthCursor*>();
    const auto months = cursor->CurveMonths();
    cursor->MoveTo(month == 0 && months ? months->first : month);
    result.CursorReadOut = cursor->ReadOut();
    SavePage(form, *form.TabSheet2, form.Window, fileName);
    form.PageControl1->setFocus(Qt::OtherFocusReason);
}

// Runs one export; gives the error box's text when it fails, empty when it wrote the file.
template <typename TExport> QString Exported(const QString& fileName, TExport&& exportTo) {
    if (fileName.isEmpty()) {
        return {};
    }
    try {
        exportTo();
    } catch (const std::exception& error) {
        return QString::fromUtf8(error.what());
    }
    return {};
}

void ExportFiles(TForm1Driver& form, const TWindowInspectionRequest& request,
                 TWindowInspectionResult& result) {
    form.PageControl1->setCurrentWidget(form.TabSheet2);
    ProcessEvents();
    result.SnapshotError = Exported(request.SnapshotFile, [&] {
        form.ExportChartTo(request.SnapshotFile, request.SnapshotSize);
    });
    result.SnapshotSaved = !request.SnapshotFile.isEmpty() && result.SnapshotError.isEmpty();
    result.ChartDataError =
        Exported(request.ChartDataFile, [&] { form.ExportChartDataTo(request.ChartDataFile); });
    result.TableError = Exported(request.TableFile, [&] { form.ExportTableTo(request.TableFile); });
}

} // namespace

TWindowInspectionResult TWindowInspection::Run(const TWindowInspectionRequest& request,
                                               const QString& dataDirectory) {
    TErrorCapture errors;
    TForm1 window(dataDirectory);
    TForm1Driver form(window);
    Activate(form);
    if (request.SpanChoices) {
        PickSpanChoices(form, *request.SpanChoices);
    }
    if (request.Source) {
        form.RadioGroup1->ClickItem(*request.Source);
        ProcessEvents();
    }
    for (std::size_t pick = 0; pick < request.Picks.size(); ++pick) {
        const bool joins = pick < request.PickJoins.size() && request.PickJoins[pick];
        ClickRow(form, request.Picks[pick], joins);
    }
    SetView(form, request);
    TWindowInspectionResult result;
    ReadWindow(form, result);
    result.TableSnapshotError = Exported(request.TableSnapshotFile, [&] {
        SavePage(form, *form.Tabsheet1, *form.Tabsheet1, request.TableSnapshotFile);
    });
    result.TableSnapshotSaved =
        !request.TableSnapshotFile.isEmpty() && result.TableSnapshotError.isEmpty();
    result.WindowSnapshotError = Exported(request.WindowSnapshotFile, [&] {
        SavePage(form, *form.Tabsheet1, form.Window, request.WindowSnapshotFile);
    });
    result.WindowSnapshotSaved =
        !request.WindowSnapshotFile.isEmpty() && result.WindowSnapshotError.isEmpty();
    result.CursorSnapshotError = Exported(request.CursorSnapshotFile, [&] {
        SaveCursorPicture(form, request.CursorMonth, request.CursorSnapshotFile, result);
    });
    result.CursorSnapshotSaved =
        !request.CursorSnapshotFile.isEmpty() && result.CursorSnapshotError.isEmpty();
    ExportFiles(form, request, result);
    for (const TErrorCapture::TReport& report : errors.Reports()) {
        result.Errors.push_back(report.Text);
    }
    return result;
}
