#include "TProductionTest.h"

#include <cstdint>

using namespace Production1;

using StoreTest = TProductionTest;

// A fresh store is empty, spans the whole war and has vehicle one selected; its tables keep their
// index ranges.
TEST_F(StoreTest, StartsEmptyOverTheWholeWarWithVehicleOneAndKeepsItsTableRanges) {
    EXPECT_EQ(Months(store.TotalInService), std::vector<int>(60, 0));
    EXPECT_EQ(Months(store.LendLease), std::vector<int>(60, 0));
    EXPECT_TRUE(store.VehicleNames[1].IsEmpty());
    EXPECT_FALSE(store.LendLeaseSelected);
    const struct {
        const char* Field;
        std::int64_t Value;
        std::int64_t Expected;
    } cases[] = {
        {"VehicleCount", store.VehicleCount, 0},
        {"StartMonthChoice", store.StartMonthChoice, 0},
        {"StartYearChoice", store.StartYearChoice, 0},
        {"EndMonthChoice", store.EndMonthChoice, 11},
        {"EndYearChoice", store.EndYearChoice, 4},
        {"SpanStart", store.SpanStart, 1},
        {"SpanEnd", store.SpanEnd, 60},
        {"SelectedVehicle", store.SelectedVehicle, 1},
        {"first month", MonthSeries::First(), 1},
        {"last month", MonthSeries::Last(), 60},
        {"first production slot", decltype(store.VehicleProduction)::First(), 0},
        {"last production slot", decltype(store.VehicleProduction)::Last(), 201},
        {"first name slot", decltype(store.VehicleNames)::First(), 1},
        {"last name slot", decltype(store.VehicleNames)::Last(), 201},
        {"first month of a year", YearMonths::First(), 1},
        {"last month of a year", YearMonths::Last(), 12},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.Field);
        EXPECT_EQ(test.Value, test.Expected);
    }
}

TEST_F(StoreTest, LendLeaseIsVehicleProductionSlotZero) {
    store.VehicleProduction[0][7] = 42;
    EXPECT_EQ(store.LendLease[7], 42);
    store.LendLease[60] = -3;
    EXPECT_EQ(store.VehicleProduction[0][60], -3);
    EXPECT_EQ(&store.LendLease, &store.VehicleProduction[0]);
}

TEST_F(StoreTest, IndexOutsideATableStopsDebugBuildsAndTouchesNothingInRelease) {
    store.TotalInService[1] = 5;
    store.TotalInService[60] = 6;
    EXPECT_DEBUG_DEATH(store.TotalInService[0] = 99, "table index out of range");
    EXPECT_DEBUG_DEATH(store.TotalInService[61] = 99, "table index out of range");
#ifdef NDEBUG
    EXPECT_EQ(store.TotalInService[61], 0) << "a stray read gives zero, not the stray write";
#endif
    EXPECT_EQ(store.TotalInService[1], 5);
    EXPECT_EQ(store.TotalInService[60], 6);
    EXPECT_EQ(store.Losses[1], 0);
}

TEST_F(StoreTest, ClearingStepsClearExactlyTheirFields) {
    store.LendLease[3] = 7;
    store.VehicleProduction[201][60] = 8;
    store.VehicleTotals[1] = 9;
    store.VehicleNames[201] = VehicleName("T-34");
    store.LossRate[10] = 0.5;
    ClearVehicleData();
    EXPECT_EQ(store.LendLease[3], 7) << "slot 0 is not vehicle data";
    EXPECT_EQ(store.VehicleProduction[201][60], 0);
    EXPECT_EQ(store.VehicleTotals[1], 0);
    ClearVehicleNames();
    EXPECT_TRUE(store.VehicleNames[201].IsEmpty());
    ClearBlanks();
    EXPECT_EQ(store.LossRate[10], 0.0);
}

TEST(VehicleNameTest, KeepsTwentyBytesAndComparesLengthAndBytes) {
    const VehicleName longName("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    EXPECT_EQ(longName.View(), "ABCDEFGHIJKLMNOPQRST");
    EXPECT_TRUE(longName.IsFull());
    EXPECT_EQ(longName, VehicleName("ABCDEFGHIJKLMNOPQRST-other"));
    EXPECT_FALSE(VehicleName("T-34") == VehicleName("T-34 "));
    EXPECT_FALSE(VehicleName("Total") == VehicleName("total"));
    EXPECT_TRUE(VehicleName().IsEmpty());
}
