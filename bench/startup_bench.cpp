// Start-up: whole-process wall time from starting the program to its first painted frame with the
// sample data loaded, against a bare Qt Widgets program showing a window of the same size with a
// tab control and a 32-row table. All run off-screen; each repetition spawns this program again
// in one of its child roles, which quit as soon as their window has painted. The program is timed
// twice: over a folder named, and as a start from a folder without data files that reopens the
// sample data as the folder read last (its settings file in a configuration folder of its own).

#include "StartFolder.h"
#include "TApplication.h"
#include "TForm1.h"
#include "TRecentFolders.h"
#include "TTempDirectory.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

constexpr int kWindowWidth = 730;
constexpr int kWindowHeight = 471;
constexpr const char* kProgramRole = "--startup-program";
constexpr const char* kBareRole = "--startup-bare";
constexpr const char* kRememberedRole = "--startup-remembered";

// Quits the application at the first paint of a widget once the window is ready.
class TFirstPaintQuit final : public QObject {
public:
    template <typename TReady> explicit TFirstPaintQuit(TReady ready) : m_ready(std::move(ready)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && m_ready()) {
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<bool()> m_ready;
};

constexpr int kGiveUpMilliseconds = 20000;

// A child that never paints fails instead of hanging the benchmark.
void GiveUpLater() {
    QTimer::singleShot(kGiveUpMilliseconds, qApp, [] { QCoreApplication::exit(1); });
}

int RunProgram(int argc, char** argv) {
    TApplication application(argc, argv);
    GiveUpLater();
    TForm1 form(QStringLiteral(ARMALYX_SOURCE_DIR "/data"));
    TFirstPaintQuit quit([&form] { return form.Activated(); });
    application.installEventFilter(&quit);
    form.show();
    return QApplication::exec();
}

// As the program's entry starts it without a folder named, from a folder without data files.
int RunRemembered(int argc, char** argv) {
    TApplication application(argc, argv);
    GiveUpLater();
    Armalyx::TRecentFolders recentFolders(Armalyx::TRecentFolders::UserFile());
    const Armalyx::StartFolder::TChoice start = Armalyx::StartFolder::Choose(
        QString(), Armalyx::StartFolder::TOrder::WorkingDirectoryFirst,
        Armalyx::StartFolder::HoldsDataFile(QDir::currentPath()), recentFolders.Last());
    if (!start.Reopened) {
        return 1;
    }
    TForm1 form(start.Folder);
    form.RememberFoldersIn(recentFolders, TForm1::TStartNote::ReopenedLastFolder);
    TFirstPaintQuit quit([&form] { return form.Activated(); });
    application.installEventFilter(&quit);
    form.show();
    return QApplication::exec();
}

int RunBare(int argc, char** argv) {
    QApplication application(argc, argv);
    GiveUpLater();
    QWidget window;
    window.resize(kWindowWidth, kWindowHeight);
    auto* tabs = new QTabWidget(&window);
    tabs->setGeometry(8, 8, 697, 433);
    auto* page = new QWidget;
    tabs->addTab(page, QStringLiteral("Page 1"));
    tabs->addTab(new QWidget, QStringLiteral("Page 2"));
    auto* table = new QTableWidget(32, 2, page);
    table->setGeometry(8, 16, 209, 361);
    for (int row = 0; row < 32; ++row) {
        table->setItem(row, 0, new QTableWidgetItem(QString::number(row)));
    }
    TFirstPaintQuit quit([] { return true; });
    application.installEventFilter(&quit);
    window.show();
    return QApplication::exec();
}

// Wall time of one run of this program in the given role.
double SpawnSeconds(const char* role) {
    char self[] = "/proc/self/exe";
    std::string roleText(role);
    char* argv[] = {self, roleText.data(), nullptr};
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    if (posix_spawn(&child, "/proc/self/exe", nullptr, nullptr, argv, environ) != 0) {
        return -1;
    }
    int status = 0;
    waitpid(child, &status, 0);
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return -1;
    }
    return std::chrono::duration<double>(end - start).count();
}

void Startup(benchmark::State& state, const char* role) {
    for (auto _ : state) {
        const double seconds = SpawnSeconds(role);
        if (seconds < 0) {
            state.SkipWithError("the child program failed");
            break;
        }
        state.SetIterationTime(seconds);
    }
}

void BareWidgetsStartup(benchmark::State& state) {
    Startup(state, kBareRole);
}
void ProgramStartup(benchmark::State& state) {
    Startup(state, kProgramRole);
}
void ProgramStartupReopeningTheLastFolder(benchmark::State& state) {
    Startup(state, kRememberedRole);
}

} // namespace

BENCHMARK(BareWidgetsStartup)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(10)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(ProgramStartup)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(10)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(ProgramStartupReopeningTheLastFolder)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(10)
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], kProgramRole) == 0) {
        return RunProgram(argc, argv);
    }
    if (argc > 1 && std::strcmp(argv[1], kBareRole) == 0) {
        return RunBare(argc, argv);
    }
    if (argc > 1 && std::strcmp(argv[1], kRememberedRole) == 0) {
        return RunRemembered(argc, argv);
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // The children start in a folder without data files, with the sample data remembered.
    const Armalyx::TTempDirectory config("armalyx-bench-config");
    const Armalyx::TTempDirectory empty("armalyx-bench-start");
    setenv("XDG_CONFIG_HOME", config.Path().c_str(), 1);
    Armalyx::TRecentFolders(Armalyx::TRecentFolders::UserFile())
        .Remember(QStringLiteral(ARMALYX_SOURCE_DIR "/data"));
    if (chdir(empty.Path().c_str()) != 0) {
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
