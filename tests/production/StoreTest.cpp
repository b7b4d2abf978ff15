#include "ProductionTest.h"

#include <cstdint>

using namespace Production1;

using StoreTest = TProductionTest;

TEST_F(StoreTest, StartsEmptyWithTheWholeWarAsSpanAndVehicleOneSelected) {
    EXPECT_EQ(store.VehicleCount, 0);
    EXPECT_EQ(Months(store.TotalInService), std::vector<int>(60, 0));
    EXPECT_EQ(Months(store.LendLease), std::vector<int>(60, 0));
    EXPECT_TRUE(store.VehicleNames[1].IsEmpty());
    EXPECT_EQ(store.StartMonthChoice, 0);
    EXPECT_EQ(store.StartYearChoice, 0);
    EXPECT_EQ(store.EndMonthChoice, 11);
    EXPECT_EQ(store.EndYearChoice, 4);
    EXPECT_EQ(store.SpanStart, 1);
    EXPECT_EQ(store.SpanEnd, 60);
    EXPECT_EQ(store.SelectedVehicle, 1);
    EXPECT_FALSE(store.LendLeaseSelected);
}

TEST_F(StoreTest, LendLeaseIsVehicleProductionSlotZero) {
    store.VehicleProduction[0][7] = 42;
    EXPECT_EQ(store.LendLease[7], 42);
    store.LendLease[60] = -3;
    EXPECT_EQ(store.VehicleProduction[0][60], -3);
    EXPECT_EQ(&store.LendLease, &store.VehicleProduction[0]);
}

TEST_F(StoreTest, TablesKeepTheirOneBasedRanges) {
    EXPECT_EQ(MonthSeries::First(), 1);
    EXPECT_EQ(MonthSeries::Last(), 60);
    EXPECT_EQ(decltype(store.VehicleProduction)::First(), 0);
    EXPECT_EQ(decltype(store.VehicleProduction)::Last(), 201);
    EXPECT_EQ(decltype(store.VehicleNames)::First(), 1);
    EXPECT_EQ(decltype(store.VehicleNames)::Last(), 201);
    EXPECT_EQ(YearMonths::First(), 1);
    EXPECT_EQ(YearMonths::Last(), 12);
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
