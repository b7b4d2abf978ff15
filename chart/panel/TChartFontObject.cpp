#include "TChartFontObject.h"

#include "TCustomChart.h"

TChartFontObject::TChartFontObject(TCustomChart& chart, TColor fontColor)
    : m_chart(chart), m_font(kChartDefaultFontName, kChartDefaultFontSize, fontColor) {
    m_font.SetOnChange([this] { RequestRepaint(); });
}

void TChartFontObject::RequestRepaint() const {
    m_chart.Invalidate();
}
