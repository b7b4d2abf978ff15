#pragma once
// The arithmetic of "Fit to data": the span of the values shown, widened outward to whole label
// steps so that the first and last labels sit on the axis ends.

#include <optional>
#include <vector>

namespace Armalyx::ViewFit {

struct TSpan {
    double Minimum = 0;
    double Maximum = 0;
    bool operator==(const TSpan&) const = default;
};

// The smallest and largest of the values that are finite; nothing when there are none.
std::optional<TSpan> ValueSpan(const std::vector<double>& values);

// The span rounded outward to multiples of step (a positive step); a span without width gets one
// step on either side, so that its values do not lie on the frame.
TSpan FittedSpan(TSpan span, double step);

} // namespace Armalyx::ViewFit
