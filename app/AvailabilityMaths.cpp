#include "AvailabilityMaths.h"

#include <cmath>
#include <cstddef>

namespace AvailabilityMaths {
namespace {

constexpr int kFieldWidth = 4;

// Value of a month list at a 0-based position; months the list does not have count as 0.
double ValueAt(const std::vector<double>& values, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= values.size()) {
        return 0.0;
    }
    return values[static_cast<std::size_t>(index)];
}

// One month of the recurrence: half the production before the losses, half of last month's after.
double AdvanceEstimate(double estimate, double production, double previous, double lossRate) {
    estimate = estimate + production / 2;
    estimate = estimate - estimate * lossRate;
    return estimate + previous / 2;
}

} // namespace

std::vector<double> VehicleEstimate(const std::vector<double>& production,
                                    const std::vector<double>& lossRate) {
    std::vector<double> shown;
    shown.reserve(kLastPlottedMonth);
    double estimate = 0.0;
    double previous = 0.0;
    bool wasHigh = false;
    for (int i = 0; i < kLastPlottedMonth; ++i) {
        const double current = ValueAt(production, i);
        estimate = AdvanceEstimate(estimate, current, previous, ValueAt(lossRate, i));
        if (!(estimate >= 0.0)) {
            estimate = 0.0;
        }
        shown.push_back(estimate);
        previous = current;
        if (estimate > kEstimateHighLevel) {
            wasHigh = true;
        }
        if (wasHigh && estimate < kEstimateResetLevel) {
            estimate = 0.0;
        }
    }
    return shown;
}

std::vector<double> LendLeaseEstimate(const std::vector<double>& deliveries,
                                      const std::vector<double>& lossRate) {
    std::vector<double> estimates;
    estimates.reserve(kLastPlottedMonth);
    double estimate = 0.0;
    double previous = 0.0;
    for (int i = 0; i < kLastPlottedMonth; ++i) {
        const double current = ValueAt(deliveries, i);
        estimate = AdvanceEstimate(estimate, current, previous, ValueAt(lossRate, i));
        estimates.push_back(estimate);
        previous = current;
    }
    return estimates;
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

} // namespace AvailabilityMaths
