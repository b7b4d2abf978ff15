#include "StudyCurves.h"

#include "AvailabilityMaths.h"
#include "VehicleNameText.h"

#include <Production1.h>
#include <TProductionStore.h>

#include <QStringList>

namespace Armalyx::StudyCurves {

namespace {

using AvailabilityMaths::kFirstAxisMonth;
using AvailabilityMaths::kLastPlottedMonth;

// Months 1..60 of a stored month row, month 1 first.
template <typename TMonthRow> std::vector<double> MonthValues(const TMonthRow& row) {
    std::vector<double> values;
    for (int month = 1; month <= Production1::kLastMonth; ++month) {
        values.push_back(static_cast<double>(row[month]));
    }
    return values;
}

// The months of an estimate, from its first month to the last plotted one.
TMonthPoints EstimateMonths(const Production1::TEstimateCurve& curve) {
    TMonthPoints points;
    for (int month = curve.FirstMonth; month <= kLastPlottedMonth; ++month) {
        if (const auto value = curve.At(month)) {
            points.push_back({month, *value});
        }
    }
    return points;
}

// Months 1..53 of a month list that holds month 1 at index 0.
TMonthPoints PlottedMonths(const std::vector<double>& values) {
    TMonthPoints points;
    for (int month = 1; month <= kLastPlottedMonth; ++month) {
        points.push_back({month, values.at(static_cast<std::size_t>(month - 1))});
    }
    return points;
}

// The share of the fleet for each month of the estimate whose fleet is not empty: the share of
// an empty fleet is undefined, and that month simply gets no point.
TMonthPoints SharePoints(const Production1::TProductionStore& store,
                         const TMonthPoints& estimates) {
    TMonthPoints points;
    for (const TMonthPoint& estimate : estimates) {
        const auto share = AvailabilityMaths::FleetSharePosition(
            estimate.Value, store.TotalInService[estimate.Month]);
        if (share) {
            points.push_back({estimate.Month, *share});
        }
    }
    return points;
}

} // namespace

TFleetCurves Fleet(const Production1::TProductionStore& store, int productionSource) {
    TFleetCurves curves;
    for (int month = 1; month <= kLastPlottedMonth; ++month) {
        if (store.TotalInService[month] > 0) {
            curves.InService.push_back({month, static_cast<double>(store.TotalInService[month])});
        }
    }
    for (int month = kFirstAxisMonth; month <= kLastPlottedMonth; ++month) {
        const double production =
            productionSource == 0
                ? static_cast<double>(store.NewProduction[month])
                : static_cast<double>(store.LendLease[month]) + store.SummedProduction[month];
        curves.Production.push_back({month, production});
        curves.Losses.push_back({month, static_cast<double>(store.Losses[month])});
        curves.SummedProduction.push_back(
            {month, static_cast<double>(store.SummedProduction[month])});
    }
    return curves;
}

TPairCurves Vehicle(const Production1::TProductionStore& store, int slot) {
    const TMonthPoints estimates = EstimateMonths(Production1::VehicleEstimate(store, slot));
    TMonthPoints documented;
    for (const Production1::TStockPoint& point : Production1::DocumentedStrengths(store, slot)) {
        documented.push_back({point.Month, static_cast<double>(point.Count)});
    }
    return {TPairKind::Vehicle, VehicleNameText(store.VehicleNames[slot]), estimates,
            SharePoints(store, estimates), documented};
}

TPairCurves Vehicles(const Production1::TProductionStore& store, const std::vector<int>& members) {
    if (members.size() == 1) {
        return Vehicle(store, members.front());
    }
    QStringList names;
    for (const int slot : members) {
        names.push_back(VehicleNameText(store.VehicleNames[slot]));
    }
    const TMonthPoints estimates = EstimateMonths(Production1::GroupEstimate(store, members));
    return {TPairKind::Vehicle,
            names.join(QStringLiteral(" + ")),
            estimates,
            SharePoints(store, estimates),
            {}};
}

TPairCurves LendLease(const Production1::TProductionStore& store) {
    const std::vector<double> deliveries = MonthValues(store.LendLease);
    return {TPairKind::LendLease,
            QStringLiteral("Lend Lease"),
            PlottedMonths(deliveries),
            SharePoints(store, PlottedMonths(AvailabilityMaths::LendLeaseEstimate(
                                   deliveries, MonthValues(store.LossRate)))),
            {}};
}

} // namespace Armalyx::StudyCurves
