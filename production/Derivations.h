#pragma once

#include <cstdint>
#include <filesystem>

namespace Production1 {

// Clears the store, reads "TotalData.txt", "TankData.txt" and "StockData.txt" (when there is one)
// from the data folder (an empty folder is the working directory) and computes every derived value
// except the span values. A read failure raises TInOutError and ends the load there.
void LoadProductionData(const std::filesystem::path& folder = {});

// The number of leading named slots, and each one's total of its positive months.
void ComputeVehicleTotals();
// Production of all vehicle types per month, positive values only; lend-lease is not part of it.
void ComputeSummedProduction();
// Losses of months 5..53 as a fraction of the fleet in service plus the month's average
// production (this month's and last month's, lend-lease included).
void ComputeLossRate();
// The month (1 is January 1941) that a month and a year selector index name; indices outside the
// lists give months outside 1..60.
int MonthOfChoice(std::int32_t monthChoice, std::int32_t yearChoice);
// Span months from the selector indices, then vehicle production, the selected vehicle's (or the
// lend-lease) production and the losses within the span. Only months 1..60 are summed.
void ComputeSpanTotals();

} // namespace Production1
