#include "AvailabilityMaths.h"

#include <cmath>
#include <cstddef>

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

// Whether an estimate is held at zero or above and restarts after falling from a high level.
enum class TEstimateBounds { Unbounded, FloorAndReset };

// The month-by-month recurrence: each month's production enters half before that month's losses
// and half after them, the previous month's second half after them too.
std::vector<double> RunEstimate(const std::vector<double>& production,
                                const std::vector<double>& lossRate, TEstimateBounds bounds) {
    std::vector<double> shown;
    shown.reserve(kLastPlottedMonth);
    double estimate = 0.0;
    double previous = 0.0;
    bool wasHigh = false;
    for (int i = 0; i < kLastPlottedMonth; ++i) {
        const double current = ValueAt(production, i);
        estimate = estimate + current / 2;
        estimate = estimate - estimate * ValueAt(lossRate, i);
        estimate = estimate + previous / 2;
        previous = current;
        if (bounds == TEstimateBounds::Unbounded) {
            shown.push_back(estimate);
            continue;
        }
        if (!(estimate >= 0.0)) {
            estimate = 0.0;
        }
        shown.push_back(estimate);
        if (estimate > kEstimateHighLevel) {
            wasHigh = true;
        }
        if (wasHigh && estimate < kEstimateResetLevel) {
            estimate = 0.0;
        }
    }
    return shown;
}

} // namespace

std::vector<double> VehicleEstimate(const std::vector<double>& production,
                                    const std::vector<double>& lossRate) {
    return RunEstimate(production, lossRate, TEstimateBounds::FloorAndReset);
}

std::vector<double> LendLeaseEstimate(const std::vector<double>& deliveries,
                                      const std::vector<double>& lossRate) {
    return RunEstimate(deliveries, lossRate, TEstimateBounds::Unbounded);
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
