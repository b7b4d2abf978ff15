#include "AvailabilityMaths.h"

#include <Estimates.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>

namespace Armalyx::AvailabilityMaths {
namespace {

constexpr int kFieldWidth = 4;

// Value of a month list at a 0-based position; months the list does not have count as 0.
double ValueAt(const std::vector<double>& values, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= values.size()) {
        return 0.0;
    }
    return values[static_cast<std::size_t>(index)];
}

// A monthly count as the data files hold it: whole, within 32 bits, 0 for what is no number.
std::int32_t WholeCount(double value) {
    if (!std::isfinite(value)) {
        return 0;
    }
    return static_cast<std::int32_t>(std::clamp<double>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

// The month-by-month recurrence for deliveries: each month's value enters half before that
// month's losses and half after them, the previous month's second half after them too.
std::vector<double> RunDeliveriesEstimate(const std::vector<double>& deliveries,
                                          const std::vector<double>& lossRate) {
    std::vector<double> shown;
    shown.reserve(kLastPlottedMonth);
    double estimate = 0.0;
    double previous = 0.0;
    for (int i = 0; i < kLastPlottedMonth; ++i) {
        const double current = ValueAt(deliveries, i);
        estimate = estimate + current / 2;
        estimate = estimate - estimate * ValueAt(lossRate, i);
        estimate = estimate + previous / 2;
        previous = current;
        shown.push_back(estimate);
    }
    return shown;
}

} // namespace

// The vehicle's estimate is the data unit's, over whole monthly counts as the data files hold.
std::vector<double> VehicleEstimate(const std::vector<double>& production,
                                    const std::vector<double>& lossRate) {
    Production1::MonthSeries counts;
    Production1::MonthValues rates;
    for (int month = Production1::kFirstMonth; month <= Production1::kLastMonth; ++month) {
        counts[month] = WholeCount(ValueAt(production, month - 1));
        rates[month] = ValueAt(lossRate, month - 1);
    }
    const Production1::TEstimateCurve curve = Production1::EstimateCurve(counts, rates, {});
    return {curve.Values.begin(), curve.Values.begin() + kLastPlottedMonth};
}

std::vector<double> LendLeaseEstimate(const std::vector<double>& deliveries,
                                      const std::vector<double>& lossRate) {
    return RunDeliveriesEstimate(deliveries, lossRate);
}

double FleetSharePercent(double position) {
    return (position - kShareBase) / kShareBase * 100.0;
}

std::optional<double> FleetSharePosition(double estimate, std::int32_t totalInService) {
    if (totalInService == 0) {
        return std::nullopt;
    }
    return kShareBase * estimate / totalInService + kShareBase;
}

QString PlainInteger(std::int64_t value) {
    return QString::number(value);
}

QString LendLeaseTotalText(const std::vector<std::int32_t>& monthly) {
    double total = 0.0;
    for (const std::int32_t value : monthly) {
        total += value;
    }
    // Sums of 32-bit values are whole numbers that a double holds exactly.
    return QStringLiteral("%1").arg(static_cast<long long>(std::llround(total)), kFieldWidth);
}

} // namespace Armalyx::AvailabilityMaths
