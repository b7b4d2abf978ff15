#include "TSpanOracle.h"

#include <Production1.h>

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

struct TSpanSums {
    std::int64_t Total = 0;
    std::int64_t Picked = 0;
    std::int64_t Losses = 0;
};

QString ClampedText(std::int64_t sum) {
    const std::int64_t clamped = std::clamp<std::int64_t>(
        sum, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max());
    return QString::number(clamped);
}

// Sums months first..last (already inside 1..60) for the picked vehicle, or for lend-lease when
// the picked row is the one after the last vehicle.
TSpanSums SumSpan(int first, int last, const std::vector<int>& pickedVehicles, bool lendLease) {
    const auto& store = Production1::Store();
    TSpanSums sums;
    for (int vehicle = 1; vehicle <= store.VehicleCount; ++vehicle) {
        const bool picked = std::find(pickedVehicles.begin(), pickedVehicles.end(), vehicle) !=
                            pickedVehicles.end();
        for (int month = first; month <= last; ++month) {
            const std::int64_t value = store.VehicleProduction[vehicle][month];
            sums.Total += std::max<std::int64_t>(value, 0);
            if (picked && !lendLease) {
                sums.Picked += std::max<std::int64_t>(value, 0);
            }
        }
    }
    for (int month = first; month <= last; ++month) {
        sums.Losses += store.Losses[month];
        if (lendLease) {
            sums.Total += store.LendLease[month];
            sums.Picked += store.LendLease[month];
        }
    }
    return sums;
}

QStringList ExpectedTexts(const std::vector<int>& rows, bool lendLease,
                          const TSpanChoices& choices) {
    const int start = choices.StartMonth + 1 + 12 * choices.StartYear;
    const int end = choices.EndMonth + 1 + 12 * choices.EndYear;
    TSpanSums sums;
    if (start <= end) {
        sums = SumSpan(std::max(start, 1), std::min(end, 60), rows, lendLease);
    }
    return QStringList{ClampedText(sums.Picked), ClampedText(sums.Total), ClampedText(sums.Losses)};
}

} // namespace

std::optional<QStringList> ExpectedSpanTexts(int row, const TSpanChoices& choices) {
    const int vehicleCount = Production1::Store().VehicleCount;
    if (row < 1 || row > vehicleCount + 1) {
        return std::nullopt;
    }
    return ExpectedTexts({row}, row == vehicleCount + 1, choices);
}

QStringList ExpectedGroupTexts(const std::vector<int>& rows, const TSpanChoices& choices) {
    return ExpectedTexts(rows, false, choices);
}
