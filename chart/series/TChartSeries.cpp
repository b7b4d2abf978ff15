#include "TChartSeries.h"

#include "TChartCanvas.h"

#include <utility>

TChartSeries::TChartSeries()
    : m_xValues(*this, QStringLiteral("X"), loAscending),
      m_yValues(*this, QStringLiteral("Y"), loNone) {}

TChartSeries::~TChartSeries() = default;

std::int32_t TChartSeries::AddPoint(double x, double y, const QString& label, TColor color) {
    if (OnBeforeAdd && !OnBeforeAdd(*this)) {
        return -1;
    }
    const std::int32_t index = m_xValues.InsertSorted(x);
    m_yValues.InsertAt(index, y);
    // Values added to the lists directly have no colour or label of their own: the lists are
    // filled up to the new point so that colours and labels stay with their points.
    const auto position = static_cast<std::size_t>(index);
    if (m_pointColors.size() < position) {
        m_pointColors.resize(position, clUseSeriesColor);
    }
    if (m_pointLabels.size() < position) {
        m_pointLabels.resize(position);
    }
    m_pointColors.insert(m_pointColors.begin() + index, color);
    m_pointLabels.insert(m_pointLabels.begin() + index,
                         label.isEmpty() ? std::nullopt : std::optional<QString>(label));
    if (OnAfterAdd) {
        OnAfterAdd(*this, index);
    }
    if (m_active) {
        RequestRepaint();
    }
    return index;
}

void TChartSeries::ClearPoints() {
    for (TChartValueList* list : m_valueLists) {
        list->RemoveAllValues();
    }
    m_pointColors.clear();
    m_pointColors.shrink_to_fit();
    m_pointLabels.clear();
    m_pointLabels.shrink_to_fit();
    PointsCleared();
    if (OnClearValues) {
        OnClearValues(*this);
    }
    if (m_active && m_parentChart != nullptr) {
        RequestRepaint();
    }
}

TColor TChartSeries::PointColor(std::int32_t i) const {
    if (i < 0 || static_cast<std::size_t>(i) >= m_pointColors.size()) {
        return m_seriesColor;
    }
    const TColor stored = m_pointColors[static_cast<std::size_t>(i)];
    if (stored != clUseSeriesColor) {
        return stored;
    }
    return m_colorEachPoint ? Armalyx::PaletteColor(i) : m_seriesColor;
}

QString TChartSeries::PointLabel(std::int32_t i) const {
    if (i < 0 || static_cast<std::size_t>(i) >= m_pointLabels.size()) {
        return {};
    }
    return m_pointLabels[static_cast<std::size_t>(i)].value_or(QString());
}

void TChartSeries::SetTitle(const QString& title) {
    Set(m_title, title);
}

void TChartSeries::SetSeriesColor(TColor color) {
    Set(m_seriesColor, color);
}

void TChartSeries::SetActive(bool active) {
    Set(m_active, active);
}

void TChartSeries::SetShowInLegend(bool show) {
    Set(m_showInLegend, show);
}

void TChartSeries::SetColorEachPoint(bool colorEachPoint) {
    Set(m_colorEachPoint, colorEachPoint);
}

void TChartSeries::SetValueFormat(const QString& format) {
    Set(m_valueFormat, format);
}

void TChartSeries::SetPercentFormat(const QString& format) {
    Set(m_percentFormat, format);
}

void TChartSeries::SetHorizAxis(THorizAxis axis) {
    if (m_horizAxis != axis) {
        m_horizAxis = axis;
        ResolveAxes();
        RequestRepaint();
    }
}

void TChartSeries::SetVertAxis(TVertAxis axis) {
    if (m_vertAxis != axis) {
        m_vertAxis = axis;
        ResolveAxes();
        RequestRepaint();
    }
}

void TChartSeries::RequestRepaint() const {
    if (m_parentChart != nullptr) {
        m_parentChart->RequestRepaint();
    }
}

void TChartSeries::AttachToChart(TSeriesHost* chart) {
    m_parentChart = chart;
    ResolveAxes();
}

void TChartSeries::ResolveAxes() {
    if (m_parentChart == nullptr) {
        m_horizAxisObject = nullptr;
        m_vertAxisObject = nullptr;
        return;
    }
    m_horizAxisObject = &m_parentChart->HorizSeriesAxis(m_horizAxis);
    m_vertAxisObject = &m_parentChart->VertSeriesAxis(m_vertAxis);
}

bool TChartSeries::IsPlottedAgainst(const TSeriesAxis& axis) const {
    switch (axis.Kind()) {
    case TAxisKind::Bottom:
        return m_horizAxis == aBothHorizAxis || m_horizAxis != aTopAxis;
    case TAxisKind::Top:
        return m_horizAxis == aBothHorizAxis || m_horizAxis == aTopAxis;
    case TAxisKind::Left:
        return m_vertAxis == aBothVertAxis || m_vertAxis != aRightAxis;
    case TAxisKind::Right:
        return m_vertAxis == aBothVertAxis || m_vertAxis == aRightAxis;
    case TAxisKind::Depth:
        return false;
    }
    return false;
}

std::pair<double, double> TChartSeries::VisibleXRange() const {
    const TRect& rect = m_parentChart->ChartRect();
    const double atLeft = m_horizAxisObject->PixelToValue(rect.Left);
    const double atRight = m_horizAxisObject->PixelToValue(rect.Right);
    return m_horizAxisObject->Inverted() ? std::pair{atRight, atLeft} : std::pair{atLeft, atRight};
}

void TChartSeries::UpdateVisibleRange() {
    m_firstVisibleIndex = -1;
    m_lastVisibleIndex = -1;
    const std::int32_t count = PointCount();
    if (count == 0) {
        return;
    }
    const std::int32_t last = count - 1;
    if (m_xValues.Order() == loNone || m_horizAxisObject == nullptr) {
        m_firstVisibleIndex = 0;
        m_lastVisibleIndex = last;
        return;
    }
    const auto [lo, hi] = VisibleXRange();
    std::int32_t first = 0;
    while (first <= last && XValueAt(first) < lo) {
        ++first;
    }
    if (first > last) {
        return;
    }
    m_firstVisibleIndex = first;
    if (XValueAt(last) <= hi) {
        m_lastVisibleIndex = last;
        return;
    }
    std::int32_t end = first;
    while (end < last && XValueAt(end) < hi) {
        ++end;
    }
    if (!KeepsPointBeyondRightEdge() && XValueAt(end) > hi) {
        --end;
    }
    m_lastVisibleIndex = end;
    if (m_lastVisibleIndex < m_firstVisibleIndex) {
        m_firstVisibleIndex = m_lastVisibleIndex = -1;
    }
}

void TChartSeries::DrawLegendSymbol(TChartCanvas& canvas, std::int32_t /*valueIndex*/,
                                    const TRect& rect) {
    canvas.DrawRectangleR(rect);
}
