// Loading speed of the data unit, next to a baseline that only reads the same bytes and counts
// their line ends: the ratio of the two is what the figures mean, not the absolute speeds.
//
// The peak-memory measures load a 1 GB file that is one single line and a 100 MB file of ordinary
// lines in a child process each, and report how far the child's peak resident size rose above its
// size before the load (counter PeakGrowthKiB): it must not depend on the length of the lines.
#include "ProcessMemory.h"
#include "Production1.h"
#include "TTempDirectory.h"
#include "TWorkingDirectory.h"
#include "TestFiles.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Armalyx;

namespace {

namespace fs = std::filesystem;

constexpr std::uintmax_t kMegabyte = 1024 * 1024;
constexpr std::uintmax_t kLargeFileBytes = 50 * kMegabyte;
constexpr std::uintmax_t kSingleLineFileBytes = 1024 * kMegabyte;
constexpr std::uintmax_t kOrdinaryLinesFileBytes = 100 * kMegabyte;

// "TankData.txt" of ordinary lines: 201 vehicle types, each with a line for every year, repeated up
// to the wanted size.
void WriteOrdinaryTankData(const fs::path& path, std::uintmax_t bytes) {
    std::ofstream file(path, std::ios::binary);
    file << kDataFileHeader << "\r\n";
    std::uintmax_t written = 0;
    for (std::uint32_t round = 0; written < bytes; ++round) {
        std::string line = "Vehicle type " + std::to_string(round % Production1::MaxVehicles) +
                           "," + std::to_string(1941 + round % 5) + ",";
        for (std::uint32_t month = 1; month <= 12; ++month) {
            line += std::to_string((round * 7919 + month * 104729) % 2000) + ",";
        }
        line += "\r\n";
        file << line;
        written += line.size();
    }
}

// "TankData.txt" whose one data line fills the file: half of it a name, half separators, and a
// value at its end that the reader must still find.
void WriteSingleLineTankData(const fs::path& path, std::uintmax_t bytes) {
    std::ofstream file(path, std::ios::binary);
    file << "header\r\nT-34";
    AppendByteRun(file, 'A', bytes / 2);
    file << ",1942,";
    AppendByteRun(file, ',', bytes / 2);
    file << "7,\r\n";
}

// The sample data and the large file, written into a temporary directory when first needed and
// removed at exit.
class TBenchData final {
public:
    TBenchData() {
        fs::create_directory(Sample());
        fs::create_directory(Large());
        const fs::path data = fs::path(ARMALYX_SOURCE_DIR) / "data";
        for (const char* name : {Production1::kTotalDataFileName, Production1::kTankDataFileName}) {
            fs::copy_file(data / name, Sample() / name, fs::copy_options::overwrite_existing);
        }
        WriteOrdinaryTankData(Large() / Production1::kTankDataFileName, kLargeFileBytes);
    }

    fs::path Sample() const { return m_root.Path() / "sample"; }
    fs::path Large() const { return m_root.Path() / "large"; }

private:
    TTempDirectory m_root{"armalyx-bench"};
};

std::int64_t DirectoryBytes(const fs::path& directory) {
    std::uintmax_t bytes = 0;
    for (const auto& entry : fs::directory_iterator(directory)) {
        bytes += entry.file_size();
    }
    return static_cast<std::int64_t>(bytes);
}

const TBenchData& Data() {
    static const TBenchData data;
    return data;
}

std::int64_t CountLineEnds(const fs::path& file) {
    const int descriptor = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        return 0;
    }
    std::array<char, Production1::TDataFile::kBufferSize> buffer{};
    std::int64_t lineEnds = 0;
    for (ssize_t count; (count = ::read(descriptor, buffer.data(), buffer.size())) > 0;) {
        lineEnds += std::count(buffer.data(), buffer.data() + count, '\r');
    }
    ::close(descriptor);
    return lineEnds;
}

void LineScanBaseline(benchmark::State& state, const fs::path& directory) {
    for (auto _ : state) {
        for (const auto& entry : fs::directory_iterator(directory)) {
            benchmark::DoNotOptimize(CountLineEnds(entry.path()));
        }
    }
    state.SetBytesProcessed(state.iterations() * DirectoryBytes(directory));
}

void Load(benchmark::State& state, const fs::path& directory) {
    const TWorkingDirectory workingDirectory(directory);
    for (auto _ : state) {
        Production1::LoadProductionData();
        benchmark::DoNotOptimize(Production1::Store().VehicleCount);
    }
    state.SetBytesProcessed(state.iterations() * DirectoryBytes(directory));
}

using Armalyx::ProcessMemory::ResetPeakResidentSize;
using Armalyx::ProcessMemory::StatusKilobytes;

// What a load in a child process measured. Sent back to the parent as plain bytes.
struct TChildLoad {
    bool Measured = false;
    long ResidentBeforeKilobytes = 0;
    long PeakKilobytes = 0;
    double Seconds = 0.0;
};

[[noreturn]] void LoadAndReport(const fs::path& directory, int reportDescriptor) {
    TChildLoad result;
    if (::chdir(directory.c_str()) == 0 && ResetPeakResidentSize()) {
        result.ResidentBeforeKilobytes = StatusKilobytes("VmRSS");
        const auto start = std::chrono::steady_clock::now();
        try {
            Production1::LoadProductionData();
        } catch (...) {
            ::_exit(1);
        }
        result.Seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        result.PeakKilobytes = StatusKilobytes("VmHWM");
        result.Measured = result.ResidentBeforeKilobytes >= 0 && result.PeakKilobytes >= 0;
    }
    const bool sent = ::write(reportDescriptor, &result, sizeof result) == sizeof result;
    ::_exit(sent ? 0 : 1);
}

// Loads the data files of the directory in a child process, so that the peak resident size
// belongs to this one load alone.
TChildLoad LoadInChild(const fs::path& directory) {
    std::array<int, 2> pipe{};
    if (::pipe(pipe.data()) != 0) {
        return {};
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipe[0]);
        LoadAndReport(directory, pipe[1]);
    }
    ::close(pipe[1]);
    TChildLoad result;
    if (child < 0 || ::read(pipe[0], &result, sizeof result) != sizeof result) {
        result = {};
    }
    ::close(pipe[0]);
    int status = 0;
    if (child > 0 && (::waitpid(child, &status, 0) != child || status != 0)) {
        result = {};
    }
    return result;
}

// Writes a "TankData.txt" with the writer into a directory of its own, loads it in a child and
// reports the load time, the throughput and the peak resident growth; the file is removed after.
void PeakMemory(benchmark::State& state,
                const std::function<void(const fs::path&, std::uintmax_t)>& writeTankData,
                std::uintmax_t bytes) {
    const TTempDirectory directory("armalyx-bench");
    writeTankData(directory.Path() / Production1::kTankDataFileName, bytes);
    long growthKilobytes = 0;
    for (auto _ : state) {
        const TChildLoad load = LoadInChild(directory.Path());
        if (!load.Measured) {
            state.SkipWithError("the child could not measure its peak resident size");
            return;
        }
        state.SetIterationTime(load.Seconds);
        growthKilobytes =
            std::max(growthKilobytes, load.PeakKilobytes - load.ResidentBeforeKilobytes);
    }
    state.SetBytesProcessed(state.iterations() * DirectoryBytes(directory.Path()));
    state.counters["PeakGrowthKiB"] = static_cast<double>(growthKilobytes);
    state.counters["FileMiB"] = static_cast<double>(bytes / kMegabyte);
}

void BM_PeakMemory_SingleLine1GB(benchmark::State& state) {
    PeakMemory(state, WriteSingleLineTankData, kSingleLineFileBytes);
}
void BM_PeakMemory_OrdinaryLines100MB(benchmark::State& state) {
    PeakMemory(state, WriteOrdinaryTankData, kOrdinaryLinesFileBytes);
}

void BM_LineScanBaseline_Sample(benchmark::State& state) {
    LineScanBaseline(state, Data().Sample());
}
void BM_LoadProductionData_Sample(benchmark::State& state) {
    Load(state, Data().Sample());
}
void BM_LineScanBaseline_Large(benchmark::State& state) {
    LineScanBaseline(state, Data().Large());
}
void BM_LoadProductionData_Large(benchmark::State& state) {
    Load(state, Data().Large());
}

} // namespace

BENCHMARK(BM_LineScanBaseline_Sample);
BENCHMARK(BM_LoadProductionData_Sample);
BENCHMARK(BM_LineScanBaseline_Large)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadProductionData_Large)->Unit(benchmark::kMillisecond);
// Each peak-memory run writes and removes its file; one load each is enough, as the measure is a
// size, not a time.
BENCHMARK(BM_PeakMemory_SingleLine1GB)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PeakMemory_OrdinaryLines100MB)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
