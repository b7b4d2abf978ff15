#pragma once

#include "StockStrengths.h"
#include "TEstimateCurve.h"
#include "TProductionStore.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace Production1 {

// An estimate that has once exceeded this is reset when it falls below kEstimateResetLevel.
inline constexpr double kEstimateHighLevel = 20.0;
inline constexpr double kEstimateResetLevel = 10.0;

// The estimated number in service of one vehicle type, months 1..53. Each month's production
// enters half before and half after that month's losses; the estimate never falls below 0; once
// above 20, a month that ends below 10 is shown as it is and the next month starts again from 0.
// Without a starting strength the estimate begins in January 1941 with none in service. With one,
// it begins at the start of that month with that count (and no half of the month before's
// production still to enter), the restart rule counted from there.
TEstimateCurve EstimateCurve(const MonthSeries& production, const MonthValues& lossRate,
                             const std::optional<TStockPoint>& start);

// The estimate of a vehicle slot from the store: its production, the loss rate and its starting
// strength from "StockData.txt".
TEstimateCurve VehicleEstimate(const TProductionStore& store, int slot);

// Month by month the sum of the curves. The sum begins where every curve has a value, at the
// latest of their first months, so that no month adds up only some of them; no curves give a sum
// of 0 from January 1941.
TEstimateCurve SumOfEstimates(const std::vector<TEstimateCurve>& curves);

// The estimate of a group of vehicle slots, each with its own starting strength. Slots outside
// 1..VehicleCount are left out and a slot named twice counts once.
TEstimateCurve GroupEstimate(const TProductionStore& store, const std::vector<int>& slots);

// The group's production within the span of the store's selector indices, as ComputeSpanTotals
// counts the production of one vehicle: positive months only, the part of the span inside the
// data's months, nothing for a reversed span; slots as GroupEstimate takes them.
std::int32_t GroupSpanProduction(const TProductionStore& store, const std::vector<int>& slots);

// The slots of a group as GroupEstimate and GroupSpanProduction count them.
std::vector<int> CountedGroupSlots(const TProductionStore& store, const std::vector<int>& slots);

} // namespace Production1
