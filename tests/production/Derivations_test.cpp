#include "TProductionTest.h"

#include <string>

using namespace Armalyx;

using namespace Production1;

using DerivationsTest = TProductionTest;

TEST_F(DerivationsTest, VehicleTotalsCountPositiveMonthsOfTheLeadingNamedSlots) {
    WriteTankData({DataLine("T-34", 1941, {5, -3, 0, 7}), DataLine("KV-1", 1942, {-1, -2}),
                   DataLine("T-60", 1943, {4})});
    LoadProductionData();
    EXPECT_EQ(store.VehicleCount, 3);
    EXPECT_EQ(store.VehicleTotals[1], 12);
    EXPECT_EQ(store.VehicleTotals[2], 0);
    EXPECT_EQ(store.VehicleTotals[3], 4);

    store.VehicleNames[2] = VehicleName();
    ComputeVehicleTotals();
    EXPECT_EQ(store.VehicleCount, 1) << "counting stops at the first empty name";
}

TEST_F(DerivationsTest, SummedProductionAddsPositiveVehicleMonthsWithoutLendLease) {
    WriteTotalData({DataLine("Lend Lease", 1941, {100, 100})});
    WriteTankData({DataLine("T-34", 1941, {5, -3}), DataLine("T-60", 1941, {2, 4})});
    LoadProductionData();
    EXPECT_EQ(store.SummedProduction[1], 7.0);
    EXPECT_EQ(store.SummedProduction[2], 4.0);
    EXPECT_EQ(store.SummedProduction[3], 0.0);
}

TEST_F(DerivationsTest, LossRateDividesLossesByFleetPlusAverageProduction) {
    WriteTotalData({
        DataLine("Total", 1941,
                 {1000, 1000, 1000, 1000, 1000, 1000, 0, 1000, 1000, 1000, 1000, 1000}),
        DataLine("Total", 1945, {1000, 1000, 1000, 1000, 1000, 1000}),
        DataLine("Loss", 1941, {50, 50, 50, 50, 50, 60, 70, 80, 90, -10, 0, 0}),
        DataLine("Loss", 1945, {9, 9, 9, 9, 9, 9}),
        DataLine("Lend Lease", 1941, {0, 0, 0, 40, 10, 0}),
    });
    WriteTankData({DataLine("T-34", 1941, {0, 0, 0, 500, 90, 0})});
    LoadProductionData();
    for (int month : {1, 2, 3, 4, 54, 55, 60}) {
        SCOPED_TRACE(month);
        EXPECT_EQ(store.LossRate[month], 0.0);
    }
    // Month 5 counts only its own production (month 4 as 0): 1000 + (0 + 100) / 2.
    EXPECT_DOUBLE_EQ(store.LossRate[5], 50.0 / 1050.0);
    // Month 6 averages months 5 and 6: 1000 + (100 + 0) / 2.
    EXPECT_DOUBLE_EQ(store.LossRate[6], 60.0 / 1050.0);
    EXPECT_EQ(store.LossRate[7], 0.0) << "no fleet and no production: no rate";
    EXPECT_DOUBLE_EQ(store.LossRate[10], -10.0 / 1000.0) << "negative losses are not clamped";
    EXPECT_DOUBLE_EQ(store.LossRate[53], 9.0 / 1000.0);
}

TEST_F(DerivationsTest, SpanTotalsSumTheChosenMonths) {
    WriteTotalData(
        {DataLine("Loss", 1943, {1, 2, -5, 8}), DataLine("Lend Lease", 1943, {10, -1, 20})});
    WriteTankData({DataLine("T-34", 1943, {100, 200, -5, 400}), DataLine("KV-1", 1943, {1, 2, 3})});
    LoadProductionData();
    struct TCase {
        const char* what;
        int startMonth, startYear, endMonth, endYear, vehicle;
        bool lendLease;
        TSpanFigures figures;
    };
    const TCase cases[] = {
        {"whole war", 0, 0, 11, 4, 1, false, {1, 60, 706, 700, 6}},
        {"January to March 1943", 0, 2, 2, 2, 1, false, {25, 27, 306, 300, -2}},
        {"one month", 2, 2, 2, 2, 2, false, {27, 27, 3, 3, -5}},
        {"reversed", 11, 4, 0, 0, 1, false, {60, 1, 0, 0, 0}},
        {"lend-lease", 0, 2, 2, 2, 1, true, {25, 27, 306 + 29, 29, -2}},
        {"vehicle beyond the count", 0, 2, 2, 2, 7, false, {25, 27, 306, 0, -2}},
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.what);
        store.SelectedVehicle = test.vehicle;
        store.LendLeaseSelected = test.lendLease;
        EXPECT_EQ(SpanFor(test.startMonth, test.startYear, test.endMonth, test.endYear),
                  test.figures);
    }
}

TEST_F(DerivationsTest, LoadKeepsSelectionAndSpanTotalsAndResetsTheSource) {
    WriteTankData({DataLine("T-34", 1941, {5})});
    LoadProductionData();
    ComputeSpanTotals();
    store.SelectedVehicle = 1;
    store.StartMonthChoice = 3;
    store.CompareSlot = 1;
    store.ProductionSource = 1;
    WriteTankData({DataLine("T-34", 1941, {9})});
    LoadProductionData();
    EXPECT_EQ(store.SpanTotal, 5) << "span totals wait for the next computation";
    EXPECT_EQ(store.StartMonthChoice, 3);
    EXPECT_EQ(store.CompareSlot, 1);
    EXPECT_EQ(store.ProductionSource, 0);
    EXPECT_EQ(store.VehicleTotals[1], 9);
}
