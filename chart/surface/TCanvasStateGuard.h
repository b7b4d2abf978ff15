#pragma once
// Puts the surface's pen, brush, background mode and background colour back as they were when
// the guard was made, however its scope ends: a drawing step that borrows them for a moment
// (a bevel's colours, a one-pixel outline ring, a legend's dividing line) leaves the surface as
// it found it even when it returns early or an exception passes through.

#include "TChartCanvas.h"

namespace Armalyx {

class TCanvasStateGuard final {
public:
    explicit TCanvasStateGuard(TChartCanvas& canvas)
        : m_canvas(canvas), m_pen(canvas.Pen()), m_brush(canvas.Brush()),
          m_backMode(canvas.GetBackMode()), m_backColor(canvas.GetBackColor()) {}
    ~TCanvasStateGuard() {
        m_canvas.Pen() = m_pen;
        m_canvas.Brush() = m_brush;
        m_canvas.SetBackMode(m_backMode);
        m_canvas.SetBackColor(m_backColor);
    }
    TCanvasStateGuard(const TCanvasStateGuard&) = delete;
    TCanvasStateGuard& operator=(const TCanvasStateGuard&) = delete;

private:
    TChartCanvas& m_canvas;
    TChartPen m_pen;
    TChartBrush m_brush;
    TBackMode m_backMode;
    TColor m_backColor;
};

} // namespace Armalyx
