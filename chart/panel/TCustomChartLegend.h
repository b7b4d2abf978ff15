#pragma once
// The legend: a framed box beside the plot with one row per series (or per point of the one
// active series), each row a symbol drawn by its series and a text. Drawing the legend takes its
// width and a gap out of the plot rectangle so that axes and curves never run under it.

#include "LegendLayout.h"
#include "TChartBoxedObject.h"
#include "TChartBrush.h"
#include "TChartGeometry.h"
#include "TChartPen.h"
#include "TLegendTypes.h"

#include <QString>

#include <functional>
#include <vector>

class TChartCanvas;
class TChartSeries;

class TCustomChartLegend : public TChartBoxedObject {
public:
    using TGetLegendRect = std::function<void(TRect& rect)>;
    using TGetLegendPos = std::function<void(int index, int& x, int& y, int& symbolX)>;
    using TGetLegendText = std::function<void(int index, QString& text)>;

    explicit TCustomChartLegend(TCustomChart& chart);

    bool Visible() const { return m_visible; }
    void SetVisible(bool value) { Set(m_visible, value); }
    TLegendAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TLegendAlignment value) { Set(m_alignment, value); }
    TLegendStyle LegendStyle() const { return m_legendStyle; }
    void SetLegendStyle(TLegendStyle value);
    TLegendTextStyle TextStyle() const { return m_textStyle; }
    void SetTextStyle(TLegendTextStyle value) { Set(m_textStyle, value); }
    TColor ShadowColor() const { return m_shadowColor; }
    void SetShadowColor(TColor value) { Set(m_shadowColor, value); }
    int ShadowSize() const { return m_shadowSize; }
    void SetShadowSize(int value) { Set(m_shadowSize, value); }
    int ColorWidth() const { return m_colorWidth; }
    void SetColorWidth(int value);
    int TopPos() const { return m_topPos; }
    void SetTopPos(int value);
    int FirstValue() const { return m_firstValue; }
    void SetFirstValue(int value);
    int MaxNumRows() const { return m_maxNumRows; }
    void SetMaxNumRows(int value) { Set(m_maxNumRows, value); }
    bool Inverted() const { return m_inverted; }
    void SetInverted(bool value) { Set(m_inverted, value); }
    bool ResizeChart() const { return m_resizeChart; }
    void SetResizeChart(bool value) { Set(m_resizeChart, value); }
    int HorizMargin() const { return m_horizMargin; }
    void SetHorizMargin(int value) { Set(m_horizMargin, value); }
    int VertMargin() const { return m_vertMargin; }
    void SetVertMargin(int value) { Set(m_vertMargin, value); }
    TChartPen& DividingLines() { return m_dividingLines; }
    const TChartPen& DividingLines() const { return m_dividingLines; }
    void SetDividingLines(const TChartPen& pen) { m_dividingLines = pen; }

    void SetOnGetLegendRect(TGetLegendRect hook) { m_onGetLegendRect = std::move(hook); }
    void SetOnGetLegendPos(TGetLegendPos hook) { m_onGetLegendPos = std::move(hook); }
    void SetOnGetLegendText(TGetLegendText hook) { m_onGetLegendText = std::move(hook); }

    bool IsVertical() const { return Armalyx::LegendLayout::IsVertical(m_alignment); }
    // What the rows stand for: LegendStyle, with lsAuto resolved by the number of active series.
    TLegendStyle EffectiveStyle() const { return m_effectiveStyle; }
    void CalcEffectiveStyle();
    int ItemCount() const;
    QString ItemText(int index) const;
    // The series that item index stands for in a series legend; null for value legends.
    TChartSeries* ItemSeries(int index) const;
    // The row under a point of the last drawn legend, or -1.
    int RowAt(TPoint point) const;

    // Lays out and draws through the chart's surface, then narrows the chart's plot rectangle.
    void DrawLegend();
    // Lays out and draws the legend on the surface, given the chart's rectangles before the
    // legend, and answers the plot rectangle that is left beside it.
    TRect DrawLegendOn(TChartCanvas& canvas, const TRect& chartBounds, TRect chartRect);

    // The last layout: the legend rectangle without frame and shadow, and its rows.
    const Armalyx::LegendLayout::TLayout& Layout() const { return m_layout; }
    const TRect& LegendRect() const { return m_layout.Rect; }
    int RowCount() const { return m_layout.RowCount; }
    int ColumnCount() const { return m_layout.ColumnCount; }
    int SymbolWidth() const { return m_layout.SymbolWidth; }

private:
    std::vector<TChartSeries*> Candidates() const;
    TChartSeries* FirstActiveSeries() const;
    // The text widths of the items from FirstValue on, in the surface's current font.
    std::vector<int> ItemTextWidths(TChartCanvas& canvas, int itemCount) const;
    void DrawShadowAndBox(TChartCanvas& canvas, const TRect& rect);
    void PrepareRowPen(TChartCanvas& canvas) const;
    void DrawRows(TChartCanvas& canvas, const Armalyx::LegendLayout::TLayout& layout);
    void DrawRow(TChartCanvas& canvas, const Armalyx::LegendLayout::TLayout& layout, int index,
                 int position);
    void DrawSymbol(TChartCanvas& canvas, int index, const TRect& symbol);

    bool m_visible = true;
    TLegendAlignment m_alignment = laRight;
    TLegendStyle m_legendStyle = lsAuto;
    TLegendTextStyle m_textStyle = ltsLeftValue;
    TColor m_shadowColor = clBlack;
    int m_shadowSize = 3;
    int m_colorWidth = 12;
    int m_topPos = 10;
    int m_firstValue = 0;
    int m_maxNumRows = 10;
    bool m_inverted = false;
    bool m_resizeChart = true;
    int m_horizMargin = 0;
    int m_vertMargin = 0;
    TChartHiddenPen m_dividingLines;
    TGetLegendRect m_onGetLegendRect;
    TGetLegendPos m_onGetLegendPos;
    TGetLegendText m_onGetLegendText;

    // Working fields, recomputed by every drawing: the resolved style and the last layout.
    TLegendStyle m_effectiveStyle = lsSeries;
    Armalyx::LegendLayout::TLayout m_layout;
};
