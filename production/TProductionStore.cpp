#include "TProductionStore.h"

namespace Production1 {

namespace {
constexpr std::int32_t kDecemberChoice = 11;
constexpr std::int32_t kLastYearChoice = kLastYear - kFirstYear;
} // namespace

void TProductionStore::Initialize() {
    DataFile.Close();
    TotalInService.Fill(0);
    Losses.Fill(0);
    NewProduction.Fill(0);
    for (MonthSeries& row : VehicleProduction) {
        row.Fill(0);
    }
    VehicleNames.Fill(VehicleName());
    VehicleTotals.Fill(0);
    VehicleCount = 0;
    SummedProduction.Fill(0.0);
    LossRate.Fill(0.0);
    StartMonthChoice = 0;
    StartYearChoice = 0;
    EndMonthChoice = kDecemberChoice;
    EndYearChoice = kLastYearChoice;
    SpanStart = kFirstMonth;
    SpanEnd = kLastMonth;
    SpanTotal = 0;
    SpanVehicleTotal = 0;
    SpanLosses = 0;
    SelectedVehicle = 1;
    LendLeaseSelected = false;
    ProductionSource = 0;
    CompareSlot = 0;
    LineMonths.Fill(0);
    MergeSeries.Fill(0);
    WorkSeries.Fill(0);
    BlankYear.Fill(0);
    BlankSeries.Fill(0);
    TotalDataReport = TReadReport();
    TankDataReport = TReadReport();
    ClearStockAndSources();
}

TProductionStore& Store() {
    static TProductionStore store;
    return store;
}

void InitializeStore() {
    Store().Initialize();
}

void ClearBlanks() {
    TProductionStore& store = Store();
    store.BlankYear.Fill(0);
    store.BlankSeries.Fill(0);
    store.LossRate.Fill(0.0);
}

void ClearVehicleData() {
    TProductionStore& store = Store();
    for (int slot = 1; slot <= MaxVehicles; ++slot) {
        store.VehicleProduction[slot].Fill(0);
    }
    store.VehicleTotals.Fill(0);
}

void ClearVehicleNames() {
    Store().VehicleNames.Fill(VehicleName());
}

void TProductionStore::ClearStockAndSources() {
    StockDataReport = TReadReport();
    for (MonthSeries& row : StockCounts) {
        row.Fill(kNoStockCount);
    }
    Sources.Clear();
    for (YearSources& row : VehicleSources) {
        row.Fill(TSourceTable::kNone);
    }
    for (YearSources& row : FleetSources) {
        row.Fill(TSourceTable::kNone);
    }
    for (MonthSeries& row : StockSources) {
        row.Fill(TSourceTable::kNone);
    }
}

void ClearStockAndSources() {
    Store().ClearStockAndSources();
}

} // namespace Production1
