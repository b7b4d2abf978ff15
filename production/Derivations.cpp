#include "Derivations.h"

#include "DataFileReader.h"
#include "SaturatingSum.h"
#include "TProductionStore.h"

#include <algorithm>

namespace Production1 {

namespace {

constexpr MonthIndex kFirstLossRateMonth = 5;
constexpr MonthIndex kLastLossRateMonth = 53;

// VehicleCount as a loop bound, whatever the field was set to.
int CountedVehicles() {
    return std::clamp(Store().VehicleCount, 0, MaxVehicles);
}

struct TMonthRange {
    MonthIndex First;
    MonthIndex Last;
};

// Positive months of every counted vehicle into total, those of the selected vehicle also into
// vehicleTotal.
void AddVehicleProduction(TMonthRange span, TSaturatingSum& total, TSaturatingSum& vehicleTotal) {
    TProductionStore& store = Store();
    const int count = CountedVehicles();
    for (int slot = 1; slot <= count; ++slot) {
        store.WorkSeries = store.VehicleProduction[slot];
        for (MonthIndex month = span.First; month <= span.Last; ++month) {
            const std::int32_t value = store.WorkSeries[month];
            if (value > 0) {
                total.Add(value);
                if (slot == store.SelectedVehicle) {
                    vehicleTotal.Add(value);
                }
            }
        }
    }
}

// Every month of the span, whatever its sign.
void AddEveryMonth(const MonthSeries& series, TMonthRange span, TSaturatingSum& sum) {
    for (MonthIndex month = span.First; month <= span.Last; ++month) {
        sum.Add(series[month]);
    }
}

} // namespace

MonthIndex MonthOfChoice(std::int32_t monthChoice, std::int32_t yearChoice) {
    return ClampToInt32(std::int64_t{monthChoice} + 1 + std::int64_t{12} * yearChoice);
}

void LoadProductionData(const std::filesystem::path& folder) {
    TProductionStore& store = Store();
    store.ProductionSource = 0;
    ClearBlanks();
    ClearVehicleData();
    ClearVehicleNames();
    store.LineMonths = store.BlankYear;
    store.MergeSeries = store.BlankSeries;
    store.TotalInService = store.BlankSeries;
    store.Losses = store.BlankSeries;
    store.NewProduction = store.BlankSeries;
    store.LendLease = store.BlankSeries;
    // Cleared too, so that a load ended by a read failure leaves no count or sum that describes
    // the previous files' vehicles beside this load's names and rows.
    store.VehicleCount = 0;
    store.SummedProduction.Fill(0.0);
    store.TotalDataReport = TReadReport();
    store.TankDataReport = TReadReport();
    ClearStockAndSources();
    ReadTotalData(folder);
    ReadTankData(folder);
    ReadStockData(folder);
    ComputeVehicleTotals();
    ComputeSummedProduction();
    ComputeLossRate();
}

void ComputeVehicleTotals() {
    TProductionStore& store = Store();
    store.VehicleCount = 0;
    for (int slot = 1; slot <= MaxVehicles && !store.VehicleNames[slot].IsEmpty(); ++slot) {
        store.VehicleCount = slot;
        store.WorkSeries = store.VehicleProduction[slot];
        TSaturatingSum total;
        for (const std::int32_t value : store.WorkSeries) {
            if (value > 0) {
                total.Add(value);
            }
        }
        store.VehicleTotals[slot] = total.Value();
    }
}

void ComputeSummedProduction() {
    TProductionStore& store = Store();
    store.SummedProduction.Fill(0.0);
    const int count = CountedVehicles();
    for (int slot = 1; slot <= count; ++slot) {
        store.WorkSeries = store.VehicleProduction[slot];
        for (MonthIndex month = kFirstMonth; month <= kLastMonth; ++month) {
            if (store.WorkSeries[month] > 0) {
                store.SummedProduction[month] += store.WorkSeries[month];
            }
        }
    }
}

void ComputeLossRate() {
    TProductionStore& store = Store();
    double previous = 0.0;
    for (MonthIndex month = kFirstLossRateMonth; month <= kLastLossRateMonth; ++month) {
        const double average = (previous + store.SummedProduction[month]) + store.LendLease[month];
        const double denominator = average / 2 + store.TotalInService[month];
        if (denominator > 0) {
            store.LossRate[month] = store.Losses[month] / denominator;
        }
        previous = store.LendLease[month] + store.SummedProduction[month];
    }
}

void ComputeSpanTotals() {
    TProductionStore& store = Store();
    store.SpanTotal = 0;
    store.SpanVehicleTotal = 0;
    store.SpanLosses = 0;
    store.SpanStart = MonthOfChoice(store.StartMonthChoice, store.StartYearChoice);
    store.SpanEnd = MonthOfChoice(store.EndMonthChoice, store.EndYearChoice);
    if (store.SpanStart > store.SpanEnd) {
        return;
    }
    // Months outside the data's range have no values: only the part of the span inside it counts.
    const TMonthRange span{std::max(store.SpanStart, kFirstMonth),
                           std::min(store.SpanEnd, kLastMonth)};
    TSaturatingSum total;
    TSaturatingSum vehicleTotal;
    AddVehicleProduction(span, total, vehicleTotal);
    TSaturatingSum losses;
    AddEveryMonth(store.Losses, span, losses);
    if (store.LendLeaseSelected) {
        vehicleTotal.Reset();
        AddEveryMonth(store.LendLease, span, total);
        AddEveryMonth(store.LendLease, span, vehicleTotal);
    }
    store.SpanTotal = total.Value();
    store.SpanVehicleTotal = vehicleTotal.Value();
    store.SpanLosses = losses.Value();
}

} // namespace Production1
