#include "TCustomChartPanel.h"

TCustomChartPanel::TCustomChartPanel(QWidget* parent) : QWidget(parent) {
    // The chart paints every pixel itself: no background erase between frames.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setAutoFillBackground(false);
    resize(400, 250);
    m_invalidationAllowed = true;
}

TCustomChartPanel::~TCustomChartPanel() = default;

void TCustomChartPanel::SetColor(TColor color) {
    Set(m_color, color);
}
void TCustomChartPanel::SetBevelOuter(TPanelBevel bevel) {
    Set(m_bevelOuter, bevel);
}
void TCustomChartPanel::SetBevelInner(TPanelBevel bevel) {
    Set(m_bevelInner, bevel);
}
void TCustomChartPanel::SetBevelWidth(int width) {
    Set(m_bevelWidth, width);
}
void TCustomChartPanel::SetBorderWidth(int width) {
    Set(m_borderWidth, width);
}
void TCustomChartPanel::SetMarginLeft(int percent) {
    Set(m_margins.Left, percent);
}
void TCustomChartPanel::SetMarginTop(int percent) {
    Set(m_margins.Top, percent);
}
void TCustomChartPanel::SetMarginRight(int percent) {
    Set(m_margins.Right, percent);
}
void TCustomChartPanel::SetMarginBottom(int percent) {
    Set(m_margins.Bottom, percent);
}
void TCustomChartPanel::SetView3D(bool view3D) {
    Set(m_view3D, view3D);
}
void TCustomChartPanel::SetChart3DPercent(int percent) {
    Set(m_chart3DPercent, percent);
}

void TCustomChartPanel::EndLoading() {
    if (m_loadingDepth > 0) {
        --m_loadingDepth;
    }
}

void TCustomChartPanel::ApplyMargins() {
    m_chartRect = ChartMath::RectAfterMargins(m_chartBounds, m_margins, m_borderWidth);
}

void TCustomChartPanel::RecalcWidthHeight() {
    m_chartRect = ChartMath::KeepRectUpright(m_chartRect, m_chartBounds, width(), height());
    m_chartWidth = m_chartRect.Width();
    m_chartHeight = m_chartRect.Height();
    m_chartXCenter = (m_chartRect.Left + m_chartRect.Right) / 2;
    m_chartYCenter = (m_chartRect.Top + m_chartRect.Bottom) / 2;
}

void TCustomChartPanel::Invalidate() {
    if (!m_invalidationAllowed) {
        return;
    }
    ++m_repaintRequests;
    BufferInvalidated();
    update();
}
