#pragma once
// Keeps what the surface draws in its scope in the group of one series (BeginSeriesGroup), and
// ends the group however the scope ends.

#include "TChartCanvas.h"

namespace Armalyx {

class TSeriesGroupGuard final {
public:
    TSeriesGroupGuard(TChartCanvas& canvas, int position, const QString& title) : m_canvas(canvas) {
        m_canvas.BeginSeriesGroup(position, title);
    }
    ~TSeriesGroupGuard() { m_canvas.EndSeriesGroup(); }
    TSeriesGroupGuard(const TSeriesGroupGuard&) = delete;
    TSeriesGroupGuard& operator=(const TSeriesGroupGuard&) = delete;

private:
    TChartCanvas& m_canvas;
};

} // namespace Armalyx
