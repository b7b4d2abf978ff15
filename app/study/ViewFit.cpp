#include "ViewFit.h"

#include <algorithm>
#include <cmath>

namespace Armalyx::ViewFit {

std::optional<TSpan> ValueSpan(const std::vector<double>& values) {
    std::optional<TSpan> span;
    for (const double value : values) {
        if (!std::isfinite(value)) {
            continue;
        }
        if (!span) {
            span = TSpan{value, value};
        }
        span->Minimum = std::min(span->Minimum, value);
        span->Maximum = std::max(span->Maximum, value);
    }
    return span;
}

TSpan FittedSpan(TSpan span, double step) {
    if (!(step > 0) || !std::isfinite(step)) {
        return span;
    }
    TSpan fitted{std::floor(span.Minimum / step) * step, std::ceil(span.Maximum / step) * step};
    if (fitted.Minimum == span.Minimum && fitted.Maximum == span.Maximum &&
        span.Minimum == span.Maximum) {
        fitted.Minimum -= step;
        fitted.Maximum += step;
    }
    return fitted;
}

} // namespace Armalyx::ViewFit
