// Export for print against export as on screen: the figure laid out for print at a single column's
// width (8.5 cm) is made anew for each export (a chart of its own, configured, filled and laid
// out) and drawn as PDF and as PNG at 3x; the baseline draws the screen's chart at the same width
// in the same format. The ratio of the two is the price of the print layout.

#include "FrameBenchChart.h"

#include "ChartExport.h"
#include "OffscreenDesktop.h"
#include "TChart1Curves.h"
#include "TPrintPictures.h"
#include "TPrintedChart.h"

#include <benchmark/benchmark.h>

#include <QApplication>

namespace {

using Armalyx::ChartExport::TChartFormat;
using Armalyx::ChartExport::TChartLayout;
using Armalyx::ChartExport::TExportSize;

constexpr double kColumnCm = 8.5;

void ScreenExport(benchmark::State& state, TChartFormat format) {
    Armalyx::FrameBench::TBenchChart chart;
    const TExportSize size{Armalyx::ChartExport::kDefaultScale, kColumnCm};
    for (auto _ : state) {
        benchmark::DoNotOptimize(Armalyx::ChartExport::Document(chart.Chart(), format, size));
    }
}

void PrintExport(benchmark::State& state, TChartFormat format, bool picture = true) {
    Armalyx::FrameBench::TBenchChart chart;
    const TExportSize size{Armalyx::ChartExport::kDefaultScale, kColumnCm, TChartLayout::Print};
    // The window keeps the picture drawn for print, as a second export of the same size does.
    Armalyx::TPrintPictures pictures;
    for (auto _ : state) {
        const Armalyx::TPrintedChart printed(chart.Form().Study(), chart.Form().Curves().View(),
                                             kColumnCm, 0, {false, picture}, pictures);
        benchmark::DoNotOptimize(Armalyx::ChartExport::Document(printed.Chart(), format, size));
    }
}

void ScreenPdfExportBaseline(benchmark::State& state) {
    ScreenExport(state, TChartFormat::Pdf);
}
void PrintPdfExport(benchmark::State& state) {
    PrintExport(state, TChartFormat::Pdf);
}
// The same without the background picture: the price of the picture drawn at 300 pixels per inch.
void PrintPdfExportWithoutPicture(benchmark::State& state) {
    PrintExport(state, TChartFormat::Pdf, false);
}
void ScreenPngExportBaseline(benchmark::State& state) {
    ScreenExport(state, TChartFormat::Png);
}
void PrintPngExport(benchmark::State& state) {
    PrintExport(state, TChartFormat::Png);
}

} // namespace

BENCHMARK(ScreenPdfExportBaseline)->Unit(benchmark::kMillisecond);
BENCHMARK(PrintPdfExport)->Unit(benchmark::kMillisecond);
BENCHMARK(PrintPdfExportWithoutPicture)->Unit(benchmark::kMillisecond);
BENCHMARK(ScreenPngExportBaseline)->Unit(benchmark::kMillisecond);
BENCHMARK(PrintPngExport)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    Armalyx::UseOffscreenDesktop();
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
