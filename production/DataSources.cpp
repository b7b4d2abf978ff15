#include "DataSources.h"

namespace Production1 {

std::string_view VehicleYearSource(const TProductionStore& store, int slot, int year) {
    if (!store.VehicleSources.Contains(slot) || !YearSources::Contains(year)) {
        return {};
    }
    return store.Sources.Text(store.VehicleSources[slot][year]);
}

std::string_view FleetYearSource(const TProductionStore& store, int row, int year) {
    if (!store.FleetSources.Contains(row) || !YearSources::Contains(year)) {
        return {};
    }
    return store.Sources.Text(store.FleetSources[row][year]);
}

std::string_view StockSource(const TProductionStore& store, int slot, MonthIndex month) {
    if (!store.StockSources.Contains(slot) || !MonthSeries::Contains(month)) {
        return {};
    }
    return store.Sources.Text(store.StockSources[slot][month]);
}

} // namespace Production1
