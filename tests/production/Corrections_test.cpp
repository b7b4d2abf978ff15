#include "TProductionTest.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <limits>
#include <string>

using namespace Armalyx;

using namespace Production1;

namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

// Hands out the file a few bytes at a time, then fails as a broken disk would.
int g_readsBeforeFailure = 0;
TReadCount FailingRead(TFileHandle file, void* buffer, std::size_t count) {
    if (g_readsBeforeFailure-- <= 0) {
        errno = EIO;
        return -1;
    }
    return ReadFromFile(file, buffer, std::min<std::size_t>(count, 16));
}

// Reads the store's data files through the failing read until the scope ends, however the test
// leaves it, so that no later test reads through it.
class TFailingReadScope final {
public:
    explicit TFailingReadScope(int readsBeforeFailure) {
        g_readsBeforeFailure = readsBeforeFailure;
        Store().DataFile.SetReadFunction(FailingRead);
    }
    TFailingReadScope(const TFailingReadScope&) = delete;
    TFailingReadScope& operator=(const TFailingReadScope&) = delete;
    ~TFailingReadScope() { Store().DataFile.SetReadFunction(nullptr); }
};

} // namespace

using CorrectionsTest = TProductionTest;

TEST_F(CorrectionsTest, LineWithAYearOutsideTheWarStoresNothing) {
    const std::string years[] = {"1940", "1946", "0", "-", "", "19-42", "1940.9", "1946.0"};
    for (const std::string& year : years) {
        SCOPED_TRACE(year);
        const std::string values = "1,2,3,4,5,6,7,8,9,10,11,12,";
        WriteTotalData({"Total," + year + "," + values, "Loss," + year + ",,," + values});
        WriteTankData({"T-34," + year + "," + values});
        LoadProductionData();
        EXPECT_EQ(Months(store.TotalInService), std::vector<int>(60, 0));
        EXPECT_EQ(Months(store.Losses), std::vector<int>(60, 0));
        EXPECT_EQ(store.VehicleCount, 0) << "no vehicle added";
        EXPECT_TRUE(store.VehicleNames[1].IsEmpty());
    }
    WriteTotalData({DataLine("Total", 1945, {1}), "Total,1945.99,1,2,3,4,5,6,7,8,9,10,"});
    LoadProductionData();
    EXPECT_EQ(store.TotalInService[49], 1) << "1945.99 is 1945";
}

TEST_F(CorrectionsTest, TankLineWithAnEmptyNameStoresNothing) {
    WriteTankData({DataLine("", 1941, {5, 5, 5}), DataLine("T-34", 1942, {1})});
    LoadProductionData();
    EXPECT_EQ(store.VehicleCount, 1);
    EXPECT_EQ(store.VehicleNames[1].View(), "T-34");
    EXPECT_EQ(Months(store.VehicleProduction[1]), [] {
        std::vector<int> months(60, 0);
        months[12] = 1;
        return months;
    }()) << "the empty name's values are not inherited";
    EXPECT_EQ(store.TankDataReport.Count(TLineOutcome::EmptyName), 1);
}

TEST_F(CorrectionsTest, ABeyondFullTableNameIsIgnoredAndTheStoredVehiclesStay) {
    std::vector<std::string> lines;
    for (int vehicle = 1; vehicle <= MaxVehicles + 1; ++vehicle) {
        std::string name = "V";
        name += std::to_string(vehicle);
        lines.push_back(DataLine(name, 1941, {vehicle}));
    }
    lines.push_back(DataLine("V202", 1942, {7}));
    lines.push_back(DataLine("V201", 1942, {8}));
    WriteTankData(lines);
    LoadProductionData();
    EXPECT_EQ(store.VehicleCount, MaxVehicles);
    EXPECT_EQ(store.VehicleNames[MaxVehicles].View(), "V201");
    EXPECT_EQ(store.VehicleProduction[MaxVehicles][1], 201);
    EXPECT_EQ(store.VehicleProduction[MaxVehicles][13], 8);
    EXPECT_EQ(store.VehicleTotals[MaxVehicles], 209);
    EXPECT_EQ(store.VehicleProduction[0][1], 0) << "nothing spilled into the lend-lease row";
    EXPECT_EQ(store.TankDataReport.Count(TLineOutcome::NoFreeSlot), 2);
}

TEST_F(CorrectionsTest, SumsSaturateAtTheThirtyTwoBitEnds) {
    WriteTotalData({DataLine("Loss", 1941, {kMax, kMax, 5}), DataLine("Loss", 1942, {kMin, kMin}),
                    DataLine("Lend Lease", 1941, {kMax, kMax})});
    WriteTankData({DataLine("T-34", 1941, {kMax, kMax, 5}), DataLine("T-60", 1941, {kMax})});
    LoadProductionData();
    EXPECT_EQ(store.VehicleTotals[1], kMax);
    EXPECT_EQ(store.VehicleTotals[2], kMax);

    EXPECT_EQ(SpanFor(0, 0, 11, 0), (TSpanFigures{1, 12, kMax, kMax, kMax}));
    EXPECT_EQ(SpanFor(0, 0, 11, 1).SpanLosses, 3) << "exact sum of 2 max, 2 min and 5";
    EXPECT_EQ(SpanFor(0, 1, 11, 1).SpanLosses, kMin);
    store.LendLeaseSelected = true;
    EXPECT_EQ(SpanFor(0, 0, 11, 0), (TSpanFigures{1, 12, kMax, kMax, kMax}));
}

TEST_F(CorrectionsTest, SpanBeyondTheSelectorRangesSumsOnlyStoredMonths) {
    WriteTotalData({DataLine("Loss", 1941, {1, 2, 3}),
                    DataLine("Loss", 1945, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4})});
    WriteTankData({DataLine("T-34", 1941, {10, 20}),
                   DataLine("T-34", 1945, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 40})});
    LoadProductionData();
    struct TCase {
        std::int32_t startMonth, startYear, endMonth, endYear;
        TSpanFigures figures;
    };
    const TCase cases[] = {
        {-1, 0, 0, 0, {0, 1, 10, 10, 1}},       // typed start month
        {-1, -1, 11, 4, {-12, 60, 70, 70, 10}}, // typed start month and year
        {0, 0, -1, 10, {1, 120, 70, 70, 10}},   // beyond December 1945
        {0, 0, -1, -1, {1, -12, 0, 0, 0}},      // end before start
        {-1, -1, -1, -1, {-12, -12, 0, 0, 0}},  // entirely before the data
        {11, 6, 11, 9, {84, 120, 0, 0, 0}},     // entirely after the data
        {kMax, kMax, kMax, kMax, {kMax, kMax, 0, 0, 0}},
        {kMin, kMin, kMin, kMin, {kMin, kMin, 0, 0, 0}},
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(::testing::Message() << test.startMonth << " " << test.startYear << " "
                                          << test.endMonth << " " << test.endYear);
        EXPECT_EQ(SpanFor(test.startMonth, test.startYear, test.endMonth, test.endYear),
                  test.figures);
    }
}

TEST_F(CorrectionsTest, ReadFailureKeepsWhatWasStoredAndClosesTheFile) {
    std::vector<std::string> lines;
    for (int year = 1941; year <= 1945; ++year) {
        lines.push_back(DataLine("Total", year, {year}));
    }
    WriteTotalData(lines);
    WriteTankData({DataLine("T-34", 1941, {3})});
    {
        const TFailingReadScope failingRead(10); // 160 bytes: the header and the first two lines
        try {
            LoadProductionData();
            FAIL() << "no error raised";
        } catch (const TInOutError& error) {
            EXPECT_STREQ(error.what(), "I/O error 30");
        }
    }
    EXPECT_FALSE(store.DataFile.IsOpen());
    EXPECT_EQ(store.TotalInService[1], 1941);
    EXPECT_EQ(store.TotalInService[13], 1942);
    EXPECT_EQ(store.TotalInService[49], 0);
    EXPECT_EQ(store.VehicleCount, 0) << "the tank file is not read";
    EXPECT_TRUE(store.VehicleNames[1].IsEmpty());
}

TEST_F(CorrectionsTest, FailedLoadLeavesNoCountOrSumOfThePreviousLoad) {
    WriteTankData({DataLine("T-34", 1941, {3})});
    LoadProductionData();
    ASSERT_EQ(store.VehicleCount, 1);
    {
        const TFailingReadScope failingRead(0);
        EXPECT_THROW(LoadProductionData(), TInOutError);
    }
    EXPECT_EQ(store.VehicleCount, 0);
    EXPECT_EQ(store.SummedProduction[1], 0.0);
    EXPECT_EQ(store.VehicleTotals[1], 0);
}
