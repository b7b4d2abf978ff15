#pragma once

#include "TProductionStore.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace Production1 {

// A count of one vehicle type in service at the start of a month, from "StockData.txt".
struct TStockPoint {
    MonthIndex Month = 0; // 1..60
    std::int32_t Count = 0;

    bool operator==(const TStockPoint&) const = default;
};

// The type's starting strength: its earliest line, where its estimate begins. Nothing when
// "StockData.txt" has no line for it (or the slot is not a vehicle's).
std::optional<TStockPoint> StartingStrength(const TProductionStore& store, int slot);

// The type's documented strengths: the lines after the earliest, in month order.
std::vector<TStockPoint> DocumentedStrengths(const TProductionStore& store, int slot);

} // namespace Production1
