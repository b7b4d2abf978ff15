#include "TCustomChartLegend.h"

#include "ChartMath.h"
#include "LegendException.h"
#include "LegendLayout.h"
#include "TCanvasStateGuard.h"
#include "TChartCanvas.h"
#include "TChartSeries.h"
#include "TCustomChart.h"

#include <algorithm>

namespace {

using Armalyx::LegendLayout::kSymbolGap;

QString ValueText(const TChartSeries& series, int index, TLegendTextStyle style) {
    QString value = Armalyx::ChartMath::FormatAxisLabel(series.YValueAt(index));
    const QString label = series.PointLabel(index);
    double total = 0;
    for (int i = 0; i < series.PointCount(); ++i) {
        total += series.YValueAt(i);
    }
    const QString percent =
        total == 0 ? QString()
                   : Armalyx::ChartMath::FormatAxisLabel(series.YValueAt(index) * 100.0 / total) +
                         QStringLiteral(" %");
    switch (style) {
    case ltsPlain:
        return label.isEmpty() ? value : label;
    case ltsLeftValue:
        return label.isEmpty() ? value : value + QLatin1Char(' ') + label;
    case ltsRightValue:
        return label.isEmpty() ? value : label + QLatin1Char(' ') + value;
    case ltsLeftPercent:
        return label.isEmpty() ? percent : percent + QLatin1Char(' ') + label;
    case ltsRightPercent:
        return label.isEmpty() ? percent : label + QLatin1Char(' ') + percent;
    case ltsXValue:
        return Armalyx::ChartMath::FormatAxisLabel(series.XValueAt(index));
    }
    return value;
}

} // namespace

TCustomChartLegend::TCustomChartLegend(TCustomChart& chart)
    : TChartBoxedObject(chart, clBlack, clWhite, TChartPen()) {
    m_dividingLines.SetOnChange([this] { RequestRepaint(); });
}

void TCustomChartLegend::SetLegendStyle(TLegendStyle value) {
    if (m_legendStyle != value) {
        m_legendStyle = value;
        CalcEffectiveStyle();
        RequestRepaint();
    }
}

void TCustomChartLegend::SetColorWidth(int value) {
    if (value < 0 || value > 100) {
        throw LegendException(QStringLiteral("Legend Color Width must be between 0 and 100 %"));
    }
    Set(m_colorWidth, value);
}

void TCustomChartLegend::SetTopPos(int value) {
    if (value < 0 || value > 100) {
        throw LegendException(QStringLiteral("Top Legend Position must be between 0 and 100 %"));
    }
    Set(m_topPos, value);
}

void TCustomChartLegend::SetFirstValue(int value) {
    if (value < 0) {
        throw LegendException(QStringLiteral("First Legend Value must be > 0"));
    }
    Set(m_firstValue, value);
}

void TCustomChartLegend::CalcEffectiveStyle() {
    if (m_legendStyle != lsAuto) {
        m_effectiveStyle = m_legendStyle;
        return;
    }
    m_effectiveStyle = ParentChart().ActiveSeriesCount() >= 2 ? lsSeries : lsValues;
}

std::vector<TChartSeries*> TCustomChartLegend::Candidates() const {
    std::vector<TChartSeries*> candidates;
    for (const auto& series : ParentChart().SeriesList()) {
        if (series->Active() && series->ShowInLegend()) {
            candidates.push_back(series.get());
        }
    }
    return candidates;
}

TChartSeries* TCustomChartLegend::FirstActiveSeries() const {
    for (const auto& series : ParentChart().SeriesList()) {
        if (series->Active()) {
            return series.get();
        }
    }
    return nullptr;
}

int TCustomChartLegend::ItemCount() const {
    int count = 0;
    if (m_effectiveStyle == lsValues) {
        const TChartSeries* series = FirstActiveSeries();
        count = series != nullptr && series->ShowInLegend() ? series->PointCount() : 0;
    } else {
        count = static_cast<int>(Candidates().size());
    }
    return std::max(0, count - m_firstValue);
}

TChartSeries* TCustomChartLegend::ItemSeries(int index) const {
    if (m_effectiveStyle == lsValues) {
        return nullptr;
    }
    const std::vector<TChartSeries*> candidates = Candidates();
    if (index < 0 || index >= static_cast<int>(candidates.size())) {
        return nullptr;
    }
    return candidates[static_cast<std::size_t>(index)];
}

// A value row's text is one line: line separators become spaces. The last-value legend labels
// each row with the last point of the series the row's symbol stands for.
QString TCustomChartLegend::ItemText(int index) const {
    QString text;
    if (m_effectiveStyle == lsSeries) {
        if (const TChartSeries* series = ItemSeries(index)) {
            text = !series->Title().isEmpty()  ? series->Title()
                   : !series->Name().isEmpty() ? series->Name()
                                               : QStringLiteral("Series ") + QString::number(index);
        }
    } else if (m_effectiveStyle == lsValues) {
        const TChartSeries* series = FirstActiveSeries();
        if (series != nullptr && index >= 0 && index < series->PointCount()) {
            text = ValueText(*series, index, m_textStyle);
        }
    } else if (const TChartSeries* series = ItemSeries(index);
               series != nullptr && series->PointCount() > 0) {
        text = ValueText(*series, series->PointCount() - 1, m_textStyle);
    }
    text.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    if (m_onGetLegendText) {
        m_onGetLegendText(index, text);
    }
    return text;
}

std::vector<int> TCustomChartLegend::ItemTextWidths(TChartCanvas& canvas, int itemCount) const {
    std::vector<int> widths;
    widths.reserve(static_cast<std::size_t>(std::max(0, itemCount)));
    for (int i = m_firstValue; i < m_firstValue + itemCount; ++i) {
        widths.push_back(canvas.MeasureTextWidth(ItemText(i)));
    }
    return widths;
}

void TCustomChartLegend::DrawLegend() {
    TCustomChart& chart = ParentChart();
    chart.SetChartRect(DrawLegendOn(chart.Canvas(), chart.ChartBounds(), chart.ChartRect()));
    chart.RecalcWidthHeight();
}

TRect TCustomChartLegend::DrawLegendOn(TChartCanvas& canvas, const TRect& chartBounds,
                                       TRect chartRect) {
    CalcEffectiveStyle();
    canvas.AssignFont(Font());
    Armalyx::LegendLayout::TInput input;
    input.Alignment = m_alignment;
    input.ChartBounds = chartBounds;
    input.ChartRect = chartRect;
    input.FontH = canvas.TextLineHeight();
    input.FirstValue = m_firstValue;
    input.TextWidths = ItemTextWidths(canvas, ItemCount());
    input.ColorWidth = m_colorWidth;
    input.TopPos = m_topPos;
    input.MaxNumRows = m_maxNumRows;
    input.ShadowSize = m_shadowSize;
    input.FrameVisible = Frame().Visible();
    input.FrameWidth = Frame().Width();
    m_layout = Armalyx::LegendLayout::LayOut(input);
    if (m_onGetLegendRect) {
        m_onGetLegendRect(m_layout.Rect);
    }
    if (m_layout.RowCount < 1) {
        return chartRect;
    }
    DrawShadowAndBox(canvas, m_layout.Rect);
    PrepareRowPen(canvas);
    DrawRows(canvas, m_layout);
    return Armalyx::LegendLayout::ChartRectBeside({m_alignment, chartRect, m_layout.Rect,
                                                   m_resizeChart, m_horizMargin, m_vertMargin,
                                                   m_shadowSize});
}

// The shadow is a solid block offset by ShadowSize below and right of the box; the box is the
// legend rectangle grown by a visible frame's width, filled with the legend's brush.
void TCustomChartLegend::DrawShadowAndBox(TChartCanvas& canvas, const TRect& rect) {
    const bool frameVisible = Frame().Visible();
    const int fw = Frame().Width();
    canvas.ApplyChartPen(Frame());
    if (frameVisible && Frame().Color() == clUseSeriesColor) {
        canvas.Pen().SetColor(clBlack);
    }
    const TRect box = frameVisible ? rect.Inflated(fw, fw) : rect;
    const int reach = frameVisible ? m_shadowSize + fw + (fw - 1) / 2 : m_shadowSize - 1;
    if (m_shadowSize > 0) {
        canvas.Brush() = TChartBrush(m_shadowColor, TBrushStyle::bsSolid);
        canvas.FillRectangle({rect.Left + m_shadowSize, rect.Top + m_shadowSize, rect.Right + reach,
                              rect.Bottom + reach});
    }
    if (Brush().Style() == TBrushStyle::bsSolid) {
        canvas.Brush() = TChartBrush(Color(), TBrushStyle::bsSolid);
    } else {
        canvas.Brush() = Brush();
        canvas.SetBackMode(TBackMode::bmOpaque);
        canvas.SetBackColor(Color());
    }
    canvas.DrawRectangleR(box);
}

// The pen the series find when they draw their symbols: black, or white on a black box.
void TCustomChartLegend::PrepareRowPen(TChartCanvas& canvas) const {
    canvas.Pen() = TChartPen(Color() == clBlack ? clWhite : clBlack, 1, TPenStyle::psSolid, true);
}

void TCustomChartLegend::DrawRows(TChartCanvas& canvas,
                                  const Armalyx::LegendLayout::TLayout& layout) {
    const int first = layout.FirstValue;
    const int last = std::min(layout.ItemCount, layout.RowCount * layout.ColumnCount) + first - 1;
    for (int i = first; i <= last; ++i) {
        const int index = m_inverted ? last - (i - first) : i;
        DrawRow(canvas, layout, index, i - first);
    }
}

void TCustomChartLegend::DrawRow(TChartCanvas& canvas, const Armalyx::LegendLayout::TLayout& layout,
                                 int index, int position) {
    if (position >= layout.ItemCount) {
        return;
    }
    const TPoint origin = layout.RowOrigin(position);
    int x = origin.X;
    int y = origin.Y;
    int symbolX = layout.SymbolX;
    if (m_onGetLegendPos) {
        m_onGetLegendPos(index, x, y, symbolX);
    }
    const QString text = ItemText(index);
    if (text.isEmpty()) {
        return;
    }
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    canvas.SetBackMode(TBackMode::bmTransparent);
    canvas.SetTextAlignment(kTextAlignLeft | kTextAlignTop);
    canvas.WriteText(x, y, text);
    const int symbolWidth = layout.SymbolWidth;
    const TRect symbol{x - kSymbolGap - symbolWidth, y + 2, x - kSymbolGap, y + layout.FontH - 2};
    DrawSymbol(canvas, index, symbol);
    if (position > 0 && m_dividingLines.Visible()) {
        const Armalyx::TCanvasStateGuard rowState(canvas);
        canvas.ApplyChartPen(m_dividingLines);
        canvas.SetBackMode(TBackMode::bmTransparent);
        if (layout.Vertical) {
            canvas.DrawHorizLine(layout.Rect.Left, layout.Rect.Right, y);
        } else {
            canvas.DrawVertLine(symbol.Left - kSymbolGap, layout.Rect.Top, layout.Rect.Bottom);
        }
    }
}

void TCustomChartLegend::DrawSymbol(TChartCanvas& canvas, int index, const TRect& symbol) {
    if (m_effectiveStyle == lsValues) {
        if (TChartSeries* series = FirstActiveSeries()) {
            canvas.Brush() = TChartBrush(series->PointColor(index), TBrushStyle::bsSolid);
            series->DrawLegendSymbol(canvas, index, symbol);
            return;
        }
    } else if (TChartSeries* series = ItemSeries(index)) {
        canvas.Brush() = TChartBrush(series->SeriesColor(), TBrushStyle::bsSolid);
        series->DrawLegendSymbol(canvas, -1, symbol);
        return;
    }
    canvas.Brush() = TChartBrush(clWhite, TBrushStyle::bsSolid);
    canvas.DrawRectangleR(symbol);
}

int TCustomChartLegend::RowAt(TPoint point) const {
    return m_layout.ItemAt(point);
}
