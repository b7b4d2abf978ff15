#pragma once

#include "TProductionStore.h"

#include <string_view>

namespace Production1 {

// The sources the data files' comment lines gave, as bytes of the file (the name's code page);
// empty where a line had no source, and for slots, rows, years or months the store has not.

// The source of a vehicle type's line for a year 1941..1945 ("TankData.txt").
std::string_view VehicleYearSource(const TProductionStore& store, int slot, int year);
// The source of a fleet row's line for a year; rows 1..4 in the order Total, Loss, New and Lend
// Lease ("TotalData.txt").
std::string_view FleetYearSource(const TProductionStore& store, int row, int year);
// The source of a vehicle type's count for a month 1..60 ("StockData.txt").
std::string_view StockSource(const TProductionStore& store, int slot, MonthIndex month);

} // namespace Production1
