// The availability curves: the four fleet-level series and the vehicle or lend-lease pairs.

#include "TForm1.h"

#include "AvailabilityMaths.h"
#include "VehicleNameText.h"

#include <Production1.h>
#include <TChartColors.h>
#include <TLineSeries.h>

#include <vector>

namespace {

using Armalyx::AvailabilityMaths::kFirstAxisMonth;
using Armalyx::AvailabilityMaths::kLastPlottedMonth;

// Every point is drawn in its series' colour and carries no label.
void AddMonthPoint(TChartSeries& series, int month, double value) {
    series.AddPoint(static_cast<double>(month), value, QString(), clUseSeriesColor);
}

// Months 1..60 of a stored month row, month 1 first.
template <typename TMonthRow> std::vector<double> MonthValues(const TMonthRow& row) {
    std::vector<double> values;
    for (int month = 1; month <= Production1::kLastMonth; ++month) {
        values.push_back(static_cast<double>(row[month]));
    }
    return values;
}

// Adds the share of the fleet for each month whose fleet is not empty: the share of an empty
// fleet is undefined, and that month simply gets no point.
void AddSharePoints(TChartSeries& series, const std::vector<double>& estimates) {
    const auto& store = Production1::Store();
    for (int month = 1; month <= kLastPlottedMonth; ++month) {
        const auto share = Armalyx::AvailabilityMaths::FleetSharePosition(
            estimates.at(static_cast<std::size_t>(month - 1)), store.TotalInService[month]);
        if (share) {
            AddMonthPoint(series, month, *share);
        }
    }
}

} // namespace

void TForm1::PlotFleetCurves() {
    NoteChartChanged();
    const auto& store = Production1::Store();
    Series1->ClearPoints();
    Series3->ClearPoints();
    Series5->ClearPoints();
    Series4->ClearPoints();
    for (int month = 1; month <= kLastPlottedMonth; ++month) {
        if (store.TotalInService[month] > 0) {
            AddMonthPoint(*Series1, month, store.TotalInService[month]);
        }
    }
    for (int month = kFirstAxisMonth; month <= kLastPlottedMonth; ++month) {
        const double production =
            store.ProductionSource == 0
                ? static_cast<double>(store.NewProduction[month])
                : static_cast<double>(store.LendLease[month]) + store.SummedProduction[month];
        AddMonthPoint(*Series5, month, production);
    }
    for (int month = kFirstAxisMonth; month <= kLastPlottedMonth; ++month) {
        AddMonthPoint(*Series3, month, store.Losses[month]);
    }
    for (int month = kFirstAxisMonth; month <= kLastPlottedMonth; ++month) {
        AddMonthPoint(*Series4, month, store.SummedProduction[month]);
    }
}

void TForm1::PlotVehicleEstimate() {
    NoteChartChanged();
    auto& store = Production1::Store();
    const int slot = store.CompareSlot;
    TLineSeries& estimateSeries = slot == 0 ? *Series2 : *Series7;
    TLineSeries& shareSeries = slot == 0 ? *Series6 : *Series8;
    estimateSeries.ClearPoints();
    shareSeries.ClearPoints();
    if (slot == 0) {
        m_firstPairHoldsLendLease = false;
    }
    const int vehicle = store.SelectedVehicle;
    store.WorkSeries = store.VehicleProduction[vehicle];
    estimateSeries.SetTitle(Armalyx::VehicleNameText(store.VehicleNames[vehicle]));
    m_pairVehicles.at(static_cast<std::size_t>(slot == 0 ? 0 : 1)) =
        std::string(store.VehicleNames[vehicle].View());
    m_missedPicks.PairVehicles.at(static_cast<std::size_t>(slot == 0 ? 0 : 1)).clear();
    const std::vector<double> estimates = Armalyx::AvailabilityMaths::VehicleEstimate(
        MonthValues(store.WorkSeries), MonthValues(store.LossRate));
    for (int month = 1; month <= kLastPlottedMonth; ++month) {
        AddMonthPoint(estimateSeries, month, estimates.at(static_cast<std::size_t>(month - 1)));
    }
    AddSharePoints(shareSeries, estimates);
    store.CompareSlot = slot + 1 > 1 ? 0 : slot + 1;
}

void TForm1::PlotLendLease() {
    NoteChartChanged();
    auto& store = Production1::Store();
    Series2->ClearPoints();
    Series6->ClearPoints();
    store.WorkSeries = store.LendLease;
    Series2->SetTitle(QStringLiteral("Lend Lease"));
    m_firstPairHoldsLendLease = true;
    m_pairVehicles[0].clear();
    m_missedPicks.PairVehicles[0].clear();
    const std::vector<double> deliveries = MonthValues(store.WorkSeries);
    for (int month = 1; month <= kLastPlottedMonth; ++month) {
        AddMonthPoint(*Series2, month, deliveries.at(static_cast<std::size_t>(month - 1)));
    }
    AddSharePoints(*Series6, Armalyx::AvailabilityMaths::LendLeaseEstimate(
                                 deliveries, MonthValues(store.LossRate)));
}
