#include "Estimates.h"

#include "Derivations.h"
#include "SaturatingSum.h"

#include <algorithm>

namespace Production1 {

namespace {

// The month-by-month recurrence from the first month on: each month's production enters half
// before that month's losses and half after them, the previous month's second half after them too.
void RunEstimate(const MonthSeries& production, const MonthValues& lossRate, double estimate,
                 TEstimateCurve& curve) {
    double previous = 0.0;
    bool wasHigh = false;
    for (int month = curve.FirstMonth; month <= kLastEstimateMonth; ++month) {
        const auto current = static_cast<double>(production[month]);
        estimate = estimate + current / 2;
        estimate = estimate - estimate * lossRate[month];
        estimate = estimate + previous / 2;
        previous = current;
        if (!(estimate >= 0.0)) {
            estimate = 0.0;
        }
        curve.Values.at(static_cast<std::size_t>(month - 1)) = estimate;
        if (estimate > kEstimateHighLevel) {
            wasHigh = true;
        }
        if (wasHigh && estimate < kEstimateResetLevel) {
            estimate = 0.0;
        }
    }
}

} // namespace

TEstimateCurve EstimateCurve(const MonthSeries& production, const MonthValues& lossRate,
                             const std::optional<TStockPoint>& start) {
    TEstimateCurve curve;
    double estimate = 0.0;
    if (start && start->Month >= kFirstMonth && start->Month <= kLastMonth) {
        curve.FirstMonth = start->Month;
        estimate = start->Count;
    }
    RunEstimate(production, lossRate, estimate, curve);
    return curve;
}

TEstimateCurve VehicleEstimate(const TProductionStore& store, int slot) {
    if (slot < 1 || slot > MaxVehicles) {
        return {};
    }
    return EstimateCurve(store.VehicleProduction[slot], store.LossRate,
                         StartingStrength(store, slot));
}

TEstimateCurve SumOfEstimates(const std::vector<TEstimateCurve>& curves) {
    TEstimateCurve sum;
    for (const TEstimateCurve& curve : curves) {
        sum.FirstMonth = std::max(sum.FirstMonth, curve.FirstMonth);
    }
    for (int month = sum.FirstMonth; month <= kLastEstimateMonth; ++month) {
        double total = 0.0;
        for (const TEstimateCurve& curve : curves) {
            total += curve.At(month).value_or(0.0);
        }
        sum.Values.at(static_cast<std::size_t>(month - 1)) = total;
    }
    return sum;
}

std::vector<int> CountedGroupSlots(const TProductionStore& store, const std::vector<int>& slots) {
    const int count = std::clamp(store.VehicleCount, 0, MaxVehicles);
    std::vector<int> counted;
    for (const int slot : slots) {
        if (slot >= 1 && slot <= count &&
            std::find(counted.begin(), counted.end(), slot) == counted.end()) {
            counted.push_back(slot);
        }
    }
    return counted;
}

TEstimateCurve GroupEstimate(const TProductionStore& store, const std::vector<int>& slots) {
    std::vector<TEstimateCurve> curves;
    for (const int slot : CountedGroupSlots(store, slots)) {
        curves.push_back(VehicleEstimate(store, slot));
    }
    return SumOfEstimates(curves);
}

std::int32_t GroupSpanProduction(const TProductionStore& store, const std::vector<int>& slots) {
    const MonthIndex start = MonthOfChoice(store.StartMonthChoice, store.StartYearChoice);
    const MonthIndex end = MonthOfChoice(store.EndMonthChoice, store.EndYearChoice);
    TSaturatingSum total;
    for (const int slot : CountedGroupSlots(store, slots)) {
        const MonthSeries& row = store.VehicleProduction[slot];
        for (MonthIndex month = std::max(start, kFirstMonth); month <= std::min(end, kLastMonth);
             ++month) {
            if (row[month] > 0) {
                total.Add(row[month]);
            }
        }
    }
    return total.Value();
}

} // namespace Production1
