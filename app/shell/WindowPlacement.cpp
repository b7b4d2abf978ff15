#include "WindowPlacement.h"

#include <algorithm>

namespace Armalyx::WindowPlacement {
namespace {

// The start of a span of the given length inside [first, first + room), as near to start as it
// can be; a span longer than the room starts at first.
int FitSpan(int start, int length, int first, int room) {
    return std::max(first, std::min(start, first + room - length));
}

} // namespace

QRect FitIntoArea(const QRect& frame, const QRect& area) {
    if (area.isEmpty() || area.contains(frame)) {
        return frame;
    }
    const int width = std::min(frame.width(), area.width());
    const int height = std::min(frame.height(), area.height());
    return QRect(FitSpan(frame.left(), width, area.left(), area.width()),
                 FitSpan(frame.top(), height, area.top(), area.height()), width, height);
}

} // namespace Armalyx::WindowPlacement
