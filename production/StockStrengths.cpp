#include "StockStrengths.h"

namespace Production1 {

namespace {

bool IsVehicleSlot(int slot) {
    return slot >= 1 && slot <= MaxVehicles;
}

} // namespace

std::optional<TStockPoint> StartingStrength(const TProductionStore& store, int slot) {
    if (!IsVehicleSlot(slot)) {
        return std::nullopt;
    }
    const MonthSeries& counts = store.StockCounts[slot];
    for (MonthIndex month = kFirstMonth; month <= kLastMonth; ++month) {
        if (counts[month] != kNoStockCount) {
            return TStockPoint{month, counts[month]};
        }
    }
    return std::nullopt;
}

std::vector<TStockPoint> DocumentedStrengths(const TProductionStore& store, int slot) {
    std::vector<TStockPoint> points;
    const std::optional<TStockPoint> start = StartingStrength(store, slot);
    if (!start) {
        return points;
    }
    const MonthSeries& counts = store.StockCounts[slot];
    for (MonthIndex month = start->Month + 1; month <= kLastMonth; ++month) {
        if (counts[month] != kNoStockCount) {
            points.push_back({month, counts[month]});
        }
    }
    return points;
}

} // namespace Production1
