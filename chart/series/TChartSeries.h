#pragma once
// The base of every series: the points as parallel lists of x, y, colour and label, the series'
// own colour and title, and the link to the chart that draws it. No series operation draws:
// changes only ask the chart to repaint.

#include "StoreIfChanged.h"
#include "TChartColors.h"
#include "TChartGeometry.h"
#include "TChartValueList.h"
#include "TSeriesAxis.h"
#include "TSeriesHost.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

class TChartCanvas;

// Pixel room a series asks its axes to keep free at the two ends of their span.
struct TSeriesMargins {
    int Start = 0;
    int End = 0;
};

class TChartSeries {
public:
    using TBeforeAddEvent = std::function<bool(TChartSeries&)>;
    using TAfterAddEvent = std::function<void(TChartSeries&, std::int32_t)>;
    using TSeriesEvent = std::function<void(TChartSeries&)>;

    TChartSeries();
    virtual ~TChartSeries();
    TChartSeries(const TChartSeries&) = delete;
    TChartSeries& operator=(const TChartSeries&) = delete;

    // Returns the index of the new point, or -1 when OnBeforeAdd refused it.
    std::int32_t AddPoint(double x, double y, const QString& label, TColor color);
    void ClearPoints();
    std::int32_t PointCount() const { return m_xValues.ValueCount(); }
    double XValueAt(std::int32_t i) const { return m_xValues.ValueAt(i); }
    double YValueAt(std::int32_t i) const { return m_yValues.ValueAt(i); }
    // Never fail: indices without a stored colour or label fall back to SeriesColor / "".
    TColor PointColor(std::int32_t i) const;
    QString PointLabel(std::int32_t i) const;
    bool IsNull(std::int32_t i) const { return PointColor(i) == clNone; }

    double XMinimum() const { return m_xValues.MinimumValue(); }
    double XMaximum() const { return m_xValues.MaximumValue(); }
    double YMinimum() const { return m_yValues.MinimumValue(); }
    double YMaximum() const { return m_yValues.MaximumValue(); }

    TChartValueList& XValues() { return m_xValues; }
    TChartValueList& YValues() { return m_yValues; }
    const TChartValueList& XValues() const { return m_xValues; }
    const TChartValueList& YValues() const { return m_yValues; }
    const std::vector<TChartValueList*>& ValueLists() const { return m_valueLists; }

    const QString& Title() const { return m_title; }
    void SetTitle(const QString& title);
    TColor SeriesColor() const { return m_seriesColor; }
    void SetSeriesColor(TColor color);
    bool Active() const { return m_active; }
    void SetActive(bool active);
    bool ShowInLegend() const { return m_showInLegend; }
    void SetShowInLegend(bool show);
    bool ColorEachPoint() const { return m_colorEachPoint; }
    void SetColorEachPoint(bool colorEachPoint);
    const QString& ValueFormat() const { return m_valueFormat; }
    void SetValueFormat(const QString& format);
    const QString& PercentFormat() const { return m_percentFormat; }
    void SetPercentFormat(const QString& format);
    THorizAxis HorizAxis() const { return m_horizAxis; }
    void SetHorizAxis(THorizAxis axis);
    TVertAxis VertAxis() const { return m_vertAxis; }
    void SetVertAxis(TVertAxis axis);
    // The component name the layout gives the series, e.g. "Series1".
    const QString& Name() const { return m_name; }
    void SetName(const QString& name) { m_name = name; }

    TBeforeAddEvent OnBeforeAdd;
    TAfterAddEvent OnAfterAdd;
    TSeriesEvent OnClearValues;
    TSeriesEvent BeforeDrawValues;
    TSeriesEvent AfterDrawValues;

    TSeriesHost* ParentChart() const { return m_parentChart; }
    // The axes the series is mapped through; null while it belongs to no chart.
    TSeriesAxis* GetHorizAxis() const { return m_horizAxisObject; }
    TSeriesAxis* GetVertAxis() const { return m_vertAxisObject; }
    bool IsPlottedAgainst(const TSeriesAxis& axis) const;

    void RequestRepaint() const;

    std::int32_t FirstVisibleIndex() const { return m_firstVisibleIndex; }
    std::int32_t LastVisibleIndex() const { return m_lastVisibleIndex; }
    void UpdateVisibleRange();

    // What the chart asks of a series while it lays out and draws a frame.
    virtual bool UsesAxes() const { return true; }
    virtual bool YMandatory() const { return true; }
    virtual TSeriesMargins RequestHorizMargins() const { return {}; }
    virtual TSeriesMargins RequestVertMargins() const { return {}; }
    virtual void PrepareForDrawing() {}
    virtual void DrawVisiblePoints() {}
    virtual bool MarksVisible() const { return false; }
    virtual void DrawMarks() {}
    // The legend row's symbol, drawn on the canvas inside rect; the legend has set the brush to
    // the series' colour (or the point's, for a value legend row). valueIndex is -1 for the
    // whole series. The default is a box filled with that brush and outlined with the pen.
    virtual void DrawLegendSymbol(TChartCanvas& canvas, std::int32_t valueIndex, const TRect& rect);

protected:
    // Stores a changed setting and asks the chart to repaint; an equal value does nothing.
    template <typename T> void Set(T& field, const T& value) {
        Armalyx::StoreAndRepaint(field, value, [this] { RequestRepaint(); });
    }
    // A line-type series keeps the first point at or beyond the right edge, so that its line
    // runs on to the edge of the plot and is clipped there.
    virtual bool KeepsPointBeyondRightEdge() const { return true; }
    virtual void PointsCleared() {}

private:
    friend class TChartValueList;
    friend class TCustomAxisPanel;

    void RegisterValueList(TChartValueList& list) { m_valueLists.push_back(&list); }
    // Called by the chart when the series joins or leaves it.
    void AttachToChart(TSeriesHost* chart);
    void ResolveAxes();
    std::pair<double, double> VisibleXRange() const;

    std::vector<TChartValueList*> m_valueLists;
    TChartValueList m_xValues;
    TChartValueList m_yValues;
    std::vector<TColor> m_pointColors;
    std::vector<std::optional<QString>> m_pointLabels;

    QString m_title;
    QString m_name;
    TColor m_seriesColor = clUseSeriesColor;
    bool m_active = true;
    bool m_showInLegend = true;
    bool m_colorEachPoint = false;
    QString m_valueFormat = QStringLiteral("#,##0.###");
    QString m_percentFormat = QStringLiteral("##0.## %");
    THorizAxis m_horizAxis = aBottomAxis;
    TVertAxis m_vertAxis = aLeftAxis;

    TSeriesHost* m_parentChart = nullptr;
    TSeriesAxis* m_horizAxisObject = nullptr;
    TSeriesAxis* m_vertAxisObject = nullptr;
    std::int32_t m_firstVisibleIndex = -1;
    std::int32_t m_lastVisibleIndex = -1;
};
