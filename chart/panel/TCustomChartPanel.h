#pragma once
// The chart's window control: colour and bevels, margins, the two rectangles every chart step
// works with (ChartBounds, the whole drawing area, and ChartRect, the plot area that title,
// legend and axes shrink in turn), repaint requests and the loading mode.

#include "ChartMath.h"
#include "StoreIfChanged.h"
#include "TChartColors.h"
#include "TChartGeometry.h"

#include <QWidget>

#include <memory>

class QTransform;
class TChartCanvas;

enum class TPanelBevel { bvNone, bvLowered, bvRaised };
using enum TPanelBevel;

class TCustomChartPanel : public QWidget {
    Q_OBJECT

public:
    explicit TCustomChartPanel(QWidget* parent = nullptr);
    ~TCustomChartPanel() override;

    // The drawing surface every pixel of the chart goes through.
    TChartCanvas& Canvas() const { return *m_canvas; }
    // Replaces the drawing surface (tests install a recording one); the next paint draws anew.
    void SetCanvas(std::unique_ptr<TChartCanvas> canvas);

    // Paints the control: copies the kept frame when nothing changed, else draws a new one.
    void Paint();
    // Draws a complete frame for the target device at the target rectangle.
    void Draw(QPaintDevice* target, const TRect& targetRect);
    // Draws a complete frame of the control's size onto a vector device (SVG, PDF, a printer)
    // through the surface's general painter path, the chart's pixels mapped to the device's units
    // by chartToDevice. The layout is the screen's; the screen's kept frame is drawn anew at the
    // next paint.
    void DrawVectors(QPaintDevice* target, const QTransform& chartToDevice);

    TColor Color() const { return m_color; }
    void SetColor(TColor color);
    TPanelBevel BevelOuter() const { return m_bevelOuter; }
    void SetBevelOuter(TPanelBevel bevel);
    TPanelBevel BevelInner() const { return m_bevelInner; }
    void SetBevelInner(TPanelBevel bevel);
    int BevelWidth() const { return m_bevelWidth; }
    void SetBevelWidth(int width);
    int BorderWidth() const { return m_borderWidth; }
    void SetBorderWidth(int width);
    int MarginLeft() const { return m_margins.Left; }
    void SetMarginLeft(int percent);
    int MarginTop() const { return m_margins.Top; }
    void SetMarginTop(int percent);
    int MarginRight() const { return m_margins.Right; }
    void SetMarginRight(int percent);
    int MarginBottom() const { return m_margins.Bottom; }
    void SetMarginBottom(int percent);
    bool View3D() const { return m_view3D; }
    void SetView3D(bool view3D);
    int Chart3DPercent() const { return m_chart3DPercent; }
    void SetChart3DPercent(int percent);

    const TRect& ChartBounds() const { return m_chartBounds; }
    const TRect& ChartRect() const { return m_chartRect; }
    // For the layout steps (title, legend, axes) that move an edge of the plot rectangle; they
    // call RecalcWidthHeight afterwards.
    void SetChartRect(const TRect& rect) { m_chartRect = rect; }
    int ChartWidth() const { return m_chartWidth; }
    int ChartHeight() const { return m_chartHeight; }
    int ChartXCenter() const { return m_chartXCenter; }
    int ChartYCenter() const { return m_chartYCenter; }
    void RecalcWidthHeight();

    // Marks the last frame stale and asks the window system for a repaint; repaints merge.
    void Invalidate();
    // How many repaints were requested since construction; repaint-on-change tests read it.
    int RepaintRequests() const { return m_repaintRequests; }
    // While loading stored settings the axes skip their range checks and the automatic link.
    void BeginLoading() { ++m_loadingDepth; }
    void EndLoading();
    bool IsLoading() const { return m_loadingDepth > 0; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

    // One complete frame inside the bounds.
    virtual void InternalDraw(const TRect& bounds) = 0;
    virtual void PaintPanel(const TRect& bounds);
    virtual void FillPanelBackground(const TRect& bounds);
    virtual void DrawBackImage(const TRect& /*bounds*/) {}
    virtual void DrawPanelBevels(const TRect& bounds);

    void SetChartBounds(const TRect& bounds) { m_chartBounds = bounds; }
    void ApplyMargins();

    template <typename T> void Set(T& field, const T& value) {
        Armalyx::StoreAndRepaint(field, value, [this] { Invalidate(); });
    }

private:
    std::unique_ptr<TChartCanvas> m_canvas;
    TColor m_color = clBtnFace;
    TPanelBevel m_bevelOuter = bvRaised;
    TPanelBevel m_bevelInner = bvNone;
    int m_bevelWidth = 1;
    int m_borderWidth = 0;
    Armalyx::ChartMath::TMargins m_margins{3, 4, 3, 4};
    bool m_view3D = true;
    int m_chart3DPercent = 15;

    TRect m_chartBounds;
    TRect m_chartRect;
    int m_chartWidth = 0;
    int m_chartHeight = 0;
    int m_chartXCenter = 0;
    int m_chartYCenter = 0;
    bool m_invalidationAllowed = false;
    int m_loadingDepth = 0;
    int m_repaintRequests = 0;
    QSize m_frameSize;
};
