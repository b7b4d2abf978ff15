#include "TCustomSeries.h"

#include "TCustomChartAxis.h"

#include <algorithm>

TCustomSeries::TCustomSeries() : m_pointer(*this), m_marks(*this) {}

TCustomSeries::~TCustomSeries() = default;

void TCustomSeries::SetDark3D(bool dark) {
    Set(m_dark3D, dark);
}

void TCustomSeries::SetStairs(bool stairs) {
    Set(m_stairs, stairs);
}

void TCustomSeries::SetInvertedStairs(bool inverted) {
    Set(m_invertedStairs, inverted);
}

void TCustomSeries::SetLineHeight(int height) {
    Set(m_lineHeight, height);
}

std::int32_t TCustomSeries::PointPixelX(std::int32_t i) const {
    return GetHorizAxis() != nullptr ? GetHorizAxis()->ValueToPixel(XValueAt(i)) : 0;
}

std::int32_t TCustomSeries::PointPixelY(std::int32_t i) const {
    return GetVertAxis() != nullptr ? GetVertAxis()->ValueToPixel(YValueAt(i)) : 0;
}

TSeriesMargins TCustomSeries::RequestHorizMargins() const {
    TSeriesMargins margins;
    if (m_pointer.Visible() && m_pointer.InflateMargins()) {
        margins.Start = margins.End = m_pointer.HorizSize() + 1;
    }
    return margins;
}

TSeriesMargins TCustomSeries::RequestVertMargins() const {
    TSeriesMargins margins;
    if (m_pointer.Visible() && m_pointer.InflateMargins()) {
        margins.Start = margins.End = m_pointer.VertSize() + 1;
    }
    return margins;
}
