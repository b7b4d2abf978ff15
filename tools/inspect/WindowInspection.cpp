// The window part of the inspector: runs the program's main window off-screen and reports what
// it shows. Built only together with the program's window.
#if defined(ARMALYX_INSPECT_WITH_WINDOW)

#include "InspectWindowOptions.h"

#include <Production1.h>
#include <TApplication.h>
#include <TWindowInspection.h>

#include <QString>

#include <cstdlib>
#include <memory>

namespace {

// The window needs an application object; the inspector creates an off-screen one on demand.
std::unique_ptr<TApplication> StartApplication() {
    if (QCoreApplication::instance() != nullptr) {
        return nullptr;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    unsetenv("QT_SCALE_FACTOR");
    unsetenv("QT_FONT_DPI");
    static int argc = 1;
    static char name[] = "armalyx-inspect";
    static char* argv[] = {name, nullptr};
    return std::make_unique<TApplication>(argc, argv);
}

std::string ColorText(TColor color) {
    return "0x" + QStringLiteral("%1").arg(color, 6, 16, QLatin1Char('0')).toUpper().toStdString();
}

void WriteSeries(const TInspectedSeries& series, TJsonWriter& json) {
    json.BeginObject();
    json.Key("name");
    json.String(series.Name.toStdString());
    json.Key("title");
    json.String(series.Title.toStdString());
    json.Key("color");
    json.String(ColorText(series.Color));
    json.Key("points");
    json.BeginArray();
    for (const auto& [x, y] : series.Points) {
        json.DoubleArray(std::array<double, 2>{x, y});
    }
    json.EndArray();
    json.EndObject();
}

void WriteTexts(const QStringList& texts, TJsonWriter& json) {
    json.BeginArray();
    for (const QString& text : texts) {
        json.String(text.toStdString());
    }
    json.EndArray();
}

void WriteAxis(const char* name, const TInspectedAxis& axis, TJsonWriter& json) {
    json.Key(name);
    json.BeginObject();
    json.Key("Minimum");
    json.Double(axis.Minimum);
    json.Key("Maximum");
    json.Double(axis.Maximum);
    json.Key("PixelStart");
    json.Integer(axis.PixelStart);
    json.Key("PixelEnd");
    json.Integer(axis.PixelEnd);
    json.EndObject();
}

void WriteResult(const TWindowInspectionResult& result, TJsonWriter& json) {
    json.Key("Series");
    json.BeginArray();
    for (const TInspectedSeries& series : result.Series) {
        WriteSeries(series, json);
    }
    json.EndArray();
    json.Key("Edits");
    WriteTexts(result.Edits, json);
    json.Key("Grid");
    json.BeginArray();
    for (const QStringList& row : result.Grid) {
        WriteTexts(row, json);
    }
    json.EndArray();
    json.Key("ChartData");
    json.String(result.ChartData.toStdString());
    json.Key("ChartSummary");
    json.String(result.ChartSummary.toStdString());
    if (result.CursorSnapshotSaved) {
        json.Key("CursorReadOut");
        json.String(result.CursorReadOut.toStdString());
    }
    json.Key("WindowErrors");
    WriteTexts(result.Errors, json);
    json.Key("Status");
    json.String(result.Status.toStdString());
    json.Key("Axes");
    json.BeginObject();
    WriteAxis("Bottom", result.BottomAxis, json);
    WriteAxis("Left", result.LeftAxis, json);
    json.EndObject();
}

// Whether a file the options asked for was written, and the report key that says it was not.
struct TFileOutcome {
    const char* Key;
    const std::string& File;
    QString Error;
};

} // namespace

namespace Armalyx {

std::vector<std::string> ReportWindow(const TWindowChoices& choices, TJsonWriter& json) {
    const std::unique_ptr<TApplication> application = StartApplication();
    TWindowInspectionRequest request;
    request.Picks = choices.Picks;
    request.PickJoins = choices.PickJoins;
    request.Source = choices.Source;
    request.Fit = choices.Fit;
    request.View = choices.View;
    // The span choices as the data options left them in the store.
    request.SpanChoices = Production1::Store().SpanChoices();
    request.TableSnapshotFile = QString::fromStdString(choices.TableSnapshot);
    request.WindowSnapshotFile = QString::fromStdString(choices.WindowSnapshot);
    request.CursorSnapshotFile = QString::fromStdString(choices.CursorSnapshot);
    request.CursorMonth = choices.CursorMonth;
    request.SnapshotFile = QString::fromStdString(choices.Snapshot);
    request.SnapshotSize = {choices.Scale,
                            choices.WidthCm,
                            choices.PrintLayout ? Armalyx::ChartExport::TChartLayout::Print
                                                : Armalyx::ChartExport::TChartLayout::Screen,
                            choices.HeightCm,
                            choices.Greyscale,
                            !choices.NoPicture};
    request.ChartDataFile = QString::fromStdString(choices.ChartData);
    request.TableFile = QString::fromStdString(choices.Table);
    const TWindowInspectionResult result = TWindowInspection::Run(request);
    WriteResult(result, json);
    const TFileOutcome outcomes[] = {
        {"TableSnapshotError", choices.TableSnapshot, result.TableSnapshotError},
        {"WindowSnapshotError", choices.WindowSnapshot, result.WindowSnapshotError},
        {"CursorSnapshotError", choices.CursorSnapshot, result.CursorSnapshotError},
        {"SnapshotError", choices.Snapshot, result.SnapshotError},
        {"ExportDataError", choices.ChartData, result.ChartDataError},
        {"ExportTableError", choices.Table, result.TableError},
    };
    std::vector<std::string> failures;
    for (const TFileOutcome& outcome : outcomes) {
        if (!outcome.File.empty() && !outcome.Error.isEmpty()) {
            failures.push_back(outcome.Error.toStdString());
            json.Key(outcome.Key);
            json.String(failures.back());
        }
    }
    return failures;
}

} // namespace Armalyx

#endif
