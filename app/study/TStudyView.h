#pragma once
// The chart's view as the study keeps it across a reload: each axis's range, in the chart's axis
// order, and whether the chart works it out itself.

#include <vector>

namespace Armalyx {

struct TViewRange {
    bool Automatic = true;
    bool AutomaticMinimum = true;
    bool AutomaticMaximum = true;
    double Minimum = 0;
    double Maximum = 0;

    bool operator==(const TViewRange&) const = default;
};

using TStudyView = std::vector<TViewRange>;

} // namespace Armalyx
