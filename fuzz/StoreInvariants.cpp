#include "StoreInvariants.h"

#include "Production1.h"
#include "SaturatingSum.h"

#include <cstdio>
#include <cstdlib>

namespace Armalyx::Fuzz {

using namespace Production1;

namespace {

constexpr MonthIndex kFirstLossRateMonth = 5;
constexpr MonthIndex kLastLossRateMonth = 53;

void RequireUsedSlot(const TProductionStore& store, int slot) {
    Require(!store.VehicleNames[slot].IsEmpty(), "a used slot has an empty name");
    Require(store.VehicleNames[slot].Length() <= VehicleName::kCapacity, "a name is too long");
    for (int other = 1; other < slot; ++other) {
        Require(!(store.VehicleNames[other] == store.VehicleNames[slot]), "a name is held twice");
    }
    TSaturatingSum total;
    for (const std::int32_t value : store.VehicleProduction[slot]) {
        if (value > 0) {
            total.Add(value);
        }
    }
    Require(store.VehicleTotals[slot] == total.Value(), "a total is not its positive months' sum");
}

void RequireFreeSlot(const TProductionStore& store, int slot) {
    Require(store.VehicleNames[slot].IsEmpty(), "a slot after VehicleCount has a name");
    Require(store.VehicleTotals[slot] == 0, "a free slot has a total");
    for (const std::int32_t value : store.VehicleProduction[slot]) {
        Require(value == 0, "a free slot has production");
    }
}

// Every source number names a text of the table, and the empty text is never one.
void RequireSourceNumber(const TProductionStore& store, std::int32_t number) {
    Require(number >= 0 && static_cast<std::size_t>(number) <= store.Sources.Count(),
            "a source number outside the table of sources");
    Require(number == TSourceTable::kNone || !store.Sources.Text(number).empty(),
            "a source number names an empty text");
}

// Counts are none or whole numbers of 0 or more, only for named slots, and a month has a source
// only when it has a count.
void RequireStock(const TProductionStore& store, int slot) {
    for (MonthIndex month = kFirstMonth; month <= kLastMonth; ++month) {
        const std::int32_t count = store.StockCounts[slot][month];
        const std::int32_t source = store.StockSources[slot][month];
        Require(count == kNoStockCount || count >= 0, "a stock count below 0");
        Require(count == kNoStockCount || slot <= store.VehicleCount,
                "a stock count for a slot without a vehicle");
        Require(source == TSourceTable::kNone || count != kNoStockCount,
                "a source for a month without a stock count");
        RequireSourceNumber(store, source);
    }
    for (int year = kFirstYear; year <= kLastYear; ++year) {
        const std::int32_t source = store.VehicleSources[slot][year];
        Require(source == TSourceTable::kNone || slot <= store.VehicleCount,
                "a source for a slot without a vehicle");
        RequireSourceNumber(store, source);
    }
}

// The estimate begins at the starting strength (or January 1941), holds nothing before it, and is
// never below 0 nor NaN. Negative losses against a tiny fleet may grow it past every double: it
// may be infinite.
void RequireEstimate(const TProductionStore& store, int slot) {
    const TEstimateCurve curve = VehicleEstimate(store, slot);
    const auto start = StartingStrength(store, slot);
    Require(curve.FirstMonth == (start ? start->Month : kFirstMonth),
            "an estimate begins elsewhere than at its starting strength");
    Require(curve.Values.size() == static_cast<std::size_t>(kLastEstimateMonth),
            "an estimate of another length than its months");
    for (int month = 1; month <= kLastEstimateMonth; ++month) {
        const double value = curve.Values[static_cast<std::size_t>(month - 1)];
        Require(value >= 0.0, "an estimate below 0 or not a number");
        Require(month >= curve.FirstMonth || value == 0.0, "an estimate before its first month");
    }
}

} // namespace

void Require(bool condition, std::string_view message) {
    if (!condition) {
        std::fprintf(stderr, "store invariant broken: %.*s\n", static_cast<int>(message.size()),
                     message.data());
        std::abort();
    }
}

void RequireStoreInvariants() {
    const TProductionStore& store = Store();
    Require(store.VehicleCount >= 0 && store.VehicleCount <= MaxVehicles,
            "VehicleCount is outside 0..MaxVehicles");
    for (int slot = 1; slot <= MaxVehicles; ++slot) {
        if (slot <= store.VehicleCount) {
            RequireUsedSlot(store, slot);
            RequireEstimate(store, slot);
        } else {
            RequireFreeSlot(store, slot);
        }
        RequireStock(store, slot);
    }
    for (int row = 1; row <= kFleetRows; ++row) {
        for (int year = kFirstYear; year <= kLastYear; ++year) {
            RequireSourceNumber(store, store.FleetSources[row][year]);
        }
    }
    for (MonthIndex month = kFirstMonth; month <= kLastMonth; ++month) {
        const bool rated = month >= kFirstLossRateMonth && month <= kLastLossRateMonth;
        Require(rated || store.LossRate[month] == 0.0, "a loss rate outside months 5..53");
    }
}

} // namespace Armalyx::Fuzz
