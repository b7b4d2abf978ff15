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
        } else {
            RequireFreeSlot(store, slot);
        }
    }
    for (MonthIndex month = kFirstMonth; month <= kLastMonth; ++month) {
        const bool rated = month >= kFirstLossRateMonth && month <= kLastLossRateMonth;
        Require(rated || store.LossRate[month] == 0.0, "a loss rate outside months 5..53");
    }
}

} // namespace Armalyx::Fuzz
