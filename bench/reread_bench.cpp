// Live reading: the time from the last write of a data file to the chart painted with what it
// holds, against the least it can be, the follower's settle time plus one load and paint timed in
// the same run. The counter Ratio is what the figures mean: 1.0 would be no cost beyond waiting
// for the save to settle.

#include "TDataFolderWatcher.h"
#include "TForm1Driver.h"
#include "TTempDirectory.h"
#include "TestFiles.h"
#include "WindowBenchmarkMain.h"

#include <TChart.h>

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTabWidget>
#include <QTimer>

#include <chrono>
#include <functional>
#include <memory>
#include <string>

using namespace Armalyx;

namespace {

namespace fs = std::filesystem;

using TClock = std::chrono::steady_clock;

constexpr int kGiveUpMilliseconds = 5000;

// Runs events, sleeping while there are none, until the condition holds or the time is up.
bool WaitFor(const std::function<bool()>& condition) {
    QElapsedTimer elapsed;
    elapsed.start();
    QTimer wake;
    wake.start(50);
    while (!condition()) {
        if (elapsed.elapsed() > kGiveUpMilliseconds) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

// Notes the first paint of the chart after it has been armed.
class TPaintSpy final : public QObject {
public:
    void Arm() { m_painted = false; }
    bool Painted() const { return m_painted; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            m_painted = true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_painted = true;
};

struct TLiveWindow {
    TTempDirectory Folder;
    std::string TankBytes;
    std::unique_ptr<TForm1> Form;
    TPaintSpy Spy;
    int Loads = 0;

    TLiveWindow() {
        for (const char* name : {"TotalData.txt", "TankData.txt"}) {
            const std::string bytes = ReadFileBytes(fs::path(ARMALYX_SOURCE_DIR) / "data" / name);
            WriteFileBytes(Folder.Path() / name, bytes);
        }
        TankBytes = ReadFileBytes(Folder.Path() / "TankData.txt");
        Form = std::make_unique<TForm1>(QString::fromStdString(Folder.Path().string()));
        const TForm1Driver driver(*Form);
        driver.PageControl1->setCurrentIndex(1);
        Form->show();
        WaitFor([this] { return Form->Activated(); });
        driver.Chart1->installEventFilter(&Spy);
        QObject::connect(&driver.DataWatcher(), &TDataFolderWatcher::FilesChanged, Form.get(),
                         [this] {
                             // After the window's own handler: the load is done, its paint due.
                             ++Loads;
                             Spy.Arm();
                         });
    }

    // Runs events until the chart has painted after the armed point, or gives up.
    bool WaitForPaint() {
        return WaitFor([this] { return Spy.Painted(); });
    }
};

void FileWriteToRepaint(benchmark::State& state) {
    // The window goes with the run, while the application that main made is still there.
    TLiveWindow window;
    double loadSeconds = 0;
    double liveSeconds = 0;
    int round = 0;
    for (auto _ : state) {
        // One load and paint as F5 does it.
        window.Spy.Arm();
        const auto loadStart = TClock::now();
        TForm1Driver(*window.Form).ReloadDataFiles();
        window.WaitForPaint();
        const double load = std::chrono::duration<double>(TClock::now() - loadStart).count();
        loadSeconds += load;

        // A change of the file's content, then the follower's way to the painted chart.
        const int loadsBefore = window.Loads;
        const std::string bytes = window.TankBytes + (++round % 2 == 0 ? "" : "x,1941,1,\r\n");
        WriteFileBytes(window.Folder.Path() / "TankData.txt", bytes);
        const auto written = TClock::now();
        WaitFor([&window, loadsBefore] { return window.Loads > loadsBefore; });
        window.WaitForPaint();
        const double live = std::chrono::duration<double>(TClock::now() - written).count();
        liveSeconds += live;
        state.SetIterationTime(live);
    }
    const double settle = std::chrono::duration<double>(TDataFolderWatcher::kSettleTime).count();
    const double iterations = static_cast<double>(state.iterations());
    state.counters["LoadMs"] = 1000 * loadSeconds / iterations;
    state.counters["WriteToPaintMs"] = 1000 * liveSeconds / iterations;
    state.counters["Ratio"] = (liveSeconds / iterations) / (settle + loadSeconds / iterations);
}

} // namespace

BENCHMARK(FileWriteToRepaint)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    return RunWindowBenchmarks(argc, argv);
}
