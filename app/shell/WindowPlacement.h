#pragma once
// Where the window goes on a screen too small for its built-in position and size, such as a
// 1280 x 1024 screen at a scale factor of 2 (640 x 512 logical pixels).

#include <QMargins>
#include <QRect>

namespace Armalyx::WindowPlacement {

// The window's outer rectangle (frame and caption included) moved, and if need be shrunk, so
// that it lies inside the screen's available area; unchanged when it fits already.
QRect FitIntoArea(const QRect& frame, const QRect& area);

// The frame and caption the built-in outer size of 738 x 498 allows around the client area, for
// a window the desktop has not framed yet.
inline constexpr QMargins kDesignedFrameMargins{4, 23, 4, 4};

} // namespace Armalyx::WindowPlacement
