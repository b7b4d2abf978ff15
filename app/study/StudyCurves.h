#pragma once
// The numbers the availability chart draws, worked out from the production data: the four fleet
// curves, and each pair's estimate (or lend-lease deliveries) with its share of the fleet.

#include <QString>

#include <array>
#include <vector>

namespace Production1 {
struct TProductionStore;
}

namespace Armalyx::StudyCurves {

struct TMonthPoint {
    int Month = 0;
    double Value = 0;

    bool operator==(const TMonthPoint&) const = default;
};
using TMonthPoints = std::vector<TMonthPoint>;

struct TFleetCurves {
    // Months whose fleet is not empty.
    TMonthPoints InService;
    // The data source's production: new production, or lend-lease and summed production.
    TMonthPoints Production;
    TMonthPoints Losses;
    TMonthPoints SummedProduction;
};

// What one pair of curves shows: nothing, a vehicle's estimate, or the lend-lease deliveries.
enum class TPairKind { Empty, Vehicle, LendLease };

struct TPairCurves {
    TPairKind Kind = TPairKind::Empty;
    // The vehicle's name, or "Lend Lease"; empty for an empty pair.
    QString Title;
    TMonthPoints Values;
    // The share of the fleet, on the vehicle axis; a month with an empty fleet has no point.
    TMonthPoints Share;
    // A single vehicle's documented strengths from "StockData.txt": counts at the start of their
    // months, after its starting strength.
    TMonthPoints Documented;
};

// The fleet curves for a data source (0: new production, 1: lend-lease and summed production).
TFleetCurves Fleet(const Production1::TProductionStore& store, int productionSource);
// The estimate of the vehicle in this slot, and its share.
TPairCurves Vehicle(const Production1::TProductionStore& store, int slot);
// A group of vehicles: the sum of their estimates month by month, and its share; its title the
// members' names joined by " + ". One slot gives exactly the vehicle's curves.
TPairCurves Vehicles(const Production1::TProductionStore& store, const std::vector<int>& members);
// The lend-lease deliveries, and the share of their estimate.
TPairCurves LendLease(const Production1::TProductionStore& store);

} // namespace Armalyx::StudyCurves
