// What reading the chart without a mouse or without sight costs, against one frame of the chart
// drawn anew, timed in the same run: the summary a screen reader is given, the table of numbers
// it walks, one step of the keyboard's month cursor (the read-out worked out and the chart shown
// again with the cursor), and showing the chart again with and without the cursor over it. The
// counters are those costs per frame; 1.0 would be as much as drawing the chart.

#include "TForm1Driver.h"
#include "TStringGrid.h"
#include "TTempDirectory.h"
#include "TestFiles.h"
#include "WindowBenchmarkMain.h"

#include <TChart.h>

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QKeyEvent>
#include <QLocale>
#include <QTabBar>
#include <QTabWidget>

#include <chrono>
#include <functional>
#include <memory>

using namespace Armalyx;

namespace {

namespace fs = std::filesystem;

using TClock = std::chrono::steady_clock;

constexpr int kRepetitions = 200;

// The sample data with two vehicles picked, the chart shown with the keyboard focus on it.
struct TReadingWindow {
    TTempDirectory Folder;
    std::unique_ptr<TForm1> Form;

    TReadingWindow() {
        for (const char* name : {"TotalData.txt", "TankData.txt"}) {
            WriteFileBytes(Folder.Path() / name,
                           ReadFileBytes(fs::path(ARMALYX_SOURCE_DIR) / "data" / name));
        }
        Form = std::make_unique<TForm1>(QString::fromStdString(Folder.Path().string()));
        Form->show();
        QElapsedTimer waited;
        waited.start();
        while (!Form->Activated() && waited.elapsed() < 5000) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        }
        TForm1Driver driver(*Form);
        for (const int row : {3, 7}) {
            driver.StringGrid1->SetRow(row);
            driver.StringGrid1Click();
        }
        driver.PageControl1->setCurrentWidget(driver.TabSheet2);
        driver.Chart1->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
    }
};

// Seconds per call of the work, over a fixed number of calls.
double SecondsPerCall(const std::function<void()>& work) {
    const auto start = TClock::now();
    for (int i = 0; i < kRepetitions; ++i) {
        work();
    }
    return std::chrono::duration<double>(TClock::now() - start).count() / kRepetitions;
}

void ScreenReaderWorkPerFrame(benchmark::State& state) {
    TReadingWindow window;
    TForm1Driver form(*window.Form);
    TChart& chart = *form.Chart1;
    QImage frame(chart.size(), QImage::Format_RGB32);
    bool right = true;
    double frames = 0;
    double summaries = 0;
    double tables = 0;
    double steps = 0;
    double repaints = 0;
    double plainRepaints = 0;
    for (auto _ : state) {
        frames += SecondsPerCall([&] {
            chart.Draw(&frame, TRect{0, 0, chart.width(), chart.height()});
        });
        summaries += SecondsPerCall([&] { benchmark::DoNotOptimize(form.ChartSummary()); });
        tables += SecondsPerCall([&] { benchmark::DoNotOptimize(form.ChartDataRows(QLocale())); });
        steps += SecondsPerCall([&] {
            QKeyEvent press(QEvent::KeyPress, right ? Qt::Key_Right : Qt::Key_Left, Qt::NoModifier);
            QCoreApplication::sendEvent(&chart, &press);
            right = !right;
            // The overlay's repaint, as the next frame on screen brings it.
            chart.repaint();
        });
        repaints += SecondsPerCall([&] { chart.repaint(); });
        form.PageControl1->tabBar()->setFocus();
        plainRepaints += SecondsPerCall([&] { chart.repaint(); });
        chart.setFocus(Qt::TabFocusReason);
    }
    state.counters["FrameUs"] = 1e6 * frames / static_cast<double>(state.iterations());
    state.counters["SummaryPerFrame"] = summaries / frames;
    state.counters["TablePerFrame"] = tables / frames;
    state.counters["CursorStepPerFrame"] = steps / frames;
    state.counters["RepaintPerFrame"] = repaints / frames;
    state.counters["PlainRepaintPerFrame"] = plainRepaints / frames;
}

} // namespace

BENCHMARK(ScreenReaderWorkPerFrame)->Iterations(5)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    return RunWindowBenchmarks(argc, argv);
}
