#pragma once
// The arithmetic behind the availability curves and the table's totals, free of any window, so
// that it can be checked on its own. Month lists hold month 1 (January 1941) at index 0.

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace Armalyx::AvailabilityMaths {

// Months that the curves are computed for; later months are never plotted.
constexpr int kLastPlottedMonth = 53;
// First month of the fleet curves that start with the bottom axis.
constexpr int kFirstAxisMonth = 6;
// A share s of the fleet is drawn at kShareBase + kShareBase * s on the vehicle-count axis.
constexpr double kShareBase = 10000.0;

// Estimated number in service of one vehicle type for months 1..53, from January 1941 with none in
// service, as the data unit's estimate computes it (its production whole counts).
std::vector<double> VehicleEstimate(const std::vector<double>& production,
                                    const std::vector<double>& lossRate);

// The same recurrence for lend-lease deliveries, without the floor and without the reset.
std::vector<double> LendLeaseEstimate(const std::vector<double>& deliveries,
                                      const std::vector<double>& lossRate);

// Where an estimate's share of the fleet is drawn; an empty fleet has no share at all.
std::optional<double> FleetSharePosition(double estimate, std::int32_t totalInService);
// The share of the fleet, in percent, that a share curve's point stands for.
double FleetSharePercent(double position);

// The table's totals: the shortest decimal form.
QString PlainInteger(std::int64_t value);
// The lend-lease total: the monthly values summed as doubles, no decimals, right-aligned in a
// field of at least 4 characters.
QString LendLeaseTotalText(const std::vector<std::int32_t>& monthly);

} // namespace Armalyx::AvailabilityMaths
