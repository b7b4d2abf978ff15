#pragma once
// A wall of the chart: colour, 3D size and shading. Only the back wall is drawn in 2D.

#include "TChartBrush.h"
#include "TChartColors.h"
#include "TChartPen.h"
#include "TRepaintHost.h"

class TCustomChartWall {
public:
    // The chart is asked to repaint whenever a setting of the wall changes.
    TCustomChartWall(TRepaintHost& chart, TColor defaultColor);
    virtual ~TCustomChartWall();
    TCustomChartWall(const TCustomChartWall&) = delete;
    TCustomChartWall& operator=(const TCustomChartWall&) = delete;

    TColor Color() const { return m_color; }
    void SetColor(TColor color);
    // The layout stores Color only when it differs from this.
    TColor DefaultColor() const { return m_defaultColor; }
    bool Dark3D() const { return m_dark3D; }
    void SetDark3D(bool dark);
    int Size() const { return m_size; }
    void SetSize(int size);
    TChartPen& Pen() { return m_pen; }
    const TChartPen& Pen() const { return m_pen; }
    void SetPen(const TChartPen& pen) { m_pen = pen; }
    TChartBrush& Brush() { return m_brush; }
    const TChartBrush& Brush() const { return m_brush; }
    void SetBrush(const TChartBrush& brush) { m_brush = brush; }

protected:
    void RequestRepaint();

private:
    TRepaintHost& m_chart;
    TColor m_color;
    TColor m_defaultColor;
    bool m_dark3D = true;
    int m_size = 0;
    TChartPen m_pen;
    TChartBrush m_brush{clUseSeriesColor};
};
