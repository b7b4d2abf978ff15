// Loading speed of the data unit, next to a baseline that only reads the same bytes and counts
// their line ends: the ratio of the two is what the figures mean, not the absolute speeds.
#include "Production1.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include <fcntl.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr std::uintmax_t kLargeFileBytes = 50ull * 1024 * 1024;

// The two data sets, written into a temporary directory when first needed and removed at exit.
class TBenchData final {
public:
    TBenchData() {
        std::string pattern = (fs::temp_directory_path() / "armalyx-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            return;
        }
        m_root = pattern;
        fs::create_directory(Sample());
        fs::create_directory(Large());
        const fs::path data = fs::path(__FILE__).parent_path().parent_path() / "data";
        for (const char* name : {Production1::kTotalDataFileName, Production1::kTankDataFileName}) {
            fs::copy_file(data / name, Sample() / name, fs::copy_options::overwrite_existing);
        }
        WriteLargeTankData(Large() / Production1::kTankDataFileName);
    }
    TBenchData(const TBenchData&) = delete;
    TBenchData& operator=(const TBenchData&) = delete;
    ~TBenchData() {
        std::error_code ignored;
        fs::remove_all(m_root, ignored);
    }

    fs::path Sample() const { return m_root / "sample"; }
    fs::path Large() const { return m_root / "large"; }

    static std::uintmax_t Bytes(const fs::path& directory) {
        std::uintmax_t bytes = 0;
        for (const auto& entry : fs::directory_iterator(directory)) {
            bytes += entry.file_size();
        }
        return bytes;
    }

private:
    // 201 vehicle types, each with a line for every year, repeated up to the wanted size.
    static void WriteLargeTankData(const fs::path& path) {
        std::ofstream file(path, std::ios::binary);
        file << "Name,Year,Jan,Feb,Mar,Apr,May,Jun,Jul,Aug,Sep,Oct,Nov,Dec,\r\n";
        std::uintmax_t written = 0;
        for (std::uint32_t round = 0; written < kLargeFileBytes; ++round) {
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

    fs::path m_root;
};

const TBenchData& Data() {
    static const TBenchData data;
    return data;
}

// Runs the benchmark body in the given working directory.
class TWorkingDirectory final {
public:
    explicit TWorkingDirectory(const fs::path& directory) : m_previous(fs::current_path()) {
        fs::current_path(directory);
    }
    TWorkingDirectory(const TWorkingDirectory&) = delete;
    TWorkingDirectory& operator=(const TWorkingDirectory&) = delete;
    ~TWorkingDirectory() { fs::current_path(m_previous); }

private:
    fs::path m_previous;
};

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
    state.SetBytesProcessed(state.iterations() *
                            static_cast<std::int64_t>(TBenchData::Bytes(directory)));
}

void Load(benchmark::State& state, const fs::path& directory) {
    const TWorkingDirectory workingDirectory(directory);
    for (auto _ : state) {
        Production1::LoadProductionData();
        benchmark::DoNotOptimize(Production1::Store().VehicleCount);
    }
    state.SetBytesProcessed(state.iterations() *
                            static_cast<std::int64_t>(TBenchData::Bytes(directory)));
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
