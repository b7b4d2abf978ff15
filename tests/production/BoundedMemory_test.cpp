#include "ProcessMemory.h"
#include "TProductionTest.h"
#include "TestFiles.h"

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <new>
#include <string>

using namespace Armalyx;

// Every heap allocation of this test program passes through here, so that a test can count the
// allocations made while it loads.
namespace {
std::atomic<bool> g_counting{false};
std::atomic<std::size_t> g_allocations{0};
} // namespace

void* operator new(std::size_t size) {
    if (g_counting.load()) {
        ++g_allocations;
    }
    if (void* memory = std::malloc(size == 0 ? 1 : size)) {
        return memory;
    }
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept {
    std::free(memory);
}

void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}

namespace {

constexpr std::size_t kMegabyte = 1024 * 1024;

using Armalyx::ProcessMemory::ResetPeakResidentSize;
using Armalyx::ProcessMemory::StatusKilobytes;

} // namespace

using BoundedMemoryTest = TProductionTest;

TEST_F(BoundedMemoryTest, FilesStoredAsWrittenLoadWithoutAllocating) {
    WriteTotalData({DataLine("Total", 1941, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12})});
    WriteTankData({DataLine("T-34", 1942, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12})});
    g_allocations = 0;
    g_counting = true;
    Production1::LoadProductionData();
    g_counting = false;
    EXPECT_EQ(g_allocations.load(), 0u) << "a load with nothing to report allocates nothing";
    EXPECT_EQ(store.VehicleProduction[1][24], 12);
}

TEST_F(BoundedMemoryTest, HugeLinesAreReadWithoutHoldingThem) {
    {
        std::ofstream total(directory.Path() / Production1::kTotalDataFileName, std::ios::binary);
        total << "header\r\nTotal,1941";
        AppendByteRun(total, ',', 1000000);
        total << "5,\r\n";
        std::ofstream tank(directory.Path() / Production1::kTankDataFileName, std::ios::binary);
        tank << "header\r\n";
        AppendByteRun(tank, 'A', 48 * kMegabyte);
        tank << ",1942,7,\r\nT-34,1943,";
        AppendByteRun(tank, '1', 16 * kMegabyte);
        tank << ",\r\n";
    }
    const bool peakReset = ResetPeakResidentSize();
    const long residentBefore = StatusKilobytes("VmRSS");
    g_allocations = 0;
    g_counting = true;
    Production1::LoadProductionData();
    g_counting = false;
    const long peakDuring = StatusKilobytes("VmHWM");

    // Only the account of the three reported lines allocates: its messages and the lines' starts.
    EXPECT_LT(g_allocations.load(), 100u) << "allocations must not grow with the lines";
    EXPECT_EQ(store.TotalDataReport.ProblemCount(), 1);
    EXPECT_EQ(store.TankDataReport.ProblemCount(), 2);
    EXPECT_EQ(store.TotalInService[1], 5) << "the value after a million commas";
    EXPECT_EQ(store.VehicleNames[1].View(), std::string(20, 'A'));
    EXPECT_EQ(store.VehicleProduction[1][13], 7);
    EXPECT_EQ(store.VehicleProduction[2][25], std::numeric_limits<std::int32_t>::max());
    if (!peakReset || residentBefore < 0 || peakDuring < 0) {
        GTEST_SKIP() << "this system does not report the peak resident size";
    }
    const long growthKilobytes = peakDuring - residentBefore;
    RecordProperty("PeakGrowthKilobytes", static_cast<int>(growthKilobytes));
    EXPECT_LT(growthKilobytes, 4 * 1024) << "64 MB of lines must not be held in memory";
}
