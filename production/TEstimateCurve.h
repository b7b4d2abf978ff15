#pragma once

#include <cstddef>
#include <optional>
#include <vector>

namespace Production1 {

// The last month that has an estimate: May 1945, the last month with a loss rate.
inline constexpr int kLastEstimateMonth = 53;

// A month-by-month estimate of the number in service of one vehicle type or of a group of types.
// It begins at FirstMonth: the months before it have no estimate, and a curve draws no points
// there. A FirstMonth after kLastEstimateMonth leaves the curve without any month.
struct TEstimateCurve {
    int FirstMonth = 1;
    // Months 1..kLastEstimateMonth at positions 0..kLastEstimateMonth - 1; 0 before FirstMonth.
    std::vector<double> Values = std::vector<double>(kLastEstimateMonth, 0.0);

    bool Has(int month) const { return month >= FirstMonth && month <= kLastEstimateMonth; }
    std::optional<double> At(int month) const {
        if (!Has(month)) {
            return std::nullopt;
        }
        return Values.at(static_cast<std::size_t>(month - 1));
    }
};

} // namespace Production1
