#pragma once
// The symbol a series can draw at each point, and the room it asks the axes for.

#include "StoreIfChanged.h"
#include "TChartBrush.h"
#include "TChartPen.h"

class TChartSeries;

enum class TSeriesPointerStyle {
    psRectangle,
    psCircle,
    psTriangle,
    psDownTriangle,
    psCross,
    psDiagCross,
    psStar,
    psDiamond,
    psSmallDot
};

class TSeriesPointer final {
public:
    explicit TSeriesPointer(TChartSeries& owner);

    bool Visible() const { return m_visible; }
    void SetVisible(bool visible) { Set(m_visible, visible); }
    TSeriesPointerStyle Style() const { return m_style; }
    void SetStyle(TSeriesPointerStyle style) { Set(m_style, style); }
    int HorizSize() const { return m_horizSize; }
    // Sizes below 1 raise ChartException and keep the old size.
    void SetHorizSize(int size);
    int VertSize() const { return m_vertSize; }
    void SetVertSize(int size);
    bool InflateMargins() const { return m_inflateMargins; }
    void SetInflateMargins(bool inflate) { Set(m_inflateMargins, inflate); }
    bool Draw3D() const { return m_draw3D; }
    void SetDraw3D(bool draw3D) { Set(m_draw3D, draw3D); }
    bool Dark3D() const { return m_dark3D; }
    void SetDark3D(bool dark3D) { Set(m_dark3D, dark3D); }
    TChartPen& Pen() { return m_pen; }
    void SetPen(const TChartPen& pen) { m_pen = pen; }
    TChartBrush& Brush() { return m_brush; }
    void SetBrush(const TChartBrush& brush) { m_brush = brush; }

private:
    template <typename T> void Set(T& field, const T& value) {
        Armalyx::StoreAndRepaint(field, value, [this] { RequestRepaint(); });
    }
    void RequestRepaint() const;

    TChartSeries& m_owner;
    bool m_visible = true;
    TSeriesPointerStyle m_style = TSeriesPointerStyle::psRectangle;
    int m_horizSize = 4;
    int m_vertSize = 4;
    bool m_inflateMargins = true;
    bool m_draw3D = true;
    bool m_dark3D = true;
    TChartPen m_pen;
    TChartBrush m_brush;
};
