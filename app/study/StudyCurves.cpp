#include "StudyCurves.h"

#include "AvailabilityMaths.h"
#include "VehicleNameText.h"

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

// Months 1..53 of a month list that holds month 1 at index 0.
TMonthPoints PlottedMonths(const std::vector<double>& values) {
    TMonthPoints points;
    for (int month = 1; month <= kLastPlottedMonth; ++month) {
        points.push_back({month, values.at(static_cast<std::size_t>(month - 1))});
    }
    return points;
}

// The share of the fleet for each month whose fleet is not empty: the share of an empty fleet is
// undefined, and that month simply gets no point.
TMonthPoints SharePoints(const Production1::TProductionStore& store,
                         const std::vector<double>& estimates) {
    TMonthPoints points;
    for (int month = 1; month <= kLastPlottedMonth; ++month) {
        const auto share = AvailabilityMaths::FleetSharePosition(
            estimates.at(static_cast<std::size_t>(month - 1)), store.TotalInService[month]);
        if (share) {
            points.push_back({month, *share});
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
    const std::vector<double> estimates = AvailabilityMaths::VehicleEstimate(
        MonthValues(store.VehicleProduction[slot]), MonthValues(store.LossRate));
    return {TPairKind::Vehicle, VehicleNameText(store.VehicleNames[slot]), PlottedMonths(estimates),
            SharePoints(store, estimates)};
}

TPairCurves Vehicles(const Production1::TProductionStore& store, const std::vector<int>& members) {
    if (members.size() == 1) {
        return Vehicle(store, members.front());
    }
    const std::vector<double> lossRate = MonthValues(store.LossRate);
    std::vector<double> sum(static_cast<std::size_t>(Production1::kLastMonth), 0.0);
    QStringList names;
    for (const int slot : members) {
        const std::vector<double> estimates = AvailabilityMaths::VehicleEstimate(
            MonthValues(store.VehicleProduction[slot]), lossRate);
        for (std::size_t month = 0; month < sum.size() && month < estimates.size(); ++month) {
            sum.at(month) += estimates.at(month);
        }
        names.push_back(VehicleNameText(store.VehicleNames[slot]));
    }
    return {TPairKind::Vehicle, names.join(QStringLiteral(" + ")), PlottedMonths(sum),
            SharePoints(store, sum)};
}

TPairCurves LendLease(const Production1::TProductionStore& store) {
    const std::vector<double> deliveries = MonthValues(store.LendLease);
    return {TPairKind::LendLease, QStringLiteral("Lend Lease"), PlottedMonths(deliveries),
            SharePoints(store, AvailabilityMaths::LendLeaseEstimate(deliveries,
                                                                    MonthValues(store.LossRate)))};
}

} // namespace Armalyx::StudyCurves
