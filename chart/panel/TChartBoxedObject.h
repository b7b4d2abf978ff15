#pragma once
// A chart part with a font that draws its text in a box of its own (titles, legend): the box's
// colour, brush and frame pen. A change to the brush or the frame asks the chart to repaint.

#include "TChartBrush.h"
#include "TChartFontObject.h"
#include "TChartPen.h"

class TChartBoxedObject : public TChartFontObject {
public:
    TChartBoxedObject(TCustomChart& chart, TColor fontColor, TColor boxColor,
                      const TChartPen& frame);

    TColor Color() const { return m_color; }
    void SetColor(TColor value) { Set(m_color, value); }
    TChartBrush& Brush() { return m_brush; }
    const TChartBrush& Brush() const { return m_brush; }
    void SetBrush(const TChartBrush& brush) { m_brush = brush; }
    TChartPen& Frame() { return m_frame; }
    const TChartPen& Frame() const { return m_frame; }
    void SetFrame(const TChartPen& pen) { m_frame = pen; }

private:
    TColor m_color;
    TChartBrush m_brush{clUseSeriesColor, TBrushStyle::bsSolid};
    TChartPen m_frame;
};
