#pragma once
// Adds the series list and the five axes to the panel, with series management and the axis
// layout of a frame.

#include "TChartAxis.h"
#include "TChartDepthAxis.h"
#include "TChartSeries.h"
#include "TCustomChartPanelExtended.h"
#include "TSeriesHost.h"

#include <memory>
#include <vector>

class TCustomAxisPanel : public TCustomChartPanelExtended, public TSeriesHost {
    Q_OBJECT

public:
    explicit TCustomAxisPanel(QWidget* parent = nullptr);
    ~TCustomAxisPanel() override;

    // The chart takes the series over: it joins, gets a colour if it has none, is appended to
    // the drawing order and the chart repaints.
    TChartSeries& AddSeries(std::unique_ptr<TChartSeries> series);
    // Hands the series back to the caller; null when it is not in this chart.
    std::unique_ptr<TChartSeries> RemoveSeries(TChartSeries& series);
    int SeriesCount() const { return static_cast<int>(m_seriesList.size()); }
    // Index errors raise std::out_of_range.
    TChartSeries& Series(int index);
    const std::vector<std::unique_ptr<TChartSeries>>& SeriesList() const { return m_seriesList; }
    int ActiveSeriesCount() const;
    // Calls visit with each active series drawn against the axis, in drawing order.
    template <typename TVisit>
    void ForEachSeriesPlottedAgainst(const TCustomChartAxis& axis, const TVisit& visit) const {
        for (const auto& series : m_seriesList) {
            if (series->Active() && series->IsPlottedAgainst(axis)) {
                visit(*series);
            }
        }
    }

    TChartAxis& BottomAxis() { return *m_bottomAxis; }
    TChartAxis& TopAxis() { return *m_topAxis; }
    TChartAxis& LeftAxis() { return *m_leftAxis; }
    TChartAxis& RightAxis() { return *m_rightAxis; }
    TChartDepthAxis& DepthAxis() { return *m_depthAxis; }
    TSeriesAxis& HorizSeriesAxis(THorizAxis setting) override;
    TSeriesAxis& VertSeriesAxis(TVertAxis setting) override;

    // What the series and the chart's parts call back for; the panel's own answers.
    void RequestRepaint() override { Invalidate(); }
    TChartCanvas& Canvas() const override { return TCustomChartPanelExtended::Canvas(); }
    const TRect& ChartRect() const override { return TCustomChartPanelExtended::ChartRect(); }
    bool View3D() const override { return TCustomChartPanelExtended::View3D(); }
    // Layout and drawing order: bottom, top, left, right, depth.
    const std::vector<TCustomChartAxis*>& AxisList() const { return m_axisList; }

    bool AxisVisible() const { return m_axisVisible; }
    void SetAxisVisible(bool visible) { Set(m_axisVisible, visible); }
    bool ClipPoints() const { return m_clipPoints; }
    void SetClipPoints(bool clip) { Set(m_clipPoints, clip); }
    bool View3DWalls() const { return m_view3DWalls; }
    void SetView3DWalls(bool walls) { Set(m_view3DWalls, walls); }

    bool IsAxisShown(const TCustomChartAxis& axis) const;

    // Shifts every vertical axis by 3 % of its span per wheel step; positive steps turn the
    // wheel down and move the range towards larger values.
    void ScrollVerticalAxes(int steps);
    // Widens (positive steps) or narrows the range of every vertical or every horizontal axis by
    // a quarter per wheel step, keeping the value under the pixel where it is.
    enum class TZoomDirection { Vertical, Horizontal };
    void ZoomAxes(TZoomDirection direction, int steps, TPoint about);
    // Moves the axis ranges so that the data follows the mouse from one pixel to another.
    void PanAxes(TPoint from, TPoint to);
    // The range settings of every axis in axis-list order, and their return after wheel turns
    // and drags; a list of another length is ignored.
    std::vector<TAxisRange> AxisRanges() const;
    void RestoreAxisRanges(const std::vector<TAxisRange>& ranges);

protected:
    void InternalDraw(const TRect& bounds) override;
    virtual void DrawTitlesAndLegend() {}
    virtual void DrawWalls() {}
    void CalcAxisRect();
    void CalcSeriesRect();
    // Draws the series at a position (from 1) in the series list.
    void DrawSeries(TChartSeries& series, int position);

    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

    // The colour of the back wall, which a new series' palette colour must differ from.
    virtual TColor BackWallColor() const { return clUseSeriesColor; }

private:
    TColor ColorForNewSeries() const;
    TSeriesMargins MarginsFor(const TCustomChartAxis& axis) const;

    std::vector<std::unique_ptr<TChartSeries>> m_seriesList;
    std::unique_ptr<TChartAxis> m_bottomAxis;
    std::unique_ptr<TChartAxis> m_topAxis;
    std::unique_ptr<TChartAxis> m_leftAxis;
    std::unique_ptr<TChartAxis> m_rightAxis;
    std::unique_ptr<TChartDepthAxis> m_depthAxis;
    std::vector<TCustomChartAxis*> m_axisList;
    bool m_axisVisible = true;
    bool m_clipPoints = true;
    bool m_view3DWalls = true;
    bool m_panning = false;
    TPoint m_panFrom;
    int m_wheelRemainder = 0;
    int m_zoomRemainder = 0;
};
