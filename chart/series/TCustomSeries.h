#pragma once
// The line-and-area series: maps its visible points to pixels and joins them with segments,
// each in the colour of the point that ends it.

#include "TChartBrush.h"
#include "TChartGeometry.h"
#include "TChartPen.h"
#include "TChartSeries.h"
#include "TSeriesMarks.h"
#include "TSeriesPointer.h"

#include <cstdint>

class TChartCanvas;

class TCustomSeries : public TChartSeries {
public:
    TCustomSeries();
    ~TCustomSeries() override;

    TSeriesPointer& Pointer() { return m_pointer; }
    const TSeriesPointer& Pointer() const { return m_pointer; }
    TSeriesMarks& Marks() { return m_marks; }
    TChartPen& LinePen() { return m_linePen; }
    const TChartPen& LinePen() const { return m_linePen; }
    void SetLinePen(const TChartPen& pen) { m_linePen = pen; }
    TBrushStyle LineBrush() const { return m_lineBrush; }
    void SetLineBrush(TBrushStyle style) { Set(m_lineBrush, style); }
    bool Dark3D() const { return m_dark3D; }
    void SetDark3D(bool dark);
    bool Stairs() const { return m_stairs; }
    void SetStairs(bool stairs);
    bool InvertedStairs() const { return m_invertedStairs; }
    void SetInvertedStairs(bool inverted);
    int LineHeight() const { return m_lineHeight; }
    void SetLineHeight(int height);

    std::int32_t PointPixelX(std::int32_t i) const;
    std::int32_t PointPixelY(std::int32_t i) const;

    void DrawVisiblePoints() override;
    void DrawPoint(std::int32_t i);
    // The point's marker when the pointer is visible: its shape in the point's colour, filled
    // white, centred on the pixel.
    void DrawPointer(TChartCanvas& canvas, std::int32_t x, std::int32_t y, TColor color) const;
    // A line through the middle of the legend row's symbol box in the series' colour.
    void DrawLegendSymbol(TChartCanvas& canvas, std::int32_t pointIndex,
                          const TRect& rect) override;

    TSeriesMargins RequestHorizMargins() const override;
    TSeriesMargins RequestVertMargins() const override;
    bool MarksVisible() const override { return m_marks.Visible(); }

protected:
    void SetDrawsLines(bool drawsLines) { m_drawsLines = drawsLines; }
    bool DrawsLines() const { return m_drawsLines; }

    TChartCanvas& Canvas() const;
    // The segment from the previous point's pixel to (x, y) in colour c.
    void DrawSegmentTo(std::int32_t x, std::int32_t y, TColor c);
    void EnterFromLeftEdge(std::int32_t i);

    std::int32_t m_lastPixelX = 0;
    std::int32_t m_lastPixelY = 0;
    TColor m_lastColor = clBlack;
    // Whether the previous pixel belongs to a point drawn in the current frame.
    bool m_lineStarted = false;

private:
    TChartPen m_linePen;
    TBrushStyle m_lineBrush = TBrushStyle::bsSolid;
    TSeriesPointer m_pointer;
    TSeriesMarks m_marks;
    bool m_dark3D = true;
    bool m_stairs = false;
    bool m_invertedStairs = false;
    int m_lineHeight = 0;
    bool m_drawsLines = false;
};
