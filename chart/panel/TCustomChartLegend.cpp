#include "TCustomChartLegend.h"

#include "ChartMath.h"
#include "LegendException.h"
#include "TChartCanvas.h"
#include "TChartSeries.h"
#include "TCustomChart.h"

#include <algorithm>

namespace {

// Gaps of the row layout, in pixels.
constexpr int kTextPad = 4;      // added to the widest text
constexpr int kSymbolGap = 4;    // between symbol and text, and box edge and symbol
constexpr int kSymbolSlack = 10; // added to the text width a vertical legend's symbol scales with
constexpr int kColumnPad = 8;

int Percent(int value, int percent) {
    return ChartMath::RoundToInt(value * percent * 0.01);
}

QString ValueText(const TChartSeries& series, int index, TLegendTextStyle style) {
    QString value = ChartMath::FormatAxisLabel(series.YValueAt(index));
    const QString label = series.PointLabel(index);
    double total = 0;
    for (int i = 0; i < series.PointCount(); ++i) {
        total += series.YValueAt(i);
    }
    const QString percent =
        total == 0 ? QString()
                   : ChartMath::FormatAxisLabel(series.YValueAt(index) * 100.0 / total) +
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
        return ChartMath::FormatAxisLabel(series.XValueAt(index));
    }
    return value;
}

} // namespace

TCustomChartLegend::TCustomChartLegend(TCustomChart& chart) : TChartFontObject(chart, clBlack) {
    m_brush.SetOnChange([this] { RequestRepaint(); });
    m_frame.SetOnChange([this] { RequestRepaint(); });
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

int TCustomChartLegend::WidestText(TChartCanvas& canvas, TItemRange items) const {
    int widest = 0;
    for (int i = items.First; i < items.First + items.Count; ++i) {
        widest = std::max(widest, canvas.MeasureTextWidth(ItemText(i)));
    }
    return widest;
}

void TCustomChartLegend::DrawLegend() {
    TCustomChart& chart = ParentChart();
    chart.SetChartRect(DrawLegendOn(chart.Canvas(), chart.ChartBounds(), chart.ChartRect()));
    chart.RecalcWidthHeight();
}

TRect TCustomChartLegend::DrawLegendOn(TChartCanvas& canvas, const TRect& chartBounds,
                                       TRect chartRect) {
    const int chartWidth = chartRect.Width();
    const int chartHeight = chartRect.Height();
    CalcEffectiveStyle();
    canvas.AssignFont(Font());
    m_fontH = canvas.TextLineHeight();
    m_itemCount = ItemCount();
    m_allWidth = WidestText(canvas, {m_firstValue, m_itemCount}) + kTextPad;
    m_symbolWidth = Percent(m_allWidth, m_colorWidth);
    if (IsVertical()) {
        LayOutVertical(canvas, chartBounds, chartRect);
    } else {
        LayOutHorizontal(chartBounds, chartRect);
    }
    if (m_onGetLegendRect) {
        m_onGetLegendRect(m_rect);
    }
    if (m_rowCount < 1) {
        return chartRect;
    }
    DrawShadowAndBox(canvas);
    PrepareRowPen(canvas);
    DrawRows(canvas);
    return ShrinkChart(chartRect, chartWidth, chartHeight);
}

void TCustomChartLegend::LayOutVertical(TChartCanvas& canvas, const TRect& chartBounds,
                                        const TRect& chartRect) {
    const int fw = m_frame.Width();
    m_rect.Top = chartBounds.Top + Percent(chartBounds.Height(), m_topPos);
    m_columnCount = 1;
    m_rowCount = m_rect.Top >= chartRect.Bottom || m_fontH <= 0
                     ? 0
                     : std::min(m_itemCount, (chartRect.Bottom - 2 * fw - m_rect.Top) / m_fontH);
    m_rect.Bottom = m_rect.Top + m_rowCount * m_fontH + 2;
    const int w = WidestText(canvas, {m_firstValue, std::max(0, m_rowCount)});
    const int frameOffset = m_frame.Visible() ? fw + 1 : 0;
    m_symbolWidth = Percent(w + kSymbolSlack, m_colorWidth);
    if (m_alignment == laRight) {
        m_rect.Right = chartRect.Right - frameOffset - m_shadowSize;
        m_textX = m_rect.Right - w - 2;
        m_symbolX = m_textX - m_symbolWidth - kSymbolGap;
        m_rect.Left = m_symbolX - kSymbolGap;
    } else {
        m_rect.Left = chartRect.Left + frameOffset;
        m_symbolX = m_rect.Left + kSymbolGap;
        m_textX = m_symbolX + m_symbolWidth + kSymbolGap;
        m_rect.Right = m_textX + w + 2;
    }
}

void TCustomChartLegend::LayOutHorizontal(const TRect& chartBounds, const TRect& chartRect) {
    const int fw = m_frame.Width();
    const int frameOffset = m_frame.Visible() ? fw + 1 : 0;
    const int chartWidth = chartRect.Width();
    m_columnCount = chartRect.Right <= kColumnPad
                        ? 0
                        : std::min(m_itemCount, (chartWidth - 2 * fw - kColumnPad) /
                                                    (m_allWidth + m_symbolWidth + kColumnPad));
    m_columnCount = std::max(0, m_columnCount);
    m_rowCount = m_columnCount == 0
                     ? 0
                     : std::min((m_itemCount + m_columnCount - 1) / m_columnCount, m_maxNumRows);
    const int height = m_rowCount * m_fontH + 2;
    if (m_alignment == laTop) {
        m_rect.Top = chartRect.Top + frameOffset;
        m_rect.Bottom = m_rect.Top + height;
    } else {
        m_rect.Bottom = chartRect.Bottom - m_shadowSize - frameOffset;
        m_rect.Top = m_rect.Bottom - height;
    }
    const int boxWidth = std::min(
        chartWidth,
        2 * m_shadowSize + (m_symbolWidth + m_allWidth + kSymbolGap) * m_columnCount + kColumnPad);
    const int shift = Percent(chartBounds.Width() - boxWidth, m_topPos);
    const int centre = chartRect.Left + chartWidth / 2;
    m_rect.Left = centre - boxWidth / 2 + shift;
    m_rect.Right = centre + boxWidth / 2 + shift;
    m_symbolX = m_rect.Left + kSymbolGap;
    m_textX = m_symbolX + m_symbolWidth + kSymbolGap;
}

// The shadow is a solid block offset by ShadowSize below and right of the box; the box is the
// legend rectangle grown by a visible frame's width, filled with the legend's brush.
void TCustomChartLegend::DrawShadowAndBox(TChartCanvas& canvas) {
    const bool frameVisible = m_frame.Visible();
    const int fw = m_frame.Width();
    canvas.ApplyChartPen(m_frame);
    if (frameVisible && m_frame.Color() == clUseSeriesColor) {
        canvas.Pen().SetColor(clBlack);
    }
    const TRect box = frameVisible ? m_rect.Inflated(fw, fw) : m_rect;
    const int reach = frameVisible ? m_shadowSize + fw + (fw - 1) / 2 : m_shadowSize - 1;
    if (m_shadowSize > 0) {
        canvas.Brush() = TChartBrush(m_shadowColor, TBrushStyle::bsSolid);
        canvas.FillRectangle({m_rect.Left + m_shadowSize, m_rect.Top + m_shadowSize,
                              m_rect.Right + reach, m_rect.Bottom + reach});
    }
    if (m_brush.Style() == TBrushStyle::bsSolid) {
        canvas.Brush() = TChartBrush(m_color, TBrushStyle::bsSolid);
    } else {
        canvas.Brush() = m_brush;
        canvas.SetBackMode(TBackMode::bmOpaque);
        canvas.SetBackColor(m_color);
    }
    canvas.DrawRectangleR(box);
}

// The pen the series find when they draw their symbols: black, or white on a black box.
void TCustomChartLegend::PrepareRowPen(TChartCanvas& canvas) const {
    canvas.Pen() = TChartPen(m_color == clBlack ? clWhite : clBlack, 1, TPenStyle::psSolid, true);
}

void TCustomChartLegend::DrawRows(TChartCanvas& canvas) {
    const int last = std::min(m_itemCount, m_rowCount * m_columnCount) + m_firstValue - 1;
    for (int i = m_firstValue; i <= last; ++i) {
        const int index = m_inverted ? last - (i - m_firstValue) : i;
        DrawRow(canvas, index, i - m_firstValue);
    }
}

void TCustomChartLegend::DrawRow(TChartCanvas& canvas, int index, int position) {
    if (position >= m_itemCount) {
        return;
    }
    const int column = IsVertical() ? 0 : position % m_columnCount;
    const int row = IsVertical() ? position : position / m_columnCount;
    int x = m_textX + column * (m_allWidth + m_symbolWidth + kSymbolGap);
    int y = m_rect.Top + 1 + row * m_fontH;
    int symbolX = m_symbolX;
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
    const TRect symbol{x - kSymbolGap - m_symbolWidth, y + 2, x - kSymbolGap, y + m_fontH - 2};
    DrawSymbol(canvas, index, symbol);
    if (position > 0 && m_dividingLines.Visible()) {
        const TChartPen rowPen = canvas.Pen();
        canvas.ApplyChartPen(m_dividingLines);
        canvas.SetBackMode(TBackMode::bmTransparent);
        if (IsVertical()) {
            canvas.DrawHorizLine(m_rect.Left, m_rect.Right, y);
        } else {
            canvas.DrawVertLine(symbol.Left - kSymbolGap, m_rect.Top, m_rect.Bottom);
        }
        canvas.Pen() = rowPen;
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

// The plot gives up the box (when ResizeChart is on) and, in any case, a gap: HorizMargin or 3 %
// of the plot width beside a vertical legend, VertMargin or 4 % of its height for a horizontal one.
TRect TCustomChartLegend::ShrinkChart(TRect chartRect, int chartWidth, int chartHeight) const {
    const int horizGap = m_horizMargin != 0 ? m_horizMargin : ChartMath::MulDiv(3, chartWidth, 100);
    const int vertGap = m_vertMargin != 0 ? m_vertMargin : ChartMath::MulDiv(4, chartHeight, 100);
    switch (m_alignment) {
    case laRight:
        if (m_resizeChart) {
            chartRect.Right = m_rect.Left;
        }
        chartRect.Right -= horizGap;
        break;
    case laLeft:
        if (m_resizeChart) {
            chartRect.Left = m_rect.Right;
        }
        chartRect.Left += horizGap;
        break;
    case laTop:
        if (m_resizeChart) {
            chartRect.Top = m_rect.Bottom + m_shadowSize;
        }
        chartRect.Top += vertGap;
        break;
    case laBottom:
        if (m_resizeChart) {
            chartRect.Bottom = m_rect.Top;
        }
        chartRect.Bottom -= vertGap;
        break;
    }
    return chartRect;
}

int TCustomChartLegend::RowAt(TPoint point) const {
    if (m_rowCount < 1 || m_fontH <= 0 || !m_rect.Contains(point)) {
        return -1;
    }
    const int row = (point.Y - m_rect.Top - 1) / m_fontH;
    if (row < 0 || row >= m_rowCount) {
        return -1;
    }
    int position = row;
    if (!IsVertical() && m_columnCount > 0) {
        const int column =
            (point.X - m_symbolX) / std::max(1, m_allWidth + m_symbolWidth + kSymbolGap);
        position = row * m_columnCount + std::clamp(column, 0, m_columnCount - 1);
    }
    return position < m_itemCount ? position + m_firstValue : -1;
}
